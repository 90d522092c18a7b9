#pragma once

#include "objectinfo.h"

#include "platform/canvas.h"

namespace tessarine {

// The canvas font a text description paints with, at the given pixel sizes.
TFontSpec FontOfText(const TLogText& text, int32_t height, int32_t width, int32_t escapement);

} // namespace tessarine
