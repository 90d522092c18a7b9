#pragma once

#include <QByteArray>
#include <QImage>

namespace tessarine {

// A graphic in the form a printer downloads it. The Zebra encoding fills all three; PCX leaves
// BytesPerRow empty and puts the file's byte count into TotalBytes.
struct TObjToHex
{
    QByteArray TotalBytes;
    QByteArray BytesPerRow;
    QByteArray GraphicData;
};

// A one-bit picture as the printers take it: Format_Mono, bit 1 white and bit 0 black, most
// significant bit leftmost. Every pixel that is not pure white becomes black; the unused bits at
// the end of a row are white, so they can never print.
QImage ToOneBit(const QImage& picture);

// The one-bit picture stretched or shrunk to width x height, where a dot is black when any
// source pixel that lands in it is black: what black-on-white stretching (TCanvas, smBlackOnWhite)
// and the reduction to one bit give together, without going through colour pixels.
QImage StretchOneBit(const QImage& oneBit, int width, int height);

// Zebra ~DG data: each row as hexadecimal digits (1 = black), right-aligned in whole bytes,
// rows joined by CR LF.
TObjToHex ZebraHex(const QImage& oneBit);

// A run-length encoded one-bit PCX file (version 5) of the picture, for Datamax and Argox.
class TPcx2Bit
{
public:
    // dotsPerInch goes into the header's resolution fields, which printers ignore.
    TPcx2Bit(const QImage& oneBit, int dotsPerInch);

    QByteArray File() const;
    TObjToHex Encoded() const;

private:
    QByteArray Header() const;
    static void EncodeRow(const uchar* bytes, int count, QByteArray& out);

    QImage m_bitmap;
    int m_dpi;
};

} // namespace tessarine
