#include "mainwindow/WindowPlacement.h"

#include "mainwindow/PanelLayout.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestova {

namespace {

QString cutAtNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

// The text of one stored value, or nothing when it is absent or not text.
std::optional<QString> readText(const SettingsStore &settings, const QString &key)
{
    const auto value = settings.value(key);
    if (!SettingsStore::isString(value))
        return std::nullopt;
    return cutAtNul(value->toString());
}

} // namespace

std::optional<int> parseStoredSize(const QString &text)
{
    const QString trimmed = cutAtNul(text).trimmed();
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double rounded = std::nearbyint(number); // half to even in the default mode
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(rounded);
}

StoredPlacement readPlacement(const SettingsStore &settings)
{
    StoredPlacement placement;
    const auto widthText = readText(settings, PlacementWidthKey);
    const std::optional<int> width = widthText ? parseStoredSize(*widthText) : std::nullopt;
    if (!width)
        return placement;
    placement.width = std::max(float(*width), MinimumStoredWidth);

    // A missing or unusable height reuses the width's text.
    int height = *width;
    if (const auto heightText = readText(settings, PlacementHeightKey))
        height = parseStoredSize(*heightText).value_or(*width);
    placement.height = std::max(float(height), MinimumStoredHeight);

    const auto channel = readText(settings, PlacementChannelKey);
    placement.expanded = channel && *channel == QStringLiteral("Show");
    return placement;
}

QString twipsText(float twips)
{
    return QString::number(double(twips), 'g', 7);
}

PlacementRecord placementAtExit(float width, float height, const QString &panelTag)
{
    PlacementRecord record;
    record.height = twipsText(height);
    record.channel = panelTag == PanelBase ? QStringLiteral("Hide") : QStringLiteral("Show");
    record.width = twipsText(record.channel == QStringLiteral("Show") ? width - StoredExtensionWidth : width);
    return record;
}

void savePlacement(SettingsStore &settings, const PlacementRecord &record)
{
    settings.setString(PlacementHeightKey, record.height);
    settings.setString(PlacementChannelKey, record.channel);
    settings.setString(PlacementWidthKey, record.width);
    settings.sync();
}

} // namespace kestova
