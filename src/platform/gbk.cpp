#include "gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tessarine::gbk {

namespace {

bool IsAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

bool IsAscii(const QByteArray& bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

} // namespace

// Most strings of a document are empty or plain ASCII, which GBK keeps byte for byte; only
// the others go through a converter. Each call takes a fresh one: a converter keeps reporting
// an error once it had one, even after resetState(). Stateless, so a lead byte cut off at the
// end counts as an error instead of waiting.

QByteArray Encode(const QString& text, bool* ok)
{
    if (ok)
        *ok = true;
    if (IsAscii(text))
        return text.toLatin1();
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

QString Decode(const QByteArray& bytes, bool* ok)
{
    if (ok)
        *ok = true;
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

int ByteLength(const QString& text)
{
    return IsAscii(text) ? int(text.size()) : int(Encode(text).size());
}

} // namespace tessarine::gbk
