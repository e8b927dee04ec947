#pragma once

// The texts of the main window's design, and the ones its activation sets on
// a Taiwan-locale system (after the Big5 conversion). Four command images
// carry a different, shorter text there.

#include <QString>

#include <vector>

namespace kestova {

enum class TextProperty { Caption, ToolTip };

struct ActivationText
{
    QString control; // the control's name; "TVscreen" for the window itself
    TextProperty property;
    QString designed;
    QString activation;
};

const std::vector<ActivationText> &activationTexts();

// The designed text of a control's property, empty when it has none here.
QString designedText(const QString &control, TextProperty property);

} // namespace kestova
