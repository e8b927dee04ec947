#include "startup/CatalogueInstall.h"

#include "mainwindow/TVscreen.h"
#include "platform/SystemLocale.h"
#include "startup/GB2BIG5.h"

namespace kestova {

ChannelLists loadChannelCatalogue(TVscreen &window, const QString &programDirectory)
{
    ChannelLists lists = readChannelLists(programDirectory);
    if (!lists.usable) {
        window.setSwitchSkinVisible(false);
        return lists;
    }
    if (lists.scrambledListRead)
        window.setListVersionTag(lists.versionTag);

    installCatalogue(window, buildCatalogue(lists.recordText, SystemLocale, window.catalogueFrame(), &GbToBig5));
    return lists;
}

void installCatalogue(TVscreen &window, const Catalogue &catalogue)
{
    ChannelFlags.fill(QString());
    for (const ChannelButtonEntry &button : catalogue.buttons)
        ChannelFlags[std::size_t(button.index)] = button.flags;
    window.buildChannelButtons(catalogue);
}

} // namespace kestova
