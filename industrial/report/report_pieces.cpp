#include "industrial/report/report_pieces.h"

#include "industrial/report/rtf_blocks.h"
#include "industrial/report/rtf_fields.h"

using namespace Qt::Literals::StringLiterals;

namespace report
{

namespace
{
const QString Font = u"f1"_s;
const QString Size = u"fs24"_s;
constexpr int BorderWidth = 10;
} // namespace

QString Para(const QString& text, const QString& align)
{
    return RtfPara(text, align, Font, Size);
}

QString EqPara(const QString& equation, const QString& align)
{
    return RtfEqPara(equation, align, Font, Size);
}

QString Eq(const QString& equation)
{
    return RtfEq(equation, QString(), Font, Size);
}

QString TextEq(const QString& equation)
{
    return u"{\\pard\\qj\\i"_s + Eq(equation) + u'}';
}

QString Sub(int level, int halfPoints, const QString& x)
{
    return u"\\\\s\\\\do"_s + QString::number(level) + u"({\\pard\\qj\\i\\fs"_s +
           QString::number(halfPoints) + u"\\f1"_s + x + u"})"_s;
}

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

QString TableRow(const QString& cellTexts, const QString& align, int cells, int cellWidth)
{
    // Without \intbl in every paragraph of the cells and \trowd before the row's definition the
    // desktop's reader runs the cells together as plain text.
    return InTableCell(Para(cellTexts, align)) + u"\\trowd"_s +
           RtfTableRow(cells, BorderWidth, cellWidth);
}

} // namespace report
