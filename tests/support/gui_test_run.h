#pragma once

// Runs every test of the executable in one headless application. A program that needs something
// set before the application object exists does it in its own main, then calls this.
int runGuiTests(int argc, char** argv);
