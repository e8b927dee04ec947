#include "platform/ProgramDirectory.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kestova;

namespace {
void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(ProgramDirectory, ExecutableFolderWithListsIsUsedAsItIs)
{
    QTemporaryDir root;
    const QString exe = root.filePath("bin"), user = root.filePath("user"), shared = root.filePath("share");
    QDir().mkpath(exe);
    writeFile(exe + "/tv.zqv", "x");
    EXPECT_EQ(chooseProgramDirectory(exe, user, shared), exe);
    EXPECT_FALSE(QDir(user).exists());
}

TEST(ProgramDirectory, InstalledCopyIsSeededIntoTheUserFolderOnce)
{
    QTemporaryDir root;
    const QString exe = root.filePath("bin"), user = root.filePath("user"), shared = root.filePath("share");
    QDir().mkpath(exe);
    QDir().mkpath(shared);
    writeFile(shared + "/av.txt", "plain");
    writeFile(shared + "/tv.zqv", "scrambled");
    QDir().mkpath(shared + "/media");
    writeFile(shared + "/media/demo.mp4", "clip");

    EXPECT_EQ(chooseProgramDirectory(exe, user, shared), user);
    EXPECT_EQ(readFile(user + "/av.txt"), "plain");
    EXPECT_EQ(readFile(user + "/tv.zqv"), "scrambled");
    // The lists name the demo clip relative to themselves.
    EXPECT_EQ(readFile(user + "/media/demo.mp4"), "clip");

    // An updated list in the user folder is never overwritten by the seed.
    writeFile(user + "/tv.zqv", "updated");
    EXPECT_EQ(chooseProgramDirectory(exe, user, shared), user);
    EXPECT_EQ(readFile(user + "/tv.zqv"), "updated");
}
