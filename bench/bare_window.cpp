// Baseline for startup.sh: an empty Qt main window of Ovrelta_online's size, so that the
// comparison shows what our own start-up adds on top of Qt's.
#include <QApplication>
#include <QMainWindow>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(u"bare_window"_s);
    window.resize(714, 673);
    window.show();
    return app.exec();
}
