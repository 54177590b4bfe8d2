#pragma once

#include <QString>

class TZdanie;

// The main window's inputs as the gathering reads them: texts of the edits, chosen items of the
// radio groups, check marks of the four conditions. Hidden groups count as well.
struct MainWindowInputs {
    QString NomScen;          // LENomScen
    int FClass = 0;           // RBFClass
    int QpChoice = 0;         // RadioGroup1: 0 statistics in QpEdit, otherwise 0.04
    QString Qp;               // QpEdit
    int RapChoice = 0;        // RadioGroup2 (АУП)
    QString Tf;               // LabeledEdit1
    QString Tr;               // LabeledEdit4
    QString Tne;              // LabeledEdit6
    QString Tbl;              // LabeledEdit5
    QString Tsk;              // LabeledEdit7
    QString Ne;               // Edit_Ne
    QString Nneev;            // Edit_Nneev
    int RobnChoice = 0;       // RadioGroup3 (АПС)
    int RsoueChoice = 0;      // RadioGroup4 (СОУЭ)
    int RpdzChoice = 0;       // RadioGroup5 (СПДЗ)
    bool Dislocation = false; // CBdislocation
    bool SredstvaPoj = false; // CBsredstvapoj
    bool AvarVih = false;     // CBavarvih
    bool PutiEvac = false;    // CBputievac
};

// Gathers the inputs into the record in this order: scenario number (1 when it is no whole
// number), class, fire frequency (0.04 without statistics or with an empty edit), АУП, the times
// and the numbers of people, the three alarm and protection systems, the four conditions. Items 0
// and 1 of a protection group give its fixed probability, anything else 0. A text that is no
// number throws EConvertError; the fields gathered before it keep their new values.
// FileName, FireRoomAr, ReservedInt and the reserved slots are not touched.
void ReadParams(const MainWindowInputs& inputs, TZdanie& record);
