#pragma once

#include "industrial/building_record.h"
#include "industrial/window_inputs.h"

#include <QString>
#include <cstdint>

// The calculation report: an RTF document that explains the last calculation step by step.

// The report's text from header to end, for the record as the calculation left it and the main
// window's inputs as it shows them. Changes neither argument. Throws EConvertError for an area or
// a design-point time that is no number.
QString ReportText(const TZdanie& record, const WindowInputs& window);

// Builds the whole text first, then writes it under a new name in the temporary folder and hands
// the file to the desktop. A failure while building creates no file and opens nothing.
void BuildReport(const TZdanie& record, const WindowInputs& window);

// One system's device table and its D_k equation; k is the system's number among the computed ones.
using DeviceCells = decltype(TDeviceList::Cells);
QString DeviceTableSection(const DeviceCells& cells, std::uint8_t count, std::uint8_t mode,
                           long double d, std::uint8_t k, const QString& name);
