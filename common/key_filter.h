#pragma once

#include <QChar>
#include <QString>
#include <functional>

class QAbstractItemView;
class QLineEdit;

// A key filter sees each typed character and the text of the field at that moment. It returns the
// character to let through, another one to type instead, or QChar() to drop it. Backspace comes
// as u'\b'. Navigation and dialog keys (Tab, Enter, Escape, arrows) and shortcuts never reach it;
// pasted text is not filtered.
using KeyFilterFn = std::function<QChar(QChar key, const QString& text)>;

void installKeyFilter(QLineEdit* edit, KeyFilterFn filter);

// For a grid: the key that starts editing a cell (text: the cell's text) and every key typed in
// its cell editor (text: the editor's text).
void installKeyFilter(QAbstractItemView* view, KeyFilterFn filter);
