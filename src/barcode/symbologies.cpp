#include "symbologies.h"

#include "encoders.h"

#include <algorithm>
#include <array>

namespace tessarine {

namespace {

using namespace encoders;
using R = TBarHeightRule;

// The ratio ranges: 2 of 5 matrix needs a wider wide element; the module-based symbologies
// (Code 128, Code 93, MSI, PostNet, EAN-128) take W1..W4 as 1..4 modules and are not clamped.
constexpr std::array<TBCdata, kBarcodeTypeCount> kBCdata = {{
    {"2_5_interleaved", true, EncodeCode25Interleaved, 2.0, 3.0, R::Fixed97},
    {"2_5_industrial", true, EncodeCode25Industrial, 2.0, 3.0, R::Fixed97},
    {"2_5_matrix", true, EncodeCode25Matrix, 2.25, 3.0, R::Fixed97},
    {"Code39", false, EncodeCode39, 2.0, 3.0, R::Fixed97},
    {"Code39 Extended", false, EncodeCode39Extended, 2.0, 3.0, R::Fixed97},
    {"Code128A", false, EncodeCode128, 0, 0, R::Fixed97},
    {"Code128B", false, EncodeCode128, 0, 0, R::Fixed97},
    {"Code128C", true, EncodeCode128, 0, 0, R::Fixed97},
    {"Code93", false, EncodeCode93, 0, 0, R::Fixed97},
    {"Code93 Extended", false, EncodeCode93Extended, 0, 0, R::Fixed97},
    {"MSI", true, EncodeMSI, 0, 0, R::Fixed97},
    {"PostNet", true, EncodePostNet, 0, 0, R::Postal},
    {"Codebar", false, EncodeCodabar, 2.0, 3.0, R::Fixed97},
    {"EAN8", true, EncodeEAN8, 2.0, 3.0, R::Fixed97},
    {"EAN13", true, EncodeEAN13, 2.0, 3.0, R::ElementHeight},
    {"UPC_A", true, EncodeUPCA, 2.0, 3.0, R::Fixed97},
    {"UPC_E0", true, EncodeUPCE0, 2.0, 3.0, R::Fixed97},
    {"UPC_E1", true, EncodeUPCE1, 2.0, 3.0, R::Fixed97},
    {"UPC Supp2", true, EncodeUPCSupp2, 2.0, 3.0, R::Fixed97},
    {"UPC Supp5", true, EncodeUPCSupp5, 2.0, 3.0, R::Fixed97},
    {"EAN128A", false, EncodeCode128, 0, 0, R::Fixed97},
    {"EAN128B", false, EncodeCode128, 0, 0, R::Fixed97},
    {"EAN128C", true, EncodeCode128, 0, 0, R::Fixed97},
}};

} // namespace

const TBCdata* FindBCdata(TBarcodeType typ)
{
    return typ < kBCdata.size() ? &kBCdata[typ] : nullptr;
}

QString BarcodeTypeName(TBarcodeType typ)
{
    const TBCdata* row = FindBCdata(typ);
    return row ? QString::fromLatin1(row->Name) : QString();
}

double ClampRatio(TBarcodeType typ, double ratio)
{
    const TBCdata* row = FindBCdata(typ);
    if (!row || row->RatioMin == 0)
        return ratio;
    if (!(ratio >= row->RatioMin)) // NaN too
        return row->RatioMin;
    return std::min(ratio, row->RatioMax);
}

} // namespace tessarine
