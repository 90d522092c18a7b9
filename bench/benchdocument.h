#pragma once

#include "document/designdocument.h"

namespace tessarine::bench {

// A large mixed document: texts (Chinese and Latin), rectangles, lines and a few pictures.
void FillMixedDocument(TDesignDocument& doc, int objects, int pictures);

} // namespace tessarine::bench
