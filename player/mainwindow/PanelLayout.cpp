#include "mainwindow/PanelLayout.h"

namespace kestova {

namespace {

// Width of LoveChannelGroup, the strip that fills the lower panel up to the
// panel switch (base) or up to the sub-channel strip bar(1) (expanded).
float loveChannelWidth(const LayoutModel &m)
{
    const float beforeStrip = m.W - m.SwithTopWindow.rect.Left - m.SwithTopWindow.rect.Width - m.bar[0].rect.Left;
    if (m.expanded())
        return beforeStrip - m.bar[1].rect.Width + m.SwitchSkin.rect.Width - 200;
    return beforeStrip - m.SwitchSkin.rect.Width - 200;
}

} // namespace

bool ArrangeControls(LayoutModel &m)
{
    const float W = m.W;
    const float H = m.H;
    const float ext = m.ext();
    if (W <= ext + 275 || H <= 1800)
        return false;

    m.Maskit.rect.Width = W - 275 - ext;
    m.Maskit.rect.Height = H - 1800;
    m.TVPlayer.rect.Width = W - 275 - ext;
    m.TVPlayer.rect.Height = H - 1800;
    m.morechannel.rect.Left = W - 180 - ext;
    m.Picture1.rect.Width = W - 385 - ext;
    m.Picture1.rect.Top = H - 1855;
    m.Picture3.rect.Width = W - 385 - ext;
    m.Picture5.rect.Left = W - 180 - ext;
    m.Picture5.rect.Height = H - 905;
    m.bar[0].rect.Top = H - 985;
    // The sub-channel strip hugs the right edge in both modes.
    m.bar[1].rect.Left = W - 3890;
    m.bar[1].rect.Top = H - 970;

    m.LoveChannelGroup.rect.Left = m.bar[0].rect.Left + 520;
    m.LoveChannelGroup.rect.Top = m.bar[0].rect.Top + 180;
    m.LoveChannelGroup.rect.Width = loveChannelWidth(m);
    m.subchannelgroup.visible = m.expanded();

    m.bar[1].visible = W > 6875;
    m.bar[2].visible = W > 10200;
    m.bar[2].rect.Top = H - 970;
    m.bar[2].rect.Left = m.bar[1].rect.Left - m.bar[2].rect.Width + m.SwitchSkin.rect.Width - 20;

    // The channel list's scroll bar stands right of the list.
    m.s1.rect.Left = m.morechannel.rect.Left + 3030;
    m.s2.rect.Left = m.s1.rect.Left;
    m.s2.rect.Top = H - 1240;
    m.s3.rect.Left = m.s1.rect.Left;
    m.s4.rect.Left = m.s1.rect.Left;
    m.s4.rect.Height = H - 240 - 1190;

    m.SwitchSkin.rect.Left = W - 585;
    m.SwitchSkin.rect.Top = H - 820;

    alignRealPlayer(m);

    m.Update_Prompt_Box.rect.Top = m.Picture1.rect.Top - 2025;
    return true;
}

void alignRealPlayer(LayoutModel &m)
{
    m.TVPlayer2.rect = m.TVPlayer.rect;
    m.Maskit2.rect.Top = m.TVPlayer.rect.Top;
    m.Maskit2.rect.Left = m.TVPlayer.rect.Left;
    m.Maskit2.rect.Width = m.TVPlayer.rect.Width;
    m.Maskit2.rect.Height = m.TVPlayer.rect.Height - 300;
}

void SwitchPanel(LayoutModel &m, std::uint32_t locale, const TextConverter &toBig5)
{
    const bool expand = !m.expanded();
    m.switchSkin.tag = expand ? PanelExpand : PanelBase;
    m.W += expand ? ExtensionWidth : -ExtensionWidth;
    // Going back to the base panel, bar(1) keeps its visibility until the
    // next ArrangeControls.
    if (expand)
        m.bar[1].visible = true;
    m.morechannel.visible = expand;
    m.Picture5.visible = expand;
    m.subchannelgroup.visible = expand;
    m.SwitchSkin.rect.Left = m.W - 585;
    m.switchSkin.caption = expand ? QStringLiteral("<<") : QStringLiteral(">>");
    m.LoveChannelGroup.rect.Width = loveChannelWidth(m);
    const QString toolTip = expand ? QStringLiteral("基本面板") : QStringLiteral("扩展面板");
    if (auto text = textByLocale(toolTip, locale, toBig5))
        m.switchSkin.toolTip = *text;

    m.bar[1].rect.Left = m.W - 3900;
    m.bar[2].visible = m.W > 10200;
    if (m.bar[2].visible)
        m.bar[2].rect.Left = m.W - 10000;
}

} // namespace kestova
