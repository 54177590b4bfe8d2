#include "common/cell_text.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"

#include "support/test_support.h"
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(RadioGroup, ChangesByCodeAndByUserEmitOncePerChange)
{
    RadioGroup group(u"Группа"_s, {u"a"_s, u"b"_s, u"c"_s});
    QSignalSpy spy(&group, &RadioGroup::itemIndexChanged);
    EXPECT_EQ(group.itemIndex(), -1);

    group.setItemIndex(1);
    group.setItemIndex(1); // unchanged: no signal
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
    EXPECT_TRUE(group.button(1)->isChecked());

    group.show();
    QTest::mouseClick(group.button(2), Qt::LeftButton);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_FALSE(group.button(1)->isChecked());
    ASSERT_EQ(spy.count(), 2);

    // Clicking the chosen item keeps it chosen and says nothing.
    QTest::mouseClick(group.button(2), Qt::LeftButton);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_TRUE(group.button(2)->isChecked());
    EXPECT_EQ(spy.count(), 2);
}

TEST(RadioGroup, SettingClampsToTheItems)
{
    RadioGroup group(u"Группа"_s, {u"a"_s, u"b"_s});
    group.setItemIndex(7);
    EXPECT_EQ(group.itemIndex(), 1);
    group.setItemIndex(-5);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_FALSE(group.button(0)->isChecked());
    EXPECT_FALSE(group.button(1)->isChecked());
}

TEST(StringGrid, KeepsTextsOfHiddenRows)
{
    StringGrid grid(3, 4, 1, 0);
    grid.setCells(1, 3, u"кept"_s);
    grid.setCells(2, 6, u"beyond"_s); // never shown yet
    grid.setRowCount(2);
    EXPECT_EQ(grid.cells(1, 3), u"кept"_s);
    grid.setRowCount(7);
    ASSERT_NE(grid.item(3, 1), nullptr);
    EXPECT_EQ(grid.item(3, 1)->text(), u"кept"_s);
    EXPECT_EQ(grid.item(6, 2)->text(), u"beyond"_s);
    EXPECT_EQ(grid.cells(0, 40), QString());
}

TEST(StringGrid, KeepsWhatTheUserTyped)
{
    StringGrid grid(2, 3, 1, 1);
    showActive(grid);
    grid.setFocus();
    grid.setCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_4); // opens the cell editor
    ASSERT_TRUE(grid.isEditing());
    ASSERT_NE(QApplication::focusWidget(), &grid);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(grid.item(1, 1)->text(), u"42"_s);
    EXPECT_EQ(grid.cells(1, 1), u"42"_s);
    grid.setRowCount(1);
    grid.setRowCount(3);
    EXPECT_EQ(grid.item(1, 1)->text(), u"42"_s);
}

TEST(StringGrid, CommitOpenEditorStoresWhatIsTyped)
{
    StringGrid grid(2, 3, 1, 1);
    ValueListEditor list(u"Здание"_s, u"Площадь"_s);
    list.setKeys({u"one"_s, u"two"_s});
    const auto typeInto = [](QAbstractItemView& view, int row, int col) {
        showActive(view);
        view.setFocus();
        view.setCurrentIndex(view.model()->index(row, col));
        // The list opens its editor on the move already; the grid on the first key.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        EXPECT_TRUE(commitOpenEditor(&view));
        EXPECT_FALSE(commitOpenEditor(&view)); // nothing open: nothing happens
    };
    typeInto(grid, 2, 1);
    EXPECT_EQ(grid.cells(1, 2), u"7"_s);
    typeInto(list, 1, 1);
    EXPECT_EQ(list.value(2), u"7"_s);
}

TEST(StringGrid, FixedCellsAreNotEditable)
{
    StringGrid grid(3, 3, 1, 1);
    EXPECT_FALSE(grid.item(0, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.item(2, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.item(2, 2)->flags() & Qt::ItemIsEditable);
    grid.setRowCount(5);
    EXPECT_FALSE(grid.item(4, 0)->flags() & Qt::ItemIsEditable);
}

TEST(StringGrid, ColumnsThatAppearShowTheirTextsAndFixedCellsFollowTheCounts)
{
    StringGrid grid(1, 3, 1, 0);
    grid.setCells(2, 1, u"later"_s);
    grid.setColumnCount(3);
    ASSERT_NE(grid.item(1, 2), nullptr);
    EXPECT_EQ(grid.item(1, 2)->text(), u"later"_s);
    EXPECT_TRUE(grid.item(1, 0)->flags() & Qt::ItemIsEditable);

    grid.setFixedCells(0, 1);
    EXPECT_EQ(grid.fixedRows(), 0);
    EXPECT_EQ(grid.fixedCols(), 1);
    EXPECT_FALSE(grid.item(1, 0)->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(grid.item(0, 2)->flags() & Qt::ItemIsSelectable);
    grid.setRowCount(4);
    EXPECT_FALSE(grid.item(3, 0)->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(grid.cells(2, 1), u"later"_s);
}

TEST(ValueListEditor, KeysFixedValuesEditable)
{
    ValueListEditor list(u"Здание"_s, u"Площадь"_s);
    list.setKeys({u"one"_s, u"two"_s});
    EXPECT_EQ(list.lastRow(), 2);
    list.setValue(2, u"15"_s);
    EXPECT_EQ(list.key(2), u"two"_s);
    EXPECT_EQ(list.value(2), u"15"_s);
    EXPECT_EQ(list.value(1), QString());
    EXPECT_FALSE(list.item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(list.item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(list.horizontalHeaderItem(1)->text(), u"Площадь"_s);
}

TEST(LabeledEdit, LimitsTypingButNotTheProgramsTexts)
{
    LabeledEdit edit(u"Площадь"_s, LabeledEdit::LabelPosition::Left);
    EXPECT_EQ(edit.label()->buddy(), edit.edit());
    edit.setMaxLength(5);
    edit.setText(u"1234567"_s);
    EXPECT_EQ(edit.text(), u"1234567"_s);
    QTest::keyClick(edit.edit(), Qt::Key_8);
    EXPECT_EQ(edit.text(), u"1234567"_s);
    QTest::keyClick(edit.edit(), Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), u"123456"_s);

    edit.setText(u"12"_s);
    edit.edit()->setCursorPosition(1);
    edit.edit()->insert(u"abcdef"_s); // as a paste: what does not fit is dropped
    EXPECT_EQ(edit.text(), u"1abc2"_s);
    EXPECT_EQ(edit.edit()->cursorPosition(), 4);
    QTest::keyClick(edit.edit(), Qt::Key_9);
    EXPECT_EQ(edit.text(), u"1abc2"_s);
}

TEST(RadioGroup, ArrowKeysMoveTheChoice)
{
    RadioGroup group(u"Группа"_s, {u"a"_s, u"b"_s, u"c"_s});
    group.setItemIndex(0);
    showActive(group);
    group.button(0)->setFocus();
    QSignalSpy spy(&group, &RadioGroup::itemIndexChanged);
    QTest::keyClick(group.button(0), Qt::Key_Down);
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_EQ(spy.count(), 1);
}

TEST(RadioGroup, ColumnsFillTopToBottom)
{
    RadioGroup group(u"Группа"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
    group.setColumns(2);
    group.resize(300, 120);
    group.show();
    QApplication::processEvents();
    const auto at = [&group](int i) { return group.button(i)->geometry(); };
    EXPECT_EQ(at(0).x(), at(2).x());
    EXPECT_LT(at(0).y(), at(1).y());
    EXPECT_LT(at(1).y(), at(2).y());
    EXPECT_GT(at(3).x(), at(0).x());
    EXPECT_EQ(at(3).y(), at(0).y());
    EXPECT_EQ(at(4).y(), at(1).y());
    group.button(4)->click(); // still one group
    EXPECT_EQ(group.itemIndex(), 4);
}

// A long cell is measured and named by its drawn part, in the grid and in the key-value list
// alike: the whole text would be laid out at every size query and sent whole to assistive tools.
TEST(CellText, LongCellsAreMeasuredAndNamedByTheirDrawnPart)
{
    QString longText;
    for (int i = 0; i < 300; ++i)
        longText += u"слово "_s;
    const QString drawn = longText.left(DrawnTextLength);
    StringGrid grid(2, 2, 0, 0);
    ValueListEditor list(u"Здание"_s, u"Площадь"_s);
    list.setKeys({u"one"_s});
    struct Case {
        QTableWidget* view;
        int row;
        int col;
        std::function<void(const QString&)> set;
    };
    const Case cases[] = {
        {&grid, 1, 1, [&grid](const QString& text) { grid.setCells(1, 1, text); }},
        {&list, 0, 1, [&list](const QString& text) { list.setValue(1, text); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view->metaObject()->className());
        c.view->resize(300, 200);
        c.view->show();
        const auto measured = [&c](const QString& text) {
            c.set(text);
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(c.view);
            // Public in the item view, protected in the table view.
            const QAbstractItemView* view = c.view;
            return std::make_pair(
                view->sizeHintForRow(c.row),
                table->tableInterface()->cellAt(c.row, c.col)->text(QAccessible::Name));
        };
        const auto whole = measured(longText);
        const auto cut = measured(drawn);
        EXPECT_EQ(whole.first, cut.first);
        EXPECT_TRUE(whole.second == drawn) << whole.second.size() << " characters";
        c.set(longText); // the cell keeps all it is given
        EXPECT_TRUE(c.view->item(c.row, c.col)->text() == longText);
    }
}
