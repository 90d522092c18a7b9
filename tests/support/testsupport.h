#pragma once

#include <QByteArray>
#include <QString>

namespace tessarine::test {

// Offscreen platform, and private runtime, config and data folders so no test touches the
// user's own settings.
void PrepareEnvironment();

// A fresh folder for one test's files, removed with the process.
QString TempDir();

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace tessarine::test
