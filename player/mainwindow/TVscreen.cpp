#include "mainwindow/TVscreen.h"

#include "mainwindow/ActivationTexts.h"
#include "mainwindow/OpenDialogPlacement.h"
#include "mainwindow/PictureBox.h"
#include "mainwindow/ScreenLayer.h"
#include "mainwindow/Skin.h"
#include "mainwindow/SkinImage.h"
#include "mainwindow/TopMostToggle.h"
#include "mainwindow/VolumeDisplay.h"
#include "mainwindow/WindowPlacement.h"
#include "platform/QuorvelLibrary.h"
#include "platform/RealControl.h"
#include "platform/SettingsStore.h"
#include "platform/SystemLocale.h"
#include "platform/Twips.h"
#include "platform/WmpControl.h"
#include "startup/GB2BIG5.h"

#include "DravoButton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

namespace kestova {

namespace {

// Designed geometry (twips) of the controls the layout never moves.
constexpr float CommandLeft[8] = {150, 855, 1530, 2220, 2910, 3585, 4275, 4965};
constexpr TwipsRect CommandImage{0, 0, 300, 285}; // Left from CommandLeft
constexpr TwipsRect PlayTimeRect{5505, 30, 855, 210};
constexpr TwipsRect InfoRect{2250, 585, 4080, 240};
constexpr TwipsRect VolumeRect{75, 525, 240, 285};
constexpr TwipsRect Vol2Rect{360, 555, 1560, 255};
constexpr TwipsRect Vol1Rect{0, 60, 1560, 135}; // inside vol2
constexpr TwipsRect Label1Rect{105, 0, 240, 285}; // inside LoveChannelGroup
// ChangeChannel(0), the template of the channel buttons, inside morechannel.
constexpr TwipsRect ChannelTemplate{60, 60, 1410, 285};
// The sixteen sub-channel buttons share subchannelgroup's 2850 twips.
constexpr float SubchannelPitch = 178;
constexpr float SubchannelWidth = 165;
// The update panel's contents.
constexpr TwipsRect UpdateTitleRect{180, 105, 3400, 255};
constexpr float UpdatePromptTop = 420;
constexpr float UpdatePromptPitch = 240;
constexpr TwipsRect UpdatePromptRect{300, 0, 3300, 240}; // Top from the pitch
constexpr TwipsRect UpdateStartRect{540, 1440, 1200, 300};
constexpr TwipsRect UpdateCancelRect{2010, 1440, 1200, 300};

constexpr int PlayingState = 3;

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

QLabel *makeLabel(QWidget *parent, const QColor &colour, int pixelSize, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    setTextColour(label, colour);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

void setVisibleIfChanged(QWidget *w, bool visible)
{
    if (w && w->isHidden() == visible)
        w->setVisible(visible);
}

} // namespace

TVscreen::TVscreen(SettingsStore &settings, WmpControl &TVPlayer, RealControl &TVPlayer2, QWidget *parent)
    : QWidget(parent), m_settings(settings), m_tvPlayer(TVPlayer), m_tvPlayer2(TVPlayer2),
      m_toBig5([](const QString &text) { return GbToBig5(text); }),
      m_unregisterLibrary(&callQuorvelUnregister), m_endProgram([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("TVscreen"));
    QFont font(QStringList{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                           QStringLiteral("sans-serif")});
    font.setPixelSize(12);
    setFont(font);
    setTextColour(this, skin::Text);

    buildControls();
    applyDesignedTexts();
    wireControls();
    applyGeometry();
    resizeToModel();
    m_requestedSize.reset();
}

TVscreen::~TVscreen()
{
    // The players own their video widgets; they are lent to this window only.
    for (QWidget *video : {m_tvPlayer.videoWidget(), m_tvPlayer2.videoWidget()}) {
        if (video && video->parentWidget() == this)
            video->setParent(nullptr);
    }
}

// --- Building ----------------------------------------------------------------

void TVscreen::buildControls()
{
    // Children are stacked in creation order: the video areas at the bottom,
    // the lower panel and the control strip above them.
    QWidget *video = m_tvPlayer.videoWidget();
    video->setParent(this);
    video->show();
    m_Maskit = new ScreenLayer(this);
    QWidget *video2 = m_tvPlayer2.videoWidget();
    video2->setParent(this);
    video2->hide(); // the "r" player is not in use at first
    m_Maskit2 = new PictureBox(QStringLiteral("screen"), this);
    m_Maskit2->setEmblem(QStringLiteral("cover"), 0.45);
    m_Maskit2->hide();

    buildChannelList();
    buildLowerPanel();
    buildLowerStrip();

    m_speak = new SkinImage(QStringLiteral("speak"), this);
    m_speak->hide();
    m_mute = new SkinImage(QStringLiteral("mute"), this);
    m_mute->hide();

    m_SwitchSkin = new DravoButton(this);
    m_SwitchSkin->setObjectName(QStringLiteral("SwitchSkin"));
    skin::styleButton(*m_SwitchSkin, skin::ButtonRole::Command);
    m_SwitchSkin->setTag(PanelBase);

    buildUpdatePanel();

    auto makeTimer = [this](int interval) {
        auto *timer = new QTimer(this);
        timer->setInterval(interval);
        return timer;
    };
    m_Timer1 = makeTimer(500);
    m_Timer4 = makeTimer(10);
    m_Timer5 = makeTimer(1000);
    m_Timer6 = makeTimer(50);
}

void TVscreen::buildChannelList()
{
    m_Picture5 = new PictureBox(QStringLiteral("list_panel"), this);
    m_Picture5->hide();
    m_morechannel = new PictureBox(QString(), m_Picture5);
    m_morechannel->hide();
    m_channelTemplate = new DravoButton(m_morechannel);
    m_channelTemplate->setObjectName(QStringLiteral("ChangeChannel0"));
    skin::styleButton(*m_channelTemplate, skin::ButtonRole::Channel);
    m_channelTemplate->setGeometry(edgesToPixels(ChannelTemplate));
    m_channelTemplate->hide();

    m_s4 = new SkinImage(QStringLiteral("scroll_track"), this);
    m_s3 = new SkinImage(QStringLiteral("scroll_thumb"), this);
    m_s1 = new SkinImage(QStringLiteral("scroll_up"), this);
    m_s2 = new SkinImage(QStringLiteral("scroll_down"), this);
}

void TVscreen::buildLowerPanel()
{
    m_bar[0] = new PictureBox(QStringLiteral("lower_panel"), this);
    m_SwithTopWindow = new DravoButton(m_bar[0]);
    m_SwithTopWindow->setObjectName(QStringLiteral("SwithTopWindow"));
    skin::styleButton(*m_SwithTopWindow, skin::ButtonRole::Command);
    m_SwithTopWindow->setTag(TopMostOff);

    m_LoveChannelGroup = new PictureBox(QStringLiteral("channel_strip"), this);
    m_Label1 = makeLabel(m_LoveChannelGroup, skin::Accent, 13, Qt::AlignCenter);
    m_Label1->setGeometry(edgesToPixels(Label1Rect));

    m_bar[1] = new PictureBox(QStringLiteral("side_panel"), this);
    m_subchannelgroup = new PictureBox(QString(), m_bar[1]);
    for (int i = 0; i < 16; ++i) {
        auto *button = new DravoButton(m_subchannelgroup);
        button->setObjectName(QStringLiteral("subchannel%1").arg(i));
        skin::styleButton(*button, skin::ButtonRole::SubChannel);
        QFont small = button->Font();
        small.setPixelSize(9);
        button->setFont(small);
        button->setCaption(QString::number(i + 1));
        button->setGeometry(edgesToPixels({i * SubchannelPitch, 0, SubchannelWidth, 285}));
        button->hide();
        m_subchannel[std::size_t(i)] = button;
    }
    m_bar[2] = new PictureBox(QStringLiteral("trim"), this);
}

void TVscreen::buildLowerStrip()
{
    m_Picture1 = new PictureBox(QStringLiteral("control_strip"), this);
    const QString names[8] = {QStringLiteral("tv_open"),       QStringLiteral("tv_play"),
                              QStringLiteral("tv_stop"),       QStringLiteral("tv_fullscreen"),
                              QStringLiteral("help"),          QStringLiteral("tv_fit"),
                              QStringLiteral("tv_close"),      QStringLiteral("Update_Tvlist")};
    SkinImage **targets[8] = {&m_tv_open, &m_tv_play, &m_tv_stop, &m_tv_fullscreen,
                            &m_help,    &m_tv_fit,  &m_tv_close, &m_Update_Tvlist};
    for (int i = 0; i < 8; ++i) {
        auto *image = new SkinImage(names[i], m_Picture1);
        image->setObjectName(names[i]);
        image->setHoverLight(true);
        TwipsRect r = CommandImage;
        r.Left = CommandLeft[i];
        image->setGeometry(edgesToPixels(r));
        *targets[i] = image;
    }

    m_Picture3 = new PictureBox(QStringLiteral("progress_track"), m_Picture1);
    m_PlayTime = makeLabel(m_Picture1, skin::Accent, 12, Qt::AlignRight | Qt::AlignVCenter);
    m_PlayTime->setGeometry(edgesToPixels(PlayTimeRect));
    m_info = makeLabel(m_Picture1, skin::DimText, 12, Qt::AlignLeft | Qt::AlignVCenter);
    m_info->setGeometry(edgesToPixels(InfoRect));
    m_volume = new SkinImage(QStringLiteral("speak"), m_Picture1);
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setGeometry(edgesToPixels(VolumeRect));
    m_vol2 = new PictureBox(QStringLiteral("volume_track"), m_Picture1);
    m_vol2->setGeometry(edgesToPixels(Vol2Rect));
    m_vol1 = new PictureBox(QStringLiteral("volume_bar"), m_vol2);
    m_vol1->setGeometry(edgesToPixels(Vol1Rect));
}

void TVscreen::buildUpdatePanel()
{
    m_Update_Prompt_Box = new PictureBox(QStringLiteral("update_box"), this);
    m_Update_Prompt_Box->hide();
    m_Update_Prompt_Title = makeLabel(m_Update_Prompt_Box, skin::Accent, 13, Qt::AlignLeft | Qt::AlignVCenter);
    m_Update_Prompt_Title->setGeometry(edgesToPixels(UpdateTitleRect));
    for (int i = 0; i < 4; ++i) {
        QLabel *label = makeLabel(m_Update_Prompt_Box, skin::Text, 12, Qt::AlignLeft | Qt::AlignVCenter);
        TwipsRect r = UpdatePromptRect;
        r.Top = UpdatePromptTop + float(i) * UpdatePromptPitch;
        label->setGeometry(edgesToPixels(r));
        m_Update_Prompt[std::size_t(i)] = label;
    }
    m_UpdateStart = new DravoButton(m_Update_Prompt_Box);
    m_UpdateStart->setObjectName(QStringLiteral("UpdateStart"));
    skin::styleButton(*m_UpdateStart, skin::ButtonRole::Dialog);
    m_UpdateStart->setGeometry(edgesToPixels(UpdateStartRect));
    m_UpdateCancel = new DravoButton(m_Update_Prompt_Box);
    m_UpdateCancel->setObjectName(QStringLiteral("UpdateCancel"));
    skin::styleButton(*m_UpdateCancel, skin::ButtonRole::Dialog);
    m_UpdateCancel->setGeometry(edgesToPixels(UpdateCancelRect));
}

void TVscreen::applyDesignedTexts()
{
    for (const ActivationText &t : activationTexts())
        setControlText(t.control, t.property, t.designed);
    m_PlayTime->setText(QStringLiteral("00:00"));
    m_Label1->setText(QStringLiteral("+"));
    m_SwitchSkin->setCaption(QStringLiteral(">>"));
    m_SwithTopWindow->setCaption(QStringLiteral("∴"));
    m_Update_Prompt_Title->setText(QStringLiteral("升级提示："));
}

QWidget *TVscreen::namedControl(const QString &name) const
{
    const std::pair<const char *, QWidget *> controls[] = {
        {"TVscreen", const_cast<TVscreen *>(this)},
        {"SwitchSkin", m_SwitchSkin},
        {"SwithTopWindow", m_SwithTopWindow},
        {"volume", m_volume},
        {"vol1", m_vol1},
        {"tv_open", m_tv_open},
        {"tv_play", m_tv_play},
        {"tv_stop", m_tv_stop},
        {"tv_fullscreen", m_tv_fullscreen},
        {"help", m_help},
        {"tv_fit", m_tv_fit},
        {"tv_close", m_tv_close},
        {"Update_Tvlist", m_Update_Tvlist},
        {"UpdateStart", m_UpdateStart},
        {"UpdateCancel", m_UpdateCancel},
        {"Update_Prompt1", m_Update_Prompt[0]},
        {"Update_Prompt2", m_Update_Prompt[1]},
        {"Update_Prompt3", m_Update_Prompt[2]},
        {"Update_Prompt4", m_Update_Prompt[3]},
    };
    for (const auto &[controlName, widget] : controls) {
        if (name == QLatin1String(controlName))
            return widget;
    }
    return nullptr;
}

void TVscreen::setControlText(const QString &control, TextProperty property, const QString &text)
{
    QWidget *w = namedControl(control);
    if (!w)
        return;
    if (property == TextProperty::ToolTip)
        w->setToolTip(text);
    else if (w == this)
        setWindowTitle(text);
    else if (auto *button = qobject_cast<DravoButton *>(w))
        button->setCaption(text);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
}

void TVscreen::wireControls()
{
    connect(m_SwitchSkin, &DravoButton::Click, this, &TVscreen::switchPanel);
    connect(m_SwithTopWindow, &DravoButton::Click, this, &TVscreen::swithTopWindowClicked);
    connect(m_tv_fit, &SkinImage::Click, this, &TVscreen::fitClicked);
    connect(m_tv_fullscreen, &SkinImage::Click, this, &TVscreen::fullScreenClicked);
    connect(m_Maskit, &ScreenLayer::DblClick, this, [this] {
        if (m_tvPlayer.playState() == PlayingState)
            m_tvPlayer.setFullScreen(true);
    });
    connect(m_Maskit2, &PictureBox::DblClick, this, [this] { m_tvPlayer2.SetFullScreen(); });
    connect(m_tv_open, &SkinImage::MouseDown, this, [this] { openImagePressed(); });
    connect(m_Timer6, &QTimer::timeout, this, [this] {
        placeOpenDialog();
        QCoreApplication::processEvents();
    });
    connect(m_tv_close, &SkinImage::Click, this, &TVscreen::exitByCloseButton);
    connect(m_tv_play, &SkinImage::Click, this, &TVscreen::playClicked);
    connect(m_tv_stop, &SkinImage::Click, this, &TVscreen::stopClicked);
    connect(m_help, &SkinImage::Click, this, &TVscreen::helpClicked);
    connect(m_Update_Tvlist, &SkinImage::Click, this, &TVscreen::updateListClicked);
    for (int i = 0; i < 16; ++i)
        connect(m_subchannel[std::size_t(i)], &DravoButton::Click, this, [this, i] { Q_EMIT subchannelClicked(i); });

    // The empty-screen look follows the "m" player's state.
    connect(&m_tvPlayer, &WmpControl::StatusChange, this, &TVscreen::refreshIdleScreen);
    connect(m_Timer5, &QTimer::timeout, this, &TVscreen::refreshIdleScreen);
}

// --- Geometry ------------------------------------------------------------------

std::vector<std::pair<QWidget *, ControlGeometry *>> TVscreen::layoutBindings(LayoutModel &m) const
{
    return {
        {m_tvPlayer.videoWidget(), &m.TVPlayer},
        {m_Maskit, &m.Maskit},
        {m_tvPlayer2.videoWidget(), &m.TVPlayer2},
        {m_Maskit2, &m.Maskit2},
        {m_Picture1, &m.Picture1},
        {m_Picture3, &m.Picture3},
        {m_morechannel, &m.morechannel},
        {m_Picture5, &m.Picture5},
        {m_bar[0], &m.bar[0]},
        {m_bar[1], &m.bar[1]},
        {m_bar[2], &m.bar[2]},
        {m_LoveChannelGroup, &m.LoveChannelGroup},
        {m_subchannelgroup, &m.subchannelgroup},
        {m_SwitchSkin, &m.SwitchSkin},
        {m_SwithTopWindow, &m.SwithTopWindow},
        {m_s1, &m.s1},
        {m_s2, &m.s2},
        {m_s3, &m.s3},
        {m_s4, &m.s4},
        {m_Update_Prompt_Box, &m.Update_Prompt_Box},
    };
}

LayoutModel TVscreen::layout() const
{
    LayoutModel m = m_geometry;
    for (const auto &[widget, geometry] : layoutBindings(m))
        geometry->visible = widget && !widget->isHidden();
    m.switchSkin.tag = m_SwitchSkin->Tag();
    m.switchSkin.caption = m_SwitchSkin->Caption();
    m.switchSkin.toolTip = m_SwitchSkin->toolTip();
    return m;
}

void TVscreen::setLayout(const LayoutModel &model)
{
    m_geometry = model;
    for (const auto &[widget, geometry] : layoutBindings(m_geometry))
        setVisibleIfChanged(widget, geometry->visible);
    if (m_SwitchSkin->Tag() != model.switchSkin.tag)
        m_SwitchSkin->setTag(model.switchSkin.tag);
    if (m_SwitchSkin->Caption() != model.switchSkin.caption)
        m_SwitchSkin->setCaption(model.switchSkin.caption);
    m_SwitchSkin->setToolTip(model.switchSkin.toolTip);
    resizeToModel();
    applyGeometry();
}

void TVscreen::applyGeometry()
{
    for (const auto &[widget, geometry] : layoutBindings(m_geometry)) {
        if (!widget)
            continue;
        TwipsRect rect = geometry->rect;
        // morechannel's rules are in the window's coordinates; it lives
        // inside the viewport Picture5.
        if (widget == m_morechannel) {
            rect.Left -= m_geometry.Picture5.rect.Left;
            rect.Top -= m_geometry.Picture5.rect.Top;
        }
        widget->setGeometry(edgesToPixels(rect));
    }
}

void TVscreen::resizeToModel()
{
    const QSize wanted(twipsToPixels(m_geometry.W), twipsToPixels(m_geometry.H));
    if (wanted == size())
        return;
    m_requestedSize = wanted;
    resize(wanted);
}

QPointF TVscreen::clientOriginTwips() const
{
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    return {pixelsToTwips(origin.x()), pixelsToTwips(origin.y())};
}

// --- Load, activation, resize -----------------------------------------------

void TVscreen::load()
{
    LayoutEnabled = false;
    const StoredPlacement placement = readPlacement(m_settings);
    LayoutModel m = layout();
    m.W = placement.width;
    m.H = placement.height;
    setLayout(m);
    if (placement.expanded)
        switchPanel(); // exactly as a click on SwitchSkin
    LayoutEnabled = false; // the first activation enables the layout
    arrangeControls();
    m_SwitchSkin->raise();
    m_PlayTime->raise();
    m_Timer5->start();
}

void TVscreen::arrangeControls()
{
    LayoutModel m = layout();
    if (ArrangeControls(m)) {
        setLayout(m);
        m_bar[2]->raise();
    }
}

void TVscreen::switchPanel()
{
    LayoutEnabled = false;
    LayoutModel m = layout();
    SwitchPanel(m, SystemLocale, m_toBig5);
    setLayout(m);
    LayoutEnabled = true;
}

bool TVscreen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        activate();
    return QWidget::event(event);
}

void TVscreen::activate()
{
    LayoutEnabled = true;
    m_tvPlayer2.SetActivated(true);
    const LocaleRule rule{SystemLocale, m_toBig5};
    if (rule.isTaiwan()) {
        for (const ActivationText &t : activationTexts())
            setControlText(t.control, t.property, rule.convert(t.activation));
    }
    OpenDialogNext = true;
}

void TVscreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QSize now = event->size();
    // The model keeps its exact twips while the pixel size is the one it
    // maps to (6875 twips stay 6875, not the 6870 of 458 pixels).
    if (twipsToPixels(m_geometry.W) != now.width())
        m_geometry.W = pixelsToTwips(now.width());
    if (twipsToPixels(m_geometry.H) != now.height())
        m_geometry.H = pixelsToTwips(now.height());
    const bool requested = m_requestedSize && *m_requestedSize == now;
    m_requestedSize.reset();
    if (!requested)
        resizeRule();
}

void TVscreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        resizeRule();
}

void TVscreen::resizeRule()
{
    if (isMinimized() || !LayoutEnabled)
        return;
    setVisibleIfChanged(m_SwitchSkin, !isMaximized());
    arrangeControls();
}

// --- Commands ------------------------------------------------------------------

void TVscreen::swithTopWindowClicked()
{
    const auto face = kestova::toggleTopMost(m_SwithTopWindow->Tag(), SystemLocale, m_toBig5);
    if (!face)
        return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, face->topMost);
    if (wasVisible)
        show(); // changing the flag hides a shown window
    m_SwithTopWindow->setTag(face->tag);
    m_SwithTopWindow->setCaption(face->caption);
    if (face->toolTip)
        m_SwithTopWindow->setToolTip(*face->toolTip);
}

void TVscreen::fitClicked()
{
    if (m_tvPlayer.playState() == PlayingState)
        m_tvPlayer.setStretchToFit(!m_tvPlayer.stretchToFit());
}

void TVscreen::fullScreenClicked()
{
    if (m_tvPlayer.playState() == PlayingState)
        m_tvPlayer.setFullScreen(true);
    if (m_tvPlayer2.GetPlayState() == PlayingState)
        m_tvPlayer2.SetFullScreen();
}

void TVscreen::refreshIdleScreen()
{
    // Paused (2), playing (3) and scanning (4, 5) show a picture.
    const int state = m_tvPlayer.playState();
    m_Maskit->setIdle(state < 2 || state > 5);
}

// --- Open-media dialog ---------------------------------------------------------

void TVscreen::setOpenFileDialog(QWidget *dialog)
{
    m_openFile = dialog;
    if (dialog)
        m_placeholderDialog.reset();
}

QWidget *TVscreen::OpenFile() const
{
    if (m_openFile)
        return m_openFile;
    if (!m_placeholderDialog) {
        m_placeholderDialog = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
        m_placeholderDialog->setObjectName(QStringLiteral("OpenFile"));
        m_placeholderDialog->resize(300, 120);
    }
    return m_placeholderDialog.get();
}

void TVscreen::openImagePressed()
{
    QWidget *dialog = OpenFile();
    if (OpenDialogNext) {
        placeOpenDialog();
        dialog->show();
        m_Timer6->start();
        Q_EMIT openDialogToggled(true);
    } else {
        dialog->hide();
        m_Timer6->stop();
        Q_EMIT openDialogToggled(false);
    }
    OpenDialogNext = !OpenDialogNext;
}

void TVscreen::placeOpenDialog()
{
    QWidget *dialog = OpenFile();
    const TwipsRect openImage{CommandLeft[0], CommandImage.Top, CommandImage.Width, CommandImage.Height};
    const float dialogHeight = pixelsToTwips(dialog->frameGeometry().height());
    const QPointF at = openDialogPosition(clientOriginTwips(), m_geometry.Picture1.rect, openImage, dialogHeight);
    dialog->move(twipsToPixels(float(at.x())), twipsToPixels(float(at.y())));
}

// --- Channel catalogue -----------------------------------------------------------

CatalogueFrame TVscreen::catalogueFrame() const
{
    CatalogueFrame frame;
    frame.templateButton = ChannelTemplate;
    frame.morechannelTop = m_geometry.morechannel.rect.Top;
    frame.morechannelHeight = m_geometry.morechannel.rect.Height;
    return frame;
}

void TVscreen::removeChannelButtons()
{
    // Buttons are deleted later: one of them may be running its click.
    for (DravoButton *button : m_channels) {
        button->hide();
        button->deleteLater();
    }
    m_channels.clear();
}

void TVscreen::buildChannelButtons(const Catalogue &catalogue)
{
    removeChannelButtons();
    m_channels.reserve(catalogue.buttons.size());
    for (const ChannelButtonEntry &entry : catalogue.buttons) {
        auto *button = new DravoButton(m_morechannel);
        skin::styleButton(*button, skin::ButtonRole::Channel);
        button->setGeometry(edgesToPixels(entry.geometry));
        button->setCaption(entry.caption);
        button->setToolTip(entry.toolTip);
        button->setTag(entry.tag);
        button->show();
        const int k = entry.index;
        connect(button, &DravoButton::Click, this, [this, k] { Q_EMIT channelClicked(k); });
        m_channels.push_back(button);
    }
    LayoutModel m = layout();
    if (catalogue.morechannelHeight)
        m.morechannel.rect.Height = *catalogue.morechannelHeight;
    m.morechannel.rect.Top = 0;
    m.Picture5.rect.Top = 0;
    setLayout(m);
}

DravoButton *TVscreen::ChangeChannel(int k) const
{
    if (k == 0)
        return m_channelTemplate;
    if (k < 1 || k > channelCount())
        return nullptr;
    return m_channels[std::size_t(k - 1)];
}

void TVscreen::setListVersionTag(const QString &tag)
{
    m_channelTemplate->setTag(tag);
}

QString TVscreen::listVersionTag() const
{
    return m_channelTemplate->Tag();
}

void TVscreen::setSwitchSkinVisible(bool visible)
{
    m_SwitchSkin->setVisible(visible);
}

// --- Player geometry and volume display --------------------------------------------

void TVscreen::alignRealPlayerToTVPlayer()
{
    LayoutModel m = layout();
    alignRealPlayer(m);
    setLayout(m);
}

void TVscreen::showVolumeLevel(int percent)
{
    for (const VolumeBox &box : volumeDisplay(percent, Vol1Rect.Width)) {
        PictureBox *target = box.target == VolumeBox::vol1 ? m_vol1 : m_vol2;
        const float height = box.target == VolumeBox::vol1 ? Vol1Rect.Height : Vol2Rect.Height;
        target->fillBox(box.x1, 0, box.x2, height, box.colour);
    }
}

bool TVscreen::isMutedPictureShown() const
{
    return m_volume->picture() == m_mute->picture();
}

// --- Collaborators -------------------------------------------------------------------

void TVscreen::registerWindowToUnload(QWidget *window)
{
    m_windowsToUnload.emplace_back(window);
}

void TVscreen::setTextConverter(TextConverter toBig5)
{
    m_toBig5 = std::move(toBig5);
}

void TVscreen::setLibraryUnregister(std::function<void()> unregister)
{
    m_unregisterLibrary = std::move(unregister);
}

void TVscreen::setProgramEnd(std::function<void()> end)
{
    m_endProgram = std::move(end);
}

// --- Exits ------------------------------------------------------------------------

void TVscreen::stopTimers()
{
    for (QTimer *timer : findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        timer->stop();
}

void TVscreen::savePlacement()
{
    kestova::savePlacement(m_settings, placementAtExit(m_geometry.W, m_geometry.H, m_SwitchSkin->Tag()));
}

void TVscreen::stopPlayer()
{
    m_tvPlayer.stop();
    m_tvPlayer.close();
}

void TVscreen::shutDown()
{
    m_exiting = true;
    stopTimers();
    hide();
    savePlacement();
    stopPlayer();
    // A placeholder dialog that was never made needs no closing.
    if (m_openFile)
        m_openFile->close();
    else if (m_placeholderDialog)
        m_placeholderDialog->close();
}

void TVscreen::exitByCloseButton()
{
    if (m_exiting)
        return;
    if (m_unregisterLibrary)
        m_unregisterLibrary();
    shutDown();
    // No unload handler runs after this.
    if (m_endProgram)
        m_endProgram();
}

void TVscreen::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    shutDown();
    event->accept();
    for (const QPointer<QWidget> &window : m_windowsToUnload) {
        if (window)
            window->close();
    }
    removeChannelButtons();
    ChannelFlags.fill(QString());
    if (m_unregisterLibrary)
        m_unregisterLibrary();
    Q_EMIT unloaded();
    if (m_endProgram)
        m_endProgram();
}

void TVscreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    skin::paintPanel(painter, rect(), QStringLiteral("window"));
}

} // namespace kestova
