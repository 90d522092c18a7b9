#include "settingstestutil.h"

#include "platform/gbk.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace tessarine::test {

void WriteGbkFile(const QString& path, const QString& text)
{
    bool ok = false;
    const QByteArray bytes = gbk::Encode(text, &ok);
    ASSERT_TRUE(ok) << text.toStdString();
    ASSERT_TRUE(WriteFile(path, bytes)) << path.toStdString();
}

} // namespace tessarine::test
