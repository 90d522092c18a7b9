#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tessarine {

// Raised when a read runs past the end of the data or a count is impossible.
class TReadError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Little-endian reader over bytes in memory or over a device. Every length and count is
// checked against the bytes that remain before anything is allocated, so damaged input fails
// cleanly. A random-access device is read through a small window, so a large file is never
// held in memory whole.
class TLittleEndianReader
{
public:
    explicit TLittleEndianReader(const QByteArray& data, qsizetype start = 0);
    // Reads from the device's current position to its end.
    explicit TLittleEndianReader(QIODevice& device);

    // Bytes consumed since the start.
    qint64 Position() const { return m_windowStart + m_pos; }
    qint64 Remaining() const { return m_total - Position(); }
    bool AtEnd() const { return Remaining() <= 0; }

    uint8_t U8();
    int16_t I16();
    int32_t I32();
    int64_t I64();
    double F64();
    // A one-byte value widened to four bytes: the low byte counts.
    uint8_t B32() { return uint8_t(uint32_t(I32()) & 0xFF); }
    QByteArray Bytes(qsizetype count);
    void Skip(qsizetype count);

    // i32 byte count then GBK bytes; str8: one byte count then GBK bytes.
    QString Str();
    QString Str8();

    // Fails unless count items of itemSize bytes can still follow.
    void RequireItems(int64_t count, qsizetype itemSize) const;

private:
    const char* Take(qsizetype count);
    void Refill(qsizetype needed);

    QByteArray m_window;       // the bytes at hand
    qsizetype m_pos = 0;       // position inside the window
    qint64 m_windowStart = 0;  // bytes consumed before the window
    qint64 m_total = 0;        // bytes from the start to the end
    QIODevice* m_device = nullptr;
};

// Little-endian writer that appends to a byte array.
class TLittleEndianWriter
{
public:
    explicit TLittleEndianWriter(QByteArray& target) : m_out(target) {}

    void U8(uint8_t v) { m_out.append(char(v)); }
    void I16(int16_t v);
    void I32(int32_t v);
    void I64(int64_t v);
    void F64(double v);
    void B32(uint8_t v) { I32(int32_t(v)); }
    void Bytes(const QByteArray& bytes) { m_out.append(bytes); }
    void Str(const QString& text);
    // Longer texts are cut at 255 bytes, never in the middle of a double-byte character.
    void Str8(const QString& text);

private:
    QByteArray& m_out;
};

} // namespace tessarine
