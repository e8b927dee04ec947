#include "platform/MpvWmpControl.h"

#include <gtest/gtest.h>

using namespace kestova;

TEST(WmpPositionText, MinutesAndSecondsThenHours)
{
    const std::pair<double, const char *> cases[] = {
        {0, "00:00"},       {0.99, "00:00"},    {5.4, "00:05"},     {59.999, "00:59"},
        {61, "01:01"},      {599, "09:59"},     {3599.9, "59:59"},  {3600, "01:00:00"},
        {3725, "01:02:05"}, {36000, "10:00:00"}, {-3, "00:00"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(wmpPositionText(seconds), QString::fromLatin1(text)) << seconds;
}
