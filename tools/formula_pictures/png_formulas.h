#pragma once

#include <QByteArray>

// The two formulas drawn as PNG images (8-bit RGB, 96 dots per inch, sRGB), black on white.
// Needs a QGuiApplication and the Liberation Serif faces.
QByteArray seriesPng();
QByteArray parallelPng();
