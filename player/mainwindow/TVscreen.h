#pragma once

// TVscreen: the player's main window. It holds the two player components,
// the channel list, the lower control strip and the update panel, restores
// its size and panel mode from the settings, lays itself out in twips, and
// implements the frame commands (always on top, fit, full screen, the
// open-media dialog, both exits). Channel switching, player events, the
// pointer widgets and the update connect to its controls and signals.

#include "mainwindow/ActivationTexts.h"
#include "mainwindow/PanelLayout.h"
#include "startup/ChannelCatalogue.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class DravoButton;
class QLabel;
class QTimer;

namespace kestova {

class PictureBox;
class RealControl;
class SettingsStore;
class SkinImage;
class ScreenLayer;
class WmpControl;

class TVscreen : public QWidget
{
    Q_OBJECT
public:
    // Builds the window and its controls in their designed state; it is not
    // shown.
    TVscreen(SettingsStore &settings, WmpControl &TVPlayer, RealControl &TVPlayer2,
             QWidget *parent = nullptr);
    ~TVscreen() override;

    // The window's load: placement from the settings (and the expanded panel
    // when it was stored), ArrangeControls, SwitchSkin and PlayTime on top.
    // Starts Timer5.
    void load();

    // --- Channel catalogue -------------------------------------------------
    // ChangeChannel(0)'s geometry and morechannel's top and height, in twips.
    CatalogueFrame catalogueFrame() const;
    // Replaces the run-time channel buttons ChangeChannel(1..n) with one
    // button per catalogue entry inside morechannel; applies the list
    // height; scrolls the list to its top.
    void buildChannelButtons(const Catalogue &catalogue);
    // Unloads ChangeChannel(1..n).
    void removeChannelButtons();
    int channelCount() const { return int(m_channels.size()); }
    // 0 is the hidden design template; 1..channelCount() the channels.
    DravoButton *ChangeChannel(int k) const;
    // The list version tag, kept in ChangeChannel(0)'s Tag.
    void setListVersionTag(const QString &tag);
    QString listVersionTag() const;

    void setSwitchSkinVisible(bool visible);

    // The volume display for a level in percent: green level on vol1, blue
    // knob on vol2 and vol1.
    void showVolumeLevel(int percent);
    // TVPlayer2 takes TVPlayer's rectangle; Maskit2 covers it but for the
    // bottom 300 twips.
    void alignRealPlayerToTVPlayer();

    // --- Window state --------------------------------------------------------
    bool LayoutEnabled = false;
    bool OpenDialogNext = true;
    qint16 VolumeLevel = 0;
    bool RealMuted = false;
    QString ProgramVersion;
    bool SeekDragging = false;
    bool ThumbDragging = false;
    bool ScrollUpHeld = false;
    bool ScrollDownHeld = false;
    bool VolumeDragging = false;
    qint16 ThumbGrabY = 0;

    // --- Layout model ----------------------------------------------------------
    // The size-dependent controls as they stand (geometry in twips, the
    // visibility read from the widgets).
    LayoutModel layout() const;
    // Moves, sizes, shows and hides the controls (and sizes the window) as the
    // model says. Code that moves a control by the twips rules (the list's
    // scroll bar, for one) takes layout(), changes it and hands it back here.
    void setLayout(const LayoutModel &model);
    // The panel switch, as a click on SwitchSkin runs it.
    void switchPanel();
    // The layout for the current size, as a resize runs it.
    void arrangeControls();

    // --- Controls ----------------------------------------------------------------
    WmpControl &TVPlayer() const { return m_tvPlayer; }
    RealControl &TVPlayer2() const { return m_tvPlayer2; }
    ScreenLayer *Maskit() const { return m_Maskit; }
    PictureBox *Maskit2() const { return m_Maskit2; }
    PictureBox *Picture1() const { return m_Picture1; }
    PictureBox *Picture3() const { return m_Picture3; }
    PictureBox *Picture5() const { return m_Picture5; }
    PictureBox *morechannel() const { return m_morechannel; }
    PictureBox *subchannelgroup() const { return m_subchannelgroup; }
    PictureBox *LoveChannelGroup() const { return m_LoveChannelGroup; }
    PictureBox *bar(int i) const { return m_bar.at(std::size_t(i)); }
    PictureBox *vol1() const { return m_vol1; }
    PictureBox *vol2() const { return m_vol2; }
    SkinImage *tv_open() const { return m_tv_open; }
    SkinImage *tv_play() const { return m_tv_play; }
    SkinImage *tv_stop() const { return m_tv_stop; }
    SkinImage *tv_fullscreen() const { return m_tv_fullscreen; }
    SkinImage *help() const { return m_help; }
    SkinImage *tv_fit() const { return m_tv_fit; }
    SkinImage *tv_close() const { return m_tv_close; }
    SkinImage *Update_Tvlist() const { return m_Update_Tvlist; }
    SkinImage *s1() const { return m_s1; }
    SkinImage *s2() const { return m_s2; }
    SkinImage *s3() const { return m_s3; }
    SkinImage *s4() const { return m_s4; }
    // The speaker button and the hidden holders of its two pictures.
    SkinImage *volumeImage() const { return m_volume; }
    SkinImage *speak() const { return m_speak; }
    SkinImage *mute() const { return m_mute; }
    // The speaker button shows the muted picture.
    bool isMutedPictureShown() const;
    QLabel *info() const { return m_info; }
    QLabel *PlayTime() const { return m_PlayTime; }
    QLabel *Label1() const { return m_Label1; }
    DravoButton *SwitchSkin() const { return m_SwitchSkin; }
    DravoButton *SwithTopWindow() const { return m_SwithTopWindow; }
    // Sixteen sub-channel buttons inside subchannelgroup, hidden at first.
    DravoButton *subchannel(int i) const { return m_subchannel.at(std::size_t(i)); }
    // The update panel.
    PictureBox *Update_Prompt_Box() const { return m_Update_Prompt_Box; }
    QLabel *Update_Prompt_Title() const { return m_Update_Prompt_Title; }
    // 1..4
    QLabel *Update_Prompt(int i) const { return m_Update_Prompt.at(std::size_t(i - 1)); }
    DravoButton *UpdateStart() const { return m_UpdateStart; }
    DravoButton *UpdateCancel() const { return m_UpdateCancel; }
    QTimer *Timer1() const { return m_Timer1; }
    QTimer *Timer4() const { return m_Timer4; }
    QTimer *Timer5() const { return m_Timer5; }
    QTimer *Timer6() const { return m_Timer6; }

    // --- Collaborators -------------------------------------------------------------
    // The open-media dialog the tv_open image shows and hides. Until one is
    // set the window uses an empty placeholder window.
    void setOpenFileDialog(QWidget *dialog);
    QWidget *OpenFile() const;
    // Windows that the window's unload closes after itself, in the order
    // registered (About, NoteForm, StartForm).
    void registerWindowToUnload(QWidget *window);
    // The GB2312-to-Big5 conversion for Taiwan-locale texts.
    void setTextConverter(TextConverter toBig5);
    // Called by both exits (by default the Quorvel library's
    // DllUnregisterServer, resolved at run time).
    void setLibraryUnregister(std::function<void()> unregister);
    // Ends the program (by default the application's event loops exit).
    void setProgramEnd(std::function<void()> end);

Q_SIGNALS:
    void channelClicked(int k);
    void subchannelClicked(int i);
    void playClicked();
    void stopClicked();
    void helpClicked();
    void updateListClicked();
    // The open-media dialog was shown (true) or hidden (false) by tv_open.
    void openDialogToggled(bool shown);
    // The window is being unloaded: the program drops its references to
    // its windows after this.
    void unloaded();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void buildLowerStrip();
    void buildLowerPanel();
    void buildChannelList();
    void buildUpdatePanel();
    void wireControls();
    void applyDesignedTexts();
    QWidget *namedControl(const QString &name) const;
    void setControlText(const QString &control, TextProperty property, const QString &text);

    void activate();
    void resizeRule();
    void swithTopWindowClicked();
    void fitClicked();
    void fullScreenClicked();
    void refreshIdleScreen();
    void openImagePressed();
    void placeOpenDialog();
    // What both exits do: timers off, window hidden, placement saved,
    // player stopped, open-media dialog closed.
    void shutDown();
    void exitByCloseButton();
    void stopTimers();
    void savePlacement();
    void stopPlayer();

    // The widgets the layout model places, each with its entry in the model.
    std::vector<std::pair<QWidget *, ControlGeometry *>> layoutBindings(LayoutModel &m) const;
    void applyGeometry();
    void resizeToModel();
    QPointF clientOriginTwips() const;

    SettingsStore &m_settings;
    WmpControl &m_tvPlayer;
    RealControl &m_tvPlayer2;
    TextConverter m_toBig5;
    std::function<void()> m_unregisterLibrary;
    std::function<void()> m_endProgram;

    // Geometry of the size-dependent controls in twips; their visibility
    // lives in the widgets.
    LayoutModel m_geometry;
    // The client size this window asked for itself; the resize it causes
    // does not run the layout.
    std::optional<QSize> m_requestedSize;
    bool m_exiting = false;

    ScreenLayer *m_Maskit = nullptr;
    PictureBox *m_Maskit2 = nullptr;
    PictureBox *m_Picture1 = nullptr;
    PictureBox *m_Picture3 = nullptr;
    PictureBox *m_Picture5 = nullptr;
    PictureBox *m_morechannel = nullptr;
    PictureBox *m_subchannelgroup = nullptr;
    PictureBox *m_LoveChannelGroup = nullptr;
    std::array<PictureBox *, 3> m_bar{};
    PictureBox *m_vol1 = nullptr;
    PictureBox *m_vol2 = nullptr;
    SkinImage *m_tv_open = nullptr;
    SkinImage *m_tv_play = nullptr;
    SkinImage *m_tv_stop = nullptr;
    SkinImage *m_tv_fullscreen = nullptr;
    SkinImage *m_help = nullptr;
    SkinImage *m_tv_fit = nullptr;
    SkinImage *m_tv_close = nullptr;
    SkinImage *m_Update_Tvlist = nullptr;
    SkinImage *m_s1 = nullptr;
    SkinImage *m_s2 = nullptr;
    SkinImage *m_s3 = nullptr;
    SkinImage *m_s4 = nullptr;
    SkinImage *m_volume = nullptr;
    SkinImage *m_speak = nullptr;
    SkinImage *m_mute = nullptr;
    QLabel *m_info = nullptr;
    QLabel *m_PlayTime = nullptr;
    QLabel *m_Label1 = nullptr;
    DravoButton *m_SwitchSkin = nullptr;
    DravoButton *m_SwithTopWindow = nullptr;
    DravoButton *m_channelTemplate = nullptr;
    std::vector<DravoButton *> m_channels; // ChangeChannel(1..n), owned by morechannel
    std::array<DravoButton *, 16> m_subchannel{};
    PictureBox *m_Update_Prompt_Box = nullptr;
    QLabel *m_Update_Prompt_Title = nullptr;
    std::array<QLabel *, 4> m_Update_Prompt{};
    DravoButton *m_UpdateStart = nullptr;
    DravoButton *m_UpdateCancel = nullptr;
    QTimer *m_Timer1 = nullptr;
    QTimer *m_Timer4 = nullptr;
    QTimer *m_Timer5 = nullptr;
    QTimer *m_Timer6 = nullptr;

    QPointer<QWidget> m_openFile;
    mutable std::unique_ptr<QWidget> m_placeholderDialog; // made on first use
    std::vector<QPointer<QWidget>> m_windowsToUnload;
};

} // namespace kestova
