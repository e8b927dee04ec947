#include "mainwindow/Skin.h"

#include "DravoButton.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <qdrawutil.h>

#include <cmath>
#include <map>
#include <memory>

namespace kestova::skin {

namespace {

// Panels drawn in nine pieces: the margins (in device-independent pixels of
// the picture's own size) that keep their size.
const QHash<QString, QMargins> &panelTable()
{
    static const QHash<QString, QMargins> table = {
        {"window", {0, 0, 0, 0}},
        {"screen", {6, 6, 6, 6}},
        {"control_strip", {8, 8, 8, 8}},
        {"lower_panel", {8, 8, 8, 8}},
        {"side_panel", {8, 8, 8, 8}},
        {"trim", {0, 3, 0, 3}},
        {"channel_strip", {10, 0, 10, 0}},
        {"list_panel", {6, 6, 6, 6}},
        {"progress_track", {4, 0, 4, 0}},
        {"volume_track", {4, 0, 4, 0}},
        {"volume_bar", {3, 0, 3, 0}},
        {"scroll_track", {0, 4, 0, 4}},
        {"update_box", {10, 10, 10, 10}},
    };
    return table;
}

// OLE colour values (0x00BBGGRR) of the button looks.
constexpr uint ole(int r, int g, int b) { return uint(r) | uint(g) << 8 | uint(b) << 16; }

// The parsed pictures, kept for the program's run (null: no such picture).
QSvgRenderer *renderer(const QString &name)
{
    static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    auto it = renderers.find(name);
    if (it == renderers.end()) {
        auto svg = std::make_unique<QSvgRenderer>(picturePath(name));
        if (!svg->isValid())
            svg.reset();
        it = renderers.emplace(name, std::move(svg)).first;
    }
    return it->second.get();
}

} // namespace

QString picturePath(const QString &name)
{
    return QStringLiteral(":/skin/") + name + QStringLiteral(".svg");
}

QSize pictureSize(const QString &name)
{
    QSvgRenderer *svg = renderer(name);
    return svg ? svg->defaultSize() : QSize();
}

QPixmap pixmap(const QString &name, const QSize &size, qreal devicePixelRatio)
{
    if (size.isEmpty() || name.isEmpty())
        return {};
    const QString key = QStringLiteral("kestova-skin:%1:%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return result;
    QSvgRenderer *svg = renderer(name);
    if (!svg)
        return {};
    const QSize device(int(std::ceil(size.width() * devicePixelRatio)),
                       int(std::ceil(size.height() * devicePixelRatio)));
    result = QPixmap(device);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        svg->render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    result.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, result);
    return result;
}

void paintPicture(QPainter &painter, const QRect &target, const QString &name)
{
    const QPixmap pm = pixmap(name, target.size(), painter.device()->devicePixelRatioF());
    if (!pm.isNull())
        painter.drawPixmap(target.topLeft(), pm);
}

QMargins panelMargins(const QString &name)
{
    return panelTable().value(name);
}

void paintPanel(QPainter &painter, const QRect &target, const QString &name)
{
    const QMargins margins = panelMargins(name);
    if (margins.isNull() || target.width() < margins.left() + margins.right()
        || target.height() < margins.top() + margins.bottom()) {
        paintPicture(painter, target, name);
        return;
    }
    QSvgRenderer *svg = renderer(name);
    if (!svg)
        return;
    // The picture at its own size; its middle and edges stretch.
    const QPixmap pm = pixmap(name, svg->defaultSize(), painter.device()->devicePixelRatioF());
    qDrawBorderPixmap(&painter, target, margins, pm);
}

QRect centredPicture(const QString &name, const QSize &area, qreal height)
{
    const QSize own = pictureSize(name);
    if (own.isEmpty())
        return {};
    const QSize size(int(height * own.width() / own.height()), int(height));
    return QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

void styleButton(DravoButton &button, ButtonRole role)
{
    struct Look
    {
        uint back, fore, border, edge, hover, down;
    };
    static constexpr Look list{ole(0x1c, 0x22, 0x29), ole(0xd3, 0xdb, 0xe6), ole(0x2e, 0x37, 0x42),
                               ole(0x4c, 0xc3, 0xff), ole(0x1f, 0x5f, 0x8a), ole(0x14, 0x3c, 0x58)};
    static constexpr Look command{ole(0x1a, 0x1f, 0x26), ole(0x9f, 0xdc, 0xff), ole(0x33, 0x3d, 0x4a),
                                  ole(0x4c, 0xc3, 0xff), ole(0x26, 0x6d, 0x9c), ole(0x14, 0x3c, 0x58)};
    static constexpr Look dialog{ole(0x23, 0x2a, 0x33), ole(0xe6, 0xec, 0xf2), ole(0x4c, 0xc3, 0xff),
                                 ole(0x7f, 0xd6, 0xff), ole(0x2a, 0x8f, 0xd0), ole(0x1b, 0x64, 0x96)};
    const Look &look = role == ButtonRole::Command ? command : role == ButtonRole::Dialog ? dialog : list;

    button.setAppearance(quorvel::btXPplus);
    button.setHoverFillStyle(quorvel::hsColumn);
    button.setShowFocus(false);
    button.setBackColor(look.back);
    button.setForeColor(look.fore);
    button.setBorderColor(look.border);
    button.setEdgeColor(look.edge);
    button.setHoverColor(look.hover);
    button.setMouseDownColor(look.down);
}

} // namespace kestova::skin
