#pragma once

#include "public/building_record.h"

#include <QString>
#include <memory>

class TMainForm;
class TODlg1;
class TODlg2;

// State of the program that outlives any one command.

extern TMainForm* MainForm;             // the main window; set while it exists
extern std::unique_ptr<TZdanie> Zdanie; // the current building record; none once the window closed
// The reference-table dialogs, made after the main window at start-up; set while they exist.
extern TODlg1* ODlg1; // fire-frequency statistics
extern TODlg2* ODlg2; // evacuation start times

// Application title, the caption of the default error box.
QString publicAppTitle();
