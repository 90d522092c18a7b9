#include "binarystream.h"

#include "gbk.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace tessarine {

namespace {
constexpr qsizetype kWindowBytes = 64 * 1024;
}

TLittleEndianReader::TLittleEndianReader(const QByteArray& data, qsizetype start) : m_window(data)
{
    if (start < 0 || start > data.size())
        throw TReadError("start position outside the data");
    m_window.remove(0, start);
    m_total = m_window.size();
}

TLittleEndianReader::TLittleEndianReader(QIODevice& device)
{
    if (device.isSequential()) {
        m_window = device.readAll();
        m_total = m_window.size();
        return;
    }
    m_device = &device;
    m_total = std::max<qint64>(0, device.size() - device.pos());
}

void TLittleEndianReader::Refill(qsizetype needed)
{
    m_windowStart += m_pos;
    m_window.remove(0, m_pos);
    m_pos = 0;
    const qint64 wanted = std::min<qint64>(std::max(needed, kWindowBytes), m_total - m_windowStart);
    const qsizetype have = m_window.size();
    if (wanted > have) {
        m_window.resize(wanted);
        const qint64 got = m_device->read(m_window.data() + have, wanted - have);
        m_window.resize(have + std::max<qint64>(0, got));
    }
    if (m_window.size() < needed)
        throw TReadError("unexpected end of data");
}

const char* TLittleEndianReader::Take(qsizetype count)
{
    if (count < 0 || count > Remaining())
        throw TReadError("unexpected end of data");
    if (m_pos + count > m_window.size()) {
        if (!m_device)
            throw TReadError("unexpected end of data");
        Refill(count);
    }
    const char* p = m_window.constData() + m_pos;
    m_pos += count;
    return p;
}

uint8_t TLittleEndianReader::U8()
{
    return uint8_t(*Take(1));
}

int16_t TLittleEndianReader::I16()
{
    return qFromLittleEndian<qint16>(Take(2));
}

int32_t TLittleEndianReader::I32()
{
    return qFromLittleEndian<qint32>(Take(4));
}

int64_t TLittleEndianReader::I64()
{
    return qFromLittleEndian<qint64>(Take(8));
}

double TLittleEndianReader::F64()
{
    const quint64 bits = qFromLittleEndian<quint64>(Take(8));
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray TLittleEndianReader::Bytes(qsizetype count)
{
    const char* p = Take(count);
    return QByteArray(p, count);
}

void TLittleEndianReader::Skip(qsizetype count)
{
    Take(count);
}

QString TLittleEndianReader::Str()
{
    const int32_t length = I32();
    if (length < 0)
        throw TReadError("negative string length");
    return gbk::Decode(Bytes(length));
}

QString TLittleEndianReader::Str8()
{
    return gbk::Decode(Bytes(U8()));
}

void TLittleEndianReader::RequireItems(int64_t count, qsizetype itemSize) const
{
    if (count < 0 || (itemSize > 0 && count > Remaining() / itemSize))
        throw TReadError("count exceeds the remaining data");
}

void TLittleEndianWriter::I16(int16_t v)
{
    char b[2];
    qToLittleEndian<qint16>(v, b);
    m_out.append(b, 2);
}

void TLittleEndianWriter::I32(int32_t v)
{
    char b[4];
    qToLittleEndian<qint32>(v, b);
    m_out.append(b, 4);
}

void TLittleEndianWriter::I64(int64_t v)
{
    char b[8];
    qToLittleEndian<qint64>(v, b);
    m_out.append(b, 8);
}

void TLittleEndianWriter::F64(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToLittleEndian<quint64>(bits, b);
    m_out.append(b, 8);
}

void TLittleEndianWriter::Str(const QString& text)
{
    const QByteArray bytes = gbk::Encode(text);
    I32(int32_t(bytes.size()));
    m_out.append(bytes);
}

void TLittleEndianWriter::Str8(const QString& text)
{
    QByteArray bytes = gbk::Encode(text);
    if (bytes.size() > 255) {
        // Walk whole characters so a lead byte is never left without its trail byte.
        qsizetype cut = 0;
        while (cut < bytes.size()) {
            const qsizetype step = (uchar(bytes[cut]) >= 0x81 && cut + 1 < bytes.size()) ? 2 : 1;
            if (cut + step > 255)
                break;
            cut += step;
        }
        bytes.truncate(cut);
    }
    U8(uint8_t(bytes.size()));
    m_out.append(bytes);
}

} // namespace tessarine
