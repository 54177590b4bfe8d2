#pragma once

// Main window of Ovrelta_online.
//
// Folders: industrial/ holds the calculation and the parameters file, plain functions without
// widgets; industrial/report/ the RTF report, a library over the calculation's results;
// industrial/ui/ the windows over both.
// Core classes: TForm1 (this window) holds most inputs in its controls; TZdanie (the global
// Zdanie) the working-time texts, the device lists and the results of the last calculation;
// TForm6 adds a design point to this window's grid, its choosers TEvacForm and TStartEvacForm
// fill two of TForm6's fields; TEffectCalcForm edits one device list of the record
// (EditDeviceList); TCalcReport lists the results.
// An input's road: a command copies this window's controls once into WindowInputs
// (windowInputs(), industrial/window_inputs.h), which the calculation, the save and the report
// read; the calculation computes into the record; "Рассчитать" lists the results in TCalcReport,
// whose "Отчёт" has the report written from the record and those inputs. The four protection
// systems are described once, in ProtectionGroups (industrial/protection_effect.h).
// Links: this window makes each dialog on first use, over itself, and hands it a struct of links
// (the controls it writes or reads, functions for the rest); no dialog includes this header or
// globals.h, so each can be built and tested alone.

#include "industrial/building_record.h"

#include <QMainWindow>
#include <array>

class QAction;
class QFileDialog;
class QGroupBox;
class QLabel;
class QScrollArea;
class QToolBar;
class QToolButton;
class LabeledEdit;
class RadioGroup;
class StringGrid;
class ValueListEditor;
class TForm6;
class TEvacForm;
class TStartEvacForm;
class TEffectCalcForm;
class TCalcReport;
struct WindowInputs;
enum class ProtectionSystem;

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void NewPar();

    // Commands and handlers, named after their component and event.
    void TBNewClick();
    void TBCalcClick();
    void TBLoadClick();
    void TBSaveClick();
    void LoadParameters();
    void SaveParameters();
    void TBExitClick();
    void TBHelpClick();
    void RadioGroup1Click();
    void RadioGroup7Click();
    void RadioGroup6Click();
    void RadioGroup4Click();
    void RadioGroup5Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    // Stores a value still being typed into the area table or the design-point grid; commands
    // call it before they read either.
    void commitGridEdits();

    // The inputs in this window's controls, copied: what the calculation, the report and the
    // parameters file read.
    WindowInputs windowInputs() const;

    QString statusText() const;
    void setStatusText(const QString& text);

    // The dialogs, made on first use.
    TForm6* form6();
    TEvacForm* evacForm();
    TStartEvacForm* startEvacForm();
    TEffectCalcForm* effectCalcForm();
    TCalcReport* calcReport();
    bool hasForm6() const { return m_form6 != nullptr; }
    bool hasEvacForm() const { return m_evacForm != nullptr; }
    bool hasStartEvacForm() const { return m_startEvacForm != nullptr; }
    bool hasEffectCalcForm() const { return m_effectCalcForm != nullptr; }
    bool hasCalcReport() const { return m_calcReport != nullptr; }

    // Components.
    QToolBar* TBToolbar2 = nullptr;
    QAction* TBNew = nullptr;
    QAction* TBLoad = nullptr;
    QAction* TBSave = nullptr;
    QAction* TBCalc = nullptr;
    QAction* TBHelp = nullptr;
    QAction* TBExit = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    LabeledEdit* LabeledEdit9 = nullptr;
    LabeledEdit* LabeledEdit8 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    LabeledEdit* LabeledEdit2 = nullptr;
    RadioGroup* RadioGroup8 = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    ValueListEditor* ValueListEditor1 = nullptr;
    RadioGroup* RadioGroup3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    StringGrid* StringGrid1 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    RadioGroup* RadioGroup7 = nullptr;
    RadioGroup* RadioGroup6 = nullptr;
    RadioGroup* RadioGroup4 = nullptr;
    RadioGroup* RadioGroup5 = nullptr;
    QLabel* StatusBar1Panel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void buildToolbar();
    void buildInputs(QWidget* column);
    void protectionChoice(ProtectionSystem system);
    // The groups of the four protection systems, in the order of ProtectionGroups.
    std::array<RadioGroup*, 4> protectionGroups() const;
    // The file dialogs of the parameters file, made on first use.
    QFileDialog* openDialog1();
    QFileDialog* saveDialog2();

    TForm6* m_form6 = nullptr;
    TEvacForm* m_evacForm = nullptr;
    TStartEvacForm* m_startEvacForm = nullptr;
    TEffectCalcForm* m_effectCalcForm = nullptr;
    TCalcReport* m_calcReport = nullptr;
    QFileDialog* m_openDialog1 = nullptr;
    QFileDialog* m_saveDialog2 = nullptr;
};
