#include "support/gui_test_run.h"

int main(int argc, char** argv)
{
    return runGuiTests(argc, argv);
}
