// Binding DllUnregisterServer by name at run time.

#include "platform/QuorvelLibrary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kestova;

TEST(QuorvelLibrary, CallsTheExportOfTheFirstLibraryThatHasIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString marker = dir.filePath("unregistered");
    qputenv("KESTOVA_FAKE_QUORVEL_MARKER", marker.toLocal8Bit());

    struct Case
    {
        const char *name;
        QStringList candidates;
        bool called;
    };
    const Case cases[] = {
        {"no such library", {dir.filePath("libnothing.so")}, false},
        {"library without the export", {KESTOVA_NO_EXPORT_LIBRARY}, false},
        {"the library", {KESTOVA_FAKE_QUORVEL_LIBRARY}, true},
        {"first candidate missing",
         {dir.filePath("libnothing.so"), KESTOVA_NO_EXPORT_LIBRARY, KESTOVA_FAKE_QUORVEL_LIBRARY},
         true},
        {"nothing to try", {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(marker);
        EXPECT_EQ(callDllUnregisterServer(c.candidates), c.called);
        EXPECT_EQ(QFile::exists(marker), c.called);
    }
    qunsetenv("KESTOVA_FAKE_QUORVEL_MARKER");
}

TEST(QuorvelLibrary, CandidatesStartNextToTheExecutable)
{
    const QStringList candidates = quorvelLibraryCandidates();
    ASSERT_GE(candidates.size(), 2);
    EXPECT_TRUE(candidates.first().endsWith("/libquorvel.so"));
    EXPECT_TRUE(candidates.contains("libquorvel.so.8"));
}
