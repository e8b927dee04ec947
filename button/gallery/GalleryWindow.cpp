#include "GalleryWindow.h"

#include "ButtonFace.h"
#include "DravoButton.h"
#include "OleColor.h"
#include "SampleIcon.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quorvel::gallery {

namespace {

constexpr QSize kFaceSize(150, 40);

struct Sample
{
    const char *title;
    int appearance;
    int fill;
    bool withIcon;
};

const Sample kSamples[] = {
    {"bt3D", bt3D, hsAlverage, true},
    {"btXP, hsAlverage", btXP, hsAlverage, true},
    {"btXP, hsLtlByLtl", btXP, hsLtlByLtl, true},
    {"btXP, hsColumn", btXP, hsColumn, true},
    {"btXP, sine rows (3)", btXP, 3, true},
    {"btXP, sine columns (4)", btXP, 4, true},
    {"btXPplus", btXPplus, hsAlverage, true},
    {"btLabel, alnCenterMiddle", btLabel, hsAlverage, false},
};

enum class Look { Away, Hover, Pressed, Disabled };

void configure(DravoButton *button, const Sample &sample)
{
    button->setAppearance(AppearenceStyleConsts(sample.appearance));
    button->setHoverFillStyle(sample.fill);
    button->setCaption(QStringLiteral("&Open 打开"));
    if (sample.withIcon)
        button->setPicture(sampleIcon());
    button->setAlignment(alnCenterMiddle);
    button->setFixedSize(kFaceSize);
}

// The face of a button as it looks in one pointer state, drawn by the
// button's own painting routines.
QPixmap faceOf(const DravoButton &button, Look look)
{
    FaceState s;
    s.Appearance = button.Appearance();
    s.Alignment = button.Alignment();
    s.HoverFillStyle = button.HoverFillStyle();
    s.BorderColor = button.BorderColor();
    s.ShadowColor = button.ShadowColor();
    s.EdgeColor = button.EdgeColor();
    s.HoverColor = button.HoverColor();
    s.MouseDownColor = button.MouseDownColor();
    s.BackColor = button.BackColor();
    s.ShadowOffSet = button.ShadowOffSet();
    s.Caption = button.Caption();
    s.picture = button.Picture();
    s.mRect = {0, 0, kFaceSize.width(), kFaceSize.height()};
    s.mHover = look == Look::Hover || look == Look::Pressed;
    s.mButton = look == Look::Pressed ? 1 : 0;
    s.enabled = look != Look::Disabled;

    QPixmap pixmap(kFaceSize);
    QPainter painter(&pixmap);
    DrawingSurface surface{painter, button.palette(), button.ForeColor(), button.font()};
    ButtonFace::Repaint(surface, s);
    return pixmap;
}

QLabel *header(const QString &text)
{
    auto *label = new QLabel(text);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

GalleryWindow::GalleryWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("DravoButton gallery"));
    auto *outer = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    outer->addLayout(grid);

    const QStringList columns{QStringLiteral("Style"), QStringLiteral("Live"), QStringLiteral("Away"),
                              QStringLiteral("Hover"), QStringLiteral("Pressed"), QStringLiteral("Disabled")};
    for (int c = 0; c < columns.size(); ++c)
        grid->addWidget(header(columns[c]), 0, c);

    mEventLine = new QLabel(QStringLiteral("Move over a live button, press it, or use Alt+O."));
    int row = 1;
    for (const Sample &sample : kSamples) {
        grid->addWidget(new QLabel(QString::fromLatin1(sample.title)), row, 0);
        auto *live = new DravoButton(this);
        configure(live, sample);
        grid->addWidget(live, row, 1);
        connect(live, &DravoButton::Click, this, [this, title = QString::fromLatin1(sample.title)] {
            mEventLine->setText(QStringLiteral("Click: ") + title);
        });
        const Look looks[] = {Look::Away, Look::Hover, Look::Pressed, Look::Disabled};
        for (int i = 0; i < 4; ++i) {
            auto *preview = new QLabel;
            preview->setPixmap(faceOf(*live, looks[i]));
            grid->addWidget(preview, row, 2 + i);
        }
        ++row;
    }
    outer->addWidget(mEventLine);
}

} // namespace quorvel::gallery
