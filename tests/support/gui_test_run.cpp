#include "support/gui_test_run.h"

#include "common/platform.h"
#include "support/modal.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

namespace
{

class EndModalWaits : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo&) override { endModalWaits(); }
};

} // namespace

// A box or the shell that a test did not expect is reported instead of waiting for a user who is
// not there.
int runGuiTests(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Closing a test's last window would end every event loop a test waits in.
    QApplication::setQuitOnLastWindowClosed(false);
    auto& hooks = platform::hooks();
    hooks.showError = [](QWidget*, const QString& title, const QString& text) {
        ADD_FAILURE() << "unexpected error box: " << title.toStdString() << ": "
                      << text.toStdString();
    };
    hooks.askYesNo = [](QWidget*, const QString&, const QString& text) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    };
    hooks.openDocument = [](const QString& path) {
        std::fprintf(stderr, "not opened in tests: %s\n", path.toLocal8Bit().constData());
    };
    ::testing::InitGoogleTest(&argc, argv);
    // gtest tells of a test's end in the reverse order of the listeners: appended after the result
    // printer, this one can still fail the test before its result is printed.
    ::testing::UnitTest::GetInstance()->listeners().Append(new EndModalWaits);
    return RUN_ALL_TESTS();
}
