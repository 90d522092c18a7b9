#pragma once

#include <QByteArray>
#include <QImage>

namespace tessarine {

// A picture as label objects own it. It remembers the BMP bytes it was read from, so a
// document that is loaded and saved again keeps its pictures byte for byte, and a picture
// that was never changed is not encoded twice.
class TBitmap
{
public:
    TBitmap() = default;
    explicit TBitmap(const QImage& image) : m_image(image) {}

    bool IsEmpty() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const QImage& Image() const { return m_image; }

    void SetImage(const QImage& image);
    void Clear();

    // The complete BMP file, empty for an empty picture.
    QByteArray ToBmp() const;
    // Takes a complete BMP file; false leaves the picture unchanged.
    bool LoadBmp(const QByteArray& bytes);

private:
    QImage m_image;
    mutable QByteArray m_bmp;
};

} // namespace tessarine
