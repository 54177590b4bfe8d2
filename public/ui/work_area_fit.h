#pragma once

#include "public/work_area.h"

class QWidget;

// The work area of the desktop: the screen less the taskbar, as the platform reports them.
void GetWorkArea(TRect& rect);

// Places a form centred on the desktop: its design placement.
void centreOnDesktop(QWidget* form);

// A form whose client area as created does not fit into the work area is given the outer size
// of the work area less 5 by 15 pixels and placed at left 5, top 5 of the screen; a form that
// fits keeps its size and placement. Before the form is shown, its frame is what the platform
// reports then (nothing under most platforms).
void FitToWorkArea(QWidget* form);
