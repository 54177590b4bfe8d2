#pragma once

#include "industrial/evacuation.h"
#include "industrial/protection_effect.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The inputs that live in the main window's controls, copied as plain values by one function of
// the window: what the calculation, the report and the parameters file read of the window. Texts
// are as typed; a chosen item of -1 means that the group has no item chosen.
struct WindowInputs {
    QString hoursPerDay;   // LabeledEdit9
    QString daysPerYear;   // LabeledEdit8
    int freqMethod = 0;    // RadioGroup1: 0 area table, 1 area formula, 2 object kind
    QStringList areaKinds; // ValueListEditor1, from row 1: the building kinds as shown
    QStringList areaTexts; // ValueListEditor1, from row 1: the areas
    QString area;          // LabeledEdit2
    int roomType = 0;      // RadioGroup8
    int objectKind = 0;    // RadioGroup3
    // The chosen item of each protection system's group, in the order of ProtectionGroups.
    std::array<int, ProtectionGroups.size()> systemItems{};
    std::vector<DesignPointRow> designPoints; // StringGrid1, from row 1
};
