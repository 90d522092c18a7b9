#include "barcodedata.h"

#include "barcodeshapes.h"

namespace tessarine {

// The linear encoder is not part of this library yet: until it is, rendering reports failure
// and every caller keeps the object's previous picture, as it does for any rendering error.
bool RenderLinearBarcode(TShowBarCode&)
{
    return false;
}

} // namespace tessarine
