#include "common/command_guard.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"
#include "industrial/ui/calc_report_dialog.h"
#include "industrial/ui/design_point_dialog.h"
#include "industrial/ui/device_list_dialog.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"
#include "support/modal.h"
#include "support/test_support.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

using Rows = std::vector<std::pair<QString, QString>>;

Rows listed(const ValueListEditor* list)
{
    Rows rows;
    for (int row = 1; row <= list->lastRow(); ++row)
        rows.emplace_back(list->key(row), list->value(row));
    return rows;
}

// Types into the current cell of `view` as a user would, without pressing Enter: the first key
// opens the editor where the view has none open yet.
void typeWithoutEnter(QAbstractItemView* view, int row, int col, const QString& keys)
{
    view->window()->activateWindow(); // the dialogs before took the activation with them
    ASSERT_TRUE(QTest::qWaitForWindowActive(view->window()));
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, col));
    QApplication::processEvents();
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        editor->clear();
    for (QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr) << "no editor open";
}

struct CalculationWindow : ::testing::Test {
    ScopedDecimalSeparator comma{u','};
    DesktopRecorder desktop;
    QTemporaryDir temp;
    ScopedTmpDir tmp{temp.path()};
    TForm1 form;

    void SetUp() override
    {
        setApplicationTitle(industrialAppTitle());
        showActive(form);
    }

    void addPoint(const QString& exit, const QString& evac, const QString& block,
                  const QString& start)
    {
        whenModal("the design point dialog", [=](QDialog* dialog) {
            auto* form6 = qobject_cast<TForm6*>(dialog);
            form6->Edit1->setText(exit);
            form6->Edit2->setText(evac);
            form6->Edit3->setText(block);
            form6->Edit4->setText(start);
            form6->BitBtn1->click();
        });
        form.SpeedButton3->click();
    }

    // Presses "Рассчитать", runs `inDialog` in the results dialog (by default: "Отчёт" once,
    // which opens one report) and returns the results list, or nothing when no dialog opened.
    Rows calculate(std::function<void(TCalcReport*)> inDialog = {})
    {
        Rows rows;
        QTimer::singleShot(0, &form, [&] {
            if (!form.hasCalcReport() || !form.calcReport()->isVisible())
                return;
            TCalcReport* report = form.calcReport();
            rows = listed(report->ValueListEditor1);
            if (inDialog) {
                inDialog(report);
            } else {
                const qsizetype opened = desktop.opened.size();
                report->SpeedButton1->click();
                EXPECT_EQ(desktop.opened.size(), opened + 1);
            }
            EXPECT_TRUE(report->isVisible());
            QTest::keyClick(report, Qt::Key_Return); // "Готово" is the default button
        });
        form.TBCalc->trigger();
        QApplication::processEvents();
        return rows;
    }
};

} // namespace

TEST_F(CalculationWindow, WholeRoadWithEditsStillOpen)
{
    form.LabeledEdit9->setText(u"8"_s);
    form.LabeledEdit8->setText(u"247"_s);
    addPoint(u"0,03"_s, u"1"_s, u"2,5"_s, u"2"_s);
    addPoint(u"0,5"_s, u"0.5"_s, u"2.5"_s, u"2"_s);
    ASSERT_EQ(form.StringGrid1->rowCount(), 3);

    form.RadioGroup4->button(5)->click();                      // АУПТ not considered
    whenModal("the device list of СПДЗ", [](QDialog* dialog) { // two devices in series
        auto* devices = qobject_cast<TEffectCalcForm*>(dialog);
        devices->StringGrid1->setCells(2, 1, u"0,9"_s);
        devices->StringGrid1->setCells(2, 2, u"0.95"_s);
        devices->OKBtn->click();
    });
    form.RadioGroup5->button(5)->click();
    ASSERT_EQ(Zdanie->SpdzDevices.Count, 2);

    ValueListEditor* areas = form.ValueListEditor1;
    typeWithoutEnter(areas, 0, 1, u"1000"_s);

    // Q = 0.022, D = 1 − 0.4·0.2·0.145, the first point is the design point (P_э.п = 0.5).
    const Rows expected = {
        {u"Величина индивидуального пожарного риска"_s, u"2,79·10^(-5)"_s},
        {u"Вероятность присутствия в здании человека"_s, u"0,22557"_s},
        {u"Величина потенциального риска"_s, u"0,00012"_s},
        {u"Частота возникновения пожара"_s, u"0,022"_s},
        {u"Условная вероятность поражения человека"_s, u"0,00563"_s},
        {u"Вероятность эффективной работы технических решений противопожарной защиты"_s,
         u"0,9884"_s},
        {u"Вероятность эвакуации людей"_s, u"0,515"_s},
        {u"Вероятность эвакуации людей по эвакуационным путям"_s, u"0,5"_s},
        {u"Вероятность эффективной работы СОУЭ"_s, u"0,8"_s},
        {u"Вероятность эффективной работы АПС"_s, u"0,6"_s},
        {u"Вероятность эффективной работы СПДЗ"_s, u"0,855"_s},
    };
    EXPECT_EQ(calculate(), expected);
    EXPECT_EQ(areas->value(1), u"1000"_s);
    EXPECT_EQ(Zdanie->Areas.text(), u"1000;0;0;0;0;0;0;0;0;"_s);

    // A start time still being typed into the grid: P_э.п = (2 − 1)/4.
    StringGrid* grid = form.StringGrid1;
    typeWithoutEnter(grid, 1, 4, u"4"_s);
    const Rows again = calculate();
    ASSERT_EQ(again.size(), expected.size());
    EXPECT_EQ(again[7].second, u"0,25"_s);
    EXPECT_EQ(grid->cells(4, 1), u"4"_s);

    const TCalcReport* report = form.calcReport();
    EXPECT_EQ(report->windowTitle(), u"Результаты расчета"_s);
    EXPECT_EQ(report->ValueListEditor1->horizontalHeaderItem(0)->text(), u"Параметр"_s);
    EXPECT_EQ(report->ValueListEditor1->horizontalHeaderItem(1)->text(), u"Значение"_s);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

// "Новый" while a cell is still being typed into: the new object keeps nothing of it, neither when
// the focus moves on nor in its first calculation.
TEST_F(CalculationWindow, NewLeavesNoCellEditorOpen)
{
    const struct {
        QAbstractItemView* view;
        int row, col;
        QString keys;
    } cases[] = {
        {form.ValueListEditor1, 0, 1, u"1000"_s}, // "Электростанции"
        {form.StringGrid1, 1, 4, u"5"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view->metaObject()->className());
        typeWithoutEnter(c.view, c.row, c.col, c.keys);
        form.TBNew->trigger();
        EXPECT_EQ(c.view->indexWidget(c.view->model()->index(c.row, c.col)), nullptr)
            << "the cell editor is still open";
        form.LabeledEdit9->setFocus();
        const Rows rows = calculate([](TCalcReport*) {});
        EXPECT_EQ(form.ValueListEditor1->value(1), u"0"_s);
        EXPECT_EQ(form.StringGrid1->cells(4, 1), QString());
        const auto frequency = std::find_if(rows.begin(), rows.end(), [](const auto& row) {
            return row.first == u"Частота возникновения пожара"_s;
        });
        ASSERT_NE(frequency, rows.end());
        EXPECT_EQ(frequency->second, u"0"_s);
    }
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();
}

TEST_F(CalculationWindow, BadCellStopsBeforeTheDialog)
{
    form.StringGrid1->setCells(1, 1, u"0,03"_s);
    form.StringGrid1->setCells(4, 1, u"1.2.3"_s); // as a pasted or loaded text
    EXPECT_TRUE(calculate().empty());
    EXPECT_FALSE(form.hasCalcReport());
    EXPECT_EQ(desktop.errors, QStringList{u"Ovrelta: Производственные объекты|"
                                          u"Строка 1, столбец «Время начала эвакуации, мин.»\n"
                                          u"'1,2.3' is not a valid floating point value"_s});

    form.StringGrid1->setCells(4, 1, u"2"_s);
    const Rows first = calculate();
    ASSERT_EQ(first.size(), 12u);
    form.StringGrid1->setCells(2, 1, u"abc"_s);
    EXPECT_TRUE(calculate().empty());
    EXPECT_EQ(desktop.errors.size(), 2);
    EXPECT_EQ(listed(form.calcReport()->ValueListEditor1), first);
}

// "Отчёт" writes the report of the calculation shown; a failure shows the error box, writes and
// opens nothing, and the results dialog stays open for another try.
TEST_F(CalculationWindow, ReportFromTheResultsDialog)
{
    form.LabeledEdit9->setText(u"8"_s);
    form.LabeledEdit8->setText(u"247"_s);
    addPoint(u"0,03"_s, u"1"_s, u"2,5"_s, u"2"_s);
    form.StringGrid1->setCells(0, 1, u"Цех {1}"_s);
    const QString missing = temp.filePath(u"missing"_s);
    const QStringList expectedErrors = {
        u"Ovrelta: Производственные объекты|Не удалось записать отчёт «"_s + missing + u"/temp"_s,
        u"Ovrelta: Производственные объекты|"
        u"Строка «Цех {1}», столбец «Время блокирования путей эвакуации, мин.»\n"
        u"'abc' is not a valid floating point value"_s};
    calculate([&](TCalcReport* report) {
        report->SpeedButton1->click();
        report->SpeedButton1->click();
        ASSERT_EQ(desktop.opened.size(), 2);
        QFile first(desktop.opened[0]), second(desktop.opened[1]);
        ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        const QByteArray bytes = first.readAll();
        EXPECT_EQ(second.readAll(), bytes);
        EXPECT_TRUE(bytes.contains("{\\pard\\intbl\\qc\\i\\fs24\\f1 \xD6\xE5\xF5 \\{1\\}\\cell 1"));

        {
            ScopedTmpDir gone(missing);
            report->SpeedButton1->click();
        }
        form.StringGrid1->setCells(3, 1, u"abc"_s);
        report->SpeedButton1->click();
        EXPECT_EQ(desktop.opened.size(), 2);
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files).size(), 2);
        ASSERT_EQ(desktop.errors.size(), 2);
        EXPECT_TRUE(desktop.errors[0].startsWith(expectedErrors[0]));
        EXPECT_EQ(desktop.errors[1], expectedErrors[1]);
    });
}

// A text that stops the calculation is named where it stands, on the line before the message,
// and a field or cell the user can see gets the focus.
TEST_F(CalculationWindow, ErrorNamesWhereTheBadTextStands)
{
    const QString hours = u"Поле «Продолжительность рабочего времени в сутки, час»\n"_s;
    const QString days = u"Поле «Число рабочих дней в расчетном году, дней»\n"_s;
    const QString notFloat = u" is not a valid floating point value"_s;
    const struct {
        const char* name;
        std::function<void()> setUp;
        QString error;
        QWidget* focus; // nullptr: the focus stays where it was
        int row, col;   // the current cell of a grid that gets the focus
    } cases[] = {
        {"hours no number", [this] { form.LabeledEdit9->setText(u"8ч"_s); },
         hours + u"'8ч'"_s + notFloat, form.LabeledEdit9->edit(), -1, -1},
        {"hours above 24", [this] { form.LabeledEdit9->setText(u"24,5"_s); },
         hours + u"Значение должно лежать в пределах от 0 до 24"_s, form.LabeledEdit9->edit(), -1,
         -1},
        {"days below 0", [this] { form.LabeledEdit8->setText(u"-1"_s); },
         days + u"Значение должно лежать в пределах от 0 до 366"_s, form.LabeledEdit8->edit(), -1,
         -1},
        {"days above 366", [this] { form.LabeledEdit8->setText(u"367"_s); },
         days + u"Значение должно лежать в пределах от 0 до 366"_s, form.LabeledEdit8->edit(), -1,
         -1},
        {"single area",
         [this] {
             form.RadioGroup1->setItemIndex(1);
             form.LabeledEdit2->setText(u"1000.5"_s);
         },
         u"Поле «Площадь здания(помещения), кв. м.»\n'1000.5'"_s + notFloat,
         form.LabeledEdit2->edit(), -1, -1},
        {"area table", [this] { form.ValueListEditor1->setValue(4, u"1.2.3"_s); },
         u"Строка «Инструментально-механические цеха», столбец «Площадь, кв. м.»\n'1,2.3'"_s +
             notFloat,
         form.ValueListEditor1, 3, 1},
        {"design point",
         [this] {
             addPoint(u"0,03"_s, u"1"_s, u"2,5"_s, u"2"_s);
             addPoint(u"0,03"_s, u"1"_s, u"2,5"_s, u"2"_s);
             form.StringGrid1->setCells(2, 2, u"1 мин"_s);
         },
         u"Строка «Расчетная точка 2», столбец «Расчетное время эвакуации, мин.»\n'1 мин'"_s +
             notFloat,
         form.StringGrid1, 2, 2},
        {"device list",
         [this] {
             Zdanie->ApsDevices.Count = 3;
             Zdanie->ApsDevices.cell(TDeviceList::Probability, 1) = u"0,9"_s;
             Zdanie->ApsDevices.cell(TDeviceList::Probability, 3) = u"0,9,5"_s;
             UiReady = false; // no device-list dialog for the program's own choice
             form.RadioGroup7->setItemIndex(5);
             UiReady = true;
         },
         u"Список приборов АПС, строка 3, столбец «Вероятность безотказной работы»\n'0,9,5'"_s +
             notFloat,
         form.RadioGroup7->button(5), -1, -1},
        {"device without its probability",
         [this] {
             Zdanie->ApsDevices.Count = 2;
             Zdanie->ApsDevices.cell(TDeviceList::Name, 1) = u"A1"_s;
             Zdanie->ApsDevices.cell(TDeviceList::Mtbf, 1) = u"1000"_s;
             UiReady = false;
             form.RadioGroup7->setItemIndex(5);
             UiReady = true;
         },
         u"Список приборов АПС, строка 1, столбец «Вероятность безотказной работы»\n"
         u"Не задана вероятность безотказной работы прибора: её рассчитывает по наработке на "
         u"отказ кнопка «Расчитать вероятность для приборов»"_s,
         form.RadioGroup7->button(5), -1, -1},
        {"no device with a probability",
         [this] {
             Zdanie->SoueDevices.Count = 0;
             UiReady = false;
             form.RadioGroup6->setItemIndex(4);
             UiReady = true;
         },
         u"Поле «Вероятность эффективного срабатывания СОУЭ»\nВ списке приборов СОУЭ нет ни "
         u"одного прибора с вероятностью безотказной работы"_s,
         form.RadioGroup6->button(4), -1, -1},
        {"exit probability above 1", [this] { addPoint(u"5"_s, u"1"_s, u"2,5"_s, u"2"_s); },
         u"Строка «Расчетная точка 1», столбец «Вероятность выхода через аварийные или иные "
         u"выходы»\nЗначение должно лежать в пределах от 0 до 1"_s,
         form.StringGrid1, 1, 1},
        {"negative time",
         [this] {
             addPoint(u"0,03"_s, u"1"_s, u"2,5"_s, u"2"_s);
             form.StringGrid1->setCells(4, 1, u"-1"_s); // pasted, or from a file
         },
         u"Строка «Расчетная точка 1», столбец «Время начала эвакуации, мин.»\n"
         u"Значение не может быть отрицательным: -1"_s,
         form.StringGrid1, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form.TBNew->trigger();
        form.LabeledEdit9->setText(u"8"_s);
        form.LabeledEdit8->setText(u"247"_s);
        form.RadioGroup1->setItemIndex(0);
        c.setUp();
        form.activateWindow(); // the design-point dialog took the activation with it
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QWidget* outside = form.SpeedButton3;
        outside->setFocusPolicy(Qt::StrongFocus);
        outside->setFocus();
        desktop.errors.clear();
        EXPECT_TRUE(calculate().empty());
        EXPECT_EQ(desktop.errors, QStringList{u"Ovrelta: Производственные объекты|"_s + c.error});
        EXPECT_EQ(QApplication::focusWidget(), c.focus ? c.focus : outside);
        if (auto* grid = qobject_cast<QTableWidget*>(c.focus)) {
            EXPECT_EQ(grid->currentRow(), c.row);
            EXPECT_EQ(grid->currentColumn(), c.col);
        }
    }
}

// The ways an engineer leaves a computed system without probabilities: each is refused at
// "Рассчитать", where before it counted as a perfect system (R = 0).
TEST_F(CalculationWindow, AComputedSystemWithoutProbabilitiesIsRefused)
{
    const QString rowOne = u"Список приборов АПС, строка 1, столбец «Вероятность безотказной "
                           u"работы»\nНе задана вероятность безотказной работы прибора: её "
                           u"рассчитывает по наработке на отказ кнопка «Расчитать вероятность для "
                           u"приборов»"_s;
    const QString noneAtAll = u"Поле «Вероятность эффективного срабатывания установки АПС»\nВ "
                              u"списке приборов АПС нет ни одного прибора с вероятностью "
                              u"безотказной работы"_s;
    const struct {
        const char* name;
        std::function<void(TEffectCalcForm*)> inDialog;
        QString error;
    } cases[] = {
        {"cancelled", [](TEffectCalcForm* d) { d->CancelBtn->click(); }, noneAtAll},
        {"count 0",
         [](TEffectCalcForm* d) {
             d->Edit1->setText(u"0"_s);
             d->OKBtn->click();
         },
         noneAtAll},
        {"MTBFs without the probability button",
         [](TEffectCalcForm* d) {
             d->Edit1->setText(u"2"_s);
             d->StringGrid1->setCells(0, 1, u"A1"_s);
             d->StringGrid1->setCells(1, 1, u"1000"_s);
             d->StringGrid1->setCells(0, 2, u"A2"_s);
             d->StringGrid1->setCells(1, 2, u"2000"_s);
             d->OKBtn->click();
         },
         rowOne},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form.TBNew->trigger();
        form.LabeledEdit9->setText(u"8"_s);
        form.LabeledEdit8->setText(u"247"_s);
        form.ValueListEditor1->setValue(1, u"1000"_s);
        addPoint(u"0,03"_s, u"1"_s, u"2"_s, u"1"_s);
        whenModal("the device list",
                  [&](QDialog* dialog) { c.inDialog(qobject_cast<TEffectCalcForm*>(dialog)); });
        form.RadioGroup7->setItemIndex(5);
        desktop.errors.clear();
        EXPECT_TRUE(calculate().empty()) << "the results dialog opened";
        EXPECT_EQ(desktop.errors, QStringList{u"Ovrelta: Производственные объекты|"_s + c.error});
    }
}
