#include "common/radio_group.h"
#include "common/string_grid.h"
#include "industrial/ui/design_point_dialog.h"
#include "industrial/ui/exit_probability_dialog.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"
#include "industrial/ui/start_evacuation_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Runs `action` once the modal dialog is up; closes it if the action did not.
void whileShown(QDialog* dialog, std::function<void()> action)
{
    QTimer::singleShot(0, dialog, [dialog, action] {
        action();
        if (dialog->isVisible())
            dialog->reject();
    });
}

// The three dialogs alone, linked to a design-point grid, a СОУЭ choice and a start time of
// their own, as the main window links them to its controls and the record.
class DesignPointDialogs : public ::testing::Test
{
protected:
    QStringList gridRow(int row) const
    {
        QStringList cells;
        for (int col = 0; col < 6; ++col)
            cells << grid.cells(col, row);
        return cells;
    }

    StringGrid grid{6, 2, 1, 1};
    RadioGroup soue{QString(), {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s}};
    long double startEvacTime = 0;
    TForm6 form6{{&grid, &soue, [this] { return startEvacTime; }, [this] { return &evacForm; },
                  [this] { return &startEvacForm; }},
                 nullptr};
    TEvacForm evacForm{{form6.Edit1}, nullptr};
    TStartEvacForm startEvacForm{{form6.Edit4}, nullptr};
    TForm6* dialog = &form6;
    TEvacForm* evac = &evacForm;
    TStartEvacForm* chooser = &startEvacForm;
};

// The dialogs as the main window makes them.
class DesignPointDialogsOfTheMainWindow : public ::testing::Test
{
protected:
    TForm1 form;
    TForm6* dialog = form.form6();
    TStartEvacForm* chooser = form.startEvacForm();
};

TEST_F(DesignPointDialogs, AddedPointsAreNumberedByTheirRow)
{
    dialog->Edit1->setText(u"0,03"_s);
    dialog->Edit2->setText(u"1.5"_s);
    dialog->Edit3->setText(u"abc"_s); // nothing is validated
    dialog->Edit4->setText(u"2"_s);
    dialog->BitBtn1->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(gridRow(1),
              (QStringList{u"Расчетная точка 1"_s, u"0,03"_s, u"1.5"_s, u"abc"_s, u"2"_s, u""_s}));

    dialog->CheckBox1->setChecked(true);
    dialog->BitBtn1->click();
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(gridRow(2), (QStringList{u"Расчетная точка 2"_s, u"0,03"_s, u"1.5"_s, u"abc"_s,
                                       u"0,5"_s, u"*"_s}));

    // The dropped row's position and number are taken again (the main window's delete drops the
    // last row); a last row without a name is overwritten whole.
    grid.setRowCount(2);
    dialog->CheckBox1->setChecked(false);
    grid.setCells(0, 2, QString());
    dialog->BitBtn1->click();
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(gridRow(2),
              (QStringList{u"Расчетная точка 2"_s, u"0,03"_s, u"1.5"_s, u"abc"_s, u"0"_s, u""_s}));
}

TEST_F(DesignPointDialogs, FireRoomLocksTheStartTime)
{
    auto enabled = [&] {
        return QList<bool>{dialog->Edit4->isEnabled(), dialog->SpeedButton2->isEnabled(),
                           chooser->RadioButton1->isEnabled(), chooser->Edit1->isEnabled()};
    };
    dialog->Edit4->setText(u"7"_s);
    dialog->CheckBox1->setChecked(true);
    EXPECT_EQ(dialog->Edit4->text(), u"0,5"_s);
    EXPECT_EQ(enabled(), QList<bool>(4, false));
    EXPECT_TRUE(chooser->RadioButton2->isChecked());

    // Unchecking shows the record's start time, not the text from before.
    dialog->CheckBox1->setChecked(false);
    EXPECT_EQ(dialog->Edit4->text(), u"0"_s);
    EXPECT_EQ(enabled(), QList<bool>(4, true));
    EXPECT_TRUE(chooser->RadioButton2->isChecked());

    startEvacTime = 1.25L;
    dialog->CheckBox1->setChecked(true);
    dialog->CheckBox1->setChecked(false);
    EXPECT_EQ(dialog->Edit4->text(), u"1.25"_s);
}

TEST_F(DesignPointDialogs, StartTimeChooserPreselectsForSoueItemsZeroAndThree)
{
    for (const int item : {0, 1, 2, 3}) {
        SCOPED_TRACE(item);
        chooser->RadioButton3->setChecked(true);
        soue.setItemIndex(item);
        QList<bool> shown; // RadioButton1 checked, its edit enabled, RadioButton3 checked
        whileShown(chooser, [&] {
            shown = {chooser->RadioButton1->isChecked(), chooser->Edit1->isEnabled(),
                     chooser->RadioButton3->isChecked()};
        });
        dialog->SpeedButton2->click();
        const bool preselected = item == 0 || item == 3;
        EXPECT_EQ(shown, (QList<bool>{preselected, preselected, !preselected}));
    }
}

TEST_F(DesignPointDialogs, ChoosersWriteTheirTextsOnlyOnOk)
{
    evac->RadioGroup1->setItemIndex(1);
    evac->OKBtn->click();
    EXPECT_EQ(dialog->Edit1->text(), u"0,001"_s);
    evac->RadioGroup1->setItemIndex(0);
    evac->OKBtn->click();
    EXPECT_EQ(dialog->Edit1->text(), u"0,03"_s);
    dialog->Edit1->setText(u"5"_s);
    evac->CancelBtn->click();
    EXPECT_EQ(dialog->Edit1->text(), u"5"_s);

    // Nothing is checked at first, and then nothing is written.
    EXPECT_EQ(chooser->Buttons->checkedButton(), nullptr);
    dialog->Edit4->setText(u"7"_s);
    chooser->OKBtn->click();
    EXPECT_EQ(dialog->Edit4->text(), u"7"_s);

    chooser->RadioButton1->click();
    EXPECT_EQ(chooser->Edit1->text(), u"0,0"_s);
    chooser->Edit1->clear();
    chooser->OKBtn->click();
    EXPECT_EQ(dialog->Edit4->text(), u""_s);
    chooser->RadioButton3->click();
    EXPECT_FALSE(chooser->Edit1->isEnabled());
    chooser->OKBtn->click();
    EXPECT_EQ(dialog->Edit4->text(), u"2,00"_s);
    chooser->show();
    QTest::mouseClick(chooser->RadioButton4Label, Qt::LeftButton); // the wrapped caption
    chooser->OKBtn->click();
    EXPECT_EQ(dialog->Edit4->text(), u"0,0"_s);
    chooser->RadioButton2->click();
    chooser->CancelBtn->click();
    EXPECT_EQ(dialog->Edit4->text(), u"0,0"_s);
}

TEST_F(DesignPointDialogs, NumericFieldsTakeDigitsAndBothSeparators)
{
    chooser->RadioButton1->click();
    for (QLineEdit* edit :
         {dialog->Edit1, dialog->Edit2, dialog->Edit3, dialog->Edit4, chooser->Edit1}) {
        edit->clear();
        QTest::keyClicks(edit, u"1a,5.-e2 "_s);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), u"1,5."_s);
    }
}

TEST_F(DesignPointDialogsOfTheMainWindow, NewResetsAllButTheStartTimeChooser)
{
    form.evacForm()->RadioGroup1->setItemIndex(1);
    chooser->RadioButton3->setChecked(true);
    chooser->Edit1->setText(u"4"_s);
    for (QLineEdit* edit : {dialog->Edit1, dialog->Edit2, dialog->Edit3})
        edit->setText(u"9"_s);
    dialog->CheckBox1->setChecked(true);

    form.TBNewClick();
    EXPECT_FALSE(dialog->CheckBox1->isChecked());
    EXPECT_TRUE(dialog->Edit4->isEnabled());
    for (QLineEdit* edit : {dialog->Edit1, dialog->Edit2, dialog->Edit3, dialog->Edit4})
        EXPECT_EQ(edit->text(), u"0"_s);
    EXPECT_EQ(form.evacForm()->RadioGroup1->itemIndex(), 0);
    EXPECT_TRUE(chooser->RadioButton2->isChecked()); // set by the fire-room rule, kept
    EXPECT_EQ(chooser->Edit1->text(), u"4"_s);
}

// Placed over the window it is made over, whichever that is.
TEST_F(DesignPointDialogs, OpensCentredOverItsParent)
{
    QWidget owner;
    owner.setGeometry(40, 60, 300, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    TForm6 over(
        {&grid, &soue, [] { return 0.0L; }, [this] { return evac; }, [this] { return chooser; }},
        &owner);
    QPoint centre;
    whileShown(&over, [&] { centre = over.frameGeometry().center(); });
    over.exec();
    // Within a few pixels: the layout settles the dialog's size as it appears.
    EXPECT_LE((centre - owner.frameGeometry().center()).manhattanLength(), 8);
}

// Each link leads to the main window's control or the record's field: the СОУЭ choice, the
// record's start time, the dialog's two fields for the choosers, the window's grid.
TEST_F(DesignPointDialogsOfTheMainWindow, LinksLeadToTheWindowAndTheRecord)
{
    for (const int item : {1, 3}) {
        SCOPED_TRACE(item);
        form.RadioGroup6->setItemIndex(item);
        chooser->RadioButton3->setChecked(true);
        bool preselected = false;
        whileShown(chooser, [&] { preselected = chooser->RadioButton1->isChecked(); });
        dialog->SpeedButton2->click();
        EXPECT_EQ(preselected, item == 3);
    }

    Zdanie->StartEvacTime = 1.25L;
    dialog->CheckBox1->setChecked(true);
    dialog->CheckBox1->setChecked(false);
    EXPECT_EQ(dialog->Edit4->text(), u"1.25"_s);

    form.evacForm()->RadioGroup1->setItemIndex(1);
    form.evacForm()->OKBtn->click();
    EXPECT_EQ(dialog->Edit1->text(), u"0,001"_s);
    chooser->RadioButton3->click();
    chooser->OKBtn->click();
    EXPECT_EQ(dialog->Edit4->text(), u"2,00"_s);

    dialog->BitBtn1->click();
    EXPECT_EQ(form.StringGrid1->cells(0, 1), u"Расчетная точка 1"_s);
    EXPECT_EQ(form.StringGrid1->cells(1, 1), u"0,001"_s);
    EXPECT_EQ(form.StringGrid1->cells(4, 1), u"2,00"_s);
}

} // namespace
