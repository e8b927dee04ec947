#include "IniPropertyBag.h"

#include "Picture.h"

#include <QFont>

namespace quorvel {

namespace {

const QString kPicturePrefix = QStringLiteral("picture:");
const QString kFontPrefix = QStringLiteral("font:");

QVariant encode(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Picture>())
        return kPicturePrefix + value.value<Picture>().toStorageString();
    if (value.metaType() == QMetaType::fromType<QFont>())
        return kFontPrefix + value.value<QFont>().toString();
    if (value.metaType() == QMetaType::fromType<bool>())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.toString();
}

// Tagged texts come back as their own types; everything else stays text
// and is converted by the reader, which knows the property's type.
std::optional<QVariant> decode(const QVariant &stored)
{
    const QString text = stored.toString();
    if (text.startsWith(kPicturePrefix)) {
        Picture picture;
        if (!Picture::fromStorageString(text.mid(kPicturePrefix.size()), &picture))
            return std::nullopt;
        return QVariant::fromValue(picture);
    }
    if (text.startsWith(kFontPrefix)) {
        QFont font;
        if (!font.fromString(text.mid(kFontPrefix.size())))
            return std::nullopt;
        return QVariant::fromValue(font);
    }
    return stored;
}

} // namespace

IniPropertyBag::IniPropertyBag(const QString &fileName, const QString &group)
    : mSettings(std::make_unique<QSettings>(fileName, QSettings::IniFormat)), mGroup(group)
{
}

IniPropertyBag::~IniPropertyBag()
{
    mSettings->sync();
}

bool IniPropertyBag::sync()
{
    mSettings->sync();
    return mSettings->status() == QSettings::NoError;
}

QString IniPropertyBag::key(const QString &name) const
{
    return mGroup.isEmpty() ? name : mGroup + QLatin1Char('/') + name;
}

bool IniPropertyBag::lookup(const QString &name, QVariant *out) const
{
    if (mSettings->status() == QSettings::AccessError)
        return false;
    const QVariant stored = mSettings->value(key(name));
    if (!stored.isValid()) {
        *out = QVariant();
        return true;
    }
    const auto decoded = decode(stored);
    if (!decoded)
        return false;
    *out = *decoded;
    return true;
}

bool IniPropertyBag::store(const QString &name, const QVariant &value)
{
    if (!mSettings->isWritable())
        return false;
    mSettings->setValue(key(name), encode(value));
    return true;
}

bool IniPropertyBag::remove(const QString &name)
{
    if (!mSettings->isWritable())
        return false;
    mSettings->remove(key(name));
    return true;
}

} // namespace quorvel
