#include "common/command_guard.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "industrial/ui/device_list_dialog.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"
#include "support/test_support.h"

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

    // Opens the list in the dialog as the main window does, runs `action` while it is shown.
    void edit(TDeviceList& list, std::function<void()> action)
    {
        QTimer::singleShot(0, dialog, [this, action] {
            action();
            if (dialog->isVisible())
                dialog->reject();
        });
        runCommand(&form, [&] { EditDeviceList(list); });
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

    // Types into a grid cell through the view and its editor, then commits.
    void typeIntoCell(int col, int row, const QString& keys)
    {
        grid->setCurrentCell(row, col);
        for (const QChar key : keys) {
            QWidget* target = cellEditor();
            QTest::keyClicks(target ? target : grid, QString(key));
        }
        if (QLineEdit* editor = cellEditor()) {
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the delegate commits through a queued call
        }
    }

    DesktopRecorder desktop;
    TForm1 form;
    TEffectCalcForm* dialog = EffectCalcForm();
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

TEST_F(DeviceListDialog, CancelKeepsListAndLargerCountTakesKeptRows)
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
    edit(second, [&] {
        EXPECT_EQ(grid->rowCount(), 3);
        dialog->Edit1->setText(u"4"_s); // no "Применить"
        dialog->OKBtn->click();
    });
    ASSERT_EQ(second.Count, 4);
    EXPECT_EQ(second.cell(0, 1).text(), u"B1"_s);
    EXPECT_EQ(second.cell(1, 2).text(), u"1000"_s);
    EXPECT_EQ(second.cell(0, 3).text(), u"A3"_s);
    EXPECT_EQ(second.cell(0, 4).text(), u"A4"_s);
    EXPECT_TRUE(second.cell(0, 5).isEmpty());
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

TEST_F(DeviceListDialog, BadCountAtDoneLeavesListUnchanged)
{
    const struct {
        QString count;
        QString message;
    } cases[] = {
        {u"21"_s, u"Число технических средств не может быть больше 20"_s},
        {u""_s, u"'' is not a valid integer value"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count.toStdString());
        desktop.errors.clear();
        TDeviceList list = listOf({u"A", u"B"});
        list.Mode = 1;
        edit(list, [&] {
            dialog->RadioGroup1->setItemIndex(0);
            grid->setCells(0, 1, u"changed"_s);
            dialog->Edit1->setText(c.count);
            dialog->OKBtn->click();
        });
        EXPECT_EQ(desktop.errors, QStringList{industrialAppTitle() + u'|' + c.message});
        EXPECT_EQ(list.Count, 2);
        EXPECT_EQ(list.Mode, 1);
        EXPECT_EQ(list.cell(0, 1).text(), u"A"_s);
    }
}

TEST_F(DeviceListDialog, RowCountFromCountField)
{
    const struct {
        QString count;
        int apply; // row count after "Применить" from 4 rows
        int show;
    } cases[] = {{u"0"_s, 4, 1}, {u"5"_s, 6, 6}, {u"25"_s, 21, 21}, {u""_s, 3, 3}};
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

TEST_F(DeviceListDialog, ProbabilitiesStopAtTheFailingRow)
{
    grid->setRowCount(6);
    const QString mtbf[] = {u"50000"_s, u""_s, u"1000"_s, u"0"_s, u"1000"_s};
    for (int row = 1; row <= 5; ++row) {
        grid->setCells(1, row, mtbf[row - 1]);
        grid->setCells(2, row, u"typed"_s);
    }
    dialog->SpeedButton1->click();
    EXPECT_EQ(grid->cells(2, 1), u"0.98019867"_s);
    EXPECT_EQ(grid->cells(2, 2), u"typed"_s);
    EXPECT_EQ(grid->cells(2, 3), u"0.36787944"_s);
    EXPECT_EQ(grid->cells(2, 4), u"typed"_s);
    EXPECT_EQ(grid->cells(2, 5), u"typed"_s);
    EXPECT_EQ(desktop.errors,
              QStringList{industrialAppTitle() + u"|Floating point division by zero"_s});
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
