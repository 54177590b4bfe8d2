#pragma once

#include <QChar>
#include <QString>

// Key filters of the industrial windows: each returns the key to let through or QChar() to drop
// it. `text` is the field's (or current cell's) text at the key press; `separator` the locale's.

// Design-point grid: digits, Backspace and one separator, never first; "," and "." are both
// typed as the locale's.
QChar designGridKey(QChar key, const QString& text, QChar separator);
// The area table, the design-point dialog's and the start-time chooser's fields: Backspace, Tab,
// ",", "." and digits.
QChar numericFieldKey(QChar key);
// Device count: Backspace, Tab and digits.
QChar deviceCountKey(QChar key);
// Device grid, by column of the current cell (0 name, 1 MTBF, 2 probability); the probability
// takes its separator as the design-point grid does.
QChar deviceGridKey(int column, QChar key, const QString& text, QChar separator);
