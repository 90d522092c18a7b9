#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

namespace tessarine {

// Raised by TRotate; the message is shown to the user as it is.
class EBitmapError : public std::runtime_error
{
public:
    explicit EBitmapError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {}
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// Turns 24-bit pictures by quarter turns.
class TRotate
{
public:
    // A new picture turned by angle degrees counter-clockwise as seen on the screen; the
    // source is unchanged. Only 24-bit pictures and multiples of 90 are accepted; negative
    // multiples turn clockwise (-90 is 270).
    static QImage Rotate90(int angle, const QImage& bitmap);
};

} // namespace tessarine
