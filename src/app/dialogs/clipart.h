#pragma once

#include <QImage>
#include <QString>

namespace tessarine {

// The picture library's clip art: 96 pictograms for labels (arrows, handling marks, safety
// signs, recycling, food and temperature, everyday symbols), drawn by the program itself.
constexpr int kClipArtCount = 96;
constexpr int kClipArtSize = 64;

// A picture of 64 x 64 pixels on a transparent background; a null image outside 0 to 95.
QImage ClipArtPicture(int index);
// The picture on white in 24 bits, the form a picture object takes.
QImage ClipArtBitmap(int index);
// A short name saying what the picture shows.
QString ClipArtName(int index);

} // namespace tessarine
