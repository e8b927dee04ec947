#include "Picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace quorvel {

Picture Picture::fromIcon(const QPixmap &pixmap)
{
    return pixmap.isNull() ? Picture() : Picture(Icon, pixmap);
}

Picture Picture::fromBitmap(const QPixmap &pixmap)
{
    return pixmap.isNull() ? Picture() : Picture(Bitmap, pixmap);
}

Picture Picture::fromFile(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    const QByteArray format = reader.format().toLower();
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool icon = format == "ico" || format == "cur" || suffix == QLatin1String("ico")
            || suffix == QLatin1String("cur");
    const QPixmap pixmap = QPixmap::fromImage(image);
    return icon ? fromIcon(pixmap) : fromBitmap(pixmap);
}

QString Picture::toStorageString() const
{
    if (isEmpty())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    mPixmap.toImage().save(&buffer, "PNG");
    const QString prefix = type() == Icon ? QStringLiteral("icon:") : QStringLiteral("bitmap:");
    return prefix + QString::fromLatin1(png.toBase64());
}

bool Picture::fromStorageString(const QString &text, Picture *out)
{
    if (text.isEmpty()) {
        *out = Picture();
        return true;
    }
    Type type;
    QStringView data;
    if (text.startsWith(QLatin1String("icon:"))) {
        type = Icon;
        data = QStringView(text).mid(5);
    } else if (text.startsWith(QLatin1String("bitmap:"))) {
        type = Bitmap;
        data = QStringView(text).mid(7);
    } else {
        return false;
    }
    QImage image;
    if (!image.loadFromData(QByteArray::fromBase64(data.toLatin1()), "PNG"))
        return false;
    *out = Picture(type, QPixmap::fromImage(image));
    return true;
}

bool operator==(const Picture &a, const Picture &b)
{
    if (a.type() != b.type())
        return false;
    if (a.isEmpty())
        return true;
    if (a.mPixmap.cacheKey() == b.mPixmap.cacheKey())
        return true;
    return a.mPixmap.toImage().convertToFormat(QImage::Format_ARGB32)
            == b.mPixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace quorvel
