#include "bitmap.h"

#include <QBuffer>
#include <QImageReader>

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
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
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
