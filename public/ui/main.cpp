#include "common/command_guard.h"
#include "common/number_parse.h"
#include "public/ui/evacuation_start_dialog.h"
#include "public/ui/fire_frequency_dialog.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "public/ui/web_engine_browser.h"

#include <QApplication>

int main(int argc, char** argv)
{
    prepareWebEngine();
    QApplication app(argc, argv);
    setApplicationTitle(publicAppTitle());
    initDecimalSeparatorFromSystem();
    TMainForm form;
    // After the main window, which they write into; each loads its table file now.
    new TODlg1(&form);
    new TODlg2(&form);
    form.show();
    return app.exec();
}
