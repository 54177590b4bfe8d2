#pragma once

#include "common/errors.h"

// Where the texts that the logic reads stand in the main window Form1, by component name: the
// place a failure names (common/errors.h). The window is named because a dialog may hold a
// control of the same name (the results dialog has a ValueListEditor1 of its own).
inline ErrorPlace form1Field(const QString& component)
{
    return ErrorPlace::field(component).inWindow(QStringLiteral("Form1"));
}

inline ErrorPlace form1Cell(const QString& component, int column, int row)
{
    return ErrorPlace::cell(component, column, row).inWindow(QStringLiteral("Form1"));
}
