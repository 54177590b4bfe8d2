#include "common/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace platform
{

Hooks& hooks()
{
    static Hooks instance;
    return instance;
}

int drawWrappedText(QPainter& painter, const QRect& rect, const QString& text)
{
    QRect bounds;
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text, &bounds);
    return bounds.height();
}

bool askYesNo(QWidget* owner, const QString& title, const QString& text)
{
    if (hooks().askYesNo)
        return hooks().askYesNo(owner, title, text);
    // The first button, Yes, is the default, as the desktop's own question has it.
    return QMessageBox::warning(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Yes) == QMessageBox::Yes;
}

void showError(QWidget* owner, const QString& title, const QString& text)
{
    if (hooks().showError) {
        hooks().showError(owner, title, text);
        return;
    }
    QMessageBox::critical(owner, title, text);
}

void openDocument(const QString& path)
{
    if (hooks().openDocument) {
        hooks().openDocument(path);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

ScreenAreas screenAreas()
{
    if (hooks().screenAreas)
        return hooks().screenAreas();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry(), screen->availableGeometry()};
}

static QString withSeparator(const QString& folder)
{
    QString native = QDir::toNativeSeparators(folder);
    if (!native.endsWith(QDir::separator()))
        native += QDir::separator();
    return native;
}

QString tempFolder()
{
    // Qt gives an empty path when TMPDIR names a folder that does not exist, which would put
    // files in "/"; keep the folder named, so that creating a file in it fails and says so.
    const QString path = QDir::tempPath();
    if (!path.isEmpty())
        return withSeparator(path);
    const QString named = qEnvironmentVariable("TMPDIR");
    return withSeparator(QDir::cleanPath(named.isEmpty() ? u"/tmp"_s : named));
}

QString programFolder()
{
    return withSeparator(QCoreApplication::applicationDirPath());
}

} // namespace platform
