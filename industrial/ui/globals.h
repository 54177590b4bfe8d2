#pragma once

#include "industrial/building_record.h"

#include <memory>

class TForm1;

// State of the program that outlives any one command. Only the main window and main() use it:
// a dialog is handed what it reads or writes when it is made.

extern TForm1* Form1;                   // the main window; set while it exists
extern std::unique_ptr<TZdanie> Zdanie; // the current building record
// Off while the program itself sets the protection-system choices: choosing a compute item then
// does not open the device-list dialog.
extern bool UiReady;

// Application title, the caption of the default error box.
QString industrialAppTitle();
