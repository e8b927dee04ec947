#pragma once

#include "platform/SystemLocale.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace kestova {

using TextConverter = std::function<QString(const QString &)>;

// How a Chinese text of the program reaches the screen: as written on a PRC
// system, through the GB2312-to-Big5 converter on a Taiwan system, and not at
// all elsewhere (the property keeps whatever it showed before).
struct LocaleRule
{
    std::uint32_t locale = LocaleChinesePrc;
    TextConverter toBig5;

    bool isPrc() const { return locale == LocaleChinesePrc; }
    bool isTaiwan() const { return locale == LocaleChineseTaiwan; }
    bool isChinese() const { return isPrc() || isTaiwan(); }

    // The text converted on a Taiwan system, unchanged otherwise. Used for
    // the Chinese piece of a text whose other pieces stay as they are.
    QString convert(const QString &text) const
    {
        return isTaiwan() && toBig5 ? toBig5(text) : text;
    }

    // The text to set, or nothing when the property is left unchanged.
    std::optional<QString> apply(const QString &text) const
    {
        if (!isChinese())
            return std::nullopt;
        return convert(text);
    }
};

// The same rule for one text, with the locale given.
inline std::optional<QString> textByLocale(const QString &text, std::uint32_t locale,
                                           const TextConverter &toBig5)
{
    return LocaleRule{locale, toBig5}.apply(text);
}

} // namespace kestova
