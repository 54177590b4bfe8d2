#pragma once

#include "industrial/building_record.h"

#include <QString>
#include <utility>
#include <vector>

// The rows of the results dialog for the record as a calculation left it: eight fixed rows, then
// СОУЭ, АУПТ, АПС and СПДЗ, each only when the system is considered. Values as FormatGridNumber.
std::vector<std::pair<QString, QString>> ResultRows(const TZdanie& record);
