// The Designer plugin, loaded as Designer loads it: it makes design-mode
// buttons and hands Designer the description strings as property tool tips.
#include "DravoButton.h"

#include <gtest/gtest.h>

#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <map>

namespace {

TEST(DesignerPlugin, CreatesDesignModeButtonsWithDescribedProperties)
{
    QPluginLoader loader(QStringLiteral(QUORVEL_DESIGNER_PLUGIN_PATH));
    QObject *instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(instance);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->name(), QStringLiteral("DravoButton"));
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("DravoButton.h"));
    EXPECT_FALSE(plugin->isContainer());

    QWidget form;
    std::unique_ptr<QWidget> widget(plugin->createWidget(&form));
    auto *button = qobject_cast<DravoButton *>(widget.get());
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->ambientProperties().UserMode);
    EXPECT_EQ(button->parentWidget(), &form);

    std::map<QString, QString> tooltips;
    QString widgetClass;
    QXmlStreamReader xml(plugin->domXml());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("widget"))
            widgetClass = xml.attributes().value(QLatin1String("class")).toString();
        if (xml.name() == QLatin1String("tooltip"))
            tooltips[xml.attributes().value(QLatin1String("name")).toString()] =
                    xml.attributes().value(QLatin1String("value")).toString();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(widgetClass, QStringLiteral("DravoButton"));
    EXPECT_EQ(tooltips.size(), 14u);
    EXPECT_EQ(tooltips[QStringLiteral("Appearance")], QString::fromUtf8("Appearance返回/设置按钮风格"));
    EXPECT_EQ(tooltips[QStringLiteral("ShowFocus")],
              QString::fromUtf8("'ShowFocus返回/设置按钮是否在获得焦点时显示焦点（风格须设置为XPplus)\r\n"));
    EXPECT_EQ(tooltips.count(QStringLiteral("BackColor")), 0u);
}

} // namespace
