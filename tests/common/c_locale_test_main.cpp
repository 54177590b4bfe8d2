#include "support/gui_test_run.h"

#include <QByteArray>
#include <QStandardPaths>

// The tests of this executable see the system's locale as "C", whatever the session's is: what
// they check must not follow the locale.
int main(int argc, char** argv)
{
    qputenv("LC_ALL", QByteArrayLiteral("C"));
    qunsetenv("LANGUAGE");
    // The file dialog keeps its view mode in Qt's settings: not in the user's.
    QStandardPaths::setTestModeEnabled(true);
    return runGuiTests(argc, argv);
}
