#include "platform/SystemLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kestova;

TEST(SystemLocale, PosixNamesMapToLocaleIds)
{
    const struct {
        const char *name;
        std::uint32_t id;
    } cases[] = {
        {"zh_CN.UTF-8", 0x804}, {"zh_CN.GBK", 0x804},  {"zh_SG.UTF-8", 0x804},
        {"zh_TW.UTF-8", 0x404}, {"zh_TW.Big5", 0x404}, {"zh_HK.UTF-8", 0xC04},
        {"C", 0x409},           {"POSIX", 0x409},      {"C.UTF-8", 0x409},
        {"en_US.UTF-8", 0x409}, {"de_DE@euro", 0x407}, {"ja_JP.eucJP", 0x411},
        {"fr_CA.UTF-8", 0x40C}, {"xx_YY", 0x409},      {"", 0x409},
    };
    for (const auto &c : cases)
        EXPECT_EQ(localeIdFromPosixName(c.name), c.id) << c.name;
}

TEST(SystemLocale, LcAllWinsOverLcMessagesOverLang)
{
    const auto restore = [](const char *var, const char *old) {
        if (old)
            setenv(var, old, 1);
        else
            unsetenv(var);
    };
    const char *oldAll = getenv("LC_ALL");
    const char *oldMessages = getenv("LC_MESSAGES");
    const char *oldLang = getenv("LANG");
    const std::string keepAll = oldAll ? oldAll : "", keepMsg = oldMessages ? oldMessages : "",
                      keepLang = oldLang ? oldLang : "";

    setenv("LANG", "zh_CN.UTF-8", 1);
    setenv("LC_MESSAGES", "zh_TW.UTF-8", 1);
    setenv("LC_ALL", "", 1); // empty counts as unset
    EXPECT_EQ(readSystemLocale(), 0x404u);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    EXPECT_EQ(readSystemLocale(), 0x409u);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(readSystemLocale(), 0x804u);

    restore("LC_ALL", oldAll ? keepAll.c_str() : nullptr);
    restore("LC_MESSAGES", oldMessages ? keepMsg.c_str() : nullptr);
    restore("LANG", oldLang ? keepLang.c_str() : nullptr);
}
