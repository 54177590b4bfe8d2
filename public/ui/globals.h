#pragma once

#include "public/building_record.h"

#include <QString>
#include <memory>

class TMainForm;

// State of the program that outlives any one command, read by the main window alone: a dialog is
// handed what it writes.

extern TMainForm* MainForm;             // the main window; set while it exists
extern std::unique_ptr<TZdanie> Zdanie; // the current building record; none once the window closed

// Application title, the caption of the default error box.
QString publicAppTitle();
