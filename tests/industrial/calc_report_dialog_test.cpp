#include "common/command_guard.h"
#include "common/errors.h"
#include "common/value_list_editor.h"
#include "industrial/ui/calc_report_dialog.h"
#include "industrial/ui/globals.h"
#include "support/test_support.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The results dialog alone: it lists the rows it is given, and "Отчёт" runs the report command it
// was handed once a press, a failing one in the error box, with the dialog left open each time.
TEST(ResultsDialog, ReportButtonRunsTheGivenCommand)
{
    DesktopRecorder desktop;
    setApplicationTitle(industrialAppTitle());
    int built = 0;
    bool fail = false;
    TCalcReport dialog({[&] {
                           ++built;
                           if (fail)
                               throw AppError(u"Не удалось записать отчёт"_s);
                       }},
                       nullptr);
    dialog.showResults({{u"Частота возникновения пожара"_s, u"0,022"_s},
                        {u"Вероятность эвакуации людей"_s, u"0,515"_s}});
    ASSERT_EQ(dialog.ValueListEditor1->lastRow(), 2);
    EXPECT_EQ(dialog.ValueListEditor1->key(2), u"Вероятность эвакуации людей"_s);
    EXPECT_EQ(dialog.ValueListEditor1->value(1), u"0,022"_s);

    QList<bool> open;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.SpeedButton1->click();
        dialog.SpeedButton1->click();
        open << dialog.isVisible();
        fail = true;
        dialog.SpeedButton1->click();
        open << dialog.isVisible();
        dialog.OKButton->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(built, 3);
    EXPECT_EQ(open, (QList<bool>{true, true}));
    EXPECT_EQ(desktop.errors, QStringList{industrialAppTitle() + u"|Не удалось записать отчёт"_s});
}

} // namespace
