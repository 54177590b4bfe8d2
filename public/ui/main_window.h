#pragma once

// Main window of Kestrum.
//
// Folders: public/ is the logic without widgets (the record, ReadParams, the request, the table
// and object files, the work-area arithmetic), tested headless; public/ui/ the windows over it and
// main(); common/ what both programs share (number parsing, the control adapters, the command
// guard, the window routines).
//
// Core classes: TMainForm (this window) holds every input of one public building in its controls
// until a command gathers them into TZdanie (the global Zdanie, public/building_record.h). The
// class chosen in RBFClass decides which input groups are shown; the eight numeric edits share one
// key handler, Edit1KeyPress, which also moves the focus on Enter. Work-area fitting is
// public/ui/work_area_fit.h over the pure arithmetic of public/work_area.h.
//
// How an input flows: typed into a control, it stays there until "Рассчитать" or "Сохранить"
// reads the controls into MainFormInputs and ReadParams (public/read_params.h) puts them into
// Zdanie; "Рассчитать" then builds the request (public/calculation_request.h) and shows the
// service's page in the result window Form4 (public/ui/result_window.h); "Сохранить" writes the
// record as an object file (public/object_file.h). "Открыть" reads a whole file first and only
// then puts it into the record, the controls and ODlg2's area edit (public/ui/object_commands.cpp).
//
// Dialogs: this window makes and owns ODlg1, ODlg2 (the two buttons "Взять значение из таблицы",
// public/ui/fire_frequency_dialog.h, evacuation_start_dialog.h) and Form4. A dialog is handed,
// when it is made, its parent and a struct of links, Links: the controls it writes, a
// std::function for the rest (ODlg2 stores the record's FireRoomAr through one); Form4 writes
// nothing and gets its parent alone. Only this window's files and main.cpp include this header or
// globals.h, so each dialog is built and tested alone.

#include "common/platform.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolBar;
class LabeledEdit;
class PathLabel;
class RadioGroup;
class TForm4;
class TODlg1;
class TODlg2;

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Makes the two table dialogs, after this window, which they write into; each loads its table
    // file from tableFolder (ending with a separator) now.
    void createTableDialogs(const QString& tableFolder = platform::programFolder());

    void NewPar();
    // Gathers every input into Zdanie; a text that is no number ends it with EConvertError.
    void ReadParams();
    // Sends the record to the calculation service and shows its page in Form4, modally.
    void RequestCalculation();

    // Commands and handlers, named after their component and event.
    void TBNewClick();
    void TBXItem1Click();
    void TBLoadClick();
    void TBSaveClick();
    // Writes the file Zdanie->FileName from the record and the window.
    void SaveObject();
    // Reads the file Zdanie->FileName; applies nothing unless the whole file reads.
    void LoadObject();
    void TBHelpClick();
    void TBExitClick();
    void UpdateGroupsByClass();
    void RBFClassClick();
    // For each character typed into one of the numeric edits (Backspace as '\b', Enter as '\r'):
    // key may become the decimal separator or QChar(), which types nothing.
    void Edit1KeyPress(QLineEdit* sender, QChar& key);
    void BitBtn1Click();
    void BitBtn2Click();

    QString statusText() const;
    void setStatusText(const QString& text);

    // Components.
    QToolBar* TBToolbar2 = nullptr;
    QAction* TBNew = nullptr;
    QAction* TBLoad = nullptr;
    QAction* TBSave = nullptr;
    QAction* TBXItem1 = nullptr; // "Рассчитать"
    QAction* TBHelp = nullptr;
    QAction* TBExit = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* Panel1 = nullptr;
    LabeledEdit* LENomScen = nullptr;
    RadioGroup* RBFClass = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QLineEdit* QpEdit = nullptr;
    QPushButton* BitBtn1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    LabeledEdit* Edit_Ne = nullptr;
    LabeledEdit* Edit_Nneev = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    LabeledEdit* LabeledEdit1 = nullptr;
    LabeledEdit* LabeledEdit4 = nullptr;
    LabeledEdit* LabeledEdit5 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* LabeledEdit6 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    LabeledEdit* LabeledEdit7 = nullptr;
    RadioGroup* RadioGroup5 = nullptr;
    RadioGroup* RadioGroup3 = nullptr;
    RadioGroup* RadioGroup4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* CBdislocation = nullptr;
    QCheckBox* CBsredstvapoj = nullptr;
    QCheckBox* CBavarvih = nullptr;
    QCheckBox* CBputievac = nullptr;
    PathLabel* StatusBar1Panel = nullptr; // shows a long path by its beginning and file name
    // The table dialogs, none before createTableDialogs; the result window, none before the first
    // calculation.
    TODlg1* ODlg1 = nullptr;
    TODlg2* ODlg2 = nullptr;
    TForm4* Form4 = nullptr;
    // The object file's dialogs, made when first shown.
    QFileDialog* OpenDialog1();
    QFileDialog* SaveDialog2();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void buildToolbar();
    void buildInputs(QWidget* column);
    void buildEvacuationGroups(QWidget* column);
    void bindNumericEdits();
    void setTabOrderOfInputs();
    QLineEdit* enterTarget(const QLineEdit* sender) const;

    QFileDialog* m_openDialog1 = nullptr;
    QFileDialog* m_saveDialog2 = nullptr;
};
