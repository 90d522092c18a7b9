// Reads arbitrary bytes as a label document: it must fail cleanly, never crash or
// allocate what damaged counts claim.
#include "document/designdocument.h"
#include "document/labelfile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    tessarine::TDesignDocument doc;
    tessarine::TLabelLayout layout;
    tessarine::TSourceDataBase source;
    if (tessarine::ReadLabelStream(doc, buffer, layout, source)) {
        // Whatever was read must write out again.
        const QByteArray again = tessarine::LabelFileBytes(doc, layout, source);
        if (again.isEmpty())
            __builtin_trap();
    }
    return 0;
}
