#pragma once

#include "public/work_area.h"

class QWidget;

// The work area of the desktop: the screen less the taskbar, as the platform reports them.
void GetWorkArea(TRect& rect);

// Gives a form its design size and placement, centred on the desktop. The frame's margins are
// known only once the window manager has framed the shown window: then the size and the
// placement are made again with them, once, so that an outer design size is the frame's.
void setDesignSize(QWidget* form, const DesignSize& design);

// A form whose frame does not fit into the work area is given the outer size of the work area
// less 5 by 15 pixels and placed at left 5, top 5 of the screen; a form that fits keeps its size
// and placement. Decided again with the frame's margins once the window manager has framed it.
void FitToWorkArea(QWidget* form);
