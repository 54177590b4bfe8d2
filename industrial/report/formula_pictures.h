#pragma once

#include <QString>

// Pictures of the formulas the report's running text does not set itself, each an RTF picture
// group with the image written out in hexadecimal. The images are compiled in, so every call
// returns the same text.

// Metafiles, each inside a character-formatting group that lowers it onto the text line.
QString FormulaHarmProb();   // Q_d = (1 - P_Э)·(1 - D)
QString FormulaProtection(); // D = 1 - ∏(1 - D_k)
QString FormulaRouteEvac();  // P_Э.П, three cases

// PNG images in a \shppict destination.
QString FormulaSeries();   // P_c of blocks in series
QString FormulaParallel(); // P_c of blocks in parallel
