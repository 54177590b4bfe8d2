#pragma once

#include "industrial/building_record.h"

#include <QString>
#include <array>
#include <vector>

// One row of the design-point grid, columns 0 to 5 as typed: the point's name, P_д.в, t_р, t_бл,
// t_н.э and the fire-room mark "*".
using DesignPointRow = std::array<QString, 6>;

// The share of the blocking time within which people must have left: t_р + t_н.э ≤ 0.8·t_бл.
constexpr long double BlockShare = 0.8L;

// Probability of evacuation along the routes of one design point (times in minutes).
long double RouteEvacProbability(long double evacTime, long double blockTime,
                                 long double startEvacTime);

// Walks the design points in order and leaves in the record the lowest route probability
// (RouteEvacProb, 1 when there is no row), the values of the row that gave it (the design point;
// the earlier row on a tie) and whether a row is marked as a room of fire origin. Each row is
// written into the record as it is walked: a cell that is no number (EConvertError) or out of its
// range (designPointValue) leaves the record as the rows before it left it, and names its place,
// the cell of the main window's StringGrid1 (row i + 1 for rows[i]).
void WalkDesignPoints(TZdanie& record, const std::vector<DesignPointRow>& rows);

// The column of P_д.в; columns 2 to 4 hold the times t_р, t_бл and t_н.э.
constexpr int ExitProbColumn = 1;

// str2r of one column (1 to 4) of design point `index` (0-based): P_д.в within 0..1 (else
// EOutOfRange), a time not negative (else ENegativeValue). A failure names the main window's grid
// cell it came from.
long double designPointValue(const DesignPointRow& row, std::size_t index, int column);
