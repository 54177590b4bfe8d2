#include "support/modal.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{

struct Wait {
    std::string awaited;
    std::function<void(QDialog*)> act;
    std::chrono::milliseconds timeout;
    QDeadlineTimer deadline;
    quint64 test; // the test it belongs to, as counted by endModalWaits
    quint64 number;
    bool open = true;
};

quint64 testCount = 0;
quint64 waitCount = 0;
// The waits made since the last test ended.
std::vector<std::shared_ptr<Wait>> thisTestsWaits;

bool stillItsTest(const Wait& wait)
{
    return wait.test == testCount;
}

// After a failed wait, the dialog that comes late is rejected; a later wait of the same test
// takes over from here.
void closeLate(const std::shared_ptr<Wait>& wait)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, wait] {
        if (!stillItsTest(*wait) || wait->number != waitCount) {
            timer->deleteLater();
        } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << wait->awaited << " came late (\""
                          << dialog->windowTitle().toStdString() << "\"): rejected";
            timer->deleteLater();
            dialog->reject();
        }
    });
    timer->start(20);
}

void poll(const std::shared_ptr<Wait>& wait)
{
    if (!wait->open || !stillItsTest(*wait))
        return;
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        wait->open = false;
        wait->act(dialog);
        return;
    }
    if (wait->deadline.hasExpired()) {
        wait->open = false;
        ADD_FAILURE() << wait->awaited << " did not come within " << wait->timeout.count() << " ms";
        closeLate(wait);
        return;
    }
    QTimer::singleShot(0, qApp, [wait] { poll(wait); });
}

} // namespace

void whenModal(const std::string& awaited, std::function<void(QDialog*)> act,
               std::chrono::milliseconds timeout)
{
    auto wait = std::make_shared<Wait>(
        Wait{awaited, std::move(act), timeout, QDeadlineTimer(timeout), testCount, ++waitCount});
    thisTestsWaits.push_back(wait);
    QTimer::singleShot(0, qApp, [wait] { poll(wait); });
}

void endModalWaits()
{
    for (const auto& wait : thisTestsWaits) {
        if (wait->open && stillItsTest(*wait))
            ADD_FAILURE() << wait->awaited << " never came: the test ended first";
    }
    thisTestsWaits.clear();
    ++testCount;
}
