#include "labelrecords.h"

#include <cstring>

namespace tessarine {

bool TLabelLayout::operator==(const TLabelLayout& o) const
{
    auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    return same(Zoom, o.Zoom) && BackGroundColor == o.BackGroundColor && LabelColor == o.LabelColor &&
           PrintLabelColor == o.PrintLabelColor && LabelEllipse == o.LabelEllipse && same(PageWidth, o.PageWidth) &&
           same(PageHeight, o.PageHeight) && same(MarginLeft, o.MarginLeft) && same(MarginTop, o.MarginTop) &&
           Row == o.Row && Column == o.Column && same(LabelWidth, o.LabelWidth) &&
           same(LabelHeight, o.LabelHeight) && same(LabelMarginLeft, o.LabelMarginLeft) &&
           same(LabelMarginTop, o.LabelMarginTop) && LabelStart == o.LabelStart && LabelTotal == o.LabelTotal &&
           ShowStartEnd == o.ShowStartEnd;
}

} // namespace tessarine
