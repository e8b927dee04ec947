#include "DravoButton.h"

#include "AccessKey.h"
#include "ButtonFace.h"
#include "ComponentServer.h"
#include "MessagePresenter.h"
#include "OleColor.h"
#include "PropertyBag.h"
#include "SubClass.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaClassInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

#include <limits>

using namespace quorvel;

namespace {

// Saved ForeColor is compared with the system button-text colour, not with
// the ambient colour a new instance starts from.
constexpr OleColor kStoredForeColorDefault = kSysButtonText;

bool fitsIn16Bits(int value)
{
    return value >= -32768 && value <= 32767;
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int buttonBits(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
            | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftBits(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
            | (modifiers & Qt::AltModifier ? 4 : 0);
}

float wholePixel(qreal v)
{
    return float(PaintEffects::roundHalfEven(v));
}

std::optional<Qt::CursorShape> cursorShapeOf(int pointer)
{
    switch (pointer) {
    case 1: return Qt::ArrowCursor;
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 4: return Qt::ArrowCursor;
    case 5: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    case 15: return Qt::SizeAllCursor;
    default: return std::nullopt;
    }
}

AmbientProperties ambientFrom(const QWidget *parent)
{
    AmbientProperties ambient;
    ambient.Font = parent ? parent->font() : QApplication::font();
    return ambient;
}

// Conversions of stored values to the properties' types.
std::optional<OleColor> toColor(const QVariant &v)
{
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok || n < -2147483648LL || n > 4294967295LL)
        return std::nullopt;
    return OleColor(quint32(n));
}

std::optional<int> toInt(const QVariant &v)
{
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(n);
}

std::optional<bool> toBool(const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<bool>())
        return v.toBool();
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1") || text == QLatin1String("-1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<Picture> toPicture(const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<Picture>())
        return v.value<Picture>();
    if (v.metaType() == QMetaType::fromType<QString>()) {
        Picture picture;
        if (Picture::fromStorageString(v.toString(), &picture))
            return picture;
    }
    return std::nullopt;
}

std::optional<QFont> toFont(const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<QFont>())
        return v.value<QFont>();
    QFont font;
    if (v.metaType() == QMetaType::fromType<QString>() && font.fromString(v.toString()))
        return font;
    return std::nullopt;
}

} // namespace

DravoButton::DravoButton(QWidget *parent) : DravoButton(ambientFrom(parent), parent) {}

DravoButton::DravoButton(const AmbientProperties &ambient, QWidget *parent)
    : QWidget(parent), mAmbient(ambient), mSubClass(std::make_unique<clsSubClass>())
{
    server::objectCreated();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(mSubClass.get(), &clsSubClass::NewMessage, this, &DravoButton::mSubClass_NewMessage,
            Qt::DirectConnection);
    mSubClass->SubClassHwnd(this, true);
    InitProperties();
}

DravoButton::~DravoButton()
{
    // The press timer stops and the window hook comes off with their members.
    server::objectDestroyed();
}

// ---- properties ------------------------------------------------------------

void DravoButton::changed(const char *name)
{
    Q_EMIT propertyChanged(QString::fromLatin1(name));
}

void DravoButton::repaintFace()
{
    update();
}

void DravoButton::setAppearance(AppearenceStyleConsts value)
{
    put(mAppearance, value, "Appearance", Repaint::Now);
}

ControlError DravoButton::setPicture(const quorvel::Picture &value)
{
    if (!value.isEmpty() && value.type() != quorvel::Picture::Icon) {
        const QString text = QStringLiteral("无效属性值，图象必须是ICON！");
        if (mPresenter)
            mPresenter->showInformation(this, text);
        else
            MessageBoxPresenter().showInformation(this, text);
        return ControlError::InvalidPicture;
    }
    put(mPicture, value, "Picture", Repaint::Now);
    return ControlError::None;
}

void DravoButton::setCaption(const QString &value)
{
    mCaption = value;
    deriveAccessKey();
    repaintFace();
    changed("Caption");
}

void DravoButton::setBorderColor(uint value)
{
    put(mBorderColor, value, "BorderColor", Repaint::Later);
}

ControlError DravoButton::setHoverFillStyle(int value)
{
    if (!fitsIn16Bits(value))
        return ControlError::Overflow;
    put(mHoverFillStyle, value, "HoverFillStyle", Repaint::Later);
    return ControlError::None;
}

void DravoButton::setHoverColor(uint value)
{
    put(mHoverColor, value, "HoverColor", Repaint::Later);
}

void DravoButton::setMouseDownColor(uint value)
{
    put(mMouseDownColor, value, "MouseDownColor", Repaint::Later);
}

void DravoButton::setEdgeColor(uint value)
{
    put(mEdgeColor, value, "EdgeColor", Repaint::Now);
}

void DravoButton::setShadowOffSet(int value)
{
    put(mShadowOffSet, value, "ShadowOffSet", Repaint::Later);
}

void DravoButton::setShadowColor(uint value)
{
    put(mShadowColor, value, "ShadowColor", Repaint::Later);
}

void DravoButton::setBackColor(uint value)
{
    put(mBackColor, value, "BackColor", Repaint::Now);
}

void DravoButton::setForeColor(uint value)
{
    put(mForeColor, value, "ForeColor", Repaint::Now);
}

void DravoButton::setFont(const QFont &value)
{
    mFont = value;
    QWidget::setFont(mFont);
    repaintFace();
    changed("Font");
}

void DravoButton::setShowFocus(bool value)
{
    put(mShowFocus, value, "ShowFocus", Repaint::Later);
}

void DravoButton::setEnabled(bool value)
{
    QWidget::setEnabled(value);
    repaintFace();
    changed("Enabled");
}

void DravoButton::setAlignment(AlignmentConsts value)
{
    put(mAlignment, value, "Alignment", Repaint::Later);
}

void DravoButton::setMouseIcon(const quorvel::Picture &value)
{
    if (mMousePointer != kCustomPointer)
        return;
    mMouseIcon = value;
    applyMousePointer();
    changed("MouseIcon");
}

ControlError DravoButton::setMousePointer(int value)
{
    if (!fitsIn16Bits(value))
        return ControlError::Overflow;
    mMousePointer = value;
    applyMousePointer();
    changed("MousePointer");
    return ControlError::None;
}

void DravoButton::setTag(const QString &value)
{
    mTag = value;
}

void DravoButton::applyMousePointer()
{
    if (mMousePointer == kCustomPointer) {
        if (mMouseIcon.hasHandle())
            setCursor(QCursor(mMouseIcon.pixmap()));
        else
            unsetCursor();
        return;
    }
    if (const auto shape = cursorShapeOf(mMousePointer))
        setCursor(*shape);
    else
        unsetCursor();
}

void DravoButton::deriveAccessKey()
{
    const auto key = accessKeyFromCaption(mCaption);
    if (!key || *key == mAccessKey)
        return;
    if (mShortcutId != 0) {
        releaseShortcut(mShortcutId);
        mShortcutId = 0;
    }
    mAccessKey = *key;
    if (!mAccessKey.isEmpty()) {
        const QKeySequence sequence = QKeySequence::mnemonic(QLatin1Char('&') + mAccessKey);
        if (!sequence.isEmpty())
            mShortcutId = grabShortcut(sequence);
    }
}

QString DravoButton::propertyDescription(const char *propertyName)
{
    const QMetaObject &meta = staticMetaObject;
    const int index = meta.indexOfClassInfo(QByteArray("Description:").append(propertyName).constData());
    return index < 0 ? QString() : QString::fromUtf8(meta.classInfo(index).value());
}

QSize DravoButton::sizeHint() const
{
    return {75, 25};
}

// ---- host side -------------------------------------------------------------

void DravoButton::setAmbientProperties(const AmbientProperties &ambient)
{
    mAmbient = ambient;
    repaintFace();
}

void DravoButton::setMessagePresenter(std::shared_ptr<MessagePresenter> presenter)
{
    mPresenter = std::move(presenter);
}

void DravoButton::InitProperties()
{
    mAppearance = kDefaultAppearance;
    mPicture = {};
    mCaption.clear();
    mBorderColor = kDefaultBorderColor;
    mHoverFillStyle = hsAlverage;
    mHoverColor = kDefaultHoverColor;
    mMouseDownColor = kDefaultMouseDownColor;
    mEdgeColor = kDefaultEdgeColor;
    mShadowOffSet = kDefaultShadowOffSet;
    mShadowColor = kDefaultShadowColor;
    mBackColor = mAmbient.BackColor;
    mForeColor = mAmbient.ForeColor;
    mFont = mAmbient.Font;
    QWidget::setFont(mFont);
    mShowFocus = false;
    QWidget::setEnabled(true);
    mAlignment = alnLeftTop;
    mMouseIcon = {};
    mMousePointer = 0;
    applyMousePointer();
    repaintFace();
}

ControlError DravoButton::ReadProperties(const PropertyBag &bag)
{
    // Reads one value and converts it; any failure ends the load.
    ControlError error = ControlError::None;
    auto read = [&](const char *name, const QVariant &def, auto convert) {
        using Result = decltype(convert(QVariant()));
        if (error != ControlError::None)
            return Result();
        const auto stored = bag.ReadProperty(QString::fromLatin1(name), def);
        if (!stored) {
            error = ControlError::StoreFailed;
            return Result();
        }
        Result value = convert(*stored);
        if (!value)
            error = ControlError::InvalidValue;
        return value;
    };
    auto read16 = [&](const char *name, int def) -> std::optional<int> {
        const auto v = read(name, def, toInt);
        if (v && !fitsIn16Bits(*v)) {
            error = ControlError::Overflow;
            return std::nullopt;
        }
        return v;
    };

    if (const auto v = read("Picture", QVariant::fromValue(quorvel::Picture()), toPicture))
        mPicture = *v;
    if (const auto v = read("Font", QVariant::fromValue(mAmbient.Font), toFont)) {
        mFont = *v;
        QWidget::setFont(mFont);
    }
    if (const auto v = read("Caption", QString(), [](const QVariant &x) { return std::optional(x.toString()); }))
        mCaption = *v;
    if (const auto v = read("BackColor", mAmbient.BackColor, toColor))
        mBackColor = *v;
    if (const auto v = read("Enabled", true, toBool))
        QWidget::setEnabled(*v);
    if (const auto v = read("ForeColor", kStoredForeColorDefault, toColor))
        mForeColor = *v;
    if (const auto v = read16("MousePointer", 0))
        mMousePointer = *v;
    const auto icon = read("MouseIcon", QVariant::fromValue(quorvel::Picture()), toPicture);
    if (icon && mMousePointer == kCustomPointer)
        mMouseIcon = *icon;
    if (error == ControlError::None)
        applyMousePointer();
    if (const auto v = read("Appearance", kDefaultAppearance, toInt))
        mAppearance = *v;
    if (const auto v = read("ShowFocus", false, toBool))
        mShowFocus = *v;
    if (const auto v = read("HoverColor", kDefaultHoverColor, toColor))
        mHoverColor = *v;
    if (const auto v = read("MouseDownColor", kDefaultMouseDownColor, toColor))
        mMouseDownColor = *v;
    if (const auto v = read("EdgeColor", kDefaultEdgeColor, toColor))
        mEdgeColor = *v;
    if (const auto v = read("ShadowOffSet", kDefaultShadowOffSet, toInt))
        mShadowOffSet = *v;
    if (const auto v = read("ShadowColor", kDefaultShadowColor, toColor))
        mShadowColor = *v;
    if (const auto v = read("BorderColor", kDefaultBorderColor, toColor))
        mBorderColor = *v;
    if (error == ControlError::None)
        deriveAccessKey();
    if (const auto v = read("Alignment", int(alnLeftTop), toInt))
        mAlignment = *v;
    if (const auto v = read16("HoverFillStyle", hsAlverage))
        mHoverFillStyle = *v;
    repaintFace();
    return error;
}

ControlError DravoButton::WriteProperties(PropertyBag &bag) const
{
    const struct
    {
        const char *name;
        QVariant value;
        QVariant defaultValue;
    } entries[] = {
        {"Font", QVariant::fromValue(mFont), QVariant::fromValue(mAmbient.Font)},
        {"Picture", QVariant::fromValue(mPicture), QVariant::fromValue(quorvel::Picture())},
        {"Caption", mCaption, QString()},
        {"BackColor", mBackColor, mAmbient.BackColor},
        {"Enabled", isEnabled(), true},
        {"ForeColor", mForeColor, kStoredForeColorDefault},
        {"MouseIcon", QVariant::fromValue(mMouseIcon), QVariant::fromValue(quorvel::Picture())},
        {"MousePointer", mMousePointer, 0},
        {"Appearance", mAppearance, kDefaultAppearance},
        {"ShowFocus", mShowFocus, false},
        {"HoverColor", mHoverColor, kDefaultHoverColor},
        {"MouseDownColor", mMouseDownColor, kDefaultMouseDownColor},
        {"EdgeColor", mEdgeColor, kDefaultEdgeColor},
        {"ShadowOffSet", mShadowOffSet, kDefaultShadowOffSet},
        {"ShadowColor", mShadowColor, kDefaultShadowColor},
        {"BorderColor", mBorderColor, kDefaultBorderColor},
        {"Alignment", mAlignment, int(alnLeftTop)},
        {"HoverFillStyle", mHoverFillStyle, int(hsAlverage)},
    };
    for (const auto &e : entries)
        if (!bag.WriteProperty(QString::fromLatin1(e.name), e.value, e.defaultValue))
            return ControlError::StoreFailed;
    return ControlError::None;
}

// ---- painting --------------------------------------------------------------

FaceState DravoButton::faceState() const
{
    FaceState s;
    s.Appearance = mAppearance;
    s.Alignment = mAlignment;
    s.HoverFillStyle = mHoverFillStyle;
    s.BorderColor = mBorderColor;
    s.ShadowColor = mShadowColor;
    s.EdgeColor = mEdgeColor;
    s.HoverColor = mHoverColor;
    s.MouseDownColor = mMouseDownColor;
    s.BackColor = mBackColor;
    s.ShadowOffSet = mShadowOffSet;
    s.Caption = mCaption;
    s.ShowFocus = mShowFocus;
    s.picture = mPicture;
    s.mRect = {0, 0, width(), height()};
    s.mHover = mHover;
    s.mButton = mButton;
    s.mHasFocus = mHasFocus;
    s.enabled = isEnabled();
    s.userMode = userMode();
    return s;
}

void DravoButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawingSurface surface{painter, palette(), mForeColor, QWidget::font()};
    // A face that fails half-way stays as drawn; there is nobody to tell.
    ButtonFace::Repaint(surface, faceState());
}

// ---- pointer, keys, focus --------------------------------------------------

void DravoButton::pointerMoved(int button, int shift, float x, float y)
{
    if (mButton == 0 && userMode() && !mHover) {
        const QPointer<DravoButton> self(this);
        Q_EMIT MouseEnter();
        if (!self)
            return;
        mSubClass->TrackMouseLeave(this);
        mHover = true;
        repaintFace();
    }
    Q_EMIT MouseMove(button, shift, x, y);
}

void DravoButton::buttonPressed(int button, int shift, float x, float y)
{
    mButton = button;
    if (button == 1 && !mRepeat)
        repaintFace();
    const QPointer<DravoButton> self(this);
    Q_EMIT MouseDown(button, shift, x, y);
    if (self)
        mPressTimer.start(kPressIntervalMs, this);
}

void DravoButton::buttonReleased(int button, int shift, float x, float y)
{
    mButton = 0;
    if (!mHover)
        return;
    mPressTimer.stop();
    mHover = false;
    repaintFace();
    mRepeat = false;
    const QPointer<DravoButton> self(this);
    Q_EMIT MouseUp(button, shift, x, y);
    if (self && button == 1)
        Q_EMIT Click();
}

// The window system reports a pointer move when a press's implicit capture
// ends: a button released with the pointer still over it lights up again at
// once, and the second click of a double click finds it under the pointer.
void DravoButton::captureReleased()
{
    if (QGuiApplication::mouseButtons() != Qt::NoButton || !isVisible() || !isEnabled())
        return;
    const QPoint global = QCursor::pos();
    if (QApplication::widgetAt(global) != this)
        return;
    const QPointF local = mapFromGlobal(QPointF(global));
    QMouseEvent move(QEvent::MouseMove, local, QPointF(global), Qt::NoButton, Qt::NoButton,
                     QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(this, &move);
}

void DravoButton::mousePressEvent(QMouseEvent *event)
{
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    buttonPressed(button, shiftBits(event->modifiers()), wholePixel(event->position().x()),
                  wholePixel(event->position().y()));
}

void DravoButton::mouseReleaseEvent(QMouseEvent *event)
{
    const int button = buttonCode(event->button());
    if (button == 0)
        return;
    const QPointer<DravoButton> self(this);
    buttonReleased(button, shiftBits(event->modifiers()), wholePixel(event->position().x()),
                   wholePixel(event->position().y()));
    if (self && event->buttons() == Qt::NoButton)
        captureReleased();
}

void DravoButton::mouseMoveEvent(QMouseEvent *event)
{
    pointerMoved(buttonBits(event->buttons()), shiftBits(event->modifiers()),
                 wholePixel(event->position().x()), wholePixel(event->position().y()));
}

void DravoButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The hook hands double clicks on as second presses; one that still
    // arrives here is not a press of this control.
    event->accept();
}

void DravoButton::keyPressEvent(QKeyEvent *event)
{
    const QPointer<DravoButton> self(this);
    Q_EMIT KeyDown(event->key(), shiftBits(event->modifiers()));
    if (self && !event->text().isEmpty())
        Q_EMIT KeyPress(int(event->text().at(0).unicode()));
    event->accept();
}

void DravoButton::keyReleaseEvent(QKeyEvent *event)
{
    Q_EMIT KeyUp(event->key(), shiftBits(event->modifiers()));
    event->accept();
}

void DravoButton::focusInEvent(QFocusEvent *event)
{
    if (!mHover && mShowFocus && mAppearance == btXPplus) {
        mHasFocus = true;
        repaintFace();
    }
    QWidget::focusInEvent(event);
}

void DravoButton::focusOutEvent(QFocusEvent *event)
{
    if (!mHover && mShowFocus && mAppearance == btXPplus) {
        mHasFocus = false;
        repaintFace();
    }
    QWidget::focusOutEvent(event);
}

bool DravoButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto *se = static_cast<QShortcutEvent *>(event);
        if (mShortcutId != 0 && se->shortcutId() == mShortcutId) {
            Q_EMIT Click();
            return true;
        }
    }
    return QWidget::event(event);
}

// Message-level handling: the press timer, leave notifications and double
// clicks, which the widget's event handlers don't see in this form.
void DravoButton::mSubClass_NewMessage(QWidget *hWnd, WindowMessage &message, bool &Cancel)
{
    Q_UNUSED(Cancel);
    if (hWnd != this)
        return;
    switch (message.uMsg) {
    case Msg::Timer: {
        if (!mPressTimer.isActive() || message.wParam != quintptr(mPressTimer.timerId()))
            return;
        if (QApplication::widgetAt(QCursor::pos()) == this) {
            switch (mButton) {
            case 1: message.uMsg = Msg::LButtonDown; break;
            case 4: message.uMsg = Msg::MButtonDown; break;
            case 2: message.uMsg = Msg::RButtonDown; break;
            default: break;
            }
            mRepeat = true;
            if (message.uMsg != Msg::Timer) {
                // A press at (0, 0) without Shift or Ctrl.
                message.wParam = 1;
                message.lParam = 0;
            }
            return;
        }
        mPressTimer.stop();
        mHover = false;
        repaintFace();
        const QPointer<DravoButton> self(this);
        Q_EMIT MouseLeave();
        if (!self)
            return;
        mLeaveSeen = true;
        mRepeat = false;
        return;
    }
    case Msg::LButtonDblClk: message.uMsg = Msg::LButtonDown; return;
    case Msg::RButtonDblClk: message.uMsg = Msg::RButtonDown; return;
    case Msg::MButtonDblClk: message.uMsg = Msg::MButtonDown; return;
    case Msg::MouseLeave:
        if (mLeaveSeen) {
            mLeaveSeen = false;
            return;
        }
        mHover = false;
        repaintFace();
        mRepeat = false;
        Q_EMIT MouseLeave();
        return;
    default:
        return;
    }
}
