#pragma once

// The dark television skin: the SVG pictures under ":/skin/" and the colours
// the code-drawn parts share with them. Pictures render at the painter's
// device pixel ratio, so they stay sharp on high-DPI screens.

#include <QColor>
#include <QMargins>
#include <QSize>
#include <QString>

class DravoButton;
class QPainter;
class QPixmap;
class QRect;

namespace kestova::skin {

// Colours shared with the SVG files.
inline const QColor Text = QColor(0xd3, 0xdb, 0xe6);
inline const QColor DimText = QColor(0x8b, 0x95, 0xa3);
inline const QColor Accent = QColor(0x4c, 0xc3, 0xff);

// The path of a skin picture in the resources, e.g. ":/skin/tv_play.svg".
QString picturePath(const QString &name);
// The picture's own size in device-independent pixels (empty when missing).
QSize pictureSize(const QString &name);

// A picture rendered to fit a size in device-independent pixels at a device
// pixel ratio. Rendered pictures are cached.
QPixmap pixmap(const QString &name, const QSize &size, qreal devicePixelRatio);

// Where a picture of the given height stands centred in an area, its width
// following its own proportions; empty when there is no such picture.
QRect centredPicture(const QString &name, const QSize &area, qreal height);

// Paints a picture stretched over a rectangle.
void paintPicture(QPainter &painter, const QRect &target, const QString &name);

// Paints a panel picture over a rectangle of any size: its corners keep
// their size and its edges and middle stretch (the picture's margins come
// from the skin's table; a picture without margins simply stretches).
void paintPanel(QPainter &painter, const QRect &target, const QString &name);
QMargins panelMargins(const QString &name);

// The looks of the window's DravoButtons.
enum class ButtonRole { Channel, SubChannel, Command, Dialog };
void styleButton(DravoButton &button, ButtonRole role);

} // namespace kestova::skin
