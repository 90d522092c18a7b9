#include "platform/round.h"

#include <gtest/gtest.h>

#include <cmath>

using tessarine::Round;
using tessarine::Trunc;

TEST(Round, HalvesGoToEven)
{
    const struct
    {
        double in;
        int32_t out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                 {2.4999, 2}, {2.5001, 3}, {1122.5197, 1123}, {1e12, INT32_MAX}, {-1e12, INT32_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(Round(c.in), c.out) << c.in;
}

TEST(Round, NotANumberDoesNotCrash)
{
    EXPECT_EQ(Round(std::nan("")), INT32_MIN);
    EXPECT_EQ(Trunc(std::nan("")), INT32_MIN);
}

TEST(Trunc, GoesTowardZero)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
}
