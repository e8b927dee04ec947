#include "DravoButtonPlugin.h"

#include "DravoButton.h"

#include <QIcon>
#include <QMetaProperty>
#include <QPainter>
#include <QPixmap>

DravoButtonPlugin::DravoButtonPlugin(QObject *parent) : QObject(parent) {}

QString DravoButtonPlugin::name() const
{
    return QStringLiteral("DravoButton");
}

QString DravoButtonPlugin::group() const
{
    return QStringLiteral("Quorvel");
}

QString DravoButtonPlugin::toolTip() const
{
    return QString::fromUtf8("DravoButton多风格按钮控件");
}

QString DravoButtonPlugin::whatsThis() const
{
    return QStringLiteral("A custom-drawn push button with four styles, hover and pressed fills, "
                          "an icon with a shadow and an access key taken from its caption.");
}

QString DravoButtonPlugin::includeFile() const
{
    return QStringLiteral("DravoButton.h");
}

QIcon DravoButtonPlugin::icon() const
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.setBrush(QColor(0xAD, 0xAD, 0xD1));
    p.drawRect(1, 5, 19, 11);
    return QIcon(pixmap);
}

bool DravoButtonPlugin::isContainer() const
{
    return false;
}

QWidget *DravoButtonPlugin::createWidget(QWidget *parent)
{
    // On a form the control is in design mode: it never takes the hover look.
    quorvel::AmbientProperties ambient;
    ambient.Font = parent ? parent->font() : QFont();
    ambient.UserMode = false;
    return new DravoButton(ambient, parent);
}

bool DravoButtonPlugin::isInitialized() const
{
    return mInitialized;
}

void DravoButtonPlugin::initialize(QDesignerFormEditorInterface *)
{
    mInitialized = true;
}

QString DravoButtonPlugin::domXml() const
{
    QString toolTips;
    const QMetaObject &meta = DravoButton::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const char *property = meta.property(i).name();
        const QString description = DravoButton::propertyDescription(property);
        if (description.isEmpty())
            continue;
        QString value = description.toHtmlEscaped();
        value.replace(QLatin1Char('\r'), QStringLiteral("&#13;")).replace(QLatin1Char('\n'), QStringLiteral("&#10;"));
        toolTips += QStringLiteral("    <tooltip name=\"%1\" value=\"%2\"/>\n").arg(QLatin1String(property), value);
    }
    return QStringLiteral(
                   "<ui language=\"c++\">\n"
                   " <widget class=\"DravoButton\" name=\"dravoButton\">\n"
                   "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>75</width><height>25</height></rect></property>\n"
                   "  <property name=\"Caption\"><string>DravoButton</string></property>\n"
                   " </widget>\n"
                   " <customwidgets>\n"
                   "  <customwidget>\n"
                   "   <class>DravoButton</class>\n"
                   "   <propertyspecifications>\n"
                   "%1"
                   "   </propertyspecifications>\n"
                   "  </customwidget>\n"
                   " </customwidgets>\n"
                   "</ui>\n")
            .arg(toolTips);
}
