#include "playback/ChannelSwitcher.h"

#include "playback/PlaybackView.h"
#include "playback/StatisticsUrl.h"
#include "playback/StatusTexts.h"
#include "platform/RealControl.h"
#include "platform/StatisticsRequest.h"
#include "platform/WmpControl.h"
#include "startup/ChannelCatalogue.h"

#include <QTimer>

namespace kestova {

namespace {

const QString SourceSeparator = QStringLiteral("@@");

// The flags of channel k; a number outside the catalogue has none.
QString flagsOf(int k)
{
    return k >= 0 && k < int(ChannelFlags.size()) ? ChannelFlags[std::size_t(k)] : QString();
}

} // namespace

ChannelSwitcher::ChannelSwitcher(WmpControl &tvPlayer, RealControl &tvPlayer2, PlaybackView &view,
                                 PlaybackState &state, QTimer &rateTimer,
                                 StatisticsRequest &statistics, LocaleRule localeRule)
    : m_tvPlayer(tvPlayer)
    , m_tvPlayer2(tvPlayer2)
    , m_view(view)
    , m_state(state)
    , m_rateTimer(rateTimer)
    , m_statistics(statistics)
    , m_rule(std::move(localeRule))
{
}

QStringList ChannelSwitcher::splitSources(const QString &tag)
{
    return tag.split(SourceSeparator, Qt::KeepEmptyParts);
}

bool ChannelSwitcher::ResetPlayers()
{
    const quint64 mine = ++m_resetCount;
    m_view.setTvFitVisible(true);
    m_view.setPlayTimeText(QStringLiteral("00:00"));
    m_view.clearProgress();

    m_state.OnDemand = false;
    m_state.KeepCover = false;

    m_tvPlayer.playlistClear();
    m_view.processPendingEvents();
    // A click handled during that yield reset the players again and started
    // its own source: the later choice stands, so this reset and the start
    // it belongs to end here instead of undoing it.
    if (m_resetCount != mine)
        return false;

    m_tvPlayer2.DoStop();
    m_tvPlayer2.SetSource(QString());
    m_tvPlayer2.SetMute(false);
    m_tvPlayer2.SetVolume(100);
    m_view.setRealPlayerVisible(false);
    m_view.setMaskit2Visible(false);
    return true;
}

void ChannelSwitcher::startChannel(int k)
{
    if (k < 1 || k > MaxChannels)
        return;

    if (!ResetPlayers())
        return;

    // Read after the reset: a click handled while it let messages through
    // may have rebuilt the catalogue.
    const QString flags = flagsOf(k);
    if (flags.contains(QLatin1Char('f')))
        m_state.OnDemand = true;
    if (flags.contains(QLatin1Char('b')))
        m_state.KeepCover = true;

    m_tvPlayer.setBufferingTime(3000);
    m_view.setSubchannelGroupVisible(true);

    if (flags.contains(QLatin1Char('m'))) {
        const QStringList sources = splitSources(m_view.channelTag(k));
        m_tvPlayer.setURL(sources.first());
        fillSubchannels(sources, QStringLiteral("m"));
        // Every further source is queued, also those without a button.
        for (qsizetype n = 1; n < sources.size(); ++n)
            m_tvPlayer.playlistAppendItem(m_tvPlayer.mediaCollectionAdd(sources.at(n)));
        m_tvPlayer.play();
    }
    if (flags.contains(QLatin1Char('r'))) {
        m_view.setMaskit2Visible(true);
        m_view.setRealPlayerVisible(true);
        m_view.setTvFitVisible(false);
        const QStringList sources = splitSources(m_view.channelTag(k));
        fillSubchannels(sources, QStringLiteral("r"));
        // The "r" player starts by itself once it has a source.
        m_tvPlayer2.SetSource(sources.first());
        m_tvPlayer2.SetVolume(m_view.volumeLevel());
    }

    if (m_view.isMutedPictureShown()) {
        if (flags.startsWith(QLatin1Char('m'))) {
            m_tvPlayer.setMute(true);
        } else {
            m_view.setRealMuted(true);
            m_tvPlayer2.SetMute(true);
        }
    }

    m_view.setInfoText(QString());
    const QString caption = m_view.channelCaption(k);
    if (const auto title = status::windowTitle(caption, m_rule))
        m_view.setWindowTitle(*title);
    if (const auto text = status::searchingStatus(caption, m_rule))
        m_view.setInfoText(*text);

    m_rateTimer.stop();
    m_state.CurrentChannelName = caption;
    m_view.processPendingEvents();

    if (const QUrl url = statisticsUrl(m_siteAddress); !url.isEmpty())
        m_statistics.send(url);
}

void ChannelSwitcher::fillSubchannels(const QStringList &sources, const QString &mediaLetter)
{
    const int shown = std::min<int>(int(sources.size()), SubchannelCount);
    for (int k = 0; k < shown; ++k) {
        m_view.setSubchannelTag(k, sources.at(k) + SourceSeparator + mediaLetter);
        if (const auto toolTip = status::subchannelToolTip(k, m_rule))
            m_view.setSubchannelToolTip(k, *toolTip);
        m_view.setSubchannelVisible(k, true);
    }
    for (int k = shown; k < SubchannelCount; ++k)
        m_view.setSubchannelVisible(k, false);
}

void ChannelSwitcher::switchSubchannel(int i)
{
    if (i < 0 || i >= SubchannelCount)
        return;
    // The letter follows the last separator; the URL is what comes before it.
    const QString tag = m_view.subchannelTag(i);
    const auto at = tag.lastIndexOf(SourceSeparator);
    const QString url = at >= 0 ? tag.left(at) : tag;
    const QString letter = at >= 0 ? tag.mid(at + SourceSeparator.size()) : QString();

    if (letter == QLatin1String("m")) {
        m_tvPlayer.setURL(url);
    } else if (letter == QLatin1String("r")) {
        m_tvPlayer2.DoStop();
        m_tvPlayer2.SetSource(QString());
        m_tvPlayer2.SetSource(url);
    }
    m_view.setInfoText(status::subchannelSwitchStatus(i, m_rule));
}

void ChannelSwitcher::play()
{
    if (m_tvPlayer.playState() != WmpControl::Playing && !m_view.isRealPlayerVisible())
        m_tvPlayer.play();
    if (m_tvPlayer2.GetPlayState() != RealControl::Playing && m_view.isRealPlayerVisible())
        m_tvPlayer2.DoPlay();
    if (const auto text = status::searchingStatus(m_state.CurrentChannelName, m_rule))
        m_view.setInfoText(*text);
}

void ChannelSwitcher::stop()
{
    // Both players are addressed, whichever is in use.
    if (m_state.OnDemand) {
        m_tvPlayer.pause();
        m_tvPlayer2.DoPause();
    } else {
        m_tvPlayer.stop();
        m_tvPlayer2.DoStop();
    }
    if (const auto text = status::stopStatus(m_rule))
        m_view.setInfoText(*text);
}

} // namespace kestova
