#include "support/modal.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace
{

// Shows the dialog modally. A dialog still open after a few seconds is one that nothing closed:
// it is ended with a result of its own, so that a broken wait fails here instead of hanging.
int execBounded(QDialog& dialog)
{
    constexpr int Unclosed = 99;
    QTimer::singleShot(5000, &dialog, [&dialog] {
        if (dialog.isVisible())
            dialog.done(Unclosed);
    });
    return dialog.exec();
}

// The failures a statement reports, instead of failing the test.
struct Failures {
    ::testing::TestPartResultArray results;
    ::testing::ScopedFakeTestPartResultReporter reporter{
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results};

    std::vector<std::string> messages() const
    {
        std::vector<std::string> all;
        for (int i = 0; i < results.size(); ++i)
            all.push_back(results.GetTestPartResult(i).message());
        return all;
    }
};

} // namespace

// Time, not turns of the event loop, bounds the wait: a busy loop before the dialog comes does
// not use it up.
TEST(WhenModal, ActsOnADialogThatComesAfterManyTurnsOfTheEventLoop)
{
    QDialog dialog;
    QDialog* acted = nullptr;
    whenModal("the busy dialog", [&acted](QDialog* shown) {
        acted = shown;
        shown->accept();
    });
    for (int turn = 0; turn < 2000; ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(execBounded(dialog), QDialog::Accepted);
    EXPECT_EQ(acted, &dialog);
}

TEST(WhenModal, ADialogThatNeverComesFailsTheTestNamingIt)
{
    bool acted = false;
    EXPECT_NONFATAL_FAILURE(
        {
            whenModal(
                "the missing dialog", [&acted](QDialog*) { acted = true; }, 100ms);
            QTest::qWait(500);
        },
        "the missing dialog did not come within 100 ms");
    EXPECT_FALSE(acted);
}

// A dialog that comes after the wait gave up is closed, so that the test ends; the failure says so.
TEST(WhenModal, ADialogThatComesTooLateIsRejected)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Late"));
    bool acted = false;
    int result = -1;
    std::vector<std::string> messages;
    {
        Failures failures;
        whenModal(
            "the late dialog", [&acted](QDialog*) { acted = true; }, 100ms);
        QTest::qWait(500);
        result = execBounded(dialog);
        messages = failures.messages();
    }
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(acted);
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Failed\nthe late dialog did not come within 100 ms",
                                        "Failed\nthe late dialog came late (\"Late\"): rejected"}));
}

// A wait still open when its test ends fails that test, and acts on no dialog after it.
TEST(WhenModal, AWaitOpenAtTheEndOfItsTestFailsItAndActsNoMore)
{
    bool acted = false;
    whenModal("the forgotten dialog", [&acted](QDialog*) { acted = true; });
    EXPECT_NONFATAL_FAILURE(endModalWaits(), "the forgotten dialog never came: the test ended");
    QDialog dialog;
    QTimer::singleShot(200, &dialog, [&dialog] { dialog.reject(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(acted);
}
