#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Acts on the next modal dialog once it is shown: call before the command that opens it.
inline void whenModal(std::function<void(QDialog*)> act, int attempts = 200)
{
    QTimer::singleShot(0, [act = std::move(act), attempts]() mutable {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            act(dialog);
            return;
        }
        if (attempts > 0)
            whenModal(std::move(act), attempts - 1);
    });
}
