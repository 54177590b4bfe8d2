#pragma once

#include <QLabel>
#include <QMainWindow>
#include <cstring>

// With "text" as the only argument, the baseline window shows one line of text, in Cyrillic as
// the programs' texts are.
inline void showsText(QMainWindow& window, int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "text") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Расчет пожарного риска"), &window));
}
