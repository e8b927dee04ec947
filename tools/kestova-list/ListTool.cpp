#include "ListTool.h"

namespace kestova::listtool {

QStringList recordLines(const QString &recordText)
{
    if (recordText.isEmpty())
        return {};
    QStringList records = recordText.split(QStringLiteral("##"));
    if (recordText.endsWith(QStringLiteral("##")))
        records.removeLast();
    return records;
}

RecordText recordTextFromLines(const QString &fileText)
{
    QStringList records;
    const QStringList lines = fileText.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const auto fail = [&](const char *why) {
            return RecordText{{}, QStringLiteral("line %1: %2").arg(i + 1).arg(QLatin1StringView(why))};
        };
        if (line.contains(QStringLiteral("##")))
            return fail("a record cannot hold \"##\", the record separator");
        const QStringList fields = line.split(u'|');
        if (fields.size() < 3)
            return fail("a record needs three fields, name|sources|flags");
        if (fields[0].isEmpty())
            return fail("the channel name is empty");
        if (fields[1].isEmpty())
            return fail("the channel has no source");
        if (!fields[2].startsWith(u'm') && !fields[2].startsWith(u'r'))
            return fail("the flags must start with the media letter m or r");
        records.append(line);
    }
    return {records.join(QStringLiteral("##")), {}};
}

} // namespace kestova::listtool
