#pragma once

#include "labelrecords.h"

#include <QIODevice>
#include <QString>

#include <stdexcept>

namespace tessarine {

class TDesignDocument;

// Raised when a file cannot be opened or written.
class TFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The maker-string test of a .KWZ file. Raises TFileError when the file cannot be opened.
bool IsLabelFile(const QString& path);

// Writes the whole document at the device's position. Raises TFileError on a write error.
void WriteLabelStream(TDesignDocument& document, QIODevice& device, const TLabelLayout& layout,
                      const TSourceDataBase& source);
// The same, into bytes.
QByteArray LabelFileBytes(TDesignDocument& document, const TLabelLayout& layout, const TSourceDataBase& source);

// Reads a document from the device's position into document (its object list is emptied first,
// its layers are left alone). False on damaged or short data; objects read before the damage
// stay on the document.
bool ReadLabelStream(TDesignDocument& document, QIODevice& device, TLabelLayout& layout, TSourceDataBase& source);

// Saves atomically: on failure the file that was there is left untouched.
bool SaveLabelFile(TDesignDocument& document, const QString& path, const TLabelLayout& layout,
                   const TSourceDataBase& source);

// Header test, then clears layers and objects and reads the file. Raises TFileError when the
// file cannot be opened for the header test; false for a foreign or damaged file.
bool LoadLabelFile(TDesignDocument& document, const QString& path, TLabelLayout& layout, TSourceDataBase& source);

} // namespace tessarine
