#include "mainwindow/TopMostToggle.h"

namespace kestova {

std::optional<TopMostFace> toggleTopMost(const QString &tag, std::uint32_t locale,
                                         const TextConverter &toBig5)
{
    TopMostFace face;
    if (tag == TopMostOff) {
        face.topMost = true;
        face.tag = TopMostOn;
        face.caption = QStringLiteral("∵");
        face.toolTip = textByLocale(QStringLiteral("取消紧贴屏幕播放"), locale, toBig5);
    } else if (tag == TopMostOn) {
        face.topMost = false;
        face.tag = TopMostOff;
        face.caption = QStringLiteral("∴");
        face.toolTip = textByLocale(QStringLiteral("紧贴屏幕播放"), locale, toBig5);
    } else {
        return std::nullopt;
    }
    return face;
}

} // namespace kestova
