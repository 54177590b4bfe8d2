#pragma once

#include "industrial/protection_effect.h"
#include "industrial/report/report.h"

#include <QString>
#include <vector>

// The longer sections of the calculation report. The protection systems come in the order of
// ProtectionGroups: АПС, СОУЭ, АУПТ, СПДЗ.

// How Q was obtained, by the markers the frequency method left in the record: the area table, a·S^b
// or the fixed value. Throws EConvertError for an area that is no number, placed in its row of the
// main window's ValueListEditor1.
QString FrequencyBlock(const TZdanie& record, const WindowInputs& window);

// The reliability formulas, then a device table for every system computed from its devices.
// Empty when no system counts as computed.
QString ReliabilitySection(const TZdanie& record);

// The check of every design point. Throws EConvertError for a time that is no number, placed in
// its cell of the main window's StringGrid1 (row i + 1 for points[i]).
QString DesignPointTable(const std::vector<DesignPointRow>& points);
