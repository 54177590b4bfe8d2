#pragma once

#include "industrial/building_record.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// Fire frequency Q of the object, fires per year, by one of three methods. Each method also sets
// the three markers of the record that tell the report which method produced Q.

// A building type of the area table: its row caption in the main window and its λ.
struct FreqLambdaEntry {
    QStringView kind;
    long double lambda;
};
// λ per building type, in the order of the rows of the main window's area table.
extern const std::array<FreqLambdaEntry, 9> FreqLambda;

// A room type of the a·S^b method: its item in the main window's room-type group and (a, b).
struct FreqAreaCoef {
    QStringView roomType;
    long double a;
    long double b;
};
// (a, b) of Q = a·S^b per room type, in the order of the group's items.
extern const std::array<FreqAreaCoef, 8> FreqAreaCoefs;

// The area texts of the table, each followed by ";", as typed; at most 255 characters.
QString JoinAreas(const QStringList& areaTexts);

// Q = Σ area_i·λ_i. A row counts when its area is a positive number; an empty, zero or negative
// one is left out. Throws EConvertError for a text that is no number, placed in its row of the
// main window's ValueListEditor1.
long double FreqByAreaTable(TZdanie& record, const QStringList& areaTexts);

// Q = a·S^b for record.Areas, read with the locale's separator only. The markers are set before
// the area is read. Throws EConvertError for a text that is no number, EInvalidOp for S < 0.
long double FreqByAreaFormula(TZdanie& record, int roomType);

// The fixed Q of production buildings (item 0) or warehouses (item 1).
long double FreqByObjectKind(TZdanie& record, int objectKind);
