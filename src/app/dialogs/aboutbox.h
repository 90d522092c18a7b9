#pragma once

#include <QDialog>

namespace tessarine {

// The About box: product name and version line. The main window makes a new one each time.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    // The version line is versionText, two blanks and buildText ("Ver3.1  Build 3002").
    TAboutBox(const QString& versionText, const QString& buildText, QWidget* parent = nullptr);

    static QString VersionLine(const QString& versionText, const QString& buildText);
};

} // namespace tessarine
