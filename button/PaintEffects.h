// The drawing routines the button face is made of. Each works on a drawing
// surface (painter, palette, current text colour and font), takes colours
// as colour values and returns false when a colour cannot be translated;
// what was drawn before the failure stays.
#pragma once

#include "ButtonEnums.h"
#include "Picture.h"
#include "QuorvelExport.h"

#include <QFont>
#include <QPalette>
#include <QString>

#include <optional>

class QPainter;

namespace quorvel {

// Left, Top, Right, Bottom in pixels; Right and Bottom are exclusive.
struct PixelRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    friend bool operator==(const PixelRect &, const PixelRect &) = default;
};

// Everything a routine needs from the control's surface.
struct DrawingSurface
{
    QPainter &painter;
    QPalette palette;
    OleColor foreColor = kSysButtonText; // the surface's text colour
    QFont font;
};

namespace PaintEffects {

// DrawFrame kinds.
enum FrameKind : int { FrameSolid = 0, FrameRaised = 1, FrameSunken = 2, FrameFocus = 3 };

// Text-drawing flags the caption understands (plus single line, always on).
enum CaptionFlag : int {
    DtLeft = 0, DtCenter = 1, DtRight = 2,
    DtTop = 0, DtVCenter = 4, DtBottom = 8,
    DtSingleLine = 0x20,
};

// Round to nearest, halves to even (2.5 -> 2, 3.5 -> 4).
QUORVEL_EXPORT double roundHalfEven(double value);

// Colour of stripe i of a fill with the given style over n stripes (the
// inner rectangle's width for columns, height for rows), c1 and c2 already
// translated to RGB. Nothing for a style that draws no stripes.
QUORVEL_EXPORT std::optional<OleColor> stripeColor(int style, int i, int n, OleColor c1, OleColor c2);

// Style 0 fills flat; 1 and 4 run along the columns, 2 and 3 along the rows.
QUORVEL_EXPORT bool stripesAreColumns(int style);

QUORVEL_EXPORT bool DrawFrame(DrawingSurface &surface, const PixelRect &rect, int kind, OleColor colour);
QUORVEL_EXPORT bool FillFace(DrawingSurface &surface, const PixelRect &rect, int style, OleColor first,
                             OleColor second);
// colour 0 draws the picture itself; any other colour draws its silhouette
// (exactly its opaque pixels) in that colour.
QUORVEL_EXPORT bool DrawPicture(DrawingSurface &surface, int x, int y, const Picture &picture,
                                OleColor colour);
// One line of text; "&" underlines the next character, "&&" draws one "&".
// Colours of 0 mean: the surface's text colour, and a transparent background.
QUORVEL_EXPORT bool DrawCaption(DrawingSurface &surface, const PixelRect &rect, const QString &text,
                                int flags, OleColor textColour, OleColor backColour);

} // namespace PaintEffects
} // namespace quorvel
