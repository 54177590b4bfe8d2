#pragma once

#include <QByteArray>

// The three formulas drawn as Windows metafiles; window extents are 1.6 units per twip of the
// pictures' goal sizes. Needs a QGuiApplication, Liberation Serif (the advances of Times New
// Roman) and OpenSymbol (what this platform's reader draws Symbol with).
QByteArray harmProbMetafile();
QByteArray protectionMetafile();
QByteArray routeEvacMetafile();
