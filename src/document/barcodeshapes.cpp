#include "barcodeshapes.h"

namespace tessarine {

void TShowBarCode::Assign(const TMyShape& source)
{
    TKWZRectangle::Assign(source);
    // Only a symbol of the very same class carries over its picture.
    if (&source != this && source.ClassName() == ClassName())
        BarBitmap = static_cast<const TShowBarCode&>(source).BarBitmap;
}

int32_t TShowBarCode::HitHandle(QPoint p)
{
    HotHandle = -1;
    for (const HandleSpot& spot : BoxHandles())
        if (spot.Handle >= 5 && OnHandle(spot.At, p, HandleSize))
            HotHandle = spot.Handle;
    return HotHandle;
}

void TShowBarCode::ResizeChangeValue(QPoint from, QPoint to)
{
    if (HotHandle >= 5 && HotHandle <= 8)
        ApplyBoxResize(to - from);
}

void TShowBarCode::GetInfo(TObjectInfo& info)
{
    info.Kind = kindBarCode;
    info.BarCode.Data = Info.BarCode.Data;
    info.BarCode.BarHeight = Info.BarCode.BarHeight;
    info.BarCode.BarAngle = Info.BarCode.BarAngle;
    info.BarCode.Symbology = Info.BarCode.Symbology;
    info.BarCode.WidthLevel = Info.BarCode.WidthLevel;
    info.Position = BarPosition;
}

void TShowBarCodePDF417::GetInfo(TObjectInfo& info)
{
    info.Kind = kindBarCodePDF417;
    info.Position = BarPosition;
}

} // namespace tessarine
