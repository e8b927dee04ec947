#pragma once

#include <QString>

namespace kestova {

// What the start-up takes from the two list files of the program directory.
struct ChannelLists
{
    // False when "tv.zqv" exists but is unusable (no "###", or a trailer
    // without its five fields): then no channel is built at all, not even
    // from "av.txt", and the panel switch is hidden.
    bool usable = true;
    // True when a usable "tv.zqv" was read; the fields below come from its
    // trailer. Otherwise siteAddress is the default and the rest are empty.
    bool scrambledListRead = false;
    QString recordText; // "name|sources|flags" records joined by "##"
    QString versionTag;
    QString siteAddress;
    QString updateAddress;
    QString reserved4;
    QString reserved5;
};

// The maker's web address used when no "tv.zqv" brings one.
inline const QString DefaultSiteAddress = QStringLiteral("http://www.kestova.example");

// Reads "av.txt" and "tv.zqv" from the directory. The plain list's channels
// come first; its trailing "##" separates them from the scrambled list's.
ChannelLists readChannelLists(const QString &programDirectory);

} // namespace kestova
