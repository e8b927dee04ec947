#include "platform/SystemLocale.h"

#include <QByteArray>

#include <cstdlib>
#include <utility>

namespace kestova {

std::uint32_t SystemLocale = LocaleEnglishUs;

std::uint32_t localeIdFromPosixName(QByteArrayView name)
{
    // Strip ".codeset" and "@modifier": "zh_TW.UTF-8@foo" -> "zh_TW".
    QByteArray base(name.data(), name.size());
    if (const auto at = base.indexOf('@'); at >= 0)
        base.truncate(at);
    if (const auto dot = base.indexOf('.'); dot >= 0)
        base.truncate(dot);
    base.replace('-', '_');

    static constexpr std::pair<const char *, std::uint32_t> exact[] = {
        {"zh_CN", 0x804}, {"zh_SG", 0x804}, {"zh_TW", 0x404}, {"zh_HK", 0xC04},
        {"zh_MO", 0x1404}, {"en_US", 0x409}, {"en_GB", 0x809}, {"C", 0x409},
        {"POSIX", 0x409}, {"ja_JP", 0x411}, {"ko_KR", 0x412}, {"de_DE", 0x407},
        {"fr_FR", 0x40C}, {"es_ES", 0xC0A}, {"it_IT", 0x410}, {"ru_RU", 0x419},
        {"pt_BR", 0x416}, {"nl_NL", 0x413},
    };
    for (const auto &[posix, lcid] : exact) {
        if (base == posix)
            return lcid;
    }
    // Other countries of a known language take the language's main locale.
    static constexpr std::pair<const char *, std::uint32_t> language[] = {
        {"zh", 0x804}, {"en", 0x409}, {"ja", 0x411}, {"ko", 0x412}, {"de", 0x407},
        {"fr", 0x40C}, {"es", 0xC0A}, {"it", 0x410}, {"ru", 0x419}, {"pt", 0x816},
        {"nl", 0x413},
    };
    const QByteArray lang = base.left(base.indexOf('_') < 0 ? base.size() : base.indexOf('_'));
    for (const auto &[code, lcid] : language) {
        if (lang == code)
            return lcid;
    }
    return 0x409;
}

std::uint32_t readSystemLocale()
{
    for (const char *var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(var);
        if (value && *value)
            return localeIdFromPosixName(value);
    }
    return LocaleEnglishUs;
}

} // namespace kestova
