#include "bitmap.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace tessarine {

void TBitmap::SetImage(const QImage& image)
{
    m_image = image;
    m_bmp.clear();
}

void TBitmap::Clear()
{
    m_image = QImage();
    m_bmp.clear();
}

QByteArray TBitmap::ToBmp() const
{
    if (m_image.isNull())
        return {};
    if (m_bmp.isEmpty()) {
        QBuffer buffer(&m_bmp);
        buffer.open(QIODevice::WriteOnly);
        if (!m_image.save(&buffer, "BMP"))
            m_bmp.clear();
    }
    return m_bmp;
}

bool TBitmap::LoadBmp(const QByteArray& bytes)
{
    // The file header: "BM", then the pixel rows' offset at byte 10, which must lie inside.
    constexpr int kFileHeader = 14;
    if (bytes.size() < kFileHeader || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const quint32 pixelOffset = qFromLittleEndian<quint32>(bytes.constData() + 10);
    if (pixelOffset < kFileHeader || pixelOffset > quint32(bytes.size()))
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    m_image = image;
    m_bmp = bytes;
    return true;
}

} // namespace tessarine
