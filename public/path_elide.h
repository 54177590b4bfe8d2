#pragma once

#include <QString>
#include <functional>

// The width of a text as it would be drawn.
using TextWidth = std::function<int(const QString&)>;

// A text that holds a path, cut to `width`: whole when it fits; else as much of its beginning as
// fits before "…" and the file name (from the last "/" on). When not even "…" and the file name
// fit, the two ends of the whole text around "…"; an empty text when nothing fits.
QString elidePathMiddle(const QString& text, int width, const TextWidth& widthOf);
