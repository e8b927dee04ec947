#pragma once

// Where the main window's size and panel mode live between runs: the values
// "Width", "Height" and "Channel" under "Window" in the settings store, all
// written as text. "Channel" holds the panel mode, not a channel.

#include <QString>

#include <optional>

namespace kestova {

class SettingsStore;

inline const QString PlacementWidthKey = QStringLiteral("Window/Width");
inline const QString PlacementHeightKey = QStringLiteral("Window/Height");
inline const QString PlacementChannelKey = QStringLiteral("Window/Channel");

inline constexpr float DefaultWindowWidth = 6875.0f;
inline constexpr float DefaultWindowHeight = 7155.0f;
inline constexpr float MinimumStoredWidth = 2000.0f;
inline constexpr float MinimumStoredHeight = 3000.0f;
// The close-button exit stores the expanded width minus this, which is 10
// twips less than the panel switch adds back at the next start.
inline constexpr float StoredExtensionWidth = 3315.0f;

// A stored size as the window takes it: text cut at the first NUL, blanks
// around it ignored, a decimal number rounded half to even to a 16-bit
// integer. Text that is not a number, or a number outside -32768..32767,
// gives nothing: such a value counts as absent.
std::optional<int> parseStoredSize(const QString &text);

struct StoredPlacement
{
    float width = DefaultWindowWidth;  // base-panel width, twips
    float height = DefaultWindowHeight;
    bool expanded = false; // "Channel" is "Show": open with the expanded panel
    friend bool operator==(const StoredPlacement &, const StoredPlacement &) = default;
};

// Reads the placement as the window's load applies it:
// - no usable "Width" (absent, not text, or not a 16-bit number): the
//   defaults 6875 x 7155, base panel;
// - otherwise the width, at least 2000; the height from "Height", at least
//   3000, where an unusable "Height" takes the width's text instead; the
//   expanded panel when "Channel" is exactly "Show".
StoredPlacement readPlacement(const SettingsStore &settings);

// The three texts the exits write.
struct PlacementRecord
{
    QString width;
    QString height;
    QString channel; // "Show" or "Hide"
    friend bool operator==(const PlacementRecord &, const PlacementRecord &) = default;
};

// For the current client size and panel mode (SwitchSkin's Tag): "Channel"
// "Hide" for "base", else "Show", and then the width less 3315.
PlacementRecord placementAtExit(float width, float height, const QString &panelTag);

// Writes the record ("Height", "Channel", "Width" in this order) and pushes it
// out. A failing write is ignored.
void savePlacement(SettingsStore &settings, const PlacementRecord &record);

// A twips value as the settings store keeps it: a single-precision number
// as decimal text, "6875" or "6885.5".
QString twipsText(float twips);

} // namespace kestova
