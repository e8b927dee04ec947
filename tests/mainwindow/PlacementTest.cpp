// The stored window placement: reading it at load, the texts written at exit.

#include "mainwindow/WindowPlacement.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kestova;

namespace {

struct Stored
{
    std::optional<QVariant> width = std::nullopt;
    std::optional<QVariant> height = std::nullopt;
    std::optional<QVariant> channel = std::nullopt;
};

MemorySettingsStore storeWith(const Stored &s)
{
    MemorySettingsStore store;
    if (s.width)
        store.values[PlacementWidthKey] = *s.width;
    if (s.height)
        store.values[PlacementHeightKey] = *s.height;
    if (s.channel)
        store.values[PlacementChannelKey] = *s.channel;
    return store;
}

} // namespace

TEST(ParseStoredSize, AcceptsSixteenBitNumbersOnly)
{
    struct Case
    {
        QString text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"6875", 6875},
        {" 7000 ", 7000},
        {"-40", -40},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"100000", std::nullopt},
        {"6884.5", 6884}, // halves to the even neighbour
        {"6885.5", 6886},
        {"6885.4", 6885},
        {QString("7000") + QChar(0) + "garbage", 7000}, // cut at the first NUL
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"wide", std::nullopt},
        {"12px", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(parseStoredSize(c.text), c.value);
    }
}

TEST(ReadPlacement, AppliesDefaultsClampsAndFallbacks)
{
    const StoredPlacement defaults{6875, 7155, false};
    struct Case
    {
        const char *name;
        Stored stored;
        StoredPlacement expected;
    };
    const Case cases[] = {
        {"first start", {}, defaults},
        {"small values are raised", {QString("1500"), QString("2000")}, {2000, 3000, false}},
        {"no height takes the width's text", {QString("7000")}, {7000, 7000, false}},
        {"small width without height", {QString("2500")}, {2500, 3000, false}},
        {"show opens expanded", {QString("6885"), QString("7155"), QString("Show")}, {6885, 7155, true}},
        {"hide stays base", {QString("6885"), QString("7155"), QString("Hide")}, {6885, 7155, false}},
        {"show is case-sensitive", {QString("6885"), QString("7155"), QString("show")}, {6885, 7155, false}},
        {"show after a NUL", {QString("6885"), QString("7155"), QString("Show") + QChar(0)}, {6885, 7155, true}},
        {"no channel", {QString("8000"), QString("9000")}, {8000, 9000, false}},
        {"width not text", {QVariant(7000), QString("8000"), QString("Show")}, defaults},
        {"width not a number", {QString("abc"), QString("8000"), QString("Show")}, defaults},
        {"width beyond 16 bits", {QString("40000"), QString("8000"), QString("Show")}, defaults},
        {"width negative", {QString("-5"), QString("8000")}, {2000, 8000, false}},
        {"height not a number", {QString("7000"), QString("tall")}, {7000, 7000, false}},
        {"height beyond 16 bits", {QString("7000"), QString("70000")}, {7000, 7000, false}},
        {"height not text", {QString("7000"), QVariant(9000)}, {7000, 7000, false}},
        {"channel not text", {QString("7000"), QString("8000"), QVariant(1)}, {7000, 8000, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readPlacement(storeWith(c.stored)), c.expected);
    }
}

TEST(PlacementAtExit, StoresTheBaseWidth)
{
    struct Case
    {
        float W, H;
        QString tag;
        PlacementRecord expected;
    };
    const Case cases[] = {
        {10200, 7155, "expand", {"6885", "7155", "Show"}},
        {6875, 7155, "base", {"6875", "7155", "Hide"}},
        {2000, 3000, "base", {"2000", "3000", "Hide"}},
        {9000.5f, 6000, "base", {"9000.5", "6000", "Hide"}},
        // Any tag other than "base" counts as the expanded panel.
        {10000, 8000, "", {"6685", "8000", "Show"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.W);
        EXPECT_EQ(placementAtExit(c.W, c.H, c.tag), c.expected);
    }
}

TEST(PlacementAtExit, RoundTripThroughTheIniStore)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.filePath("Kestova.ini");
    {
        QtSettingsStore store(ini);
        savePlacement(store, placementAtExit(10200, 7200, "expand"));
    }
    QtSettingsStore store(ini);
    EXPECT_EQ(store.value(PlacementWidthKey), QVariant(QString("6885")));
    EXPECT_EQ(store.value(PlacementChannelKey), QVariant(QString("Show")));
    // The next start sets 6885 and then the panel switch adds 3325.
    EXPECT_EQ(readPlacement(store), (StoredPlacement{6885, 7200, true}));
}
