#pragma once

#include <QString>

// Shorthands for the pieces of the calculation report: every paragraph and equation of it is set
// in font f1 at 12 pt.
namespace report
{

inline constexpr QChar Tab = u'\t';

QString Para(const QString& text, const QString& align);
QString EqPara(const QString& equation, const QString& align);
QString Eq(const QString& equation);

// An italic equation that the running text writes into a paragraph of its own making.
QString TextEq(const QString& equation);
// The EQ switch that lowers x by `level` points, x in italics at `halfPoints`.
QString Sub(int level, int halfPoints, const QString& x);
QString Quoted(const QString& text);

// One table row: the paragraph of its cell texts (each ended by "\cell"), kept inside the table,
// then the definition of `cells` cells `cellWidth` twips wide.
QString TableRow(const QString& cellTexts, const QString& align, int cells, int cellWidth);

} // namespace report
