// The main window's parameters-file commands: the save stores the window's inputs as
// windowInputs() copies them, the load writes ObjectParameters back into the controls;
// industrial/parameters_file reads and writes the file.

#include "common/file_dialogs.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"
#include "industrial/parameters_file.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"
#include "industrial/window_inputs.h"

#include <QFileDialog>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString ParametersFilter = u"Объекты программы (*.rri)"_s;

} // namespace

QFileDialog* TForm1::openDialog1()
{
    if (!m_openDialog1)
        m_openDialog1 = makeFileDialog(this, u"Загрузить параметры объекта"_s,
                                       QFileDialog::AcceptOpen, ParametersFilter, u"rri"_s);
    return m_openDialog1;
}

QFileDialog* TForm1::saveDialog2()
{
    if (!m_saveDialog2)
        m_saveDialog2 = makeFileDialog(this, u"Сохранить параметры объекта"_s,
                                       QFileDialog::AcceptSave, ParametersFilter, u"rri"_s);
    return m_saveDialog2;
}

void TForm1::TBSaveClick()
{
    commitGridEdits();
    const QString path = choosePath(saveDialog2());
    if (path.isEmpty())
        return;
    Zdanie->FileName = path;
    SaveParameters();
    // Only after the file is written: a failed save must not read as done.
    setStatusText(u"Параметры сохранены в: "_s + path);
}

void TForm1::SaveParameters()
{
    const WindowInputs inputs = windowInputs();
    Zdanie->HoursPerDay = inputs.hoursPerDay;
    Zdanie->DaysPerYear = inputs.daysPerYear;

    ObjectParameters parameters;
    inputsToParameters(inputs, parameters);
    recordToParameters(*Zdanie, parameters);

    writeParametersFile(Zdanie->FileName, parameters);
}

void TForm1::TBLoadClick()
{
    // A cell editor left open would later write its old text over the loaded cell.
    commitGridEdits();
    const QString path = choosePath(openDialog1());
    if (path.isEmpty())
        return;
    Zdanie->FileName = path;
    LoadParameters();
    setStatusText(path);
}

void TForm1::LoadParameters()
{
    // The program's own choices of a compute item must not open the device-list dialog.
    UiReady = false;
    const auto ready = qScopeGuard([] { UiReady = true; });

    // Read and checked whole before anything changes: a bad file leaves the window as it was.
    const ObjectParameters parameters = readParametersFile(Zdanie->FileName);

    LabeledEdit9->setText(parameters.hoursPerDay);
    LabeledEdit8->setText(parameters.daysPerYear);
    RadioGroup1->setItemIndex(parameters.frequencyMethod);
    for (int row = 1; row <= parameters.areas.size(); ++row)
        ValueListEditor1->setValue(row, parameters.areas.at(row - 1));
    LabeledEdit2->setText(parameters.singleArea);
    RadioGroup8->setItemIndex(parameters.roomType);
    RadioGroup3->setItemIndex(parameters.objectKind);
    StringGrid1->setRowCount(static_cast<int>(parameters.designPoints.size()) + 1);
    for (int row = 1; row < StringGrid1->rowCount(); ++row) {
        const auto& point = parameters.designPoints.at(static_cast<std::size_t>(row - 1));
        for (int col = 0; col < static_cast<int>(point.size()); ++col)
            StringGrid1->setCells(col, row, point.at(col));
    }
    // The device lists before their groups' choices.
    parametersToRecord(parameters, *Zdanie);
    const auto groups = protectionGroups();
    for (std::size_t s = 0; s < groups.size(); ++s)
        groups.at(s)->setItemIndex(parameters.systems.at(s).item);
}
