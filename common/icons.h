#pragma once

#include <QIcon>

class QAbstractButton;
class QString;

// Pictures of our own, painted in code: no icon theme or image plugin is loaded for them, which
// keeps start-up short.
QIcon addRowIcon();
QIcon removeRowIcon();
QIcon newFileIcon();
QIcon openFileIcon();
QIcon saveFileIcon();
QIcon calculateIcon();
QIcon reportIcon();
QIcon helpIcon();
QIcon exitIcon();
QIcon tableIcon(); // take a value from a reference table

// A button that shows only a picture: `hint` is its tool tip and its name for assistive tools,
// which would otherwise take the caption of the group it stands in, or nothing.
void setPictureHint(QAbstractButton* button, const QString& hint);
