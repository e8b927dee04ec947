// A main window over fake players with a catalogue of channels, for the
// benchmark and the preview screenshots.
#pragma once

#include "fakes/FakePlayers.h"
#include "mainwindow/TVscreen.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "startup/CatalogueInstall.h"
#include "startup/ChannelCatalogue.h"

#include <QFile>
#include <QStringList>

#include <memory>

namespace kestova::preview {

// Records "name|sources|flags" from the bundled list, repeated with a
// number until there are count of them.
inline QString recordText(const QString &listFile, int count)
{
    QStringList records;
    QFile file(listFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.trimmed().isEmpty())
                records << QString::fromUtf8(line.trimmed());
        }
    }
    if (records.isEmpty())
        records << QStringLiteral("频道|http://127.0.0.1/live.ts|m");
    QStringList out;
    for (int i = 0; out.size() < count; ++i) {
        QString record = records.at(i % records.size());
        if (i >= records.size()) {
            const qsizetype bar = record.indexOf(QLatin1Char('|'));
            record.insert(bar, QString::number(i / records.size() + 1));
        }
        // Two plain columns: a wide row ("b") keeps its place in the list's
        // order and would lie over the row after it.
        const qsizetype flags = record.lastIndexOf(QLatin1Char('|'));
        record = record.left(flags) + record.mid(flags).remove(QLatin1Char('b'));
        out << record;
    }
    return out.join(QStringLiteral("##"));
}

struct PreviewWindow
{
    PreviewWindow()
    {
        screen = std::make_unique<TVscreen>(settings, TVPlayer, TVPlayer2);
        screen->setLibraryUnregister([] {});
        screen->setProgramEnd([] {});
    }

    void fill(const QString &listFile, int channels)
    {
        const Catalogue catalogue =
            buildCatalogue(recordText(listFile, channels), SystemLocale, screen->catalogueFrame(),
                           [](const QString &t) { return t; });
        installCatalogue(*screen, catalogue);
    }

    MemorySettingsStore settings;
    test::FakeWmpControl TVPlayer;
    test::FakeRealControl TVPlayer2;
    std::unique_ptr<TVscreen> screen;
};

} // namespace kestova::preview
