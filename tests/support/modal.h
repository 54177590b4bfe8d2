#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
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

// Runs a command whose file dialog gets `name` typed in, as a user would (the name edit, not a
// selection left from the last opening); returns the dialog's title.
inline QString runWithFileName(QAction* command, const QString& name)
{
    QString title;
    whenModal([&title, name](QDialog* dialog) {
        title = dialog->windowTitle();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        dialog->accept(); // virtual: the file dialog's own checks run
    });
    command->trigger();
    return title;
}
