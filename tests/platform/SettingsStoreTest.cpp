#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace kestova;

TEST(SettingsStore, TellsTextFromOtherTypesInTheIniFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Kestova.conf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Window]\nWidth=6875\nHeight=@ByteArray(7155)\nChannel=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    }
    QtSettingsStore store(path);
    EXPECT_TRUE(SettingsStore::isString(store.value("Window/Width")));
    EXPECT_EQ(store.value("Window/Width")->toString(), "6875");
    EXPECT_TRUE(store.value("Window/Height").has_value());
    EXPECT_FALSE(SettingsStore::isString(store.value("Window/Height")));
    EXPECT_FALSE(SettingsStore::isString(store.value("Window/Channel")));
    EXPECT_FALSE(store.value("Window/Missing").has_value());
    EXPECT_FALSE(SettingsStore::isString(store.value("Window/Missing")));
}

TEST(SettingsStore, WrittenStringsReadBackAsStrings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Kestova.conf");
    {
        QtSettingsStore store(path);
        store.setString("Path", "/opt/kestova");
        store.setString("Window/Channel", "Show");
        store.setString("Window/Width", "@odd"); // Qt escapes a leading '@'
        EXPECT_TRUE(store.sync());
    }
    QtSettingsStore again(path);
    EXPECT_EQ(again.value("Path")->toString(), "/opt/kestova");
    EXPECT_EQ(again.value("Window/Channel")->toString(), "Show");
    EXPECT_TRUE(SettingsStore::isString(again.value("Window/Width")));
    EXPECT_EQ(again.value("Window/Width")->toString(), "@odd");
}
