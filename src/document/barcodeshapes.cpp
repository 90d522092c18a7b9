#include "barcodeshapes.h"

#include "barcodedata.h"
#include "textfont.h"

#include <algorithm>
#include <array>

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

void TShowBarCode::DrawHot()
{
    if (!Canvas)
        return;
    Canvas->Pen = TPen{clBlack, psSolid, Pen.Width, pmNotXor};
    Canvas->Brush = TBrush{clBlack, bsSolid};
    DrawGuides(Point(0), Point(1));
    UseHandleStyle();
    for (const HandleSpot& spot : BoxHandles())
        if (spot.Handle >= 5)
            DrawHandle(spot.At);
}

void TShowBarCode::Draw(bool)
{
    if (!Canvas)
        return;
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    BarPosition = {double(a.x()), double(a.y()), double(b.x()), double(b.y())};
    // Not normalised: a box whose vertex 1 lies left of or above vertex 0 shows the symbol
    // mirrored. Black-on-white keeps narrow bars when the picture is shrunk.
    if (!BarBitmap.IsEmpty())
        Canvas->StretchDraw(QRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y()), BarBitmap.Image(), smBlackOnWhite);
    DrawReadableText(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y()));
}

namespace {

// Where the groups of digits of EAN and UPC symbols stand, measured along the text direction
// from the start of the box.
enum TOffset : uint8_t {
    ofBackOne,   // one average character before the start
    ofOne,       // one character in
    ofTwo,       // two characters in
    ofHalfOne,   // half the box plus one character
    ofFull,      // the far end of the box
};

struct TTextGroup
{
    int first;   // first digit, counted from 1; 0 writes the literal ">"
    int count;
    TOffset offset;
};

struct TDigitLayout
{
    uint8_t symbology;
    std::array<TTextGroup, 4> groups;
    int groupCount;
};

constexpr std::array<TDigitLayout, 3> kDigitLayouts = {{
    {kSymbologyEAN8, {{{1, 4, ofOne}, {5, 4, ofHalfOne}}}, 2},
    {kSymbologyEAN13, {{{1, 1, ofBackOne}, {2, 6, ofOne}, {8, 6, ofHalfOne}, {0, 0, ofFull}}}, 4},
    {kSymbologyUPCA, {{{1, 1, ofBackOne}, {2, 5, ofTwo}, {7, 5, ofHalfOne}, {12, 1, ofFull}}}, 4},
}};

constexpr uint8_t kSymbologyCode39 = 3;

} // namespace

void TShowBarCode::DrawReadableText(int left, int top, int right, int bottom)
{
    TLogText& w = Info.WordInfo;
    w.X = left;
    w.Y = bottom;
    const TSurfaceContext& context = Context();
    const TFontSpec previous = Canvas->Font;
    Canvas->Font = FontOfText(w, Round(w.Height * context.FontScale * context.Zoom),
                              Round(w.Width * context.FontScale * context.Zoom), Info.Angle * 10);
    const QString& data = Info.BarCode.Data;
    const int characters = int(data.size());
    // An empty text has no average character width: the bars stay, no text is written.
    if (Info.BarCode.ShowText && characters > 0) {
        const QSize extent = Canvas->TextExtent(data);
        const int c = extent.width() / characters;
        const int h = extent.height();
        const int gap = Info.BarCode.TextGap;
        const int angle = Info.Angle == 90 || Info.Angle == 180 || Info.Angle == 270 ? Info.Angle : 0;

        const TDigitLayout* layout = nullptr;
        for (const TDigitLayout& l : kDigitLayouts)
            if (l.symbology == Info.BarCode.Symbology)
                layout = &l;

        if (!layout) {
            const QString text = Info.BarCode.Symbology == kSymbologyCode39 ? "*" + data + "*" : data;
            switch (angle) {
            case 90: Canvas->TextOut(right + gap, bottom, text); break;
            case 180: Canvas->TextOut(right, top - gap, text); break;
            case 270: Canvas->TextOut(left - gap, top, text); break;
            default:
                Canvas->DrawText(GdiRect(left, bottom + gap, right, bottom + gap + h), text,
                                 TTextAlignment(std::min<uint32_t>(w.Format, taRight)));
                break;
            }
        } else {
            // The text runs from one end of the box (start, in the forward direction) to the
            // other (far), at a fixed distance across it; half is half the box, signed forward.
            struct Frame
            {
                int start, forward, half, far, across;
                bool alongX;
            };
            const Frame f = angle == 90    ? Frame{bottom, -1, (top - bottom) / 2, top, right + gap - h / 2, false}
                            : angle == 180 ? Frame{right, -1, (left - right) / 2, left, top - gap + h / 2, true}
                            : angle == 270 ? Frame{top, 1, (bottom - top) / 2, bottom, left - gap + h / 2, false}
                                           : Frame{left, 1, (right - left) / 2, right, bottom + gap - h / 2, true};
            for (int i = 0; i < layout->groupCount; ++i) {
                const TTextGroup& group = layout->groups[i];
                int along = f.start;
                switch (group.offset) {
                case ofBackOne: along = f.start - f.forward * c; break;
                case ofOne: along = f.start + f.forward * c; break;
                case ofTwo: along = f.start + f.forward * 2 * c; break;
                case ofHalfOne: along = f.start + f.half + f.forward * c; break;
                case ofFull: along = f.far; break;
                }
                const QString text = group.first == 0 ? QStringLiteral(">") : data.mid(group.first - 1, group.count);
                if (f.alongX)
                    Canvas->TextOut(along, f.across, text);
                else
                    Canvas->TextOut(f.across, along, text);
            }
        }
    }
    Canvas->Font = previous;
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
