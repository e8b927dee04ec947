#pragma once

#include <QString>

namespace kestova {

// Window state that channel switching writes and the player events read.
struct PlaybackState
{
    // The current media is a finite file: stop pauses, and the "m" player's
    // progress bar is drawn.
    bool OnDemand = false;
    // The cover layer stays over the "r" player's video while it plays.
    bool KeepCover = false;
    // Name of the channel started last; the status texts refer to it.
    QString CurrentChannelName;
    // "local" after the open-media dialog started a source; the next player
    // error reports a file error and empties it.
    QString OpenMode;
};

} // namespace kestova
