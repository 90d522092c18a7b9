#include "gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tessarine::gbk {

QByteArray Encode(const QString& text, bool* ok)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

QString Decode(const QByteArray& bytes, bool* ok)
{
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

int ByteLength(const QString& text)
{
    bool allAscii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            allAscii = false;
            break;
        }
    }
    return allAscii ? int(text.size()) : int(Encode(text).size());
}

} // namespace tessarine::gbk
