#pragma once

#include "platform/LocaleRule.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace kestova {

// SwithTopWindow's Tag: the always-on-top state, never saved.
inline const QString TopMostOff = QStringLiteral("NoTop");
inline const QString TopMostOn = QStringLiteral("Top");

struct TopMostFace
{
    bool topMost = false;
    QString tag;
    QString caption;
    std::optional<QString> toolTip; // nothing: the tooltip keeps its text
    friend bool operator==(const TopMostFace &, const TopMostFace &) = default;
};

// What a click on SwithTopWindow makes of the button and the window, from its
// current Tag. A Tag that is neither "NoTop" nor "Top" changes nothing
// (the result is empty).
std::optional<TopMostFace> toggleTopMost(const QString &tag, std::uint32_t locale,
                                         const TextConverter &toBig5);

} // namespace kestova
