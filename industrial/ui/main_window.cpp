#include "industrial/ui/main_window.h"

#include "common/command_guard.h"
#include "common/command_toolbar.h"
#include "common/icons.h"
#include "common/key_filter.h"
#include "common/labeled_edit.h"
#include "common/number_parse.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"
#include "common/window_routines.h"
#include "industrial/fire_frequency.h"
#include "industrial/formatters.h"
#include "industrial/key_filters.h"
#include "industrial/parameters_file.h"
#include "industrial/protection_effect.h"
#include "industrial/report/report.h"
#include "industrial/results_list.h"
#include "industrial/risk_calculation.h"
#include "industrial/ui/calc_report_dialog.h"
#include "industrial/ui/design_point_dialog.h"
#include "industrial/ui/device_list_dialog.h"
#include "industrial/ui/dialog_parts.h"
#include "industrial/ui/exit_probability_dialog.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/grid_columns.h"
#include "industrial/ui/start_evacuation_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The captions of a table's entries, in its order.
template <class Table, class Entry>
QStringList captions(const Table& table, QStringView Entry::*caption)
{
    QStringList texts;
    for (const Entry& entry : table)
        texts << (entry.*caption).toString();
    return texts;
}

QStringList itemTexts(const ProtectionGroup& group)
{
    QStringList texts;
    for (int item = 0; item < group.itemCount; ++item)
        texts << group.items[item].text.toString();
    return texts;
}

// The main window's group of each protection system, in the order of ProtectionGroups.
constexpr std::array<RadioGroup * TForm1::*, ProtectionGroups.size()> SystemGroups = {
    &TForm1::RadioGroup7, &TForm1::RadioGroup6, &TForm1::RadioGroup4, &TForm1::RadioGroup5};

const QStringList GridHeaders = {
    u"Расчетная точка"_s,
    u"Вероятность выхода через аварийные или иные выходы"_s,
    u"Расчетное время эвакуации, мин."_s,
    u"Время блокирования путей эвакуации, мин."_s,
    u"Время начала эвакуации, мин."_s,
    u"Помещение с очагом пожара"_s,
};
const std::vector<int> GridColumnWidths = {100, 150, 110, 120, 120, 70};

// Heights of GroupBox1 for the three frequency methods.
constexpr int AreaTableHeight = 230;
constexpr int AreaFormulaHeight = 235;
constexpr int ObjectKindHeight = 100;

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    Form1 = this;
    setWindowTitle(u"Ovrelta: расчет пожарного риска для производственных объектов"_s);
    buildToolbar();

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    ScrollBox1->verticalScrollBar()->setSingleStep(12);
    auto* column = new QWidget(ScrollBox1);
    buildInputs(column);
    ScrollBox1->setWidget(column);
    setCentralWidget(ScrollBox1);

    StatusBar1Panel = new QLabel(this);
    StatusBar1Panel->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(StatusBar1Panel, 1);
    statusBar()->setSizeGripEnabled(false);

    nameComponents({{this, u"Form1"_s},
                    {TBToolbar2, u"TBToolbar2"_s},
                    {ScrollBox1, u"ScrollBox1"_s},
                    {GroupBox3, u"GroupBox3"_s},
                    {LabeledEdit9, u"LabeledEdit9"_s},
                    {LabeledEdit8, u"LabeledEdit8"_s},
                    {RadioGroup1, u"RadioGroup1"_s},
                    {GroupBox1, u"GroupBox1"_s},
                    {GroupBox2, u"GroupBox2"_s},
                    {LabeledEdit2, u"LabeledEdit2"_s},
                    {RadioGroup8, u"RadioGroup8"_s},
                    {GroupBox5, u"GroupBox5"_s},
                    {ValueListEditor1, u"ValueListEditor1"_s},
                    {RadioGroup3, u"RadioGroup3"_s},
                    {GroupBox4, u"GroupBox4"_s},
                    {StringGrid1, u"StringGrid1"_s},
                    {SpeedButton3, u"SpeedButton3"_s},
                    {SpeedButton4, u"SpeedButton4"_s},
                    {RadioGroup7, u"RadioGroup7"_s},
                    {RadioGroup6, u"RadioGroup6"_s},
                    {RadioGroup4, u"RadioGroup4"_s},
                    {RadioGroup5, u"RadioGroup5"_s},
                    {statusBar(), u"StatusBar1"_s}});
    resize(714, 673);
    FormCreate();
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::buildToolbar()
{
    const CommandToolbar commands = addCommandToolbar(this);
    TBToolbar2 = commands.toolbar;
    TBNew = commands.newItem;
    TBLoad = commands.load;
    TBSave = commands.save;
    TBCalc = commands.calculate;
    TBHelp = commands.help;
    TBHelp->setVisible(false);
    TBExit = commands.exit;
    bindCommandToolbar(this, commands,
                       {[this] { TBNewClick(); }, [this] { TBLoadClick(); },
                        [this] { TBSaveClick(); }, [this] { TBCalcClick(); },
                        [this] { TBHelpClick(); }, [this] { TBExitClick(); }});
}

void TForm1::buildInputs(QWidget* column)
{
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    // Working time.
    GroupBox3 =
        new QGroupBox(u" Параметры вероятности присутствия работников на объекте "_s, column);
    GroupBox3->setFixedHeight(80);
    LabeledEdit9 = new LabeledEdit(u"Продолжительность рабочего времени в сутки, час  "_s,
                                   LabeledEdit::LabelPosition::Left, GroupBox3);
    LabeledEdit9->setMaxLength(5);
    LabeledEdit8 = new LabeledEdit(u"Число рабочих дней в расчетном году, дней  "_s,
                                   LabeledEdit::LabelPosition::Left, GroupBox3);
    const int labelWidth =
        qMax(LabeledEdit9->label()->sizeHint().width(), LabeledEdit8->label()->sizeHint().width());
    for (LabeledEdit* edit : {LabeledEdit9, LabeledEdit8}) {
        edit->label()->setFixedWidth(labelWidth);
        edit->label()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->edit()->setFixedWidth(80);
        edit->setText(u"0"_s);
    }
    auto* workLayout = new QVBoxLayout(GroupBox3);
    workLayout->setContentsMargins(8, 4, 8, 4);
    workLayout->addWidget(LabeledEdit9);
    workLayout->addWidget(LabeledEdit8);
    stack->addWidget(GroupBox3);

    // Fire frequency: the method and its three panels.
    RadioGroup1 = new RadioGroup(u"Частота возникновения пожара: "_s,
                                 {u"Выбор значения из таблицы методики"_s,
                                  u"Расчет значения для площади помещения более 1000 кв. м."_s,
                                  u"Производственные здания и склады"_s},
                                 column);
    // The designed 64 pixels, or more where the three buttons would otherwise overlap.
    RadioGroup1->setFixedHeight(std::max(64, RadioGroup1->sizeHint().height()));
    stack->addWidget(RadioGroup1);

    GroupBox1 = new QGroupBox(QString(), column);
    auto* methodLayout = new QVBoxLayout(GroupBox1);
    methodLayout->setContentsMargins(2, 0, 2, 2);
    methodLayout->setSpacing(0);

    GroupBox2 = new QGroupBox(
        u"Расчет частоты возникновения пожара в зависимости от типа здания и его площади: "_s,
        GroupBox1);
    LabeledEdit2 = new LabeledEdit(u"Площадь здания(помещения), кв. м. "_s,
                                   LabeledEdit::LabelPosition::Left, GroupBox2);
    LabeledEdit2->edit()->setFixedWidth(100);
    LabeledEdit2->setText(u"1"_s);
    RadioGroup8 = new RadioGroup(u" Тип помещения: "_s,
                                 captions(FreqAreaCoefs, &FreqAreaCoef::roomType), GroupBox2);
    auto* formulaLayout = new QVBoxLayout(GroupBox2);
    formulaLayout->setContentsMargins(8, 4, 8, 4);
    formulaLayout->setSpacing(4);
    formulaLayout->addWidget(LabeledEdit2);
    formulaLayout->addWidget(RadioGroup8, 1);
    methodLayout->addWidget(GroupBox2);

    GroupBox5 = new QGroupBox(
        u" Расчет частоты возникновения пожара в зависимости от типа здания (помещения) и площади: "_s,
        GroupBox1);
    ValueListEditor1 = new ValueListEditor(u"Здание"_s, u"Площадь, кв. м."_s, GroupBox5);
    ValueListEditor1->setKeys(captions(FreqLambda, &FreqLambdaEntry::kind));
    ValueListEditor1->setColumnWidth(0, 480);
    ValueListEditor1->setColumnWidth(1, 199);
    ValueListEditor1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ValueListEditor1->horizontalHeader()->setStretchLastSection(true);
    ValueListEditor1->verticalHeader()->setMinimumSectionSize(1);
    ValueListEditor1->verticalHeader()->setDefaultSectionSize(18);
    ValueListEditor1->setToolTip(u"Укажите значения площадей расчетных зданий (помещений) для "
                                 u"расчета всех сценариев частоты возникновения пожаров"_s);
    auto* tableLayout = new QVBoxLayout(GroupBox5);
    tableLayout->setContentsMargins(2, 2, 2, 2);
    tableLayout->addWidget(ValueListEditor1);
    methodLayout->addWidget(GroupBox5);

    RadioGroup3 = new RadioGroup(u" Выберите тип объекта "_s,
                                 {u"Производственные здания"_s, u"Склады"_s}, GroupBox1);
    methodLayout->addWidget(RadioGroup3);
    stack->addWidget(GroupBox1);

    // Design points.
    GroupBox4 = new QGroupBox(u" Расчет времени эвакуации "_s, column);
    GroupBox4->setFixedHeight(213);
    StringGrid1 = new StringGrid(6, 2, 1, 1, GroupBox4);
    StringGrid1->setFixedHeight(146);
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setDrawCellHandler(StringGrid1DrawCell);
    keepColumnsInView(StringGrid1);
    SpeedButton3 = new QToolButton(GroupBox4);
    SpeedButton3->setIcon(addRowIcon());
    setPictureHint(SpeedButton3, u"Добавить расчетную точку"_s);
    SpeedButton4 = new QToolButton(GroupBox4);
    SpeedButton4->setIcon(removeRowIcon());
    setPictureHint(SpeedButton4, u"Удалить последнюю расчетную точку"_s);
    for (QToolButton* button : {SpeedButton3, SpeedButton4})
        button->setFixedSize(33, 25);
    auto* pointLayout = new QVBoxLayout(GroupBox4);
    pointLayout->setContentsMargins(4, 2, 4, 4);
    pointLayout->setSpacing(4);
    pointLayout->addWidget(StringGrid1);
    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(2);
    buttons->addWidget(SpeedButton3);
    buttons->addWidget(SpeedButton4);
    buttons->addStretch(1);
    pointLayout->addLayout(buttons);
    pointLayout->addStretch(1);
    stack->addWidget(GroupBox4);

    // Protection systems.
    for (const ProtectionGroup& system : ProtectionGroups) {
        RadioGroup*& group = this->*SystemGroups.at(static_cast<std::size_t>(system.system));
        group = new RadioGroup(system.caption.toString(), itemTexts(system), column);
        stack->addWidget(group);
    }
    stack->addStretch(1);

    // The designed state: first items chosen, the area table shown.
    for (RadioGroup* group : {RadioGroup1, RadioGroup8, RadioGroup3, RadioGroup7, RadioGroup6,
                              RadioGroup4, RadioGroup5})
        group->setItemIndex(0);
    GroupBox2->hide();
    RadioGroup3->hide();
    for (int row = 1; row <= ValueListEditor1->lastRow(); ++row)
        ValueListEditor1->setValue(row, u"0"_s);

    const std::pair<RadioGroup*, void (TForm1::*)()> choices[] = {
        {RadioGroup1, &TForm1::RadioGroup1Click},
        {RadioGroup7, &TForm1::RadioGroup7Click},
        {RadioGroup6, &TForm1::RadioGroup6Click},
        {RadioGroup4, &TForm1::RadioGroup4Click},
        {RadioGroup5, &TForm1::RadioGroup5Click}};
    for (const auto& [group, handler] : choices)
        connect(group, &RadioGroup::itemIndexChanged, this,
                guarded(this, [this, handler = handler] { (this->*handler)(); }));
    connect(SpeedButton3, &QToolButton::clicked, this,
            guarded(this, [this] { SpeedButton3Click(); }));
    connect(SpeedButton4, &QToolButton::clicked, this,
            guarded(this, [this] { SpeedButton4Click(); }));
    // Stored as typed, one value a line: no longer than a line of the parameters file may be.
    LabeledEdit2->setMaxLength(ParametersMaxLineLength);
    ValueListEditor1->setMaxLength(ParametersMaxLineLength);
    StringGrid1->setMaxLength(ParametersMaxLineLength);
    installKeyFilter(ValueListEditor1,
                     [](QChar key, const QString&) { return numericFieldKey(key); });
    installKeyFilter(StringGrid1, [](QChar key, const QString& text) {
        return designGridKey(key, text, decimalSeparator());
    });
}

void TForm1::FormCreate()
{
    GroupBox1->setFixedHeight(AreaTableHeight);
    UiReady = false;
    NewPar();
}

void TForm1::NewPar()
{
    Zdanie = std::make_unique<TZdanie>();
    for (RadioGroup* group : {RadioGroup1, RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6,
                              RadioGroup7, RadioGroup8})
        group->setItemIndex(0);
    LabeledEdit9->setText(u"0"_s);
    LabeledEdit8->setText(u"0"_s);
    for (int row = 1; row <= ValueListEditor1->lastRow(); ++row)
        ValueListEditor1->setValue(row, u"0"_s);

    StringGrid1->setRowCount(2);
    for (int row = 0; row <= 1; ++row)
        for (int col = 0; col < StringGrid1->columnCount(); ++col)
            StringGrid1->setCells(col, row, QString());
    for (int col = 0; col < StringGrid1->columnCount(); ++col)
        StringGrid1->setCells(col, 0, GridHeaders.at(col));
    // The designed widths, widened where a heading's word would be cut and narrowed where the
    // grid would need a horizontal scroll bar: the window's fonts are not the designed ones.
    fitColumns(StringGrid1, GridColumnWidths);

    if (UiReady) {
        // Resetting the dialogs may not fail the command; a dialog not made yet is in its
        // designed state already.
        try {
            if (hasEvacForm())
                m_evacForm->resetFields();
            if (hasEffectCalcForm())
                m_effectCalcForm->resetFields();
            if (hasForm6())
                m_form6->resetFields();
        } catch (...) {
        }
    }
    UiReady = true;
}

void TForm1::TBNewClick()
{
    // A cell editor left open would later write what was typed into the new object.
    commitGridEdits();
    setStatusText(QString());
    Zdanie.reset();
    UiReady = true;
    NewPar();
}

void TForm1::TBCalcClick()
{
    commitGridEdits();
    CalculateRisk(*Zdanie, windowInputs());
    TCalcReport* report = calcReport();
    report->showResults(ResultRows(*Zdanie));
    report->exec();
}

WindowInputs TForm1::windowInputs() const
{
    WindowInputs inputs;
    inputs.hoursPerDay = LabeledEdit9->text();
    inputs.daysPerYear = LabeledEdit8->text();
    inputs.freqMethod = RadioGroup1->itemIndex();
    for (int row = 1; row <= ValueListEditor1->lastRow(); ++row) {
        inputs.areaKinds << ValueListEditor1->key(row);
        inputs.areaTexts << ValueListEditor1->value(row);
    }
    inputs.area = LabeledEdit2->text();
    inputs.roomType = RadioGroup8->itemIndex();
    inputs.objectKind = RadioGroup3->itemIndex();
    const auto groups = protectionGroups();
    for (std::size_t s = 0; s < groups.size(); ++s)
        inputs.systemItems.at(s) = groups.at(s)->itemIndex();
    inputs.designPoints.reserve(static_cast<std::size_t>(StringGrid1->rowCount()));
    for (int row = 1; row < StringGrid1->rowCount(); ++row) {
        DesignPointRow& point = inputs.designPoints.emplace_back();
        for (int col = 0; col < static_cast<int>(point.size()); ++col)
            point[static_cast<std::size_t>(col)] = StringGrid1->cells(col, row);
    }
    return inputs;
}

std::array<RadioGroup*, 4> TForm1::protectionGroups() const
{
    std::array<RadioGroup*, 4> groups{};
    for (std::size_t s = 0; s < groups.size(); ++s)
        groups.at(s) = this->*SystemGroups.at(s);
    return groups;
}

void TForm1::TBExitClick()
{
    ::TBExitClick(this);
}

void TForm1::TBHelpClick()
{
    ::TBHelpClick(u"help_industry.pdf"_s);
}

void TForm1::RadioGroup1Click()
{
    switch (RadioGroup1->itemIndex()) {
    case 0:
        GroupBox5->show();
        GroupBox2->hide();
        RadioGroup3->hide();
        GroupBox1->setFixedHeight(AreaTableHeight);
        break;
    case 1:
        GroupBox2->show();
        GroupBox5->hide();
        RadioGroup3->hide();
        GroupBox1->setFixedHeight(AreaFormulaHeight);
        break;
    case 2:
        RadioGroup3->show();
        GroupBox5->hide();
        GroupBox2->hide();
        GroupBox1->setFixedHeight(ObjectKindHeight);
        break;
    default:
        break;
    }
}

void TForm1::protectionChoice(ProtectionSystem system)
{
    const RadioGroup* group = this->*SystemGroups.at(static_cast<std::size_t>(system));
    const int computeItem = protectionGroup(system).computeItem;
    TDeviceList TZdanie::*const list = protectionGroup(system).devices;
    if (group->itemIndex() == computeItem && UiReady)
        EditDeviceList(*effectCalcForm(), (*Zdanie).*list);
}

void TForm1::RadioGroup7Click()
{
    protectionChoice(ProtectionSystem::Aps);
}
void TForm1::RadioGroup6Click()
{
    protectionChoice(ProtectionSystem::Soue);
}
void TForm1::RadioGroup4Click()
{
    protectionChoice(ProtectionSystem::Aupt);
}
void TForm1::RadioGroup5Click()
{
    protectionChoice(ProtectionSystem::Spdz);
}

void TForm1::SpeedButton3Click()
{
    if (StringGrid1->rowCount() < 2)
        return;
    TForm6* dialog = form6();
    dialog->exec();
    // The next opening starts from the design point of the last calculation.
    dialog->Edit1->setText(FormatFixed(8, Zdanie->ExitProb));
    dialog->Edit2->setText(FormatFixed(8, Zdanie->EvacTime));
    dialog->Edit3->setText(FormatFixed(8, Zdanie->BlockTime));
    dialog->Edit4->setText(FormatFixed(8, Zdanie->StartEvacTime));
    dialog->CheckBox1->setChecked(Zdanie->FireRoomMark);
}

void TForm1::SpeedButton4Click()
{
    if (StringGrid1->rowCount() >= 3) {
        StringGrid1->setRowCount(StringGrid1->rowCount() - 1);
        return;
    }
    for (int col = 0; col < StringGrid1->columnCount(); ++col)
        StringGrid1->setCells(col, 1, QString());
}

void TForm1::commitGridEdits()
{
    commitOpenEditor(ValueListEditor1);
    commitOpenEditor(StringGrid1);
}

QString TForm1::statusText() const
{
    return StatusBar1Panel->text();
}

void TForm1::setStatusText(const QString& text)
{
    StatusBar1Panel->setText(text);
}

// Each dialog is made over this window with the links to what it writes or reads.

TForm6* TForm1::form6()
{
    if (!m_form6)
        m_form6 = new TForm6({StringGrid1, RadioGroup6, [] { return Zdanie->StartEvacTime; },
                              [this] { return evacForm(); }, [this] { return startEvacForm(); }},
                             this);
    return m_form6;
}

TEvacForm* TForm1::evacForm()
{
    if (!m_evacForm)
        m_evacForm = new TEvacForm({form6()->Edit1}, this);
    return m_evacForm;
}

TStartEvacForm* TForm1::startEvacForm()
{
    if (!m_startEvacForm)
        m_startEvacForm = new TStartEvacForm({form6()->Edit4}, this);
    return m_startEvacForm;
}

TEffectCalcForm* TForm1::effectCalcForm()
{
    if (!m_effectCalcForm)
        m_effectCalcForm = new TEffectCalcForm(this);
    return m_effectCalcForm;
}

TCalcReport* TForm1::calcReport()
{
    if (!m_calcReport)
        m_calcReport = new TCalcReport({[this] { BuildReport(*Zdanie, windowInputs()); }}, this);
    return m_calcReport;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    runCommand(this, [&] { FormCloseQuery(this, canClose); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}
