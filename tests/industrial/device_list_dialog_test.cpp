#include "common/command_guard.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "industrial/ui/device_list_dialog.h"
#include "industrial/ui/globals.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

class DeviceListDialog : public ::testing::Test
{
protected:
    void SetUp() override { setApplicationTitle(industrialAppTitle()); }

    // Opens the list in the dialog, runs `action` while it is shown.
    void edit(TDeviceList& list, std::function<void()> action)
    {
        QTimer::singleShot(0, dialog, [this, action] {
            action();
            if (dialog->isVisible())
                dialog->reject();
        });
        runCommand(dialog, [&] { EditDeviceList(*dialog, list); });
    }

    static TDeviceList listOf(std::initializer_list<const char16_t*> names)
    {
        TDeviceList list;
        for (const char16_t* name : names) {
            ++list.Count;
            list.cell(TDeviceList::Name, list.Count) = QString::fromUtf16(name);
            list.cell(TDeviceList::Mtbf, list.Count) = u"1000"_s;
        }
        return list;
    }

    QLineEdit* cellEditor() const
    {
        for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Types into a grid cell through the view and its editor, leaving the editor open.
    void typeWithoutEnter(int col, int row, const QString& keys)
    {
        grid->setCurrentCell(row, col);
        for (const QChar key : keys) {
            QWidget* target = cellEditor();
            QTest::keyClicks(target ? target : grid, QString(key));
        }
    }

    // Types into a grid cell, then commits with Enter.
    void typeIntoCell(int col, int row, const QString& keys)
    {
        typeWithoutEnter(col, row, keys);
        if (QLineEdit* editor = cellEditor()) {
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the delegate commits through a queued call
        }
    }

    DesktopRecorder desktop;
    TEffectCalcForm devices; // alone, without a main window
    TEffectCalcForm* dialog = &devices;
    StringGrid* grid = dialog->StringGrid1;
};

TEST_F(DeviceListDialog, EmptyListOpensWithTwoRowsAndZeroStoresNone)
{
    TDeviceList list;
    int rows = 0;
    QString count;
    edit(list, [&] {
        rows = grid->rowCount();
        count = dialog->Edit1->text();
        dialog->Edit1->setText(u"0"_s);
        dialog->OKBtn->click();
    });
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(count, u"2"_s);
    EXPECT_EQ(list.Count, 0);
    EXPECT_TRUE(desktop.errors.isEmpty());

    edit(list, [&] { rows = grid->rowCount(); });
    EXPECT_EQ(rows, 3);
}

// Rows a raised count shows are the list's own, kept above its count, or empty: never rows that
// another system's list left in the grid.
TEST_F(DeviceListDialog, CancelKeepsListAndARaisedCountShowsOnlyTheListsOwnRows)
{
    TDeviceList first;
    edit(first, [&] {
        dialog->Edit1->setText(u"5"_s);
        dialog->BitBtn1->click();
        EXPECT_EQ(grid->rowCount(), 6);
        for (int row = 1; row <= 5; ++row)
            grid->setCells(0, row, u"A"_s + QString::number(row));
        dialog->CancelBtn->click();
    });
    EXPECT_EQ(first.Count, 0);
    EXPECT_TRUE(first.cell(0, 1).isEmpty());

    TDeviceList second = listOf({u"B1", u"B2"});
    second.cell(0, 3) = u"B3"_s; // stored once with a larger count
    QStringList raised;
    edit(second, [&] {
        EXPECT_EQ(grid->rowCount(), 3);
        dialog->Edit1->setText(u"1"_s);
        dialog->BitBtn1->click();
        dialog->Edit1->setText(u"5"_s);
        dialog->BitBtn1->click();
        for (int row = 1; row <= 5; ++row)
            raised << grid->cells(0, row);
        dialog->Edit1->setText(u"4"_s);
        dialog->OKBtn->click();
    });
    EXPECT_EQ(raised, (QStringList{u"B1"_s, u"B2"_s, u"B3"_s, QString(), QString()}));
    ASSERT_EQ(second.Count, 4);
    EXPECT_EQ(second.cell(0, 1).text(), u"B1"_s);
    EXPECT_EQ(second.cell(1, 2).text(), u"1000"_s);
    EXPECT_EQ(second.cell(0, 3).text(), u"B3"_s);
    EXPECT_TRUE(second.cell(0, 4).isEmpty());

    // A count raised without "Применить" takes no other list's rows either.
    TDeviceList third = listOf({u"C1"});
    edit(third, [&] {
        dialog->Edit1->setText(u"4"_s);
        dialog->OKBtn->click();
    });
    ASSERT_EQ(third.Count, 4);
    EXPECT_EQ(third.cell(0, 1).text(), u"C1"_s);
    for (int row = 2; row <= 4; ++row)
        EXPECT_TRUE(third.cell(0, row).isEmpty()) << row;
}

TEST_F(DeviceListDialog, ModeAndLongNames)
{
    TDeviceList list = listOf({u"A"});
    edit(list, [&] {
        dialog->RadioGroup1->setItemIndex(1);
        grid->setCells(0, 1, QString(300, u'x'));
        dialog->OKBtn->click();
    });
    EXPECT_EQ(list.Mode, 1);
    EXPECT_EQ(list.cell(0, 1).text(), QString(255, u'x'));

    int shownMode = -1;
    edit(list, [&] {
        shownMode = dialog->RadioGroup1->itemIndex();
        dialog->RadioGroup1->setItemIndex(0);
        dialog->OKBtn->click();
    });
    EXPECT_EQ(shownMode, 1);
    EXPECT_EQ(list.Mode, 0);
}

// A count the list cannot take is refused with the dialog still open, the count field named and
// focused, nothing typed lost; the list changes only with a valid "Готово".
TEST_F(DeviceListDialog, BadCountKeepsTheDialogOpen)
{
    const QString place = u"Поле «Число технических средств системы»\n"_s;
    const QString tooMany = u"Число технических средств не может быть больше 20"_s;
    const struct {
        bool done; // "Готово", else "Применить"
        QString count;
        QString message;
    } cases[] = {
        {true, u"21"_s, tooMany},
        {true, u""_s, u"'' is not a valid integer value"_s},
        {true, u"99999999999"_s, u"'99999999999' is not a valid integer value"_s},
        {false, u"25"_s, tooMany},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count.toStdString());
        desktop.errors.clear();
        TDeviceList list = listOf({u"A", u"B"});
        list.Mode = 1;
        bool open = false;
        edit(list, [&] {
            dialog->RadioGroup1->setItemIndex(0);
            grid->setCells(0, 1, u"changed"_s);
            dialog->Edit1->setText(c.count);
            grid->setFocus();
            (c.done ? dialog->OKBtn : dialog->BitBtn1)->click();
            open = dialog->isVisible();
            EXPECT_EQ(dialog->focusWidget(), dialog->Edit1);
            EXPECT_EQ(dialog->Edit1->text(), c.count);
            EXPECT_EQ(grid->rowCount(), 3);
            EXPECT_EQ(grid->cells(0, 1), u"changed"_s);
            EXPECT_EQ(list.Count, 2);
            EXPECT_EQ(list.cell(0, 1).text(), u"A"_s);
            dialog->Edit1->setText(u"3"_s);
            dialog->OKBtn->click();
        });
        EXPECT_TRUE(open);
        EXPECT_EQ(desktop.errors, QStringList{industrialAppTitle() + u'|' + place + c.message});
        EXPECT_EQ(list.Count, 3);
        EXPECT_EQ(list.Mode, 0);
        EXPECT_EQ(list.cell(0, 1).text(), u"changed"_s);
    }
}

// Every button reads what is typed in a cell whose editor is still open.
TEST_F(DeviceListDialog, ButtonsCommitAnOpenCellEditor)
{
    const struct {
        QAbstractButton* button;
        QString probability; // of the row afterwards
    } cases[] = {
        {dialog->BitBtn1, QString()},
        {dialog->SpeedButton1, u"0.60653066"_s}, // exp(-1000 / 2000)
        {dialog->OKBtn, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button->text().toStdString());
        TDeviceList list = listOf({u"A"});
        list.cell(TDeviceList::Mtbf, 1) = ShortText();
        QString mtbf, probability;
        edit(list, [&] {
            typeWithoutEnter(TDeviceList::Mtbf, 1, u"2000"_s);
            ASSERT_NE(cellEditor(), nullptr);
            c.button->click();
            mtbf = grid->cells(TDeviceList::Mtbf, 1);
            probability = grid->cells(TDeviceList::Probability, 1);
            if (dialog->isVisible())
                dialog->OKBtn->click();
        });
        EXPECT_EQ(mtbf, u"2000"_s);
        EXPECT_EQ(probability, c.probability);
        EXPECT_EQ(list.cell(TDeviceList::Mtbf, 1).text(), u"2000"_s);
    }
}

// A time between failures that is no number names its row and column; the cell gets the focus.
TEST_F(DeviceListDialog, MtbfThatIsNoNumberNamesItsCell)
{
    StringGrid other(6, 2, 1, 1); // as the main window's grid, in another window of the same name
    other.setObjectName(u"StringGrid1"_s);
    TDeviceList list = listOf({u"A", u"B", u"C"});
    list.cell(TDeviceList::Mtbf, 2) = u"abc"_s; // as a parameters file may hold it
    QWidget* focused = nullptr;
    int row = -1, column = -1;
    edit(list, [&] {
        dialog->Edit1->setFocus();
        dialog->SpeedButton1->click();
        focused = dialog->focusWidget();
        row = grid->currentRow();
        column = grid->currentColumn();
    });
    EXPECT_EQ(desktop.errors,
              QStringList{industrialAppTitle() + u"|Строка 2, столбец «Наработка на отказ, час»\n"
                                                 u"'abc' is not a valid floating point value"_s});
    EXPECT_EQ(focused, grid);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, TDeviceList::Mtbf);
}

TEST_F(DeviceListDialog, RowCountFromCountField)
{
    const struct {
        QString count;
        int apply; // row count after "Применить" from 4 rows
        int show;
    } cases[] = {{u"0"_s, 4, 1}, {u"5"_s, 6, 6}, {u"25"_s, 4, 21}, {u""_s, 3, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count.toStdString());
        grid->setRowCount(4);
        dialog->Edit1->setText(c.count);
        dialog->BitBtn1->click();
        EXPECT_EQ(grid->rowCount(), c.apply);
        dialog->show();
        EXPECT_EQ(grid->rowCount(), c.show);
        dialog->hide();
    }
}

// The probabilities are written only when every row converts; a failing row is named.
TEST_F(DeviceListDialog, ProbabilitiesWrittenOnlyWhenEveryRowConverts)
{
    const struct {
        QString badMtbf; // of row 4; empty: the row is skipped
        QString error;
    } cases[] = {
        {u"0"_s, u"Строка 4, столбец «Наработка на отказ, час»\nFloating point division by zero"_s},
        {u"1e-4940"_s, u"Строка 4, столбец «Наработка на отказ, час»\nFloating point overflow"_s},
        {u"abc"_s, u"Строка 4, столбец «Наработка на отказ, час»\n"
                   u"'abc' is not a valid floating point value"_s},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.badMtbf.toStdString());
        desktop.errors.clear();
        grid->setRowCount(6);
        const QString mtbf[] = {u"50000"_s, u""_s, u"1000"_s, c.badMtbf, u"1000"_s};
        for (int row = 1; row <= 5; ++row) {
            grid->setCells(1, row, mtbf[row - 1]);
            grid->setCells(2, row, u"typed"_s);
        }
        dialog->SpeedButton1->click();
        const bool written = c.error.isEmpty();
        EXPECT_EQ(grid->cells(2, 1), written ? u"0.98019867"_s : u"typed"_s);
        EXPECT_EQ(grid->cells(2, 2), u"typed"_s);
        EXPECT_EQ(grid->cells(2, 3), written ? u"0.36787944"_s : u"typed"_s);
        EXPECT_EQ(grid->cells(2, 4), u"typed"_s);
        EXPECT_EQ(grid->cells(2, 5), written ? u"0.36787944"_s : u"typed"_s);
        EXPECT_EQ(desktop.errors,
                  written ? QStringList() : QStringList{industrialAppTitle() + u'|' + c.error});
    }
}

// A probability worked out from an MTBF goes when the engineer changes that MTBF, so that it is
// never stored beside another MTBF; the calculation then asks for it.
TEST_F(DeviceListDialog, AnEditedMtbfEmptiesItsRowsProbability)
{
    TDeviceList list = listOf({u"A", u"B", u"C"});
    list.cell(TDeviceList::Mtbf, 3) = ShortText(); // its probability typed by hand
    list.cell(TDeviceList::Probability, 3) = u"0,95"_s;
    edit(list, [&] {
        dialog->Edit1->setText(u"3"_s);
        dialog->BitBtn1->click();
        dialog->SpeedButton1->click();
        EXPECT_EQ(grid->cells(TDeviceList::Probability, 1), u"0.36787944"_s);
        typeIntoCell(TDeviceList::Mtbf, 1, u"2000"_s); // over 1000
        typeIntoCell(TDeviceList::Name, 2, u"B2"_s);   // a name changes no probability
        dialog->OKBtn->click();
    });
    EXPECT_EQ(list.cell(TDeviceList::Mtbf, 1).text(), u"2000"_s);
    EXPECT_EQ(list.cell(TDeviceList::Probability, 1).text(), QString());
    EXPECT_EQ(list.cell(TDeviceList::Probability, 2).text(), u"0.36787944"_s);
    EXPECT_EQ(list.cell(TDeviceList::Probability, 3).text(), u"0,95"_s);
}

TEST_F(DeviceListDialog, KeyFiltersOfCountAndCells)
{
    dialog->Edit1->clear();
    QTest::keyClicks(dialog->Edit1, u"1a,2.-"_s);
    EXPECT_EQ(dialog->Edit1->text(), u"12"_s);

    const struct {
        QChar separator;
        int col;
        QString typed;
        QString expected;
    } cases[] = {
        {u',', 0, u"a,b,c."_s, u"a,bc."_s},
        {u',', 1, u"12a,3"_s, u"123"_s},
        {u'.', 2, u".0.5,1"_s, u"0.51"_s},
        // The other separator is typed as the locale's, under the same rules.
        {u',', 2, u".0.5,1"_s, u"0,51"_s},
        {u'.', 2, u",0,9"_s, u"0.9"_s},
    };
    dialog->Edit1->setText(u"5"_s);
    dialog->show();
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        ScopedDecimalSeparator separator(c.separator);
        ++row;
        typeIntoCell(c.col, row, c.typed);
        EXPECT_EQ(grid->cells(c.col, row), c.expected);
    }
    dialog->hide();
}

} // namespace
