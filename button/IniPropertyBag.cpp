#include "IniPropertyBag.h"

#include "Picture.h"

#include <QFont>

namespace quorvel {

namespace {

// Everything is stored as text; the reader knows each property's type and
// converts the text back (pictures and fonts from their storage strings).
QVariant encode(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Picture>())
        return value.value<Picture>().toStorageString();
    if (value.metaType() == QMetaType::fromType<QFont>())
        return value.value<QFont>().toString();
    if (value.metaType() == QMetaType::fromType<bool>())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.toString();
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
    *out = mSettings->value(key(name));
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
