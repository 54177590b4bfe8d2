#include "common/key_filter.h"
#include "common/string_grid.h"

#include "support/test_support.h"
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{
// Digits pass, "x" is typed as "y", a second "," is refused, everything else dropped.
QChar sample(QChar key, const QString& text)
{
    if (key == u'x')
        return u'y';
    if (key == u',' && text.contains(u','))
        return {};
    if (key.isDigit() || key == u',' || key == u'\b')
        return key;
    return {};
}
} // namespace

TEST(KeyFilter, LineEditTypedThroughTheWidget)
{
    QLineEdit edit;
    installKeyFilter(&edit, sample);
    edit.show();
    QTest::keyClicks(&edit, u"1a,2,x-3"_s);
    EXPECT_EQ(edit.text(), u"1,2y3"_s);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), u"1,2y"_s);
}

TEST(KeyFilter, NavigationAndShortcutsAreNotFiltered)
{
    QLineEdit edit;
    installKeyFilter(&edit, [](QChar, const QString&) { return QChar(); });
    edit.show();
    edit.setText(u"abc"_s);
    QSignalSpy enter(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 1);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier); // select all
    EXPECT_EQ(edit.selectedText(), u"abc"_s);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), u"bc"_s);
}

TEST(KeyFilter, GridFiltersTheStartingKeyAndTheEditor)
{
    StringGrid grid(2, 3, 1, 1);
    QStringList seen;
    installKeyFilter(&grid, [&seen](QChar key, const QString& text) {
        seen << QString(key) + u'|' + text;
        return sample(key, text);
    });
    showActive(grid);
    grid.setFocus();
    grid.setCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_A); // refused: no editor opens
    EXPECT_FALSE(grid.isEditing());
    QTest::keyClick(&grid, Qt::Key_5);
    ASSERT_TRUE(grid.isEditing());
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, u",,7"_s);
    auto* line = qobject_cast<QLineEdit*>(editor);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), u"5,7"_s);
    EXPECT_TRUE(seen.contains(u",|5,"_s)); // the editor's text at the key press
}
