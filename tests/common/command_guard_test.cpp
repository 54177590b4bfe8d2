#include "common/command_guard.h"
#include "common/errors.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"
#include "support/test_support.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

TEST(CommandGuard, FailureShownWithTheApplicationTitle)
{
    DesktopRecorder desktop;
    setApplicationTitle(u"Заголовок"_s);
    int after = 0;
    EXPECT_FALSE(runCommand(nullptr, [&] {
        throw EConvertError::notFloat(u"1,2.5"_s);
        ++after;
    }));
    EXPECT_EQ(after, 0);
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_EQ(desktop.errors.at(0), u"Заголовок|'1,2.5' is not a valid floating point value"_s);

    EXPECT_FALSE(runCommand(nullptr, [] { throw std::runtime_error("boom"); }));
    EXPECT_EQ(desktop.errors.at(1), u"Заголовок|boom"_s);
}

TEST(CommandGuard, SuccessShowsNothing)
{
    DesktopRecorder desktop;
    int ran = 0;
    auto handler = guarded(nullptr, [&] { ++ran; });
    handler(1, u"ignored"_s);
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

// A conversion error names where its text stands, on a line before the toolkit's message, and a
// visible control gets the focus (a grid on the cell).
TEST(CommandGuard, ErrorNamesTheControlItsTextCameFrom)
{
    DesktopRecorder desktop;
    setApplicationTitle(u"Т"_s);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    // A dialog owned by the window, made first, with a control of a name the window uses too:
    // the window's own control is meant.
    QDialog dialog(&window);
    (new LabeledEdit(u"Поле диалога"_s, LabeledEdit::LabelPosition::Left, &dialog))
        ->setObjectName(u"People"_s);
    auto* hours = new LabeledEdit(u"Часов в сутки, час  "_s, LabeledEdit::LabelPosition::Left);
    hours->setObjectName(u"Hours"_s);
    auto* group = new QGroupBox(u" Число людей: "_s);
    auto* people = new QLineEdit(group);
    people->setObjectName(u"People"_s);
    (new QVBoxLayout(group))->addWidget(people);
    auto* buddied = new QLineEdit;
    buddied->setObjectName(u"Buddied"_s);
    auto* label = new QLabel(u"Площадь:"_s);
    label->setBuddy(buddied);
    auto* hidden = new LabeledEdit(u"Скрытое поле"_s, LabeledEdit::LabelPosition::Above);
    hidden->setObjectName(u"Hidden"_s);
    auto* points = new StringGrid(3, 3, 1, 1);
    points->setObjectName(u"Points"_s);
    points->setCells(1, 0, u"Время, мин."_s);
    points->setCells(0, 2, u"Точка Б"_s);
    auto* devices = new StringGrid(3, 4, 1, 0);
    devices->setObjectName(u"Devices"_s);
    devices->setCells(2, 0, u"Вероятность"_s);
    points->setCells(0, 1, QString(300, u'т')); // a name pasted long
    auto* areas = new ValueListEditor(u"Здание"_s, u"Площадь, кв. м."_s);
    areas->setObjectName(u"Areas"_s);
    areas->setKeys({u"Склады"_s, u"Цеха"_s});
    auto* systems = new RadioGroup(u" Система: "_s, {u"Нет"_s, u"Расчет"_s});
    systems->setObjectName(u"Systems"_s);
    systems->setItemIndex(1);
    for (QWidget* w : std::initializer_list<QWidget*>{hours, group, label, buddied, hidden, points,
                                                      devices, areas, systems})
        layout->addWidget(w);
    showActive(window);
    hidden->hide();

    struct Case {
        ErrorPlace place;
        QString line;   // the line before the message; empty: none
        QWidget* focus; // the control that gets the focus
        int row, column;
    };
    const Case cases[] = {
        {ErrorPlace::field(u"Hours"_s), u"Поле «Часов в сутки, час»"_s, hours->edit(), -1, -1},
        {ErrorPlace::field(u"People"_s), u"Поле «Число людей»"_s, people, -1, -1},
        {ErrorPlace::field(u"Buddied"_s), u"Поле «Площадь»"_s, buddied, -1, -1},
        {ErrorPlace::field(u"Hidden"_s), u"Поле «Скрытое поле»"_s, nullptr, -1, -1},
        {ErrorPlace::cell(u"Points"_s, 1, 2), u"Строка «Точка Б», столбец «Время, мин.»"_s, points,
         2, 1},
        {ErrorPlace::cell(u"Points"_s, 1, 1),
         u"Строка «"_s + QString(100, u'т') + u"…», столбец «Время, мин.»"_s, points, 1, 1},
        {ErrorPlace::cell(u"Devices"_s, 2, 3), u"Строка 3, столбец «Вероятность»"_s, devices, 3, 2},
        {ErrorPlace::cell(u"Areas"_s, 1, 2), u"Строка «Цеха», столбец «Площадь, кв. м.»"_s, areas,
         1, 1},
        {ErrorPlace::described(u"Файл «/a/b.rri», строка 7"_s), u"Файл «/a/b.rri», строка 7"_s,
         nullptr, -1, -1},
        {ErrorPlace::field(u"NoSuchControl"_s), QString(), nullptr, -1, -1},
        // A group gives its chosen button the focus; a description of its own stays.
        {ErrorPlace::field(u"Systems"_s), u"Поле «Система»"_s, systems->button(1), -1, -1},
        {ErrorPlace::field(u"Systems"_s).describedAs(u"Список, строка 2"_s), u"Список, строка 2"_s,
         systems->button(1), -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        window.setFocus();
        desktop.errors.clear();
        EXPECT_FALSE(runCommand(&window, [&] { atPlace(c.place, [] { return str2r(u"x"_s); }); }));
        const QString reason = u"'x' is not a valid floating point value"_s;
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_EQ(desktop.errors.at(0),
                  u"Т|"_s + (c.line.isEmpty() ? reason : c.line + u'\n' + reason));
        EXPECT_EQ(QApplication::focusWidget(), c.focus ? c.focus : &window);
        if (auto* table = qobject_cast<QTableWidget*>(c.focus)) {
            EXPECT_EQ(table->currentRow(), c.row);
            EXPECT_EQ(table->currentColumn(), c.column);
        }
    }

    // The innermost place wins; the reason stays the toolkit's message alone.
    try {
        atPlace(ErrorPlace::described(u"внешнее"_s),
                [] { atPlace(ErrorPlace::described(u"внутреннее"_s), [] { strToInt(u"x"_s); }); });
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.message(), u"внутреннее\n'x' is not a valid integer value"_s);
        EXPECT_EQ(error.reason(), u"'x' is not a valid integer value"_s);
        EXPECT_STREQ(error.what(), "внутреннее\n'x' is not a valid integer value");
    }
}

// A bad text in a message: characters that would end or break the box's line escaped, a long text
// cut, an ordinary one as it is.
TEST(CommandGuard, BadTextShownReadably)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {u"1,2.5"_s, u"1,2.5"_s},
        {QString(), QString()},
        {u"a"_s + QChar(0) + u"b\tc\r\n\x7f"_s, u"a\\x00b\\x09c\\x0D\\x0A\\x7F"_s},
        {u"\u0085\u2028\u202e x"_s, u"\\x85\\u2028\\u202E x"_s},
        {QString(100, u'Я'), QString(100, u'Я')},
        {QString(101, u'Я'), QString(100, u'Я') + u'…'},
        // An escape is never cut in two.
        {QString(98, u'x') + QChar(0), QString(98, u'x') + u'…'},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(shownText(text), shown);
        EXPECT_EQ(EConvertError::notFloat(text).message(),
                  u"'"_s + shown + u"' is not a valid floating point value"_s);
    }
}

// A place may name the window of its control: another window's control of the same name, even
// the owner's own, is not taken for it; and a dialog's control is not taken for its owner's.
TEST(CommandGuard, PlaceInANamedWindow)
{
    DesktopRecorder desktop;
    setApplicationTitle(u"Т"_s);
    QWidget main;
    main.setObjectName(u"Main"_s);
    // The dialog first, and the window's field deeper than the dialog's: a search through all
    // children would meet the dialog's field first.
    QDialog dialog(&main);
    dialog.setObjectName(u"Dialog"_s);
    auto* group = new QGroupBox(u"Группа"_s, &main);
    auto* mainEdit = new LabeledEdit(u"Поле окна"_s, LabeledEdit::LabelPosition::Left, group);
    mainEdit->setObjectName(u"Edit1"_s);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(mainEdit);
    auto* layout = new QVBoxLayout(&main);
    layout->addWidget(group);
    auto* dialogEdit =
        new LabeledEdit(u"Поле диалога"_s, LabeledEdit::LabelPosition::Left, &dialog);
    dialogEdit->setObjectName(u"Edit1"_s);
    auto* dialogLayout = new QVBoxLayout(&dialog);
    dialogLayout->addWidget(dialogEdit);
    showActive(main);

    const struct {
        QWidget* owner;
        ErrorPlace place;
        QString line;
    } cases[] = {
        {&dialog, ErrorPlace::field(u"Edit1"_s).inWindow(u"Main"_s), u"Поле «Поле окна»"_s},
        {&dialog, ErrorPlace::field(u"Edit1"_s), u"Поле «Поле диалога»"_s},
        {&main, ErrorPlace::field(u"Edit1"_s), u"Поле «Поле окна»"_s},
        {&main, ErrorPlace::field(u"Edit1"_s).inWindow(u"Dialog"_s), u"Поле «Поле диалога»"_s},
    };
    for (const auto& c : cases) {
        desktop.errors.clear();
        runCommand(c.owner, [&] { atPlace(c.place, [] { return str2r(u"x"_s); }); });
        EXPECT_EQ(desktop.errors,
                  QStringList{u"Т|"_s + c.line + u"\n'x' is not a valid floating point value"_s});
    }
}
