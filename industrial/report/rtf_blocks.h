#pragma once

#include <QString>
#include <cstdint>

// The fixed pieces the RTF report is assembled from. Every builder returns a new text and keeps
// no state. Word arguments are RTF control words without the backslash of their first word
// ("qj\i", "f1", "fs24"); texts are written as given, never escaped.

// Opens the document group and leaves it open; RtfEnd closes it.
QString RtfHeader();
QString RtfEnd();

// One paragraph group; the text carries its own "\par" where the paragraph is to end.
QString RtfPara(const QString& text, const QString& align, const QString& font,
                const QString& size);
// A paragraph holding one EQ field (text: the equation after "EQ ") and a paragraph mark.
QString RtfEqPara(const QString& text, const QString& align, const QString& font,
                  const QString& size);
// An EQ field to stand inside a paragraph; the alignment word is not used.
QString RtfEq(const QString& text, const QString& align, const QString& font, const QString& size);
QString RtfEmptyPara();

// The definition group that ends one bordered table row of `cells` cells whose right edges lie
// `cellWidth` twips apart (a negative width spreads the cells over 10000 twips).
QString RtfTableRow(std::int32_t cells, std::int32_t borderWidth, std::int32_t cellWidth);
