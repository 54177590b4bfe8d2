#pragma once

#include "industrial/building_record.h"

#include <memory>

class TForm1;
class TForm6;
class TEvacForm;
class TStartEvacForm;
class TEffectCalcForm;
class TCalcReport;

// State of the program that outlives any one command.

extern TForm1* Form1;                   // the main window; set while it exists
extern std::unique_ptr<TZdanie> Zdanie; // the current building record
// Off while the program itself sets the protection-system choices: choosing a compute item then
// does not open the device-list dialog.
extern bool UiReady;

// The dialogs belong to the main window and are made when first needed; each keeps its controls'
// state from then on. Only valid while Form1 exists.
TForm6* Form6();
TEvacForm* EvacForm();
TStartEvacForm* StartEvacForm();
TEffectCalcForm* EffectCalcForm();
TCalcReport* CalcReport();

// Shows the device-list dialog for one list and stores the dialog's contents back on "Готово".
void EditDeviceList(TDeviceList& list);

// Application title, the caption of the default error box.
QString industrialAppTitle();
