#pragma once

#include <QByteArray>
#include <QString>

namespace tessarine::gbk {

// Strings live as QString in memory and as GBK bytes in files. A character that GBK cannot
// hold becomes '?' and sets *ok to false, so callers can report it instead of corrupting
// data silently.
QByteArray Encode(const QString& text, bool* ok = nullptr);
QString Decode(const QByteArray& bytes, bool* ok = nullptr);

// The number of GBK bytes of text: what the label format counts as "characters" when it
// sizes text (a Chinese character counts two, which makes boxes fit full-width glyphs).
int ByteLength(const QString& text);

} // namespace tessarine::gbk
