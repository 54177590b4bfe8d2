#include "common/file_dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>

namespace
{

// Enter taken while the name completer lists its names accepts the dialog and leaves the list
// open over the window, where the next click would only close it. A popup is a window of its
// own, which hiding the dialog does not hide; a completer's list is not even the dialog's child.
void hidePopupsOf(QWidget* dialog)
{
    QList<QWidget*> popups;
    for (QWidget* widget : dialog->findChildren<QWidget*>())
        if (widget->windowType() == Qt::Popup)
            popups << widget;
    for (const QCompleter* completer : dialog->findChildren<QCompleter*>())
        popups << static_cast<QWidget*>(completer->popup());
    for (QWidget* popup : popups)
        if (popup->isVisible())
            popup->hide();
}

} // namespace

QFileDialog* makeFileDialog(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode,
                            const QString& filter, const QString& suffix)
{
    auto* dialog = new QFileDialog(parent, title);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(suffix);
    return dialog;
}

QString choosePath(QFileDialog* dialog)
{
    const int result = dialog->exec();
    hidePopupsOf(dialog);
    if (result != QDialog::Accepted)
        return QString();
    return dialog->selectedFiles().value(0);
}
