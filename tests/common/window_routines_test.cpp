#include "common/qt_translation.h"
#include "common/string_grid.h"
#include "common/window_routines.h"
#include "support/modal.h"
#include "support/test_support.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <utility>

using namespace Qt::Literals::StringLiterals;

TEST(RowGrowth, TallerTextGrowsTheRowByTenNeverShrinks)
{
    EXPECT_EQ(grownRowHeight(24, 13), 24);
    EXPECT_EQ(grownRowHeight(24, 24), 24);
    EXPECT_EQ(grownRowHeight(24, 39), 49); // three lines of a 13-pixel font
    EXPECT_EQ(grownRowHeight(49, 13), 49);
    // The result depends on the order in which the cells of a row are drawn.
    EXPECT_EQ(grownRowHeight(grownRowHeight(24, 26), 35), 36);
    EXPECT_EQ(grownRowHeight(grownRowHeight(24, 35), 26), 45);
}

namespace
{
struct DrawnGrid {
    StringGrid grid{2, 2, 1, 0};
    DrawnGrid()
    {
        grid.setDrawCellHandler(StringGrid1DrawCell);
        grid.setColumnWidth(0, 60);
        grid.setColumnWidth(1, 60);
        grid.resize(200, 200);
    }
    void paint() { grid.grab(); }
    int textHeight(const QString& text) const
    {
        const QRect cell(0, 0, grid.columnWidth(0), 1000);
        return QFontMetrics(grid.font())
            .boundingRect(cell, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text)
            .height();
    }
};
} // namespace

TEST(StringGrid1DrawCell, WrappedTextGrowsItsRowOnly)
{
    DrawnGrid g;
    const QString words = u"Время блокирования путей эвакуации, мин."_s;
    g.grid.setCells(0, 1, words);
    g.paint();
    const int expected = g.textHeight(words) + 10;
    ASSERT_GT(expected, 24);
    EXPECT_EQ(g.grid.rowHeight(1), expected);
    EXPECT_EQ(g.grid.rowHeight(0), 24); // empty cells are only filled

    g.grid.setCells(0, 1, u"мин."_s);
    g.paint();
    EXPECT_EQ(g.grid.rowHeight(1), expected);
}

// Only the first 1000 characters are drawn, and only they decide the row's height: a cell of
// megabytes must not be laid out whole at every repaint.
TEST(StringGrid1DrawCell, LongTextGrowsTheRowByItsDrawnPart)
{
    QString longText;
    for (int i = 0; i < 300; ++i)
        longText += u"слово "_s;
    const QString drawn = longText.left(1000);
    DrawnGrid whole;
    whole.grid.setCells(1, 1, longText);
    whole.paint();
    DrawnGrid cut;
    cut.grid.setCells(1, 1, drawn);
    cut.paint();
    ASSERT_LT(whole.textHeight(drawn), whole.textHeight(longText));
    EXPECT_EQ(whole.grid.rowHeight(1), cut.grid.rowHeight(1));
    EXPECT_EQ(whole.grid.rowHeight(1), whole.textHeight(drawn) + 10);
}

namespace
{
class ClosingWindow : public QMainWindow
{
protected:
    void closeEvent(QCloseEvent* event) override
    {
        bool canClose = false;
        FormCloseQuery(this, canClose);
        canClose ? event->accept() : event->ignore();
    }
};
} // namespace

TEST(CloseQuery, AsksOnceWithTheWindowCaption)
{
    DesktopRecorder desktop;
    ClosingWindow window;
    window.setWindowTitle(u"Окно"_s);
    window.show();

    desktop.answerYes = false;
    TBExitClick(&window);
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(desktop.questions.size(), 1);
    EXPECT_EQ(desktop.questions.at(0), u"Окно|Вы, действительно, хотите закрыть программу?"_s);

    desktop.answerYes = true;
    TBExitClick(&window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(desktop.questions.size(), 2);
}

// The question itself, as the user sees it with Qt's texts in Russian: "Да" is the default.
TEST(CloseQuery, TheQuestionReadsDaAndNetAndDaIsTheDefault)
{
    const auto translations = installQtTranslations({u"qtbase"_s});
    // Our own few texts and qtbase_ru.qm.
    ASSERT_EQ(translations.size(), 2u) << "qtbase_ru.qm is not installed";
    QWidget window;
    window.setWindowTitle(u"Окно"_s);
    QStringList buttons;
    QString defaultButton;
    whenModal("the closing question", [&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(u'&');
        if (box->defaultButton())
            defaultButton = box->defaultButton()->text().remove(u'&');
        QTest::keyClick(box, Qt::Key_Return);
    });
    const auto testHook = std::exchange(platform::hooks().askYesNo, nullptr); // the real box
    bool canClose = false;
    FormCloseQuery(&window, canClose);
    platform::hooks().askYesNo = testHook;
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{u"Да"_s, u"Нет"_s}));
    EXPECT_EQ(defaultButton, u"Да"_s);
    EXPECT_TRUE(canClose);
}

TEST(HelpCommand, OpensTheDocumentBesideTheProgram)
{
    DesktopRecorder desktop;
    TBHelpClick(u"help_industry.pdf"_s);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.at(0),
              QCoreApplication::applicationDirPath() + u"/help_industry.pdf"_s);
    EXPECT_TRUE(desktop.errors.isEmpty());
}
