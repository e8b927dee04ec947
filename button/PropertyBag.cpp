#include "PropertyBag.h"

#include "Picture.h"

#include <QFont>

namespace quorvel {

namespace {

// QVariant's own comparison does not know Picture, and colours may arrive
// as int or uint: compare what the values mean.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.metaType() == QMetaType::fromType<Picture>() || b.metaType() == QMetaType::fromType<Picture>())
        return a.value<Picture>() == b.value<Picture>();
    if (a.metaType() == QMetaType::fromType<QFont>() || b.metaType() == QMetaType::fromType<QFont>())
        return a.value<QFont>() == b.value<QFont>();
    if (a.metaType() != b.metaType() && a.canConvert<qlonglong>() && b.canConvert<qlonglong>()
        && a.metaType() != QMetaType::fromType<QString>() && b.metaType() != QMetaType::fromType<QString>())
        return a.toLongLong() == b.toLongLong();
    return a == b;
}

} // namespace

PropertyBag::~PropertyBag() = default;

std::optional<QVariant> PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    QVariant value;
    if (!lookup(name, &value))
        return std::nullopt;
    return value.isValid() ? value : defaultValue;
}

bool PropertyBag::WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (sameValue(value, defaultValue))
        return remove(name);
    return store(name, value);
}

bool MemoryPropertyBag::lookup(const QString &name, QVariant *out) const
{
    *out = mValues.value(name);
    return true;
}

bool MemoryPropertyBag::store(const QString &name, const QVariant &value)
{
    mValues.insert(name, value);
    return true;
}

bool MemoryPropertyBag::remove(const QString &name)
{
    mValues.remove(name);
    return true;
}

} // namespace quorvel
