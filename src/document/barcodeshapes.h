#pragma once

#include "boxshapes.h"

namespace tessarine {

// A linear barcode painted from a pre-rendered picture stretched into its box. It has only
// the four edge handles: resizing stretches the picture, it does not render it again.
class TShowBarCode : public TKWZRectangle
{
public:
    using TKWZRectangle::TKWZRectangle;
    QString ClassName() const override { return QStringLiteral("TShowBarCode"); }

    void Assign(const TMyShape& source) override;
    void DrawHot() override;
    int32_t HitHandle(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
    void GetInfo(TObjectInfo& info) override;
    // Stretches the picture into the box and writes the readable text.
    void Draw(bool forPrint) override;

    std::array<double, 4> BarPosition{}; // screen x0, y0, x1, y1 as last painted
    TBitmap BarBitmap;

private:
    void DrawReadableText(int left, int top, int right, int bottom);
};

// A PDF417 symbol.
class TShowBarCodePDF417 : public TShowBarCode
{
public:
    using TShowBarCode::TShowBarCode;
    QString ClassName() const override { return QStringLiteral("TShowBarCodePDF417"); }
    void GetInfo(TObjectInfo& info) override;
};

} // namespace tessarine
