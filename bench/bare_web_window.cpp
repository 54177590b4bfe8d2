// Baseline for Kestrum in startup.sh: an empty Qt main window of Kestrum's size that links Qt
// WebEngine but makes no view, so the comparison shows what Kestrum adds on top of the start-up
// floor that dependency sets (loading its libraries).
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
    window.show();
    return app.exec();
}
