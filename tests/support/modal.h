#pragma once

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <chrono>
#include <functional>
#include <string>

// Acts on the next modal dialog once it is shown: call before the command that opens it.
// `awaited` names that dialog ("the device list"). When the event loop turns `timeout` after the
// call and no modal dialog is shown, the test fails naming it, and a dialog that comes later in the
// test is rejected, so that its exec() returns instead of waiting for a user who is not there.
void whenModal(const std::string& awaited, std::function<void(QDialog*)> act,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Fails the current test for each of its waits still open, and stops them, so that none acts in
// a later test. runGuiTests calls it as every test ends.
void endModalWaits();

// Runs a command whose file dialog gets `name` typed in, as a user would (the name edit, not a
// selection left from the last opening); returns the dialog's title.
inline QString runWithFileName(QAction* command, const QString& name)
{
    QString title;
    whenModal("the file dialog of \"" + command->text().toStdString() + '"',
              [&title, name](QDialog* dialog) {
                  title = dialog->windowTitle();
                  dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
                  dialog->accept(); // virtual: the file dialog's own checks run
              });
    command->trigger();
    return title;
}
