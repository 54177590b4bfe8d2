#include "public/ui/web_engine_browser.h"
#include "support/gui_test_run.h"

int main(int argc, char** argv)
{
    prepareWebEngine(); // CI runs the tests as root
    return runGuiTests(argc, argv);
}
