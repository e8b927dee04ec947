#include "startup/StartForm.h"

#include "mainwindow/Skin.h"
#include "mainwindow/TVscreen.h"
#include "platform/RealControl.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "platform/WmpControl.h"
#include "startup/CatalogueInstall.h"
#include "startup/GB2BIG5.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace kestova {
namespace {

constexpr int SplashDelayMs = 500;
const QString ProgramVersionText = QStringLiteral("6.2");

// The splash's designed texts; a Taiwan system shows three of them in their
// traditional forms.
const QString ProductNameText = QStringLiteral("Kestova");
const QString ProductLineText = QString::fromUtf8("网络电视播放器  版本 6.2");
const QString CopyrightText = QStringLiteral("Copyright (C) 2026 Orvane");
const QString RightsText = QString::fromUtf8("版权所有，保留一切权利。");

// RealPlayer-style start-up options, called once in this order.
constexpr struct {
    int dispatchId;
    bool value;
} RealStartupOptions[] = {{326, true}, {225, false}, {235, false}};

} // namespace

StartForm::StartForm(StartupHost &host, SettingsStore &settings, WmpControl &TVPlayer,
                     RealControl &TVPlayer2, QString programDirectory, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_host(host)
    , m_settings(settings)
    , m_tvPlayer(TVPlayer)
    , m_tvPlayer2(TVPlayer2)
    , m_programDirectory(std::move(programDirectory))
{
    setObjectName(QStringLiteral("StartForm"));
    setFixedSize(480, 300);
    setWindowTitle(QStringLiteral("Kestova"));

    // The artwork keeps its right half free: the name and version above the
    // light bars, the rights notice below them.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(236, 56, 12, 14);
    layout->setSpacing(2);
    m_label3 = new QLabel(ProductNameText, this);
    m_label4 = new QLabel(ProductLineText, this);
    m_label5 = new QLabel(CopyrightText, this);
    m_label6 = new QLabel(RightsText, this);
    QFont title = m_label3->font();
    title.setPointSize(26);
    title.setBold(true);
    m_label3->setFont(title);
    for (QLabel *label : {m_label3, m_label4, m_label5, m_label6})
        label->setStyleSheet(QStringLiteral("color: #e8eef6; background: transparent;"));
    for (QLabel *label : {m_label5, m_label6}) {
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        label->setFont(small);
        label->setStyleSheet(QStringLiteral("color: #9fb0c3; background: transparent;"));
    }
    layout->addWidget(m_label3);
    layout->addWidget(m_label4);
    layout->addStretch();
    layout->addWidget(m_label5);
    layout->addWidget(m_label6);

    m_timer1.setInterval(SplashDelayMs);
    connect(&m_timer1, &QTimer::timeout, this, &StartForm::runStartupSequence);
}

StartForm::~StartForm() = default;

void StartForm::load()
{
    loadGbToBig5Table();
    SystemLocale = readSystemLocale();
    m_timer1.start();
}

void StartForm::showEvent(QShowEvent *event)
{
    // A splash may never become the active window (window managers often
    // keep focus away from it), so showing counts as its activation too.
    activate();
    QWidget::showEvent(event);
}

void StartForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
    QWidget::changeEvent(event);
}

void StartForm::activate()
{
    if (SystemLocale != LocaleChineseTaiwan)
        return;
    // From the designed texts each time, so running this again changes nothing.
    m_label3->setText(GbToBig5(ProductNameText));
    m_label4->setText(GbToBig5(ProductLineText));
    m_label6->setText(GbToBig5(RightsText));
}

void StartForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (skin::pictureSize(QStringLiteral("splash")).isEmpty())
        painter.fillRect(rect(), QColor(0x14, 0x1a, 0x24));
    else
        skin::paintPicture(painter, rect(), QStringLiteral("splash"));
}

void StartForm::runStartupSequence()
{
    m_timer1.stop(); // the sequence runs exactly once
    TVscreen &window = m_host.loadMainWindow();

    m_settings.setString(QStringLiteral("Path"), m_programDirectory);
    m_settings.sync();

    const ChannelLists lists = loadChannelCatalogue(window, m_programDirectory);
    if (!lists.usable) {
        // An unusable scrambled list: the window opens empty, and none of the
        // start values below are set.
        hide();
        m_host.showMainWindow();
        return;
    }
    SiteAddress = lists.siteAddress;
    UpdateAddress = lists.updateAddress;
    Reserved4 = lists.reserved4;
    Reserved5 = lists.reserved5;

    window.showVolumeLevel(m_tvPlayer.volume());
    for (const auto &option : RealStartupOptions)
        m_tvPlayer2.SetStartupOption(option.dispatchId, option.value);
    window.alignRealPlayerToTVPlayer();
    m_tvPlayer2.SetVolume(50);
    window.VolumeLevel = 50;
    window.RealMuted = m_tvPlayer2.GetMute();
    window.ProgramVersion = ProgramVersionText;

    hide();
    m_host.showMainWindow();
}

} // namespace kestova
