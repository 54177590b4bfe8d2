#include "common/command_guard.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "public/ui/result_window.h"
#include "support/modal.h"
#include "support/test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>

using namespace Qt::Literals::StringLiterals;

// The real browser is the web tests' concern: nothing here gets as far as making it.
struct CalculateCommandTest : ::testing::Test {
    DesktopRecorder desktop;
    ScopedDecimalSeparator comma{u','};
    TMainForm form;
    CalculateCommandTest() { setApplicationTitle(publicAppTitle()); }
};

TEST_F(CalculateCommandTest, EveryControlLandsInItsField)
{
    form.LENomScen->setText(u"12"_s);
    form.RBFClass->setItemIndex(6);
    form.QpEdit->setText(u"0,5"_s);
    const std::pair<LabeledEdit*, QString> texts[] = {
        {form.LabeledEdit1, u"1"_s}, {form.LabeledEdit4, u"4"_s}, {form.LabeledEdit5, u"5"_s},
        {form.LabeledEdit7, u"7"_s}, {form.Edit_Ne, u"30"_s},     {form.Edit_Nneev, u"40"_s}};
    for (const auto& [edit, text] : texts)
        edit->setText(text);
    form.LabeledEdit6->setText(u"6"_s);
    form.RadioGroup2->setItemIndex(2);
    form.RadioGroup3->setItemIndex(2);
    form.RadioGroup5->setItemIndex(1);
    form.CBsredstvapoj->setChecked(true);
    form.CBputievac->setChecked(true);
    Zdanie->FireRoomAr = 25.0L;

    form.ReadParams();

    const TZdanie& z = *Zdanie;
    EXPECT_EQ(z.NomScen, 12);
    EXPECT_EQ(z.FClass, 6);
    const std::pair<int, long double> expected[] = {
        {ParSlot::Qp, 0.5L},    {ParSlot::Rap, 0.0L}, {ParSlot::Tf, 1.0L},  {ParSlot::Tr, 4.0L},
        {ParSlot::Tne, 6.0L},   {ParSlot::Tbl, 5.0L}, {ParSlot::Tsk, 7.0L}, {ParSlot::Robn, 0.0L},
        {ParSlot::Rsoue, 0.8L}, {ParSlot::Rpdz, 0.8L}};
    for (const auto& [slot, value] : expected)
        EXPECT_EQ(z.Par[slot], value) << "slot " << slot;
    EXPECT_EQ(z.Ne, 30.0L);
    EXPECT_EQ(z.Nneev, 40.0L);
    EXPECT_EQ((std::array<bool, 4>{z.Dislocation, z.SredstvaPoj, z.AvarVih, z.PutiEvac}),
              (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(z.FireRoomAr, 25.0L);
}

TEST_F(CalculateCommandTest, ANumberThatIsNoneStopsBeforeTheRequest)
{
    form.LabeledEdit6->setText(u"6"_s);
    form.LabeledEdit5->setText(u","_s); // read right after LabeledEdit6
    form.LabeledEdit7->setText(u"7"_s);

    form.TBXItem1->trigger();

    EXPECT_EQ(desktop.errors, QStringList{u"Ovrelta|Поле «Время блокирования путей эвакуации, "
                                          u"мин»\n',' is not a valid floating point value"_s});
    EXPECT_EQ(Zdanie->Par[ParSlot::Tne], 6.0L);
    EXPECT_EQ(Zdanie->Par[ParSlot::Tbl], 0.0L);
    EXPECT_EQ(Zdanie->Par[ParSlot::Tsk], 0.0L);
    EXPECT_EQ(form.Form4, nullptr) << "the result window was made, so a request was on its way";
}

TEST_F(CalculateCommandTest, TheErrorNamesTheFieldAndAShownFieldGetsTheFocus)
{
    showActive(form);
    struct Case {
        QLineEdit* edit;
        int fireClass; // the class chosen when the command runs
        QString caption;
        bool shown;
    };
    const Case cases[] = {
        {form.QpEdit, 0, u"Частота возникновения пожара в здании в течении года"_s, true},
        {form.LabeledEdit1->edit(), 4, u"Время нахождения людей в здании, час"_s, true},
        {form.LabeledEdit4->edit(), 5, u"Расчетное время эвакуации людей, мин"_s, true},
        {form.LabeledEdit6, 6, u"Время начала эвакуации, мин"_s, true},
        {form.LabeledEdit5->edit(), 7, u"Время блокирования путей эвакуации, мин"_s, true},
        {form.LabeledEdit7->edit(), 1,
         u"Время существования скопления людей на участках пути, мин"_s, true},
        {form.Edit_Ne->edit(), 2, u"Количество эвакуирующихся людей"_s, true},
        {form.Edit_Nneev->edit(), 3, u"Количество неэвакуировавшихся людей"_s, true},
        // Typed while the class showed it, then hidden by another class: named, not focused.
        {form.LabeledEdit5->edit(), 0, u"Время блокирования путей эвакуации, мин"_s, false},
        {form.Edit_Ne->edit(), 4, u"Количество эвакуирующихся людей"_s, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        form.TBNew->trigger();
        form.RBFClass->setItemIndex(c.fireClass);
        c.edit->setText(u"1,2.5"_s); // pasted past the key filter
        form.LENomScen->edit()->setFocus();
        for (QAction* command : {form.TBXItem1, form.TBSave}) {
            desktop.errors.clear();
            if (command == form.TBSave)
                whenModal("the save dialog", [](QDialog* dialog) {
                    dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(u"/nonexistent/x"_s);
                    dialog->accept();
                });
            command->trigger();
            EXPECT_EQ(desktop.errors,
                      QStringList{u"Ovrelta|Поле «"_s + c.caption +
                                  u"»\n'1,2.5' is not a valid floating point value"_s});
            // The window's focus: after the file dialog the window is active again only later.
            EXPECT_EQ(form.focusWidget() == c.edit, c.shown);
        }
    }
    EXPECT_EQ(form.Form4, nullptr);
}

TEST_F(CalculateCommandTest, ANegativeFireFrequencyIsNeitherSentNorSaved)
{
    QTemporaryDir dir;
    const QString kept = dir.filePath(u"kept.rro"_s);
    writeFile(kept, "old contents");
    form.RadioGroup1->setItemIndex(0);
    form.QpEdit->setText(u"-0.5"_s); // pasted past the key filter
    const QString refused = u"Ovrelta|Поле «Частота возникновения пожара в здании в течении года»\n"
                            u"Значение не может быть отрицательным: -0.5"_s;
    form.TBXItem1->trigger();
    runWithFileName(form.TBSave, kept);
    EXPECT_EQ(desktop.errors, QStringList({refused, refused}));
    EXPECT_EQ(form.Form4, nullptr) << "the result window was made, so a request was on its way";
    EXPECT_EQ(fileContents(kept), QByteArray("old contents"));

    // No fire frequency at all is the start-up value, and goes out as it is.
    desktop.errors.clear();
    form.QpEdit->setText(u"0"_s);
    form.ReadParams();
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(Zdanie->Par[ParSlot::Qp], 0.0L);
}
