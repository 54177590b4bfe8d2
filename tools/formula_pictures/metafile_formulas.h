#pragma once

#include <QByteArray>

// The three formulas drawn as Windows metafiles; window extents are 1.6 units per twip of the
// pictures' goal sizes. Needs a QGuiApplication and the Liberation Serif faces, whose advances
// match Times New Roman's.
QByteArray harmProbMetafile();
QByteArray protectionMetafile();
QByteArray routeEvacMetafile();
