#include "public/work_area.h"

#include <algorithm>

namespace
{

TRect intersection(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

int differingEdges(const TRect& a, const TRect& b)
{
    return (a.Left != b.Left) + (a.Top != b.Top) + (a.Right != b.Right) + (a.Bottom != b.Bottom);
}

} // namespace

TRect WindowRectRegion(const QRect& geometry)
{
    // Never QRect::right(): it is the last pixel, not the edge past it.
    return {geometry.x(), geometry.y(), geometry.x() + geometry.width(),
            geometry.y() + geometry.height()};
}

TRect regionDifferenceBox(const TRect& from, const TRect& cut)
{
    if (from.isEmpty())
        return {};
    const TRect common = intersection(from, cut);
    if (common.isEmpty())
        return from;
    // What is left: the bands above and below the cut, and beside it.
    const TRect pieces[] = {
        {from.Left, from.Top, from.Right, common.Top},
        {from.Left, common.Bottom, from.Right, from.Bottom},
        {from.Left, common.Top, common.Left, common.Bottom},
        {common.Right, common.Top, from.Right, common.Bottom},
    };
    std::optional<TRect> box;
    for (const TRect& piece : pieces) {
        if (piece.isEmpty())
            continue;
        if (!box) {
            box = piece;
            continue;
        }
        box = TRect{std::min(box->Left, piece.Left), std::min(box->Top, piece.Top),
                    std::max(box->Right, piece.Right), std::max(box->Bottom, piece.Bottom)};
    }
    return box.value_or(TRect{});
}

std::optional<TRect> taskbarStrip(const TRect& screen, const TRect& available)
{
    if (differingEdges(screen, available) != 1)
        return std::nullopt;
    if (available.Left != screen.Left)
        return TRect{screen.Left, screen.Top, available.Left, screen.Bottom};
    if (available.Top != screen.Top)
        return TRect{screen.Left, screen.Top, screen.Right, available.Top};
    if (available.Right != screen.Right)
        return TRect{available.Right, screen.Top, screen.Right, screen.Bottom};
    return TRect{screen.Left, available.Bottom, screen.Right, screen.Bottom};
}

TRect workAreaOf(const TRect& screen, const TRect& available)
{
    if (differingEdges(screen, available) > 1)
        return available;
    // No taskbar: nothing is subtracted.
    const std::optional<TRect> taskbar = taskbarStrip(screen, available);
    return taskbar ? regionDifferenceBox(screen, *taskbar) : screen;
}

QPoint desktopCentred(const TRect& desktop, const QSize& outerSize)
{
    return {desktop.Left + (desktop.width() - outerSize.width()) / 2,
            desktop.Top + (desktop.height() - outerSize.height()) / 2};
}

std::optional<QRect> fittedFrame(const TRect& workArea, const QSize& frameSize)
{
    const int w = workArea.width();
    const int h = workArea.height();
    if (h >= frameSize.height() && w >= frameSize.width())
        return std::nullopt;
    return QRect(5, 5, w - 5, h - 15);
}

QSize DesignSize::frameSize(const QMargins& margins) const
{
    return outer ? size : size.grownBy(margins);
}

FormPlacement placeForm(const TRect& desktop, const TRect& workArea, const DesignSize& design,
                        const QMargins& margins, bool fitToWorkArea)
{
    const QSize frame = design.frameSize(margins);
    if (const std::optional<QRect> fitted =
            fitToWorkArea ? fittedFrame(workArea, frame) : std::nullopt)
        return {fitted->topLeft(), fitted->size().shrunkBy(margins)};
    return {desktopCentred(desktop, frame), frame.shrunkBy(margins)};
}
