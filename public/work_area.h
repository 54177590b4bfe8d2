#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// A rectangle of screen pixels as the desktop's regions hold it: Right and Bottom lie just outside
// (the width is Right - Left). Empty when it holds no pixel.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect& other) const
    {
        return Left == other.Left && Top == other.Top && Right == other.Right &&
               Bottom == other.Bottom;
    }
};

// The region of a window's rectangle, from its geometry in screen pixels.
TRect WindowRectRegion(const QRect& geometry);

// The bounding box of the region `from` less the region `cut`; {0, 0, 0, 0} when nothing is left.
TRect regionDifferenceBox(const TRect& from, const TRect& cut);

// The taskbar as the platform shows it: the strip of the screen that the available geometry
// leaves out along one edge. None when the two agree, or differ along more than one edge.
std::optional<TRect> taskbarStrip(const TRect& screen, const TRect& available);

// The work area: the screen less the taskbar's strip, as one rectangle. Panels on more than one
// edge leave the available geometry itself: a bounding box of them all would cover the screen.
TRect workAreaOf(const TRect& screen, const TRect& available);

// Where a window of the given outer size stands centred on the desktop.
QPoint desktopCentred(const TRect& desktop, const QSize& outerSize);

// The outer frame that FitToWorkArea gives a window whose frame does not fit into the work area:
// left 5, top 5, the work area's width less 5 and height less 15. None when it fits.
std::optional<QRect> fittedFrame(const TRect& workArea, const QSize& frameSize);

// How a form's design states its size: as the frame's outer size (the main window) or as its
// client area (the table dialogs).
struct DesignSize {
    QSize size;
    bool outer = false;

    // The frame's size with these margins around the client area.
    QSize frameSize(const QMargins& margins) const;
};

// Where a form's frame stands and how large its client area is.
struct FormPlacement {
    QPoint framePos;
    QSize clientSize;
};

// The form at its design size within a frame of the given margins (none before the window
// manager has framed it): centred on the desktop, or, when fitted and its frame does not fit
// into the work area, in the frame that fittedFrame gives.
FormPlacement placeForm(const TRect& desktop, const TRect& workArea, const DesignSize& design,
                        const QMargins& margins, bool fitToWorkArea);
