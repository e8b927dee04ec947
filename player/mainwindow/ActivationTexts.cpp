#include "mainwindow/ActivationTexts.h"

namespace kestova {

const std::vector<ActivationText> &activationTexts()
{
    using P = TextProperty;
    static const std::vector<ActivationText> texts = {
        {"TVscreen", P::Caption, "Kestova", "Kestova"},
        {"SwitchSkin", P::ToolTip, "扩展面板", "扩展面板"},
        {"SwithTopWindow", P::ToolTip, "紧贴屏幕播放", "紧贴屏幕播放"},
        {"volume", P::ToolTip, "点击静音", "点击静音"},
        {"vol1", P::ToolTip, "拖动调节音量", "拖动调节音量"},
        {"tv_open", P::ToolTip, "打开文件", "打开文件"},
        {"tv_play", P::ToolTip, "播放", "播放"},
        {"tv_stop", P::ToolTip, "停止", "暂停播放"},
        {"tv_fullscreen", P::ToolTip, "全屏", "全屏"},
        {"help", P::ToolTip, "关于Kestova的说明", "关于"},
        {"tv_fit", P::ToolTip, "合适大小", "匹配窗口"},
        {"tv_close", P::ToolTip, "退出程序", "退出程序"},
        {"Update_Tvlist", P::ToolTip, "节目单在线升级", "升级节目单"},
        {"UpdateStart", P::Caption, "开始升级", "开始升级"},
        {"UpdateCancel", P::Caption, "取消升级", "取消升级"},
        {"Update_Prompt1", P::Caption, "首先请确定您已经连接到互联网上", "首先请确定您已经连接到互联网上"},
        {"Update_Prompt2", P::Caption, "升级过程可能会花费几分钟或者", "升级过程可能会花费几分钟或者"},
        {"Update_Prompt3", P::Caption, "更长时间，在这期间，请不要关", "更长时间，在这期间，请不要关"},
        {"Update_Prompt4", P::Caption, "闭Kestova或者断开网络连接。", "闭Kestova或者断开网络连接。"},
    };
    return texts;
}

QString designedText(const QString &control, TextProperty property)
{
    for (const ActivationText &t : activationTexts()) {
        if (t.control == control && t.property == property)
            return t.designed;
    }
    return {};
}

} // namespace kestova
