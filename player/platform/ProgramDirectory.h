#pragma once

#include <QString>

namespace kestova {

// The two channel-list files of the program directory.
inline constexpr char PlainListFileName[] = "av.txt";
inline constexpr char ScrambledListFileName[] = "tv.zqv";

// The folder that holds "av.txt" and "tv.zqv" and that the list update writes.
// The executable's own folder when it holds a list file and is writable (a
// build tree, a portable copy); otherwise the per-user data folder, seeded
// once from the installed default lists so the update can always write there.
QString programDirectory();

// The rule itself, for tests: exeDir and the installed lists' folder in,
// the chosen folder out (the per-user folder is created and seeded as needed).
QString chooseProgramDirectory(const QString &exeDir, const QString &userDataDir,
                               const QString &installedListsDir);

// "av.txt" / "tv.zqv" joined to a directory.
QString listFilePath(const QString &directory, const QString &fileName);

} // namespace kestova
