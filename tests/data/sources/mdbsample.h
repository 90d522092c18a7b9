#pragma once

#include <QString>

namespace tessarine::test {

// The path of the Access sample, fetched from the npm registry on first use; empty with
// *error set when it cannot be had.
QString MdbSample(QString* error);

} // namespace tessarine::test
