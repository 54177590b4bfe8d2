// The main window's object-file commands: the window moves values between its controls, the
// record and StoredObject; public/object_file reads and writes the file.

#include "common/decimal_format.h"
#include "common/file_dialogs.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "public/object_file.h"
#include "public/read_params.h"
#include "public/ui/evacuation_start_dialog.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The protection groups in file order, and the four conditions.
std::array<RadioGroup*, 4> systemGroups(const TMainForm& form)
{
    return {form.RadioGroup2, form.RadioGroup3, form.RadioGroup4, form.RadioGroup5};
}

std::array<QCheckBox*, 4> conditionBoxes(const TMainForm& form)
{
    return {form.CBdislocation, form.CBsredstvapoj, form.CBavarvih, form.CBputievac};
}

// Made on first use and kept, so that it opens where it was left.
QFileDialog* objectFileDialog(QFileDialog*& dialog, QWidget* parent, const QString& title,
                              QFileDialog::AcceptMode mode, const QString& filter)
{
    if (!dialog)
        dialog = makeFileDialog(parent, title, mode, filter, u"rro"_s);
    return dialog;
}

} // namespace

QFileDialog* TMainForm::OpenDialog1()
{
    // The filter as the program has always spelt it.
    return objectFileDialog(m_openDialog1, this, u"Загрузить параметры объекта"_s,
                            QFileDialog::AcceptOpen, u"Объекты прогарммы (*.rro)"_s);
}

QFileDialog* TMainForm::SaveDialog2()
{
    return objectFileDialog(m_saveDialog2, this, u"Сохранить параметры объекта"_s,
                            QFileDialog::AcceptSave, u"Объекты программы (*.rro)"_s);
}

void TMainForm::TBSaveClick()
{
    const QString path = choosePath(SaveDialog2());
    if (path.isEmpty())
        return;
    Zdanie->FileName = path;
    ReadParams();
    SaveObject();
    // Only once the file is written: a failed save must not read as done.
    setStatusText(u"Параметры сохранены в: "_s + path);
}

void TMainForm::SaveObject()
{
    StoredObject object;
    object.Par = Zdanie->Par;
    object.NomScen = Zdanie->NomScen;
    const auto groups = systemGroups(*this);
    for (std::size_t i = 0; i < groups.size(); ++i)
        object.SystemItems.at(i) = groups.at(i)->itemIndex();
    object.FireRoomAr = Zdanie->FireRoomAr;
    object.FClass = Zdanie->FClass;
    object.ReservedInt = Zdanie->ReservedInt;
    object.Ne = Zdanie->Ne;
    object.Nneev = Zdanie->Nneev;
    const auto boxes = conditionBoxes(*this);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        object.Conditions.at(i) = boxes.at(i)->isChecked();
    writeObjectFile(Zdanie->FileName, object);
}

void TMainForm::TBLoadClick()
{
    const QString path = choosePath(OpenDialog1());
    if (path.isEmpty())
        return;
    Zdanie->FileName = path;
    LoadObject();
    setStatusText(path);
}

void TMainForm::LoadObject()
{
    // Read and checked whole before anything changes: a bad file leaves the window as it was.
    const StoredObject object = readObjectFile(Zdanie->FileName);

    Zdanie->Par = object.Par;
    Zdanie->NomScen = object.NomScen;
    const auto groups = systemGroups(*this);
    for (std::size_t i = 0; i < groups.size(); ++i)
        groups.at(i)->setItemIndex(object.SystemItems.at(i));
    Zdanie->FireRoomAr = object.FireRoomAr;
    if (!object.olderLayout) {
        Zdanie->FClass = object.FClass;
        RBFClass->setItemIndex(object.FClass); // shows the class's groups
        Zdanie->ReservedInt = object.ReservedInt;
        Zdanie->Ne = object.Ne;
        Zdanie->Nneev = object.Nneev;
        const auto boxes = conditionBoxes(*this);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            boxes.at(i)->setChecked(object.Conditions.at(i));
    }

    const long double qp = Zdanie->Par[ParSlot::Qp];
    if (qp == QpWithoutStatistics) {
        RadioGroup1->setItemIndex(1);
    } else {
        RadioGroup1->setItemIndex(0);
        QpEdit->setText(generalFloatText(qp));
    }
    LabeledEdit1->setText(generalFloatText(Zdanie->Par[ParSlot::Tf]));
    LabeledEdit4->setText(generalFloatText(Zdanie->Par[ParSlot::Tr]));
    LabeledEdit6->setText(generalFloatText(Zdanie->Par[ParSlot::Tne]));
    LabeledEdit5->setText(generalFloatText(Zdanie->Par[ParSlot::Tbl]));
    LabeledEdit7->setText(generalFloatText(Zdanie->Par[ParSlot::Tsk]));
    Edit_Ne->setText(generalFloatText(Zdanie->Ne));
    Edit_Nneev->setText(generalFloatText(Zdanie->Nneev));
    // The loaded number, so that a save right after keeps it.
    LENomScen->setText(QString::number(Zdanie->NomScen));
    if (ODlg2)
        ODlg2->LabeledEdit1->setText(generalFloatText(Zdanie->FireRoomAr));
}
