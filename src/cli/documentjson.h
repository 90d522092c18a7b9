#pragma once

#include "document/labelrecords.h"

#include <QJsonObject>

namespace tessarine {

class TDesignDocument;

// The whole document as JSON; the keys are the field names the label file uses.
QJsonObject DocumentToJson(TDesignDocument& document, const TLabelLayout& layout, const TSourceDataBase& source);

} // namespace tessarine
