#include "common/command_guard.h"
#include "common/number_parse.h"
#include "common/qt_translation.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const auto translations = installQtTranslations({u"qtbase"_s});
    setApplicationTitle(industrialAppTitle());
    initDecimalSeparatorFromSystem();
    // The dialogs are made when first needed; the main window is all that start-up shows.
    TForm1 form;
    form.show();
    return app.exec();
}
