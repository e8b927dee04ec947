#include "startup/ChannelCatalogue.h"

#include <QStringList>

namespace kestova {

std::array<QString, MaxChannels + 1> ChannelFlags;

namespace {

// Two columns of buttons under the top of the list, 325 twips a row; a wide
// row ("b") spans both columns just under the button before it.
constexpr float ColumnLeft[2] = {60.0f, 1530.0f};
constexpr float RowPitch = 325.0f;
constexpr float ListGap = 60.0f;
constexpr float WideRowExtra = 75.0f;
constexpr float ViewportHeight = 6285.0f;

} // namespace

Catalogue buildCatalogue(const QString &recordText, std::uint32_t locale,
                         const CatalogueFrame &frame, const TextConverter &toBig5)
{
    Catalogue result;
    if (recordText.isEmpty())
        return result;
    const LocaleRule rule{locale, toBig5};

    const QStringList records = recordText.split(QStringLiteral("##"));
    TwipsRect previous = frame.templateButton;
    for (const QString &record : records) {
        if (int(result.buttons.size()) == MaxChannels)
            break;
        const QStringList fields = record.split(QLatin1Char('|'));
        // An empty record (from a doubled or trailing "##") or one without
        // sources and flags makes no channel.
        if (record.isEmpty() || fields.size() < 3)
            continue;

        const int i = int(result.buttons.size());
        ChannelButtonEntry entry;
        entry.index = i + 1;
        const QString &name = fields.at(0);
        entry.tag = fields.at(1);
        entry.flags = fields.at(2);

        if (entry.flags.contains(QLatin1Char('b'))) {
            entry.geometry.Left = ListGap;
            entry.geometry.Top = previous.Top + previous.Height + ListGap;
            entry.geometry.Width = 2 * frame.templateButton.Width + WideRowExtra;
        } else {
            // The column position depends on the record's place alone, so a
            // wide row does not push the channels after it down.
            entry.geometry.Left = ColumnLeft[i % 2];
            entry.geometry.Top = frame.morechannelTop + ListGap + float(i / 2) * RowPitch;
            entry.geometry.Width = frame.templateButton.Width;
        }
        entry.geometry.Height = frame.templateButton.Height;

        // Chinese systems show the name, others the channel number.
        const QString number = QString::number(entry.index);
        entry.caption = rule.isChinese() ? rule.convert(name) : number;
        entry.toolTip = QStringLiteral("No.") + number;
        if (rule.isChinese())
            entry.toolTip += QLatin1Char(' ') + entry.caption;

        previous = entry.geometry;
        result.buttons.push_back(std::move(entry));
    }

    const TwipsRect &last = result.buttons.empty() ? frame.templateButton : result.buttons.back().geometry;
    if (last.Top + last.Height > ViewportHeight)
        result.morechannelHeight = last.Top + last.Height + ListGap;
    return result;
}

} // namespace kestova
