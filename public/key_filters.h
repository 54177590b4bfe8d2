#pragma once

#include <QChar>
#include <QString>

// Numeric edits of the main window: Backspace and digits pass; "," or "." types the locale's
// separator once per edit; everything else is dropped (QChar()). `text` is the edit's text at the
// key press.
QChar numericEditKey(QChar key, const QString& text, QChar separator);
