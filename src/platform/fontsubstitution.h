#pragma once

#include <QString>

#include <optional>

namespace tessarine {

// Label files name Windows faces ("宋体", "黑体", "Arial", ...). Fontconfig does not map most
// of them to a face of the same kind, so each gets a list of stand-ins, tried in order; the
// first one installed is used. Registering more than once is harmless.
void RegisterFontSubstitutions();

// Ascent and descent of a Windows face, in ems. A font's height is its cell height, so a
// stand-in with a taller cell (Noto Sans CJK for 黑体) would otherwise draw smaller glyphs
// than the label was designed with.
struct TFaceMetrics
{
    double Ascent;
    double Descent;
};

// Known for the common faces only; the name is matched ignoring case, as Windows does.
std::optional<TFaceMetrics> WindowsFaceMetrics(const QString& face);

} // namespace tessarine
