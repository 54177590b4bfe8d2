#pragma once

#include "common/errors.h"
#include "industrial/building_record.h"
#include "industrial/evacuation.h"

#include <QString>
#include <QStringList>
#include <vector>

// The inputs of one calculation that live in the main window's controls, as plain values.
// A chosen item of -1 means that the group has no item chosen.
struct CalcInputs {
    QString hoursPerDay;
    QString daysPerYear;
    int freqMethod = 0; // 0 area table, 1 area formula, 2 object kind
    QStringList areaTexts;
    QString area;
    int roomType = 0;
    int objectKind = 0;
    int apsItem = 0;
    int soueItem = 0;
    int auptItem = 0;
    int spdzItem = 0;
    std::vector<DesignPointRow> designPoints;
};

// A working time outside the range it can have: "Значение должно лежать в пределах от 0 до 24".
class EOutOfRange : public AppError
{
public:
    EOutOfRange(int least, int most);
};

// Computes q, Q, the four D_k, the design point, D, P_э, Q_d, P and R, in this order, storing each
// into the record before the next step reads it. A failure ends the calculation at its step: the
// fields of the steps before keep their new values, the later ones their old values. A quantity
// that would not be finite is not stored (EOverflow, EInvalidOp). Hours a day outside 0..24 and
// days a year outside 0..366 are refused (EOutOfRange); q is at most 1. A failure that comes from
// a text names the place of the text: the main window's field or cell, or the device list's row.
void CalculateRisk(TZdanie& record, const CalcInputs& inputs);
