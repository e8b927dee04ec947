// DravoButton: the Quorvel library's custom-drawn push button.
//
// Four face styles (bt3D, btXP, btXPplus, btLabel), hover and pressed fills
// with gradients, an icon with a shadow, a caption with an access key, and
// properties a host keeps in a PropertyBag.
//
// Events are signals, in the order the control raises them:
//   Click()                                  left button released over the button, or the access key
//   MouseEnter() / MouseLeave()              the pointer came over / left the button
//   MouseDown/MouseMove/MouseUp(Button, Shift, X, Y)
//       Button: 1 left, 2 right, 4 middle (MouseMove: the held buttons' bits);
//       Shift: 1 Shift, 2 Ctrl, 4 Alt; X, Y: pixels in the button, whole
//       numbers (rounded to nearest, halves to even).
//       While a button is held over the control MouseDown repeats every
//       200 ms with X = Y = 0.
//   KeyPress(KeyAscii)                       the character's code
//   KeyDown/KeyUp(KeyCode, Shift)            the Qt::Key value and the Shift bits
// No key clicks the button except its access key (Alt + the marked letter).
//
// Every successful property put emits propertyChanged(name) so the host knows
// to save the control again. Puts that can fail return quorvel::ControlError.
#pragma once

#include "ButtonEnums.h"
#include "Picture.h"
#include "QuorvelExport.h"

#include <QBasicTimer>
#include <QFont>
#include <QString>
#include <QWidget>

#include <memory>

namespace quorvel {
class clsSubClass;
class MessagePresenter;
class PropertyBag;
struct FaceState;
struct WindowMessage;

// What the hosting window tells its controls.
struct AmbientProperties
{
    OleColor BackColor = kSysButtonFace;
    OleColor ForeColor = kSysButtonText;
    QFont Font;
    bool UserMode = true; // false while a form designer shows the control
};
} // namespace quorvel

class QUORVEL_EXPORT DravoButton : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ProgID", "DravoButton多风格按钮控件.DravoButton")
    Q_CLASSINFO("TypeLibrary", "DravoButton多风格按钮控件")
    Q_CLASSINFO("TypeLibraryVersion", "8.0")
    Q_CLASSINFO("Description:Appearance", "Appearance返回/设置按钮风格")
    Q_CLASSINFO("Description:Picture", "Picture返回/显示按钮显示的图片")
    Q_CLASSINFO("Description:Caption", "'Caption返回/显示按钮文本")
    Q_CLASSINFO("Description:BorderColor", "'BorderColor返回/显示鼠标移出到按钮时的边框颜色（按钮风格需设置为XPplus）\r\n")
    Q_CLASSINFO("Description:HoverFillStyle", "HoverFillStyle返回/设置鼠标在按钮上时的填充类型")
    Q_CLASSINFO("Description:HoverColor", "HoverColor返回/显示鼠标移动到按钮上的填充颜色（按钮风格需设置为XP）")
    Q_CLASSINFO("Description:MouseDownColor", "MouseDownColor返回/设置鼠标键按下时的填充颜色（按钮风格需设置为XP）")
    Q_CLASSINFO("Description:EdgeColor", "EdgeColor返回/显示鼠标移动到按钮上的边框颜色（按钮风格需设置为XP）")
    Q_CLASSINFO("Description:ShadowOffSet", "ShadowOffSet返回/设置图标和阴影的位移量（单位是PIXEL，按钮风格需设置为XP）")
    Q_CLASSINFO("Description:ShadowColor", "ShadowColor返回/设置阴影颜色（按钮风格需设置为XP）")
    Q_CLASSINFO("Description:ForeColor", "ForeColor返回/设置按钮的前景颜色")
    Q_CLASSINFO("Description:ShowFocus", "'ShowFocus返回/设置按钮是否在获得焦点时显示焦点（风格须设置为XPplus)\r\n")
    Q_CLASSINFO("Description:MouseIcon", "MouseIcon返回/设置按钮的自定义鼠标")
    Q_CLASSINFO("Description:MousePointer", "MousePointer返回/设置按钮的系统鼠标")

    // In the order of the control's dispatch interface.
    Q_PROPERTY(quorvel::AppearenceStyleConsts Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(quorvel::Picture Picture READ Picture WRITE setPicture DESIGNABLE false)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int HoverFillStyle READ HoverFillStyle WRITE setHoverFillStyle)
    Q_PROPERTY(uint HoverColor READ HoverColor WRITE setHoverColor)
    Q_PROPERTY(uint MouseDownColor READ MouseDownColor WRITE setMouseDownColor)
    Q_PROPERTY(uint EdgeColor READ EdgeColor WRITE setEdgeColor)
    Q_PROPERTY(int ShadowOffSet READ ShadowOffSet WRITE setShadowOffSet)
    Q_PROPERTY(uint ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(quorvel::AlignmentConsts Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(quorvel::Picture MouseIcon READ MouseIcon WRITE setMouseIcon DESIGNABLE false)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    // Given by the container: the player keeps a channel's sources here.
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)

public:
    // The MousePointer value that shows MouseIcon.
    static constexpr int kCustomPointer = 99;
    // The press timer repeats MouseDown at this interval.
    static constexpr int kPressIntervalMs = 200;

    explicit DravoButton(QWidget *parent = nullptr);
    DravoButton(const quorvel::AmbientProperties &ambient, QWidget *parent = nullptr);
    ~DravoButton() override;

    quorvel::AppearenceStyleConsts Appearance() const { return quorvel::AppearenceStyleConsts(mAppearance); }
    void setAppearance(quorvel::AppearenceStyleConsts value);
    // The icon, or the empty picture (never "none").
    quorvel::Picture Picture() const { return mPicture; }
    // Only the empty picture or an icon: anything else shows a message, keeps
    // the old picture and returns InvalidPicture.
    quorvel::ControlError setPicture(const quorvel::Picture &value);
    QString Caption() const { return mCaption; }
    void setCaption(const QString &value);
    uint BorderColor() const { return mBorderColor; }
    void setBorderColor(uint value);
    int HoverFillStyle() const { return mHoverFillStyle; }
    // Overflow outside -32768..32767, nothing stored.
    quorvel::ControlError setHoverFillStyle(int value);
    uint HoverColor() const { return mHoverColor; }
    void setHoverColor(uint value);
    uint MouseDownColor() const { return mMouseDownColor; }
    void setMouseDownColor(uint value);
    uint EdgeColor() const { return mEdgeColor; }
    void setEdgeColor(uint value);
    int ShadowOffSet() const { return mShadowOffSet; }
    void setShadowOffSet(int value);
    uint ShadowColor() const { return mShadowColor; }
    void setShadowColor(uint value);
    uint BackColor() const { return mBackColor; }
    void setBackColor(uint value);
    uint ForeColor() const { return mForeColor; }
    void setForeColor(uint value);
    QFont Font() const { return mFont; }
    // The caption's font from now on.
    void setFont(const QFont &value);
    bool ShowFocus() const { return mShowFocus; }
    void setShowFocus(bool value);
    bool Enabled() const { return isEnabled(); }
    void setEnabled(bool value);
    quorvel::AlignmentConsts Alignment() const { return quorvel::AlignmentConsts(mAlignment); }
    void setAlignment(quorvel::AlignmentConsts value);
    quorvel::Picture MouseIcon() const { return mMouseIcon; }
    // Takes effect only while MousePointer is 99; otherwise ignored.
    void setMouseIcon(const quorvel::Picture &value);
    int MousePointer() const { return mMousePointer; }
    // 0 default, 1 arrow, 2 cross, 3 I-beam, 5/15 size all, 6 NE-SW, 7 N-S,
    // 8 NW-SE, 9 W-E, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and
    // hourglass, 14 arrow and question mark, 99 custom (MouseIcon).
    // Overflow outside -32768..32767, nothing stored.
    quorvel::ControlError setMousePointer(int value);
    QString Tag() const { return mTag; }
    void setTag(const QString &value);

    // Host side.
    quorvel::AmbientProperties ambientProperties() const { return mAmbient; }
    void setAmbientProperties(const quorvel::AmbientProperties &ambient);
    // New instance: every property to its first value, colours and font from
    // the ambient properties.
    void InitProperties();
    // Load and save through the host's property bag.
    quorvel::ControlError ReadProperties(const quorvel::PropertyBag &bag);
    quorvel::ControlError WriteProperties(quorvel::PropertyBag &bag) const;
    // Who shows the invalid-picture message (null: a modal information box).
    void setMessagePresenter(std::shared_ptr<quorvel::MessagePresenter> presenter);

    // The access key taken from the caption (lower case, empty for none).
    QString accessKey() const { return mAccessKey; }

    // Pointer and focus state, for hosts that draw around the button and for tests.
    bool hoverState() const { return mHover; }
    int pressedButton() const { return mButton; }
    bool repeating() const { return mRepeat; }
    bool focusShown() const { return mHasFocus; }
    bool leaveSeen() const { return mLeaveSeen; }

    QSize sizeHint() const override;

    // The description string of a property, as a property browser shows it.
    static QString propertyDescription(const char *propertyName);

Q_SIGNALS:
    void Click();
    void MouseEnter();
    void MouseLeave();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void KeyDown(int KeyCode, int Shift);
    // A property changed through its put: the host should save the control again.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void mSubClass_NewMessage(QWidget *hWnd, quorvel::WindowMessage &message, bool &Cancel);
    void pointerMoved(int button, int shift, float x, float y);
    void buttonPressed(int button, int shift, float x, float y);
    void buttonReleased(int button, int shift, float x, float y);
    void captureReleased();
    void deriveAccessKey();
    void applyMousePointer();
    void repaintFace();
    void changed(const char *name);
    // A plain put: the value, a repaint where the face shows it at once (the
    // hover-style values show at the next hover), the change notification.
    enum class Repaint { Now, Later };
    template <typename T, typename V>
    void put(T &member, const V &value, const char *name, Repaint repaint)
    {
        member = value;
        if (repaint == Repaint::Now)
            repaintFace();
        changed(name);
    }
    quorvel::FaceState faceState() const;
    bool userMode() const { return mAmbient.UserMode; }

    // Properties.
    int mAppearance = 0;
    int mAlignment = 0;
    int mHoverFillStyle = 0;
    quorvel::OleColor mBorderColor = 0;
    quorvel::OleColor mShadowColor = 0;
    quorvel::OleColor mEdgeColor = 0;
    quorvel::OleColor mHoverColor = 0;
    quorvel::OleColor mMouseDownColor = 0;
    quorvel::OleColor mBackColor = 0;
    quorvel::OleColor mForeColor = 0;
    int mShadowOffSet = 0;
    QString mCaption;
    bool mShowFocus = false;
    quorvel::Picture mPicture;
    QFont mFont;
    quorvel::Picture mMouseIcon;
    int mMousePointer = 0;
    QString mTag;

    // Pointer, press and focus state.
    bool mHover = false;
    int mButton = 0; // 0 none, 1 left, 2 right, 4 middle
    bool mRepeat = false;
    bool mHasFocus = false;
    bool mLeaveSeen = false;

    QString mAccessKey;
    int mShortcutId = 0;
    QBasicTimer mPressTimer;
    quorvel::AmbientProperties mAmbient;
    std::unique_ptr<quorvel::clsSubClass> mSubClass;
    std::shared_ptr<quorvel::MessagePresenter> mPresenter;
};
