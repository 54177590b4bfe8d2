// Baselines for startup.sh: a Qt main window of Ovrelta_online's size, empty, or with "text" as
// its argument showing a line of text, which makes it pay the font start-up any real window pays.
// The comparisons show what our own start-up adds on top of Qt's.
#include "bare_text.h"

#include <QApplication>
#include <QMainWindow>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(u"bare_window"_s);
    window.resize(714, 673);
    showsText(window, argc, argv);
    window.show();
    return app.exec();
}
