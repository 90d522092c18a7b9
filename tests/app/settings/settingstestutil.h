#pragma once

#include <QString>

namespace tessarine::test {

// Writes text as a GBK file, the way language files are made. Fails the test when the text
// holds characters GBK cannot store or the file cannot be written.
void WriteGbkFile(const QString& path, const QString& text);

} // namespace tessarine::test
