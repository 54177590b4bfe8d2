#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "kestrum_window.h"
#include "public/ui/table_grid.h"
#include "support/modal.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

void clickCell(TableDialog& dialog, int col, int row)
{
    TableGrid* grid = dialog.StringGrid1;
    const QRect cell = grid->visualRect(grid->model()->index(row, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

struct TableDialogsTest : KestrumWindow {
    void SetUp() override { start(); }

    // Opens a dialog by its button and acts while it is shown; act must close it.
    void open(QPushButton* button, const std::function<void()>& act)
    {
        const QDialog* opened = button == form.BitBtn1 ? static_cast<QDialog*>(dlg1) : dlg2;
        whenModal(opened->metaObject()->className(), [act](QDialog* dialog) {
            // As the desktop does when a dialog opens: it becomes the active window.
            dialog->activateWindow();
            EXPECT_TRUE(
                QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            act();
        });
        button->click();
    }

    // What the grid shows as chosen, for the eye and for assistive tools: "col,row" or empty.
    static QString shownChoice(TableGrid* grid)
    {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        QStringList reported;
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                if (QAccessibleInterface* cell = table->tableInterface()->cellAt(r, c);
                    cell && cell->state().selected)
                    reported << u"%1,%2"_s.arg(c).arg(r);
        EXPECT_EQ(table->tableInterface()->selectedCellCount(), reported.size());
        const QModelIndex current = grid->currentIndex();
        const QString drawn =
            current.isValid() ? u"%1,%2"_s.arg(current.column()).arg(current.row()) : QString();
        QStringList selected;
        for (const QModelIndex& index : grid->selectionModel()->selectedIndexes())
            selected << u"%1,%2"_s.arg(index.column()).arg(index.row());
        EXPECT_EQ(selected, reported);
        EXPECT_TRUE(reported.isEmpty() || reported == QStringList{drawn}) << drawn.toStdString();
        return drawn;
    }
};

struct NoTablesTest : KestrumWindow {
    void SetUp() override { start(false); }
};

// A dialog made alone, over a window that is no main window, with no building record: it reaches
// only what it was handed.
struct DialogAloneTest : KestrumTables {
    ScopedDecimalSeparator comma{u','};
    QWidget owner;

    void SetUp() override
    {
        setApplicationTitle(publicAppTitle());
        writeTables();
        ASSERT_EQ(MainForm, nullptr);
        Zdanie.reset();
    }

    // Shows the dialog modally, as its button would, and acts while it is shown; act must close
    // it. Returns the dialog's result.
    static int run(QDialog& dialog, const std::function<void()>& act)
    {
        whenModal(dialog.metaObject()->className(), [act](QDialog*) { act(); });
        return dialog.exec();
    }
};

} // namespace

TEST_F(TableDialogsTest, TablesShapeTheGrids)
{
    EXPECT_TRUE(desktop.errors.isEmpty());
    // ODlg1: columns share the width inside the grid's frame, less 1 each.
    TableGrid* grid1 = dlg1->StringGrid1;
    EXPECT_EQ(grid1->columnCount(), 2);
    EXPECT_EQ(grid1->rowCount(), 3);
    EXPECT_EQ(grid1->fixedRows() + grid1->fixedCols(), 2);
    for (int c = 0; c < 2; ++c)
        EXPECT_EQ(grid1->columnWidth(c), (600 - 2 * grid1->frameWidth()) / 2 - 1);
    // ODlg2: a quarter of the width per column, whatever their count; no empty last row.
    TableGrid* grid2 = dlg2->StringGrid1;
    EXPECT_EQ(grid2->columnCount(), 3);
    EXPECT_EQ(grid2->rowCount(), 2);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(grid2->columnWidth(c), (588 - 2 * grid2->frameWidth()) / 4);
}

TEST_F(TableDialogsTest, FrequencyTableSelection)
{
    form.RadioGroup1->setItemIndex(1);
    // Opened and confirmed at once: the first data cell, never the heading of the focused grid.
    open(form.BitBtn1, [&dialog = *dlg1] {
        EXPECT_EQ(QApplication::focusWidget(), dialog.StringGrid1);
        QTest::keyClick(dialog.StringGrid1, Qt::Key_Return);
    });
    EXPECT_EQ(form.QpEdit->text(), u"0,0116"_s);
    EXPECT_EQ(form.RadioGroup1->itemIndex(), 0);

    // Headings take no clicks; a cell chosen and then cancelled is remembered.
    form.RadioGroup1->setItemIndex(1);
    open(form.BitBtn1, [&dialog = *dlg1] {
        clickCell(dialog, 0, 2);
        clickCell(dialog, 1, 0);
        EXPECT_FALSE(dialog.CellSelected);
        clickCell(dialog, 1, 2);
        dialog.CancelBtn->click();
    });
    EXPECT_EQ(form.QpEdit->text(), u"0,0116"_s);
    EXPECT_EQ(form.RadioGroup1->itemIndex(), 0); // cancelled, still the statistics
    open(form.BitBtn1, [&dialog = *dlg1] { dialog.OKBtn->click(); });
    EXPECT_EQ(form.QpEdit->text(), u"0,0203"_s);

    // Keys select as they move, but never onto a heading.
    open(form.BitBtn1, [&dialog = *dlg1] {
        clickCell(dialog, 1, 1);
        QTest::keyClick(dialog.StringGrid1, Qt::Key_Up);
        QTest::keyClick(dialog.StringGrid1, Qt::Key_Left);
        EXPECT_EQ(std::pair(dialog.SelCol, dialog.SelRow), std::pair(1, 1));
        QTest::keyClick(dialog.StringGrid1, Qt::Key_Down);
        EXPECT_EQ(std::pair(dialog.SelCol, dialog.SelRow), std::pair(1, 2));
        dialog.CancelBtn->click();
    });
}

TEST_F(TableDialogsTest, StartTimeFromTheAreaOfTheRoomOfFireOrigin)
{
    ScopedDecimalSeparator comma(u',');
    struct Case {
        QString text;
        long double area;
        QString shown;
    };
    const Case cases[] = {{u"1"_s, 1.0L, u"0,084"_s},
                          {u"100"_s, 100.0L, u"0,1"_s},
                          {u"250"_s, 250.0L, u"0,125"_s},
                          {u"0"_s, 1.0L, u"0,084"_s},
                          {QString(), 1.0L, u"0,084"_s},
                          {u"2.5"_s, 1.0L, u"0,084"_s},  // pasted: the locale's separator only
                          {u"-50"_s, 1.0L, u"0,084"_s}}; // pasted: no area, as no object file holds
    for (const Case& c : cases) {
        open(form.BitBtn2, [&c, &dialog = *dlg2] {
            if (c.text != u"1"_s)
                dialog.CB->setChecked(true);
            dialog.LabeledEdit1->setText(c.text);
            dialog.OKBtn->click();
        });
        EXPECT_EQ(form.LabeledEdit6->text(), c.shown) << c.text.toStdString();
        EXPECT_EQ(Zdanie->FireRoomAr, c.area) << c.text.toStdString();
    }

    // A ticked box wins over a selected cell; the area edit takes digits and one separator.
    open(form.BitBtn2, [&dialog = *dlg2] {
        EXPECT_TRUE(dialog.CB->isChecked()); // the area edit was left at "2.5"
        dialog.CB->click();
        clickCell(dialog, 2, 1);
        dialog.CB->click();
        EXPECT_FALSE(dialog.StringGrid1->isEnabled());
        dialog.LabeledEdit1->edit()->clear();
        QTest::keyClicks(dialog.LabeledEdit1->edit(), u"4x0.-5,"_s);
        EXPECT_EQ(dialog.LabeledEdit1->text(), u"40,5"_s);
        dialog.OKBtn->click();
    });
    EXPECT_EQ(form.LabeledEdit6->text(), u"0,09"_s);
    EXPECT_EQ(Zdanie->FireRoomAr, 40.5L);

    // Opened again, the box is ticked; clearing it brings back "1" and the grid.
    open(form.BitBtn2, [&dialog = *dlg2] {
        EXPECT_TRUE(dialog.CB->isChecked());
        EXPECT_FALSE(dialog.StringGrid1->isEnabled());
        dialog.CB->click();
        EXPECT_EQ(dialog.LabeledEdit1->text(), u"1"_s);
        EXPECT_TRUE(dialog.StringGrid1->isEnabled());
        clickCell(dialog, 2, 1);
        dialog.OKBtn->click();
    });
    EXPECT_EQ(form.LabeledEdit6->text(), u"6,0"_s);
}

TEST_F(TableDialogsTest, StartTimeTableShowsAChoiceOnlyOnceMade)
{
    ScopedDecimalSeparator comma(u',');
    form.RBFClass->setItemIndex(4); // Ф2
    TableGrid* grid = dlg2->StringGrid1;
    // Nothing chosen yet: nothing looks chosen, not even once the grid has the focus, and
    // "Готово" writes the time for the area.
    open(form.BitBtn2, [grid, &dialog = *dlg2] {
        EXPECT_EQ(shownChoice(grid), QString());
        dialog.CancelBtn->setFocus(Qt::TabFocusReason);
        grid->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(QApplication::focusWidget(), grid);
        EXPECT_EQ(shownChoice(grid), QString());
        dialog.OKBtn->click();
    });
    EXPECT_EQ(form.LabeledEdit6->text(), u"0,084"_s);

    // A choice shows, is remembered across a cancel, and is what "Готово" writes.
    open(form.BitBtn2, [grid, &dialog = *dlg2] {
        clickCell(dialog, 2, 1);
        EXPECT_EQ(shownChoice(grid), u"2,1"_s);
        dialog.CancelBtn->click();
    });
    open(form.BitBtn2, [grid, &dialog = *dlg2] {
        EXPECT_EQ(shownChoice(grid), u"2,1"_s);
        dialog.OKBtn->click();
    });
    EXPECT_EQ(form.LabeledEdit6->text(), u"6,0"_s);

    // Ticking the room of fire origin forgets the cell, and the grid shows none afterwards.
    open(form.BitBtn2, [grid, &dialog = *dlg2] {
        dialog.CB->click();
        EXPECT_EQ(shownChoice(grid), QString());
        dialog.CB->click();
        EXPECT_EQ(shownChoice(grid), QString());
        // A key chooses where it moves to, as a click does.
        grid->setFocus(Qt::TabFocusReason);
        QTest::keyClick(grid, Qt::Key_Down);
        EXPECT_TRUE(dialog.CellSelected);
        EXPECT_EQ(shownChoice(grid), u"%1,%2"_s.arg(dialog.SelCol).arg(dialog.SelRow));
        dialog.OKBtn->click();
    });
    EXPECT_EQ(form.LabeledEdit6->text(), dlg2->StringGrid1->cells(dlg2->SelCol, dlg2->SelRow));

    // The fire-frequency table keeps its first data cell drawn: its "Готово" takes that cell.
    EXPECT_EQ(shownChoice(dlg1->StringGrid1), u"1,1"_s);
}

TEST_F(NoTablesTest, MissingTableFilesAreReportedAndStartUpGoesOn)
{
    // Each box names the file it looked for, with its folder.
    EXPECT_EQ(desktop.errors,
              QStringList({u"Ovrelta|Файл «"_s + path(u"table2.rrt"_s) + u"»\nFile not found"_s,
                           u"Ovrelta|Файл «"_s + path(u"table1.rrt"_s) + u"»\nFile not found"_s}));
    // The design grids stay, empty; "Готово" then takes an empty text.
    EXPECT_EQ(dlg1->StringGrid1->rowCount(), 4);
    EXPECT_EQ(dlg2->StringGrid1->rowCount(), 4);
    whenModal("the fire-frequency table",
              [](QDialog* dialog) { static_cast<TableDialog*>(dialog)->OKBtn->click(); });
    form.BitBtn1->click();
    EXPECT_EQ(form.QpEdit->text(), QString());
}

TEST_F(DialogAloneTest, FrequencyDialogFillsTheEditItWasHanded)
{
    QLineEdit qp(u"0"_s);
    TODlg1 dialog({&qp}, &owner, tableFolder());
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(dialog.parentWidget(), &owner);

    EXPECT_EQ(run(dialog, [&] { dialog.OKBtn->click(); }), QDialog::Accepted);
    EXPECT_EQ(qp.text(), u"0,0116"_s); // nothing selected: the first data cell
    run(dialog, [&] {
        clickCell(dialog, 1, 2);
        dialog.CancelBtn->click();
    });
    EXPECT_EQ(qp.text(), u"0,0116"_s);
    run(dialog, [&] { dialog.OKBtn->click(); });
    EXPECT_EQ(qp.text(), u"0,0203"_s);
}

TEST_F(DialogAloneTest, StartTimeDialogFillsTheEditAndStoresTheAreaThroughWhatItWasHanded)
{
    QLineEdit start(u"0"_s);
    std::vector<long double> stored;
    TODlg2 dialog({&start, [&stored](long double area) { stored.push_back(area); }}, &owner,
                  tableFolder());
    EXPECT_TRUE(desktop.errors.isEmpty());

    struct Step {
        const char* name;
        std::function<void()> act; // closes the dialog
        QString shown;
        std::vector<long double> stored;
    };
    const Step steps[] = {
        {"nothing selected: the time for area 1",
         [&] { dialog.OKBtn->click(); },
         u"0,084"_s,
         {1.0L}},
        {"the room of fire origin, 250 m²",
         [&] {
             dialog.CB->setChecked(true);
             dialog.LabeledEdit1->setText(u"250"_s);
             dialog.OKBtn->click();
         },
         u"0,125"_s,
         {1.0L, 250.0L}},
        {"cancelled: nothing written, nothing stored",
         [&] {
             dialog.LabeledEdit1->setText(u"40"_s);
             dialog.CancelBtn->click();
         },
         u"0,125"_s,
         {1.0L, 250.0L}},
        {"a cell: its text, and the area back at 1",
         [&] {
             dialog.CB->click();
             clickCell(dialog, 2, 1);
             dialog.OKBtn->click();
         },
         u"6,0"_s,
         {1.0L, 250.0L, 1.0L}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        run(dialog, step.act);
        EXPECT_EQ(start.text(), step.shown);
        EXPECT_EQ(stored, step.stored);
    }
    EXPECT_FALSE(Zdanie) << "the dialog made a record of its own";
}
