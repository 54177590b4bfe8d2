#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"
#include "industrial/fire_frequency.h"
#include "industrial/parameters_file.h"
#include "industrial/ui/calc_report_dialog.h"
#include "industrial/ui/design_point_dialog.h"
#include "industrial/ui/device_list_dialog.h"
#include "industrial/ui/exit_probability_dialog.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/grid_columns.h"
#include "industrial/ui/main_window.h"
#include "industrial/ui/start_evacuation_dialog.h"
#include "support/modal.h"
#include "support/test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QStringList Headers = {
    u"Расчетная точка"_s,
    u"Вероятность выхода через аварийные или иные выходы"_s,
    u"Расчетное время эвакуации, мин."_s,
    u"Время блокирования путей эвакуации, мин."_s,
    u"Время начала эвакуации, мин."_s,
    u"Помещение с очагом пожара"_s,
};

// The designed widths 100/150/110/120/120/70, as far as the window's font lets them be: no word
// of a heading cut, and no column out of the grid's view.
void expectDesignedColumns(const StringGrid& grid)
{
    const int designed[] = {100, 150, 110, 120, 120, 70};
    const QFontMetrics metrics(grid.font());
    int total = 0;
    for (int col = 0; col < 6; ++col) {
        SCOPED_TRACE(col);
        int widest = 0;
        for (const QString& word : grid.cells(col, 0).split(u' '))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        const int width = grid.columnWidth(col);
        EXPECT_GT(width, widest + 1) << "a word of the heading is cut";
        EXPECT_LE(width, std::max(designed[col], widest + 8));
        total += width;
    }
    EXPECT_LE(total, grid.viewport()->width());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
}

void expectStartPicture(const TForm1& form)
{
    EXPECT_EQ(form.LabeledEdit9->text(), u"0"_s);
    EXPECT_EQ(form.LabeledEdit8->text(), u"0"_s);
    EXPECT_EQ(form.RadioGroup1->itemIndex(), 0);
    EXPECT_FALSE(form.GroupBox5->isHidden());
    EXPECT_TRUE(form.GroupBox2->isHidden());
    EXPECT_TRUE(form.RadioGroup3->isHidden());
    EXPECT_EQ(form.GroupBox1->height(), 230);
    for (int row = 1; row <= 9; ++row)
        EXPECT_EQ(form.ValueListEditor1->value(row), u"0"_s) << row;
    EXPECT_EQ(form.ValueListEditor1->lastRow(), 9);
    ASSERT_EQ(form.StringGrid1->rowCount(), 2);
    for (int col = 0; col < 6; ++col) {
        EXPECT_EQ(form.StringGrid1->cells(col, 0), Headers.at(col));
        EXPECT_EQ(form.StringGrid1->cells(col, 1), QString());
    }
    expectDesignedColumns(*form.StringGrid1);
    for (const RadioGroup* group : {form.RadioGroup3, form.RadioGroup4, form.RadioGroup5,
                                    form.RadioGroup6, form.RadioGroup7, form.RadioGroup8})
        EXPECT_EQ(group->itemIndex(), 0) << group->title().toStdString();
    EXPECT_EQ(form.statusText(), QString());
    EXPECT_TRUE(UiReady);
}

// Types into the grid's current cell as a user would: the first key opens the editor.
void typeIntoCell(StringGrid* grid, int col, int row, const QString& keys)
{
    grid->setFocus();
    grid->setCurrentCell(row, col);
    for (QChar key : keys) {
        QWidget* target = grid->isEditing() ? QApplication::focusWidget() : grid;
        QTest::keyClick(target, key.toLatin1());
    }
    if (grid->isEditing())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
}

struct MainWindowTest : ::testing::Test {
    DesktopRecorder desktop;
    TForm1 form;
    void SetUp() override { showActive(form); }
};

} // namespace

TEST_F(MainWindowTest, StartUpPicture)
{
    expectStartPicture(form);
    EXPECT_EQ(form.windowTitle(),
              u"Ovrelta: расчет пожарного риска для производственных объектов"_s);
    EXPECT_EQ(form.size(), QSize(714, 673));
    EXPECT_EQ(form.LabeledEdit2->text(), u"1"_s);
    EXPECT_EQ(form.ValueListEditor1->key(5),
              u"Цеха по обработке синтетического каучука и искусственных волокон"_s);
    // Five commands on the toolbar; help stays hidden.
    QStringList shown;
    for (QAction* action : form.TBToolbar2->actions())
        if (action->isVisible() && !action->isSeparator())
            shown << action->text();
    EXPECT_EQ(shown,
              (QStringList{u"Новый"_s, u"Открыть"_s, u"Сохранить"_s, u"Рассчитать"_s, u"Выход"_s}));
    // Start-up makes no dialog.
    EXPECT_FALSE(form.hasForm6() || form.hasEvacForm() || form.hasStartEvacForm() ||
                 form.hasEffectCalcForm());
}

TEST_F(MainWindowTest, NewRestoresTheStartPictureButTheArea)
{
    form.LabeledEdit9->setText(u"8"_s);
    form.LabeledEdit8->setText(u"250"_s);
    form.LabeledEdit2->setText(u"2500"_s);
    form.ValueListEditor1->setValue(3, u"120"_s);
    form.RadioGroup1->setItemIndex(2);
    form.RadioGroup8->setItemIndex(4);
    form.RadioGroup4->setItemIndex(3);
    form.StringGrid1->setRowCount(5);
    form.StringGrid1->setCells(2, 4, u"7"_s);
    form.setStatusText(u"/tmp/object.rri"_s);
    Zdanie->ApsDevices.Count = 3;
    TForm6* dialog = form.form6();
    dialog->Edit2->setText(u"4,5"_s);
    dialog->CheckBox1->setChecked(true);
    form.evacForm()->RadioGroup1->setItemIndex(1);
    form.effectCalcForm()->RadioGroup1->setItemIndex(1);
    form.effectCalcForm()->Edit1->setText(u"7"_s);

    form.TBNewClick();

    expectStartPicture(form);
    EXPECT_EQ(form.LabeledEdit2->text(), u"2500"_s);
    EXPECT_EQ(Zdanie->ApsDevices.Count, 0);
    EXPECT_FALSE(dialog->CheckBox1->isChecked());
    for (QLineEdit* edit : {dialog->Edit1, dialog->Edit2, dialog->Edit3, dialog->Edit4})
        EXPECT_EQ(edit->text(), u"0"_s);
    EXPECT_EQ(form.evacForm()->RadioGroup1->itemIndex(), 0);
    EXPECT_EQ(form.effectCalcForm()->RadioGroup1->itemIndex(), 0);
    EXPECT_EQ(form.effectCalcForm()->Edit1->text(), u"2"_s);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(MainWindowTest, ComputeItemOpensTheDeviceListOnlyWhenTheUserChoosesIt)
{
    int opened = 0;
    auto cancelNext = [&opened] {
        whenModal("the device list", [&opened](QDialog* dialog) {
            ++opened;
            dialog->reject();
        });
    };
    cancelNext();
    form.RadioGroup6->button(4)->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form.RadioGroup6->itemIndex(), 4); // "Отмена" keeps the choice

    form.RadioGroup6->button(4)->click(); // already chosen: nothing
    EXPECT_EQ(opened, 1);

    form.RadioGroup6->button(1)->click();
    cancelNext();
    form.RadioGroup6->button(4)->click();
    EXPECT_EQ(opened, 2);

    // "Новый" goes back to item 0 without a dialog; the next choice opens the new, empty list.
    form.TBNewClick();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(form.RadioGroup6->itemIndex(), 0);
    QString countShown;
    whenModal("the device list", [&countShown](QDialog* dialog) {
        countShown = qobject_cast<TEffectCalcForm*>(dialog)->Edit1->text();
        dialog->reject();
    });
    form.RadioGroup7->setItemIndex(5);
    EXPECT_EQ(countShown, u"2"_s);
}

// Each protection group offers its items letter for letter, the compute item last, and choosing
// that item opens the device list of the group's own system; the area table's rows and the room
// types come in the order of their coefficients.
TEST_F(MainWindowTest, EachGroupOpensItsOwnSystemsDeviceList)
{
    const QString zero = u"Принять равным \"0\""_s;
    const QString none = u"Не учитывать в расчете"_s;
    const QString compute = u"Произвести расчет значения, используя расчетные данные"_s;
    const struct {
        RadioGroup* group;
        QString title;
        QStringList items;
        TDeviceList TZdanie::*list;
    } systems[] = {
        {form.RadioGroup7,
         u" Вероятность эффективного срабатывания установки АПС: "_s,
         {u"Принять равным \"0,6\" согласно табл. П7.1 пособия"_s,
          u"Принять равным \"0,8\", если оборудование установки АПС соответствует требованиям "
          "НД по ПБ"_s,
          u"Принять равным \"0,8\", если оборудование установки АПС имеется, но не требуется"_s,
          zero, none, compute},
         &TZdanie::ApsDevices},
        {form.RadioGroup6,
         u" Вероятность эффективного срабатывания СОУЭ: "_s,
         {u"Принять равным \"0,8\", если оборудование СОУЭ соответствует требованиям НД по ПБ"_s,
          u"Принять равным \"0,8\", если оборудование СОУЭ имеется, но не требуется"_s, zero, none,
          compute},
         &TZdanie::SoueDevices},
        {form.RadioGroup4,
         u" Вероятность эффективного срабатывания АУПТ: "_s,
         {u"Принять равным \"0,8\" для сплинкерных АУПТ согласно табл. П7.1 пособия"_s,
          u"Принять равным \"0,9\" для остальных АУПТ согласно табл. П7.1 пособия"_s,
          u"Принять равным \"0,9\" для АУПТ, соотвествующей требованиям НД по ПБ"_s,
          u"Принять равным \"0,9\", если оборудование АУПТ имеется, но не требуется"_s, zero, none,
          compute},
         &TZdanie::AuptDevices},
        {form.RadioGroup5,
         u" Вероятность эффективного срабатывания СПДЗ: "_s,
         {u"Принять равным \"0,9\" согласно табл. П7.1 пособия"_s,
          u"Принять равным \"0,8\", если оборудование СПДЗ соответствует требованиям НД по ПБ"_s,
          u"Принять равным \"0,8\", если оборудование СПДЗ имеется, но не требуется"_s, zero, none,
          compute},
         &TZdanie::SpdzDevices},
    };
    for (const auto& s : systems)
        ((*Zdanie).*s.list).cell(TDeviceList::Name, 1) = s.title;
    for (const auto& s : systems) {
        SCOPED_TRACE(s.title.toStdString());
        EXPECT_EQ(s.group->title(), s.title);
        QStringList items;
        for (int i = 0; i < s.group->count(); ++i)
            items << s.group->button(i)->text();
        EXPECT_EQ(items, s.items);
        QString shown;
        whenModal("the device list of " + s.title.toStdString(), [&shown](QDialog* dialog) {
            shown = qobject_cast<TEffectCalcForm*>(dialog)->StringGrid1->cells(0, 1);
            dialog->reject();
        });
        s.group->button(s.group->count() - 1)->click();
        EXPECT_EQ(shown, s.title);
    }

    ASSERT_EQ(form.ValueListEditor1->lastRow(), static_cast<int>(FreqLambda.size()));
    for (int row = 1; row <= form.ValueListEditor1->lastRow(); ++row)
        EXPECT_EQ(form.ValueListEditor1->key(row), FreqLambda.at(row - 1).kind.toString());
    ASSERT_EQ(form.RadioGroup8->count(), static_cast<int>(FreqAreaCoefs.size()));
    for (int item = 0; item < form.RadioGroup8->count(); ++item)
        EXPECT_EQ(form.RadioGroup8->button(item)->text(),
                  FreqAreaCoefs.at(item).roomType.toString());
}

TEST_F(MainWindowTest, FrequencyPanelsAndHeights)
{
    form.RadioGroup1->button(1)->click();
    EXPECT_FALSE(form.GroupBox2->isHidden());
    EXPECT_TRUE(form.GroupBox5->isHidden());
    EXPECT_TRUE(form.RadioGroup3->isHidden());
    EXPECT_EQ(form.GroupBox1->height(), 235);
    form.LabeledEdit2->setText(u"1500"_s);

    form.RadioGroup1->button(2)->click();
    EXPECT_FALSE(form.RadioGroup3->isHidden());
    EXPECT_TRUE(form.GroupBox5->isHidden());
    EXPECT_TRUE(form.GroupBox2->isHidden());
    EXPECT_EQ(form.GroupBox1->height(), 100);

    form.RadioGroup1->button(0)->click();
    EXPECT_FALSE(form.GroupBox5->isHidden());
    EXPECT_EQ(form.GroupBox1->height(), 230);
    form.RadioGroup1->button(1)->click();
    EXPECT_EQ(form.LabeledEdit2->text(), u"1500"_s);
}

TEST_F(MainWindowTest, DesignGridKeysUnderACommaLocale)
{
    ScopedDecimalSeparator comma(u',');
    typeIntoCell(form.StringGrid1, 1, 1, u"1.5"_s);
    EXPECT_EQ(form.StringGrid1->cells(1, 1), u"1,5"_s);
    typeIntoCell(form.StringGrid1, 2, 1, u",5"_s);
    EXPECT_EQ(form.StringGrid1->cells(2, 1), u"5"_s);
    typeIntoCell(form.StringGrid1, 3, 1, u"1,2,3"_s);
    EXPECT_EQ(form.StringGrid1->cells(3, 1), u"1,23"_s);
    typeIntoCell(form.StringGrid1, 5, 1, u"*a"_s);
    EXPECT_EQ(form.StringGrid1->cells(5, 1), QString());
}

TEST_F(MainWindowTest, DesignGridKeysUnderAPointLocale)
{
    ScopedDecimalSeparator point(u'.');
    typeIntoCell(form.StringGrid1, 1, 1, u"0,0.3"_s);
    EXPECT_EQ(form.StringGrid1->cells(1, 1), u"0.03"_s);
}

TEST_F(MainWindowTest, AreaTableTakesDigitsAndBothSeparators)
{
    ValueListEditor* table = form.ValueListEditor1;
    table->setFocus();
    // The value column is always in edit mode: making a row current opens its editor.
    auto typeIntoRow = [table](int row, const QString& keys) {
        table->setCurrentCell(row - 1, 1);
        QApplication::processEvents();
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->clear();
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    };
    typeIntoRow(1, u"1.2a-.3"_s);
    EXPECT_EQ(table->value(1), u"1.2.3"_s);
    typeIntoRow(2, u"1,5"_s);
    EXPECT_EQ(table->value(2), u"1,5"_s);
}

// Where a value goes as typed into a line of the parameters file, what the user types or pastes
// stops at the longest line a file may hold; a longer text the program put there stays whole.
TEST_F(MainWindowTest, TypingStopsAtTheLongestLineOfTheParametersFile)
{
    StringGrid* grid = form.StringGrid1;
    ValueListEditor* list = form.ValueListEditor1;
    TForm6* dialog = form.form6();
    // The editor of a cell as a user opens it, or null.
    const auto cellEditor = [](QTableWidget* view, int row, int col) {
        view->setFocus();
        view->setCurrentCell(row, col);
        view->editItem(view->item(row, col));
        QApplication::processEvents();
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    };
    struct Case {
        const char* where;
        std::function<void(const QString&)> set; // by the program
        std::function<QLineEdit*()> edit;        // where the user types
        std::function<QString()> stored;         // what the save reads
    };
    const auto field = [](const char* where, QLineEdit* edit) {
        return Case{where, [edit](const QString& text) { edit->setText(text); },
                    [edit] { return edit; }, [edit] { return edit->text(); }};
    };
    const Case cases[] = {
        {"design-point grid", [grid](const QString& text) { grid->setCells(1, 1, text); },
         [&] { return cellEditor(grid, 1, 1); },
         [&] {
             form.commitGridEdits();
             return grid->cells(1, 1);
         }},
        {"area table", [list](const QString& text) { list->setValue(1, text); },
         [&] { return cellEditor(list, 0, 1); },
         [&] {
             form.commitGridEdits();
             return list->value(1);
         }},
        field("single area", form.LabeledEdit2->edit()),
        field("exit probability", dialog->Edit1),
        field("evacuation time", dialog->Edit2),
        field("blocking time", dialog->Edit3),
        field("evacuation start time", dialog->Edit4),
    };
    const int bound = ParametersMaxLineLength;
    const QString almost(bound - 1, u'1');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        for (const bool paste : {false, true}) {
            c.set(almost);
            QLineEdit* edit = c.edit();
            ASSERT_NE(edit, nullptr);
            edit->end(false);
            if (paste) {
                QGuiApplication::clipboard()->setText(u"345"_s);
                edit->paste();
            } else {
                QTest::keyClicks(edit, u"23"_s);
            }
            EXPECT_TRUE(c.stored() == almost + (paste ? u'3' : u'2')) << c.stored().size();
        }
        const QString longer(bound + 10, u'1');
        c.set(longer);
        ASSERT_NE(c.edit(), nullptr);
        EXPECT_TRUE(c.stored() == longer) << c.stored().size();
    }
}

TEST_F(MainWindowTest, RemovingDesignPoints)
{
    StringGrid* grid = form.StringGrid1;
    grid->setRowCount(4);
    for (int row = 1; row <= 3; ++row)
        grid->setCells(0, row, u"Расчетная точка "_s + QString::number(row));
    grid->setCurrentCell(1, 1); // the first point selected
    form.SpeedButton4->click();
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->cells(0, 2), u"Расчетная точка 2"_s);
    form.SpeedButton4->click();
    EXPECT_EQ(grid->rowCount(), 2);

    grid->setCells(1, 1, u"0,03"_s);
    form.SpeedButton4->click();
    EXPECT_EQ(grid->rowCount(), 2);
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(grid->cells(col, 1), QString()) << col;
    EXPECT_EQ(grid->cells(0, 0), Headers.at(0));
}

TEST_F(MainWindowTest, AddingDesignPointsAndThePrefillFromTheRecord)
{
    whenModal("the design point dialog", [](QDialog* dialog) {
        EXPECT_EQ(qobject_cast<TForm6*>(dialog)->Edit1->text(), u"0"_s);
        qobject_cast<TForm6*>(dialog)->BitBtn1->click();
    });
    form.SpeedButton3->click();
    EXPECT_EQ(form.StringGrid1->rowCount(), 2);
    EXPECT_EQ(form.StringGrid1->cells(0, 1), u"Расчетная точка 1"_s);

    // As after a calculation: the next opening starts from the record's design point.
    Zdanie->ExitProb = 0.03L;
    Zdanie->EvacTime = 2.5L;
    Zdanie->BlockTime = 1.0L / 3.0L;
    Zdanie->StartEvacTime = 0.5L;
    Zdanie->FireRoomMark = true;
    whenModal("the design point dialog", [](QDialog* dialog) { dialog->reject(); });
    form.SpeedButton3->click();
    EXPECT_EQ(form.StringGrid1->rowCount(), 2); // closed without adding
    TForm6* dialog = form.form6();
    EXPECT_EQ(dialog->Edit1->text(), u"0.03"_s);
    EXPECT_EQ(dialog->Edit2->text(), u"2.5"_s);
    EXPECT_EQ(dialog->Edit3->text(), u"0.33333333"_s);
    EXPECT_TRUE(dialog->CheckBox1->isChecked());
    EXPECT_EQ(dialog->Edit4->text(), u"0,5"_s); // the fire-room rule fixes it

    whenModal("the design point dialog",
              [](QDialog* dialog) { qobject_cast<TForm6*>(dialog)->BitBtn1->click(); });
    form.SpeedButton3->click();
    ASSERT_EQ(form.StringGrid1->rowCount(), 3);
    EXPECT_EQ(form.StringGrid1->cells(0, 2), u"Расчетная точка 2"_s);
    EXPECT_EQ(form.StringGrid1->cells(1, 2), u"0.03"_s);
    EXPECT_EQ(form.StringGrid1->cells(5, 2), u"*"_s);
}

TEST_F(MainWindowTest, ClosingAsksFirst)
{
    desktop.answerYes = false;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(desktop.questions.size(), 1);
    EXPECT_EQ(desktop.questions.at(0),
              u"Ovrelta: расчет пожарного риска для производственных объектов|"
              u"Вы, действительно, хотите закрыть программу?"_s);
    desktop.answerYes = true;
    form.TBExit->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(desktop.questions.size(), 2);
}

TEST(BuildingRecord, ShortTextsAreCutWhenStored)
{
    TZdanie record;
    record.DaysPerYear = QString(300, u'7');
    EXPECT_EQ(record.DaysPerYear.text(), QString(255, u'7'));
    record.ApsDevices.cell(TDeviceList::Name, 20) = QString(256, u'x');
    EXPECT_EQ(record.ApsDevices.cell(TDeviceList::Name, 20).text().size(), 255);
    EXPECT_EQ(record.ApsDevices.Count, 0);
}

// The designed heights and widths hold where the window's font lets them; where it does not,
// the controls get the room they need: nothing overlaps and no heading is cut.
TEST_F(MainWindowTest, NothingOverlapsOrIsCut)
{
    const RadioGroup* methods = form.RadioGroup1;
    EXPECT_GE(methods->height(), 64);
    for (int i = 0; i < methods->count(); ++i) {
        const QRect button = methods->button(i)->geometry();
        EXPECT_GE(button.height(), methods->button(i)->sizeHint().height()) << i;
        EXPECT_TRUE(methods->contentsRect().contains(button)) << i;
        if (i > 0) {
            EXPECT_FALSE(button.intersects(methods->button(i - 1)->geometry())) << i;
        }
    }

    // A narrower window, and back: the columns follow the grid's view.
    expectDesignedColumns(*form.StringGrid1);
    form.resize(600, 673);
    QApplication::processEvents();
    expectDesignedColumns(*form.StringGrid1);
    form.resize(714, 673);
    form.TBNew->trigger();
    QApplication::processEvents();
    expectDesignedColumns(*form.StringGrid1);
}

// Assistive tools read a picture button out by its hint, not by the caption of its group.
TEST_F(MainWindowTest, PictureButtonsAreNamedByTheirHints)
{
    const QWidget* windows[] = {&form,
                                form.form6(),
                                form.evacForm(),
                                form.startEvacForm(),
                                form.effectCalcForm(),
                                form.calcReport()};
    for (const QWidget* window : windows)
        EXPECT_EQ(pictureButtonsNotNamedByTheirHints(const_cast<QWidget*>(window)), QStringList())
            << window->metaObject()->className();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.SpeedButton3)->text(QAccessible::Name),
              u"Добавить расчетную точку"_s);
}

TEST(GridColumns, FitWidths)
{
    using W = std::vector<int>;
    const struct {
        W preferred, least;
        int available;
        W fitted;
    } cases[] = {
        {{100, 150, 70}, {70, 90, 80}, 400, {100, 150, 80}}, // raised to the least, room left
        {{100, 150, 70}, {70, 90, 80}, 330, {100, 150, 80}}, // just fits
        // 10 too wide: taken in proportion to what each has beyond its least (30, 60, 0).
        {{100, 150, 70}, {70, 90, 80}, 320, {97, 143, 80}},
        {{100, 150, 70}, {70, 90, 80}, 100, {70, 90, 80}}, // never below the least
        {{100, 100}, {0, 0}, 1, {1, 0}},
        {{}, {}, 10, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.available);
        const W fitted = fitWidths(c.preferred, c.least, c.available);
        EXPECT_EQ(fitted, c.fitted);
    }
}
