#include "common/file_dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QLocale& russian()
{
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

// "5 байт", "2,93 кБ", "2,38 МБ".
QString russianFileSize(qint64 bytes)
{
    // Qt's Russian names of the larger units; its word for bytes ("байты") does not go with most
    // numbers, the unit "байт" goes with all.
    if (bytes < 1024)
        return russian().toString(bytes) + u" байт"_s;
    return russian().formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat);
}

// Qt writes the size and date columns in the system's locale: in an English or "C" session
// "2.93 KiB" and "5 Mar 2024 07:08:09" would stand among Russian texts. Here they are written in
// Russian whatever the locale. The decimal separator the programs read numbers with is a setting
// of its own and stays the system's.
class RussianFileDetails : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        QVariant shown = QIdentityProxyModel::data(index, role);
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        // An empty text (a folder's size, a file not yet read) stays empty.
        if (role != Qt::DisplayRole || files == nullptr || shown.toString().isEmpty())
            return shown;
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
        case SizeColumn:
            return russianFileSize(files->size(source));
        case DateColumn:
            return russian().toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            return shown;
        }
    }

private:
    // QFileSystemModel's columns: name, size, type, date modified.
    enum { SizeColumn = 1, DateColumn = 3 };
};

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
    dialog->setProxyModel(new RussianFileDetails(dialog));
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
