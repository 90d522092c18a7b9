#pragma once

#include <QString>

namespace tessarine {

class TShowBarCodePDF417;

// The files of PDF417 symbol making: where the text to encode is written, and file sizes.
class TKWZFunction
{
public:
    // The data file the PDF417 dialog writes; in the temporary directory, since the program's
    // own directory is not writable on an installed system.
    static QString DataFilePath();
    // Size in bytes, -1 when the file cannot be opened.
    static qint64 FileSize(const QString& path);
};

// Lines joined as comma text: items with blanks, commas or quotes are quoted, quotes doubled.
QString CommaText(const QStringList& lines);

// Makes the picture of a new PDF417 object from the data file through the symbol maker's file
// protocol, under tempPath + "_KWZ". False when the new object is to be deleted again; then
// *error may say why.
bool MakePdf417Symbol(TShowBarCodePDF417& shape, const QString& dataFile, const QString& tempPath, bool isOpenImage,
                      QString* error = nullptr);

} // namespace tessarine
