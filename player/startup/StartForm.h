#pragma once

#include <QLabel>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace kestova {

class RealControl;
class SettingsStore;
class TVscreen;
class WmpControl;

// What the splash's start-up sequence needs from the program around it: the
// main window (and the open-media dialog) loaded hidden, and shown at the end.
class StartupHost
{
public:
    virtual ~StartupHost() = default;
    virtual TVscreen &loadMainWindow() = 0;
    virtual void showMainWindow() = 0;
};

// The splash window. It stays alive for the whole run because it holds the
// addresses the channel list brought (SiteAddress, UpdateAddress).
class StartForm : public QWidget
{
    Q_OBJECT
public:
    StartForm(StartupHost &host, SettingsStore &settings, WmpControl &TVPlayer,
              RealControl &TVPlayer2, QString programDirectory, QWidget *parent = nullptr);
    ~StartForm() override;

    // Load: the Big5 table and the system locale, then Timer1 runs the
    // start-up sequence once, half a second later.
    void load();
    // The start-up sequence itself (what Timer1's first tick runs).
    void runStartupSequence();

    QString SiteAddress;
    QString UpdateAddress;
    QString Reserved4;
    QString Reserved5;

    QLabel *Label6() const { return m_label6; }
    QTimer &Timer1() { return m_timer1; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void activate();

    StartupHost &m_host;
    SettingsStore &m_settings;
    WmpControl &m_tvPlayer;
    RealControl &m_tvPlayer2;
    QString m_programDirectory;
    QTimer m_timer1;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label6 = nullptr;
};

} // namespace kestova
