#include "common/command_guard.h"
#include "common/number_parse.h"
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
    form.show();
    return app.exec();
}
