#pragma once

#include "platform/LocaleRule.h"
#include "platform/Twips.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kestova {

// The most channels a list can bring; ChannelFlags has one more slot because
// channel numbers start at 1.
inline constexpr int MaxChannels = 1000;

// Flags of channel k at index k ("m"/"r" media letter first, then "f", "b"...).
// Index 0 is never written. Shared by the start-up, the list update and the
// main window.
extern std::array<QString, MaxChannels + 1> ChannelFlags;

// One channel button as the catalogue build lays it out: ChangeChannel(index).
struct ChannelButtonEntry
{
    int index = 0;      // k, from 1
    TwipsRect geometry; // in morechannel's coordinates
    QString caption;
    QString toolTip;
    QString tag;   // the sources, joined by "@@"
    QString flags; // goes to ChannelFlags(k)
};

// What the catalogue build reads from the main window's design.
struct CatalogueFrame
{
    TwipsRect templateButton; // ChangeChannel(0)
    float morechannelTop = 0;
    float morechannelHeight = 6285;
};

struct Catalogue
{
    std::vector<ChannelButtonEntry> buttons;
    // The new height of morechannel when the last button reaches below 6285.
    std::optional<float> morechannelHeight;
};

// Builds the catalogue from a record text ("name|sources|flags" joined by
// "##"). Records that are empty or have fewer than three fields are skipped;
// building stops at MaxChannels. Captions and tooltips follow the locale:
// names on 0x804, converted names on 0x404, channel numbers elsewhere.
Catalogue buildCatalogue(const QString &recordText, std::uint32_t locale,
                         const CatalogueFrame &frame, const TextConverter &toBig5);

} // namespace kestova
