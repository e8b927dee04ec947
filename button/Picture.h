// A picture value as the button's Picture and MouseIcon properties hold it:
// nothing, a bitmap or an icon, each drawn at its own pixel size.
#pragma once

#include "QuorvelExport.h"

#include <QByteArray>
#include <QMetaType>
#include <QPixmap>
#include <QString>

namespace quorvel {

class QUORVEL_EXPORT Picture
{
public:
    enum Type : int { None = 0, Bitmap = 1, Icon = 3 };

    Picture() = default; // the empty picture: type None, handle 0
    static Picture fromIcon(const QPixmap &pixmap);
    static Picture fromBitmap(const QPixmap &pixmap);
    // .ico and .cur files load as icons, every other image format as a bitmap;
    // an unreadable file gives the empty picture.
    static Picture fromFile(const QString &path);

    Type type() const { return mPixmap.isNull() ? None : mType; }
    // Non-zero when the picture holds an image (the platform's handle test).
    bool hasHandle() const { return !mPixmap.isNull(); }
    bool isEmpty() const { return !hasHandle(); }
    const QPixmap &pixmap() const { return mPixmap; }
    QSize size() const { return mPixmap.size(); }

    // Storage form: "icon:" or "bitmap:" followed by base64 PNG, "" when empty.
    QString toStorageString() const;
    static bool fromStorageString(const QString &text, Picture *out);

    friend QUORVEL_EXPORT bool operator==(const Picture &a, const Picture &b);
    friend bool operator!=(const Picture &a, const Picture &b) { return !(a == b); }

private:
    Picture(Type type, const QPixmap &pixmap) : mType(type), mPixmap(pixmap) {}
    Type mType = None;
    QPixmap mPixmap;
};

} // namespace quorvel

Q_DECLARE_METATYPE(quorvel::Picture)
