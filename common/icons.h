#pragma once

#include <QIcon>

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
