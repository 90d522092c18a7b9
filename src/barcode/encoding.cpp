#include "encoding.h"

#include "barcodeerrors.h"
#include "symbologies.h"

namespace tessarine {

namespace {

bool IsBlankOrControl(QChar c)
{
    return c.unicode() <= u' ';
}

QString TrimBlanksAndControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlankOrControl(text[first]))
        ++first;
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

bool AllDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

QString PadLeft(const QString& text, int length)
{
    if (text.size() >= length)
        return text;
    return QString(length - text.size(), u'0') + text;
}

QString AppendCheckDigit(const QString& data, TCheckSumMethod method)
{
    if (method != csmModulo10)
        return data;
    int sum = 0;
    int weight = 3;
    for (qsizetype i = data.size() - 1; i >= 0; --i) {
        const QChar c = data[i];
        if (c < u'0' || c > u'9')
            continue;
        sum = (sum + (c.unicode() - u'0') * weight) % 10;
        weight = 4 - weight;
    }
    return data + QChar(u'0' + (10 - sum) % 10);
}

TEncodedSymbol EncodeSymbol(TBarcodeType typ, const QString& text, bool checksum, TCheckSumMethod method)
{
    // The type is checked first: the numeric flag is read from its table row.
    const TBCdata* row = FindBCdata(typ);
    if (!row)
        throw WrongTypeError();
    TEncodeContext ctx;
    ctx.Typ = typ;
    ctx.Text = text;
    ctx.Checksum = checksum;
    ctx.CheckSumMethod = method;
    if (row->Num) {
        ctx.Text = TrimBlanksAndControls(ctx.Text);
        if (!AllDigits(ctx.Text))
            throw NotNumericError();
    }
    row->Encode(ctx);
    return {std::move(ctx.Pattern), std::move(ctx.Text), std::move(ctx.Data)};
}

} // namespace tessarine
