#include "common/labeled_edit.h"
#include "public/calculation_request.h"
#include "public/service_location.h"
#include "public/ui/main_window.h"
#include "public/ui/result_window.h"
#include "public/ui/web_engine_browser.h"
#include "support/modal.h"
#include "support/test_support.h"

#include <QAction>
#include <QHostAddress>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A calculation service on the loopback interface: records the target of every request and
// answers the n-th with a page reading "Ответ n", the one numbered `late` only after `delayMs`.
class LoopbackService : public QObject
{
public:
    LoopbackService()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    QString location() const
    {
        return u"http://127.0.0.1:"_s + QString::number(m_server.serverPort());
    }

    QStringList requests; // "GET /path?query"
    int answered = 0;
    int late = 0;
    int delayMs = 3000;

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& buffer = m_pending[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_pending.remove(socket);
        requests << QString::fromLatin1(requestLine.value(0) + ' ' + requestLine.value(1));
        const int n = static_cast<int>(requests.size());
        if (n == late)
            QTimer::singleShot(delayMs, socket, [this, socket, n] { answer(socket, n); });
        else
            answer(socket, n);
    }

    void answer(QTcpSocket* socket, int n)
    {
        const QByteArray body = u"<html><body>Ответ %1</body></html>"_s.arg(n).toUtf8();
        // Cacheable for an hour: a second answer shows that the browser asked again.
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                      "Cache-Control: max-age=3600\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
        ++answered;
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

// The text the page shows; empty when the page does not tell in time.
QString pageText(QWebEnginePage* page)
{
    // The answer may come after we stopped waiting for it.
    auto text = std::make_shared<std::optional<QString>>();
    page->toPlainText([text](const QString& result) { *text = result; });
    return QTest::qWaitFor([&] { return text->has_value(); }, 5000) ? **text : QString();
}

// Whether the image is one colour all over: nothing drawn on it.
bool isPlain(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

struct ResultWindowTest : ::testing::Test {
    LoopbackService service;
    QString savedLocation = calculationServiceLocation();
    TMainForm form;

    void SetUp() override
    {
        setCalculationServiceLocation(service.location());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override { setCalculationServiceLocation(savedLocation); }

    // "Рассчитать"; returns what the result window shows once the service's n-th answer is there.
    // `beforeAnswer` gets the text and the picture of every reading made wholly before the service
    // sent that answer.
    using Reading = std::function<void(const QString& text, const QImage& frame)>;
    QString calculate(int n, const Reading& beforeAnswer = {})
    {
        QString shown;
        whenModal("the result window", [&](QDialog* dialog) {
            const QString expected = u"Ответ %1"_s.arg(n);
            const bool answered = QTest::qWaitFor(
                [&] {
                    const bool early = service.answered < n;
                    shown = pageText(form.Form4->WebBrowser1->page());
                    if (beforeAnswer) {
                        const QImage frame = form.Form4->WebBrowser1->grab().toImage();
                        if (early && service.answered < n)
                            beforeAnswer(shown, frame);
                    }
                    return shown == expected;
                },
                20000);
            EXPECT_TRUE(answered) << "the page shows: " << shown.toStdString();
            dialog->reject();
        });
        form.TBXItem1->trigger();
        return shown;
    }
};

const QString FreshQuery =
    u"GET /Xeb/Xeb_our_f1.php?Qp=0&Rap=0.9&FClass=0&Ne=0&Nneev=0&Kfps=0&Kf=0&Kev=0&Tf=0&Tr=0"
    u"&Tne=0&Tbl=0&Tsk=0&Robn=0.8&Rsoue=0.8&Rpdz=0.8&Ns=1&FireRoomAr=1"_s;

} // namespace

TEST_F(ResultWindowTest, EachCalculationAsksTheServiceOnceAndShowsItsAnswer)
{
    EXPECT_EQ(form.Form4, nullptr) << "made before the first calculation";

    EXPECT_EQ(calculate(1), u"Ответ 1"_s);
    ASSERT_NE(form.Form4, nullptr);
    EXPECT_EQ(form.Form4->windowTitle(), u"Результат расчета"_s);
    EXPECT_EQ(form.Form4->windowType(), Qt::Tool);
    EXPECT_EQ(form.Form4->size(), QSize(513, 294));
    EXPECT_EQ(form.Form4->minimumSize(), form.Form4->maximumSize());
    EXPECT_EQ(form.Form4->WebBrowser1->geometry(), form.Form4->rect());
    EXPECT_LE((form.Form4->geometry().center() - form.geometry().center()).manhattanLength(), 2);
    EXPECT_FALSE(form.Form4->isVisible());

    // Unchanged inputs: the same address again, answered anew rather than from a cache.
    EXPECT_EQ(calculate(2), u"Ответ 2"_s);
    QTest::qWait(300); // anything the page asks for after it has loaded
    EXPECT_EQ(service.requests, (QStringList{FreshQuery, FreshQuery}));
    EXPECT_EQ(form.Form4->WebBrowser1->LocationURL(), service.location() + FreshQuery.mid(4));
}

// While the service thinks, the result window shows nothing of the previous answer: neither in the
// page's text nor drawn.
TEST_F(ResultWindowTest, ANewCalculationShowsNothingOfThePreviousAnswerUntilItsOwn)
{
    ASSERT_EQ(calculate(1), u"Ответ 1"_s);

    form.LENomScen->setText(u"2"_s); // new inputs, a new address
    service.late = 2;
    int readings = 0;
    int oldTexts = 0;
    int drawn = 0;
    const QString second = calculate(2, [&](const QString& text, const QImage& frame) {
        ++readings;
        oldTexts += text.contains(u"Ответ 1"_s);
        drawn += !isPlain(frame);
    });
    EXPECT_EQ(second, u"Ответ 2"_s);
    ASSERT_GT(readings, 0) << "the page was not read before the late answer";
    EXPECT_EQ(oldTexts, 0) << "of " << readings << " readings, the old answer's text";
    EXPECT_EQ(drawn, 0) << "of " << readings << " readings, something drawn";

    QTest::qWait(300); // anything the page asks for after it has loaded
    QString secondQuery = FreshQuery;
    secondQuery.replace(u"&Ns=1&"_s, u"&Ns=2&"_s);
    EXPECT_EQ(service.requests, (QStringList{FreshQuery, secondQuery}));
}

// The result window needs no main window: made over any window, it is centred over that one and
// shows the page its browser is sent to.
TEST(ResultWindowAlone, ShowsOverItsParentThePageItsBrowserIsSentTo)
{
    LoopbackService service;
    QWidget owner;
    owner.setGeometry(100, 100, 400, 300);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    TForm4 window(&owner);
    loadCalculationPage(*window.WebBrowser1, service.location() + u"/Xeb/Xeb_our_fn.php?Qp=1"_s);
    QString shown;
    whenModal("the result window", [&](QDialog* dialog) {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                shown = pageText(window.WebBrowser1->page());
                return shown == u"Ответ 1"_s;
            },
            20000))
            << "the page shows: " << shown.toStdString();
        EXPECT_LE((window.geometry().center() - owner.geometry().center()).manhattanLength(), 2);
        dialog->reject();
    });
    window.exec();
    EXPECT_EQ(shown, u"Ответ 1"_s);
    EXPECT_EQ(service.requests, QStringList{u"GET /Xeb/Xeb_our_fn.php?Qp=1"_s});
}
