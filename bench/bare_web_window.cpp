// Baselines for Kestrum in startup.sh: a Qt main window of Kestrum's size that links Qt WebEngine
// but makes no view, empty, or with "text" as its argument showing a line of text (the font
// start-up any real window pays). The comparisons show what Kestrum adds on top of the start-up
// floor that dependency sets (loading its libraries).
#include "bare_text.h"

#include <QApplication>
#include <QMainWindow>
#include <QWebEngineView>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    // A use of the library, so that the linker keeps it.
    window.setObjectName(QString::fromLatin1(QWebEngineView::staticMetaObject.className()));
    window.setWindowTitle(u"bare_web_window"_s);
    window.resize(578, 583);
    showsText(window, argc, argv);
    window.show();
    return app.exec();
}
