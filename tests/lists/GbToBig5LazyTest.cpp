#include "startup/GB2BIG5.h"

#include <gtest/gtest.h>

using namespace kestova;

// Runs in a program of its own, so nothing has loaded the table before.
TEST(GbToBig5Lazy, EmptyTextNeedsNoTableAndAnyOtherTextLoadsIt)
{
    ASSERT_FALSE(gbToBig5TableLoaded());
    EXPECT_EQ(GbToBig5(QString()), QString());
    EXPECT_EQ(GbToBig5Bytes(QByteArrayView()), QByteArray());
    EXPECT_FALSE(gbToBig5TableLoaded());

    EXPECT_EQ(GbToBig5(QString::fromUtf8("电")), QString::fromUtf8("電"));
    EXPECT_TRUE(gbToBig5TableLoaded());
}
