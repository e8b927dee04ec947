#include "startup/ChannelListReading.h"

#include "platform/FileAccess.h"
#include "platform/ProgramDirectory.h"
#include "startup/ChannelListFormat.h"

namespace kestova {
namespace {

const QString RecordSeparator = QStringLiteral("##");

} // namespace

ChannelLists readChannelLists(const QString &programDirectory)
{
    ChannelLists lists;

    // The plain part: each of its records ends in "##".
    QString plainPart;
    const QString plainPath = listFilePath(programDirectory, QLatin1String(PlainListFileName));
    if (fileExists(plainPath)) {
        if (const auto bytes = readWholeFile(plainPath))
            plainPart = readPlainList(*bytes);
    }

    const QString scrambledPath = listFilePath(programDirectory, QLatin1String(ScrambledListFileName));
    if (fileExists(scrambledPath)) {
        const auto bytes = readWholeFile(scrambledPath);
        const auto scrambled = bytes ? readScrambledList(*bytes) : std::nullopt;
        if (!scrambled) {
            lists.usable = false;
            return lists;
        }
        lists.scrambledListRead = true;
        lists.versionTag = scrambled->F1;
        lists.siteAddress = scrambled->F2;
        lists.updateAddress = scrambled->F3;
        lists.reserved4 = scrambled->F4;
        lists.reserved5 = scrambled->F5;
        // P's trailing "##" separates the two parts.
        lists.recordText = plainPart + scrambled->recordText;
        return lists;
    }

    // Without a scrambled list the plain part's last separator goes.
    if (plainPart.endsWith(RecordSeparator))
        plainPart.chop(RecordSeparator.size());
    lists.recordText = plainPart;
    lists.siteAddress = DefaultSiteAddress;
    return lists;
}

} // namespace kestova
