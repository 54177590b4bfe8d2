#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

// The few services of the desktop that the programs use, behind functions of our own. Tests swap
// the interactive ones through hooks().
namespace platform
{

// Draws text centred horizontally, word-wrapped, from the top of rect; returns the text's height.
int drawWrappedText(QPainter& painter, const QRect& rect, const QString& text);

// Yes/No question with a warning icon; true for Yes.
bool askYesNo(QWidget* owner, const QString& title, const QString& text);

// Error box with the given caption.
void showError(QWidget* owner, const QString& title, const QString& text);

// Hands a file to the program the desktop associates with its type; the result is not reported.
void openDocument(const QString& path);

// The primary screen's rectangle and the part of it left to windows (the screen less panels such
// as a taskbar), in screen pixels.
struct ScreenAreas {
    QRect screen;
    QRect available;
};
ScreenAreas screenAreas();

// The user's temporary folder (TMPDIR where set, even when it does not exist) and the running
// program's folder, each ending with a separator.
QString tempFolder();
QString programFolder();

struct Hooks {
    std::function<bool(QWidget*, const QString&, const QString&)> askYesNo;
    std::function<void(QWidget*, const QString&, const QString&)> showError;
    std::function<void(const QString&)> openDocument;
    std::function<ScreenAreas()> screenAreas;
};
// Empty hooks mean the real desktop services.
Hooks& hooks();

} // namespace platform
