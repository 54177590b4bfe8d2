#pragma once

#include "industrial/protection_effect.h"
#include "industrial/report/report.h"

#include <QString>
#include <array>

// The longer sections of the calculation report.

// The protection systems in the report's order: АПС, СОУЭ, АУПТ, СПДЗ.
struct ReportSystem {
    ProtectionSystem system;
    QString name;
    long double TZdanie::*effectiveness;
    TDeviceList TZdanie::*devices;
};
const std::array<ReportSystem, 4>& ReportSystems();

// How Q was obtained, by the markers the frequency method left in the record: the area table, a·S^b
// or the fixed value. Throws EConvertError for an area that is no number, placed in its row of the
// main window's ValueListEditor1.
QString FrequencyBlock(const TZdanie& record, const ReportWindow& window);

// The reliability formulas, then a device table for every system computed from its devices.
// Empty when no system counts as computed.
QString ReliabilitySection(const TZdanie& record);

// The check of every design point. Throws EConvertError for a time that is no number, placed in
// its cell of the main window's StringGrid1 (row i + 1 for points[i]).
QString DesignPointTable(const std::vector<std::array<QString, 6>>& points);
