#include "common/command_guard.h"
#include "common/number_parse.h"
#include "common/qt_translation.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "public/ui/web_engine_browser.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    prepareWebEngine();
    QApplication app(argc, argv);
    // The result window's browser has texts of its own (its context menu).
    const auto translations = installQtTranslations({u"qtbase"_s, u"qtwebengine"_s});
    setApplicationTitle(publicAppTitle());
    initDecimalSeparatorFromSystem();
    TMainForm form;
    form.createTableDialogs();
    form.show();
    return app.exec();
}
