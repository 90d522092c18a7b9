#pragma once

#include "document/labelrecords.h"

namespace tessarine {

class TDesignDocument;

// Fills an empty document with the bundled sample label: a product label of 80 x 50 mm with
// texts in Chinese and Latin, a frame, rules, a logo picture and a Code 128 barcode.
void BuildSampleLabel(TDesignDocument& document, TLabelLayout& layout, TSourceDataBase& source);

} // namespace tessarine
