#pragma once

namespace tessarine {

class TMyShape;

// A single-line text box spans its text: vertex 1 = vertex 0 + (GBK bytes x Width, Height).
// Other objects are left alone.
void FitTextBoxToText(TMyShape& shape);

} // namespace tessarine
