#pragma once

#include "common/errors.h"
#include "public/building_record.h"

#include <QString>

// The inputs of the main window as plain values, each named after its control: texts of the
// edits, chosen items of the radio groups (-1 for none), check marks.
struct MainFormInputs {
    QString LENomScen;
    int RBFClass = 0;
    int RadioGroup1 = 0;
    QString QpEdit;
    int RadioGroup2 = 0;
    QString LabeledEdit1; // Tf
    QString LabeledEdit4; // Tr
    QString LabeledEdit6; // Tne
    QString LabeledEdit5; // Tbl
    QString LabeledEdit7; // Tsk
    QString Edit_Ne;
    QString Edit_Nneev;
    int RadioGroup3 = 0; // Robn
    int RadioGroup4 = 0; // Rsoue
    int RadioGroup5 = 0; // Rpdz
    bool CBdislocation = false;
    bool CBsredstvapoj = false;
    bool CBavarvih = false;
    bool CBputievac = false;
};

// The fire frequency taken where there are no statistics (RadioGroup1's second item, or an empty
// QpEdit); an object file that holds it chooses that item again when it is loaded.
constexpr long double QpWithoutStatistics = 0.04L;

// Gathers the inputs into the record, field by field in a fixed order. A text that is no number
// throws EConvertError, a negative fire frequency, time or number of people ENegativeValue, each
// placed at the
// control it came from (ErrorPlace::field with the control's name); the fields gathered before it
// keep their new values, the rest their old.
// FileName, FireRoomAr, ReservedInt and the reserved slots are not touched.
void ReadParams(const MainFormInputs& inputs, TZdanie& record);
