#pragma once

#include <QString>

namespace tessarine {

// Makes PDF417 symbols through a small file protocol: it reads the text to encode from a data
// file, writes the symbol as "tmppdf1.bmp" into its working directory and answers that path,
// or a path ending in "errorbmp.bmp" when it cannot. Encoding is libzint's.
class TPdf417Maker
{
public:
    // The working directory for the pictures; the system's temporary directory when unset.
    void SetTempDirectory(const QString& directory);
    // kind must be "PDF417"; the option strings are accepted and not used.
    QString CreateBarCode(const QString& kind, const QString& dataFile, const QString& option1 = {},
                          const QString& option2 = {}, const QString& option3 = {}, const QString& option4 = {});
    // Why the last call answered the error picture.
    QString ErrorText() const { return m_error; }

    static constexpr const char* kSymbolFile = "tmppdf1.bmp";
    static constexpr const char* kErrorFile = "errorbmp.bmp";
    static constexpr const char* kResultFile = "ResultFile.nls";

private:
    QString Fail(const QString& why);

    QString m_directory;
    QString m_error;
};

} // namespace tessarine
