#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "public/ui/evacuation_start_dialog.h"
#include "public/ui/fire_frequency_dialog.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString Caption = u"Ovrelta: расчет пожарного риска (с изм. 2016). Версия 3.1.2"_s;

struct KestrumWindowTest : ::testing::Test {
    DesktopRecorder desktop;
    TMainForm form;
    void SetUp() override { showActive(form); }

    // The groups shown in the scroll box, top to bottom.
    std::vector<QWidget*> shownGroups() const
    {
        std::vector<QWidget*> shown;
        for (QWidget* group : std::initializer_list<QWidget*>{
                 form.Panel1, form.RBFClass, form.RadioGroup1, form.RadioGroup2, form.GroupBox3,
                 form.GroupBox1, form.RadioGroup5, form.RadioGroup3, form.RadioGroup4,
                 form.GroupBox2})
            if (group->isVisible())
                shown.push_back(group);
        std::sort(shown.begin(), shown.end(),
                  [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
        return shown;
    }

    std::vector<QLineEdit*> numericEdits() const
    {
        return {form.QpEdit,
                form.Edit_Ne->edit(),
                form.Edit_Nneev->edit(),
                form.LabeledEdit1->edit(),
                form.LabeledEdit4->edit(),
                form.LabeledEdit5->edit(),
                form.LabeledEdit6,
                form.LabeledEdit7->edit()};
    }

    void chooseClass(int item)
    {
        form.RBFClass->button(item)->click();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(KestrumWindowTest, StartUpState)
{
    EXPECT_EQ(form.windowTitle(), Caption);
    // The outer size is the frame's, once the platform has framed the window.
    const QMargins frame = form.windowHandle()->frameMargins();
    EXPECT_FALSE(frame.isNull());
    EXPECT_EQ(form.frameGeometry().size(), QSize(578, 583));
    EXPECT_EQ(form.size(), QSize(578, 583).shrunkBy(frame));
    QStringList shown;
    for (QAction* action : form.TBToolbar2->actions())
        if (action->isVisible() && !action->isSeparator())
            shown << action->text();
    EXPECT_EQ(shown, (QStringList{u"Новый"_s, u"Открыть"_s, u"Сохранить"_s, u"Рассчитать"_s,
                                  u"Справка"_s, u"Выход"_s}));

    EXPECT_EQ(form.LENomScen->text(), u"1"_s);
    for (QLineEdit* edit : numericEdits())
        EXPECT_EQ(edit->text(), u"0"_s) << edit->objectName().toStdString();
    for (const RadioGroup* group : {form.RBFClass, form.RadioGroup1, form.RadioGroup2,
                                    form.RadioGroup3, form.RadioGroup4, form.RadioGroup5})
        EXPECT_EQ(group->itemIndex(), 0) << group->title().toStdString();
    for (const QCheckBox* box :
         {form.CBdislocation, form.CBsredstvapoj, form.CBavarvih, form.CBputievac})
        EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(form.statusText(), QString());
    EXPECT_EQ(shownGroups(),
              (std::vector<QWidget*>{form.Panel1, form.RBFClass, form.RadioGroup1, form.GroupBox3,
                                     form.RadioGroup5, form.RadioGroup3, form.RadioGroup4,
                                     form.GroupBox2}));

    ASSERT_TRUE(Zdanie);
    EXPECT_EQ(Zdanie->FireRoomAr, 1.0L);
    EXPECT_TRUE(
        std::all_of(Zdanie->Par.begin(), Zdanie->Par.end(), [](long double v) { return v == 0; }));
    EXPECT_EQ(Zdanie->NomScen, 0);
    EXPECT_TRUE(Zdanie->FileName.isEmpty());
}

// Assistive tools read a picture button out by its hint, not by the caption of its group.
TEST_F(KestrumWindowTest, PictureButtonsAreNamedByTheirHints)
{
    EXPECT_EQ(pictureButtonsNotNamedByTheirHints(&form), QStringList());
    for (QWidget* button :
         {static_cast<QWidget*>(form.BitBtn1), static_cast<QWidget*>(form.BitBtn2)})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                  u"Взять значение из таблицы"_s);
}

TEST_F(KestrumWindowTest, ClassDecidesTheGroupsAndKeepsTheirOrder)
{
    const std::vector<QWidget*> dwelling{form.Panel1,      form.RBFClass,    form.RadioGroup1,
                                         form.GroupBox3,   form.RadioGroup5, form.RadioGroup3,
                                         form.RadioGroup4, form.GroupBox2};
    const std::vector<QWidget*> others{form.Panel1,      form.RBFClass,   form.RadioGroup1,
                                       form.RadioGroup2, form.GroupBox1,  form.RadioGroup5,
                                       form.RadioGroup3, form.RadioGroup4};
    form.LabeledEdit5->setText(u"3,5"_s);
    form.CBavarvih->setChecked(true);
    const std::pair<int, const std::vector<QWidget*>*> choices[] = {
        {2, &dwelling}, {5, &others}, {3, &dwelling}, {1, &others}, {0, &dwelling}, {7, &others}};
    for (const auto& [item, expected] : choices) {
        chooseClass(item);
        EXPECT_EQ(shownGroups(), *expected) << "class item " << item;
        EXPECT_TRUE(form.QpEdit->isVisible() && form.BitBtn1->isVisible());
    }
    // No class chosen: as for Ф1.2 to Ф5.
    form.RBFClass->setItemIndex(-1);
    QApplication::processEvents();
    EXPECT_EQ(shownGroups(), others);
    // Hiding keeps what the groups hold.
    EXPECT_EQ(form.LabeledEdit5->text(), u"3,5"_s);
    EXPECT_TRUE(form.CBavarvih->isChecked());
}

TEST_F(KestrumWindowTest, TheInputColumnFitsTheScrollBox)
{
    const QWidget* viewport = form.ScrollBox1->viewport();
    QWidget* column = form.ScrollBox1->widget();
    for (int item : {0, 4}) { // the two sets of groups
        chooseClass(item);
        SCOPED_TRACE(item);
        EXPECT_EQ(column->width(), viewport->width());
        EXPECT_EQ(form.ScrollBox1->horizontalScrollBar()->maximum(), 0);
        for (const QWidget* group : shownGroups())
            EXPECT_LE(group->geometry().right(), viewport->width() - 1);
        // Every caption whole: a check box wider than the column takes more lines.
        for (const QAbstractButton* button : column->findChildren<QAbstractButton*>()) {
            if (!button->isVisible())
                continue;
            EXPECT_TRUE(button->parentWidget()->contentsRect().contains(button->geometry()))
                << button->text().toStdString();
            if (qobject_cast<const QCheckBox*>(button))
                EXPECT_GE(button->height(), button->heightForWidth(button->width()))
                    << button->text().toStdString();
            else
                EXPECT_GE(button->width(), button->sizeHint().width())
                    << button->text().toStdString();
        }
    }
    // A click on the second line of a caption ticks its box, as one on the first line does.
    chooseClass(0);
    QCheckBox* box = form.CBsredstvapoj;
    if (box->height() > box->sizeHint().height()) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 3, box->height() - 4));
        EXPECT_TRUE(box->isChecked());
    }
}

TEST_F(KestrumWindowTest, NewResetsTheInputsButTheClassScenarioAndConditions)
{
    chooseClass(4); // Ф2
    form.LENomScen->setText(u"7"_s);
    form.CBputievac->setChecked(true);
    for (QLineEdit* edit : numericEdits())
        edit->setText(u"12,5"_s);
    for (RadioGroup* group :
         {form.RadioGroup1, form.RadioGroup2, form.RadioGroup3, form.RadioGroup4, form.RadioGroup5})
        group->setItemIndex(2);
    form.setStatusText(u"/tmp/building.rro"_s);
    Zdanie->FileName = u"/tmp/building.rro"_s;
    Zdanie->FireRoomAr = 40;
    Zdanie->Par[ParSlot::Qp] = 0.5L;

    form.TBNew->trigger();

    EXPECT_EQ(form.RBFClass->itemIndex(), 4);
    EXPECT_FALSE(form.GroupBox1->isHidden());
    EXPECT_EQ(form.LENomScen->text(), u"7"_s);
    EXPECT_TRUE(form.CBputievac->isChecked());
    for (QLineEdit* edit : numericEdits())
        EXPECT_EQ(edit->text(), u"0"_s);
    for (const RadioGroup* group :
         {form.RadioGroup1, form.RadioGroup2, form.RadioGroup3, form.RadioGroup4, form.RadioGroup5})
        EXPECT_EQ(group->itemIndex(), 0) << group->title().toStdString();
    EXPECT_EQ(form.statusText(), QString());
    ASSERT_TRUE(Zdanie);
    EXPECT_EQ(Zdanie->FireRoomAr, 1.0L);
    EXPECT_EQ(Zdanie->Par[ParSlot::Qp], 0.0L);
    EXPECT_TRUE(Zdanie->FileName.isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(KestrumWindowTest, KeyFilterUnderBothSeparators)
{
    chooseClass(5);
    for (QChar separator : {u',', u'.'}) {
        ScopedDecimalSeparator scoped(separator);
        QLineEdit* edit = form.LabeledEdit4->edit();
        edit->setText(u"12"_s);
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, u"."_s);
        EXPECT_EQ(edit->text(), u"12"_s + separator);
        QTest::keyClicks(edit, u",.5a- "_s); // a second separator, letters, minus, blank: refused
        EXPECT_EQ(edit->text(), u"12"_s + separator + u"5"_s);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), u"12"_s + separator);
    }
}

TEST_F(KestrumWindowTest, EveryKeyInTheFireFrequencyChoosesTheTypedValue)
{
    QLineEdit* edit = form.QpEdit;
    edit->setFocus();
    edit->end(false);
    const std::pair<Qt::Key, QString> keys[] = {{Qt::Key_A, u"0"_s},
                                                {Qt::Key_Backspace, QString()},
                                                {Qt::Key_Return, QString()},
                                                {Qt::Key_4, u"4"_s}};
    for (const auto& [key, after] : keys) {
        form.RadioGroup1->setItemIndex(1);
        QTest::keyClick(edit, key);
        EXPECT_EQ(form.RadioGroup1->itemIndex(), 0) << key;
        EXPECT_EQ(edit->text(), after) << key;
    }
    // Other edits leave the choice alone.
    form.RadioGroup1->setItemIndex(1);
    QTest::keyClick(form.Edit_Ne->edit(), Qt::Key_5);
    EXPECT_EQ(form.RadioGroup1->itemIndex(), 1);
}

TEST_F(KestrumWindowTest, EnterWalksDownTheShownNumericEdits)
{
    auto walk = [this](QLineEdit* from) {
        std::vector<QWidget*> visited{from};
        from->setFocus();
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (QApplication::focusWidget() == visited.back())
                break;
            visited.push_back(QApplication::focusWidget());
        }
        return visited;
    };
    chooseClass(4); // Ф2: the tags' walk through GroupBox1
    EXPECT_EQ(walk(form.QpEdit),
              (std::vector<QWidget*>{form.QpEdit, form.LabeledEdit1->edit(),
                                     form.LabeledEdit4->edit(), form.LabeledEdit5->edit(),
                                     form.LabeledEdit6, form.LabeledEdit7->edit()}));
    chooseClass(2); // Ф1.3: GroupBox1 is hidden
    EXPECT_EQ(walk(form.QpEdit),
              (std::vector<QWidget*>{form.QpEdit, form.Edit_Ne->edit(), form.Edit_Nneev->edit()}));
    EXPECT_EQ(walk(form.Edit_Nneev->edit()), (std::vector<QWidget*>{form.Edit_Nneev->edit()}));
}

TEST_F(KestrumWindowTest, LimitsApplyToTypingOnly)
{
    const QString longer = u"123456789"_s;
    for (LabeledEdit* edit : {form.LENomScen, form.Edit_Ne, form.LabeledEdit1}) {
        edit->setText(longer);
        EXPECT_EQ(edit->text(), longer);
        edit->edit()->setFocus();
        edit->edit()->end(false);
        QTest::keyClicks(edit->edit(), u"1"_s);
        EXPECT_EQ(edit->text(), longer);
    }
    form.LENomScen->setText(QString());
    QTest::keyClicks(form.LENomScen->edit(), u"sc-12"_s); // no key filter, four characters
    EXPECT_EQ(form.LENomScen->text(), u"sc-1"_s);
}

TEST_F(KestrumWindowTest, TabOrder)
{
    std::map<const QWidget*, QString> names{{form.LENomScen->edit(), u"LENomScen"_s},
                                            {form.Edit_Ne->edit(), u"Edit_Ne"_s},
                                            {form.Edit_Nneev->edit(), u"Edit_Nneev"_s},
                                            {form.LabeledEdit1->edit(), u"LabeledEdit1"_s},
                                            {form.LabeledEdit4->edit(), u"LabeledEdit4"_s},
                                            {form.LabeledEdit5->edit(), u"LabeledEdit5"_s},
                                            {form.LabeledEdit6, u"LabeledEdit6"_s},
                                            {form.BitBtn2, u"BitBtn2"_s},
                                            {form.LabeledEdit7->edit(), u"LabeledEdit7"_s},
                                            {form.CBdislocation, u"CBdislocation"_s},
                                            {form.CBavarvih, u"CBavarvih"_s},
                                            {form.CBputievac, u"CBputievac"_s},
                                            {form.CBsredstvapoj, u"CBsredstvapoj"_s},
                                            {form.QpEdit, u"QpEdit"_s},
                                            {form.BitBtn1, u"BitBtn1"_s}};
    const std::pair<RadioGroup*, QString> groups[] = {
        {form.RBFClass, u"RBFClass"_s},       {form.RadioGroup1, u"RadioGroup1"_s},
        {form.RadioGroup2, u"RadioGroup2"_s}, {form.RadioGroup5, u"RadioGroup5"_s},
        {form.RadioGroup3, u"RadioGroup3"_s}, {form.RadioGroup4, u"RadioGroup4"_s}};
    for (const auto& [group, name] : groups)
        for (int i = 0; i < group->count(); ++i)
            names[group->button(i)] = name;

    QStringList order;
    QWidget* start = form.LENomScen->edit();
    QWidget* w = start;
    do {
        if (auto it = names.find(w);
            it != names.end() && (order.isEmpty() || order.last() != it->second))
            order << it->second;
        w = w->nextInFocusChain();
    } while (w != start);
    EXPECT_EQ(order.join(u' '),
              u"LENomScen RBFClass RadioGroup1 RadioGroup2 Edit_Ne Edit_Nneev LabeledEdit1 "
              u"LabeledEdit4 LabeledEdit5 LabeledEdit6 BitBtn2 LabeledEdit7 RadioGroup5 "
              u"RadioGroup3 RadioGroup4 CBdislocation CBavarvih CBputievac CBsredstvapoj "
              u"QpEdit BitBtn1"_s);
}

TEST_F(KestrumWindowTest, ClosingAsksWithTheCaptionAndFreesTheRecord)
{
    desktop.answerYes = false;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(Zdanie);
    ASSERT_EQ(desktop.questions.size(), 1);
    EXPECT_EQ(desktop.questions.at(0),
              Caption + u"|Вы, действительно, хотите закрыть программу?"_s);

    desktop.answerYes = true;
    form.TBExit->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(desktop.questions.size(), 2);
    EXPECT_FALSE(Zdanie);
}

TEST_F(KestrumWindowTest, HelpOpensTheDocumentBesideTheProgram)
{
    form.TBHelp->trigger();
    EXPECT_EQ(desktop.opened, QStringList{QCoreApplication::applicationDirPath() + u"/help.pdf"_s});
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST(KestrumWorkArea, WindowsFitTheScreenLessItsPanelsByTheirFrames)
{
    QTemporaryDir tables;
    for (const char* name : {"table1.rrt", "table2.rrt"})
        writeFile(tables.filePath(QLatin1String(name)), "2\r\n2\r\nA\r\nB\r\nC\r\n1\r\n");
    struct Case {
        const char* name;
        QRect screen;
        QRect available;
        // The frames of the main window, ODlg1 (client 600 x 499) and ODlg2 (588 x 635), each
        // with the platform's margins m around its client area.
        std::function<std::array<QRect, 3>(const QMargins& m)> expected;
    };
    const Case cases[] = {
        {"1024 x 768, 40 px taskbar on the left: design sizes, centred on the desktop",
         {0, 0, 1024, 768},
         {40, 0, 984, 768},
         [](const QMargins& m) {
             const QSize dlg1 = QSize(600, 499).grownBy(m);
             const QSize dlg2 = QSize(588, 635).grownBy(m);
             return std::array<QRect, 3>{
                 QRect(223, 92, 578, 583),
                 QRect(QPoint((1024 - dlg1.width()) / 2, (768 - dlg1.height()) / 2), dlg1),
                 QRect(QPoint((1024 - dlg2.width()) / 2, (768 - dlg2.height()) / 2), dlg2)};
         }},
        {"800 x 600, 30 px taskbar at the bottom: ODlg1 alone fits",
         {0, 0, 800, 600},
         {0, 0, 800, 570},
         [](const QMargins& m) {
             const QSize dlg1 = QSize(600, 499).grownBy(m);
             return std::array<QRect, 3>{
                 QRect(5, 5, 795, 555),
                 QRect(QPoint((800 - dlg1.width()) / 2, (600 - dlg1.height()) / 2), dlg1),
                 QRect(5, 5, 795, 555)};
         }},
        {"800 x 600, no taskbar: the main window's frame fits, ODlg2's does not",
         {0, 0, 800, 600},
         {0, 0, 800, 600},
         [](const QMargins& m) {
             const QSize dlg1 = QSize(600, 499).grownBy(m);
             return std::array<QRect, 3>{
                 QRect(111, 8, 578, 583),
                 QRect(QPoint((800 - dlg1.width()) / 2, (600 - dlg1.height()) / 2), dlg1),
                 QRect(5, 5, 795, 585)};
         }},
        {"a work area as high as ODlg1's client area, lower than its frame",
         {0, 0, 1024, 768},
         {0, 0, 1024, 499},
         [](const QMargins& m) {
             const QRect fitted(5, 5, 1019, 484);
             const QRect centred(212, 134, 600, 499);
             return std::array<QRect, 3>{fitted, m.isNull() ? centred : fitted, fitted};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesktopRecorder desktop;
        platform::hooks().screenAreas = [&c] {
            return platform::ScreenAreas{c.screen, c.available};
        };
        TMainForm form;
        form.createTableDialogs(tables.path() + u'/');
        const std::array<QWidget*, 3> windows{&form, form.ODlg1, form.ODlg2};
        // Before the platform frames them, the frames are the client areas.
        const std::array<QRect, 3> unframed = c.expected(QMargins());
        for (std::size_t i = 0; i < windows.size(); ++i)
            EXPECT_EQ(windows.at(i)->frameGeometry(), unframed.at(i)) << i;
        for (QWidget* window : windows) {
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        const QMargins frame = form.windowHandle()->frameMargins();
        ASSERT_FALSE(frame.isNull());
        const std::array<QRect, 3> framed = c.expected(frame);
        for (std::size_t i = 0; i < windows.size(); ++i) {
            EXPECT_EQ(windows.at(i)->frameGeometry(), framed.at(i)) << i;
            EXPECT_EQ(windows.at(i)->geometry(), framed.at(i).marginsRemoved(frame)) << i;
        }
        EXPECT_TRUE(desktop.errors.isEmpty());
    }
}
