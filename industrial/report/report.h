#pragma once

#include "industrial/building_record.h"

#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// The calculation report: an RTF document that explains the last calculation step by step.

// What the report reads from the main window, copied as the window shows it.
struct ReportWindow {
    QString roomType; // caption of the chosen room type of the a·S^b method, or empty
    // The area table's rows: building type and area as typed.
    std::vector<std::pair<QString, QString>> areaRows;
    // The design-point grid's rows, columns 0 to 5 as typed.
    std::vector<std::array<QString, 6>> designPoints;
};

// The report's text from header to end, for the record as the calculation left it. Changes
// neither argument. Throws EConvertError for an area or a design-point time that is no number.
QString ReportText(const TZdanie& record, const ReportWindow& window);

// Builds the whole text first, then writes it under a new name in the temporary folder and hands
// the file to the desktop. A failure while building creates no file and opens nothing.
void BuildReport(const TZdanie& record, const ReportWindow& window);

// One system's device table and its D_k equation; k is the system's number among the computed ones.
using DeviceCells = decltype(TDeviceList::Cells);
QString DeviceTableSection(const DeviceCells& cells, std::uint8_t count, std::uint8_t mode,
                           long double d, std::uint8_t k, const QString& name);
