// Shows the main window with the bundled channel list in the base and the
// expanded panel and saves a picture of each:
//   mainwindow_preview <list records file> <base.png> <expanded.png>
// Run it under Xvfb (or the offscreen platform) to make the screenshots.
#include "PreviewWindow.h"

#include "mainwindow/PictureBox.h"

#include "DravoButton.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <clocale>
#include <cstdio>

using namespace kestova;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <records file> <base.png> <expanded.png>\n", argv[0]);
        return 2;
    }
    SystemLocale = LocaleChinesePrc;
    preview::PreviewWindow w;
    w.screen->load();
    w.fill(QString::fromLocal8Bit(argv[1]), 24);
    w.screen->setListVersionTag(QStringLiteral("2026.12.01"));
    w.screen->showVolumeLevel(w.TVPlayer.volume());
    w.screen->info()->setText(QStringLiteral("欢迎使用Kestova网络电视"));
    w.screen->show();
    (void)QTest::qWaitForWindowExposed(w.screen.get());
    QTest::qWait(300);
    bool ok = w.screen->grab().save(QString::fromLocal8Bit(argv[2]));

    w.screen->switchPanel();
    w.screen->subchannel(0)->show();
    w.screen->subchannel(1)->show();
    w.screen->subchannel(2)->show();
    QTest::qWait(300);
    ok = w.screen->grab().save(QString::fromLocal8Bit(argv[3])) && ok;
    return ok ? 0 : 1;
}
