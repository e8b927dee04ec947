#pragma once

#include "startup/ChannelCatalogue.h"
#include "startup/ChannelListReading.h"

#include <QString>

namespace kestova {

class TVscreen;

// Reads both list files of the directory and builds the channel catalogue into
// the main window: channel buttons, ChannelFlags, the list version tag. Returns
// the lists read, so the caller can take the addresses; when the scrambled list
// is unusable nothing is built and the panel switch is hidden.
ChannelLists loadChannelCatalogue(TVscreen &window, const QString &programDirectory);

// Puts a built catalogue in place: ChannelFlags and the window's channel
// buttons, replacing the previous ones.
void installCatalogue(TVscreen &window, const Catalogue &catalogue);

} // namespace kestova
