// Kestrum's "Рассчитать" against a calculation service on the loopback interface: milliseconds
// from the command to the service's page loaded in the result window, for the first calculation
// (which makes the result window and starts the browser) and for a second one. Run by startup.sh
// in a virtual display, once per process:
//   request_bench        prints "FIRST_MS SECOND_MS"
#include "common/command_guard.h"
#include "public/service_location.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "public/ui/result_window.h"
#include "public/ui/web_engine_browser.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Answers every request at once with a small page.
void serve(QTcpServer& server)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                if (!socket->peek(64 * 1024).contains("\r\n\r\n"))
                    return;
                socket->readAll();
                const QByteArray body = u"<html><body>Результат</body></html>"_s.toUtf8();
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                              "Connection: close\r\nContent-Length: " +
                              QByteArray::number(body.size()) + "\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    server.listen(QHostAddress::LocalHost);
}

// Runs "Рассчитать" and returns the milliseconds until the service's page has loaded; the result
// window is closed then. -1 when it did not load within 30 s.
double timeCalculation(TMainForm& form)
{
    double elapsed = -1;
    QElapsedTimer timer;
    // Once the result window is up: wait for the page, then close the window from the event
    // loop, never from inside the browser's own signal.
    QTimer::singleShot(0, &form, [&] {
        TForm4* result = form.Form4;
        const auto close = [result] { QTimer::singleShot(0, result, &QDialog::reject); };
        QObject::connect(result->WebBrowser1, &QWebEngineView::loadFinished, result,
                         [&, result, close](bool ok) {
                             if (ok && elapsed < 0 &&
                                 result->WebBrowser1->url().path().startsWith(u"/Xeb/"_s)) {
                                 elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                                 close();
                             }
                         });
        QTimer::singleShot(30000, result, close);
    });
    timer.start();
    form.TBXItem1->trigger();
    QObject::disconnect(form.Form4->WebBrowser1, &QWebEngineView::loadFinished, form.Form4,
                        nullptr);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    prepareWebEngine();
    QApplication app(argc, argv);
    setApplicationTitle(publicAppTitle());
    QTcpServer server;
    serve(server);
    setCalculationServiceLocation(u"http://127.0.0.1:"_s + QString::number(server.serverPort()));

    TMainForm form;
    form.show();
    double first = -1;
    double second = -1;
    QTimer::singleShot(200, &form, [&] {
        first = timeCalculation(form);
        second = timeCalculation(form);
        QCoreApplication::exit(0); // quit() would close the windows, which asks first
    });
    app.exec();
    std::printf("%.1f %.1f\n", first, second);
    return first < 0 || second < 0 ? 1 : 0;
}
