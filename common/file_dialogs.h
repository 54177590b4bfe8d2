#pragma once

#include <QFileDialog>
#include <QString>

// The open or save dialog of a program's own files: its title, one filter entry ("NAME (*.ext)")
// and the suffix a name typed without one gets. Neither asks a question: the
// save dialog replaces a file as it is, the open dialog takes a name that does not exist (loading
// then reports it). Its detail view gives sizes and dates in Russian, as the rest of its texts,
// whatever the system's locale.
QFileDialog* makeFileDialog(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode,
                            const QString& filter, const QString& suffix);

// Shows the dialog; the chosen path, or an empty text when it was cancelled.
QString choosePath(QFileDialog* dialog);
