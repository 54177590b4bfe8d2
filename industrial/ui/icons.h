#pragma once

#include <QIcon>

// Small pictures of our own for buttons the style has no icon for.
QIcon addRowIcon();
QIcon removeRowIcon();
QIcon calculateIcon();
