#pragma once

#include "platform/SystemLocale.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace kestova {

using TextConverter = std::function<QString(const QString &)>;

// The rule for texts the program sets at run time: on a PRC system the text
// is set as written, on a Taiwan system after the Big5 conversion, and on
// any other system the property keeps what it has (no value).
inline std::optional<QString> textByLocale(const QString &text, std::uint32_t locale,
                                           const TextConverter &toBig5)
{
    if (locale == LocaleChinesePrc)
        return text;
    if (locale == LocaleChineseTaiwan)
        return toBig5 ? toBig5(text) : text;
    return std::nullopt;
}

} // namespace kestova
