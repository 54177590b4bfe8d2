#include "common/decimal_format.h"
#include "common/number_parse.h"
#include "industrial/control_places.h"
#include "industrial/fire_frequency.h"
#include "industrial/formatters.h"
#include "industrial/report/report_pieces.h"
#include "industrial/report/report_sections.h"
#include "industrial/report/rtf_blocks.h"

using namespace Qt::Literals::StringLiterals;
using namespace report;

namespace
{

// The sum is broken into equation lines after the terms that take it past 75, 150, ... characters.
constexpr qsizetype LineLength = 75;

const QString Manual = u"Пособие по определению расчетных величин  пожарного риска для "
                       "производственных объектов"_s;

// Row i of the area table pairs with λ_i; a row past the known building types has none and,
// as in the frequency, counts for nothing.
bool hasLambda(qsizetype row)
{
    return row < static_cast<qsizetype>(FreqLambda.size());
}

// Whether the area of the table's row i (from 0) counts: a positive number.
bool countsAsArea(const QString& area, qsizetype row)
{
    return atPlace(form1Cell(u"ValueListEditor1"_s, 1, static_cast<int>(row) + 1),
                   [&] { return str2r(area) > 0.0L; });
}

QString lambda(qsizetype row)
{
    return FormatReportNumber(FreqLambda.at(static_cast<size_t>(row)).lambda);
}

// Σ area_i·λ_i over the pieces of the joined areas, with "*" where a line is to break.
QString areaSum(const QString& areas)
{
    QStringList pieces = areas.split(u';');
    pieces.removeLast(); // the text after the last ";" is not a piece
    QString sum;
    qsizetype lines = 1;
    for (qsizetype i = 0; i < pieces.size() && hasLambda(i); ++i) {
        if (!countsAsArea(pieces.at(i), i))
            continue;
        sum += pieces.at(i) + u'·' + lambda(i) + u" + "_s;
        if (sum.size() > LineLength * lines) {
            sum += u'*';
            ++lines;
        }
    }
    if (sum.right(3).contains(u'*')) {
        sum.chop(4);
        sum += u'*';
    } else {
        sum.chop(3);
    }
    return sum;
}

QString areaTableBlock(const TZdanie& record, const WindowInputs& window)
{
    const QString sum = areaSum(record.Areas);
    const QString total = u" = "_s + FormatReportNumber(record.FireFreq);
    QString text;
    if (sum.size() <= LineLength) {
        text = EqPara(u"Q= "_s + sum + total, u"qc\\i"_s);
    } else {
        const QStringList lines = sum.split(u'*', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString first = i == 0 ? u"Q= "_s : QString();
            const QString last = i == lines.size() - 1 ? total : QString();
            text += EqPara(first + lines.at(i) + last, u"qc\\i"_s) + u"\\par"_s;
        }
    }
    text += RtfEmptyPara();
    for (qsizetype i = 0; i < window.areaTexts.size() && hasLambda(i); ++i) {
        const QString& area = window.areaTexts.at(i);
        if (area.isEmpty() || !countsAsArea(area, i))
            continue;
        text += Para(Tab + u"- для объекта:"_s + Quoted(window.areaKinds.value(i)) +
                         u" = площадь·"_s + Eq(lambda(i)) + u" \\par"_s,
                     u"qj"_s);
    }
    return text;
}

// The room type as the main window's group shows it; none when no item is chosen.
QString roomTypeCaption(int roomType)
{
    if (roomType < 0 || roomType >= static_cast<int>(FreqAreaCoefs.size()))
        return {};
    return FreqAreaCoefs.at(static_cast<size_t>(roomType)).roomType.toString();
}

QString areaFormulaBlock(const TZdanie& record, const WindowInputs& window)
{
    const QString a = FormatReportNumber(record.FreqCoefA);
    const QString b = generalFloatText(record.FreqExpB);
    return EqPara(u"Q= "_s + a + u'·' + record.Areas + u"\\\\s\\\\up6("_s + b + u")="_s +
                      FormatReportNumber(record.FireFreq),
                  u"qc\\i"_s) +
           Para(u"(согласно статистических данных, указанных в "_s + Quoted(Manual) +
                    u", частота возникновения пожара для здания (помещения) типа "_s +
                    Quoted(roomTypeCaption(window.roomType)) + u"  = "_s +
                    Eq(a + u"· площадь \\\\s\\\\up6("_s + b + u')') + u") \\par\\par"_s,
                u"qj"_s);
}

QString fixedValueBlock(const TZdanie& record)
{
    return EqPara(u"Q = "_s + FormatReportNumber(record.FireFreq), u"qc\\i"_s) +
           Para(u"(согласно статистических данных, указанных в "_s + Quoted(Manual) +
                    u" за № АААА-А16-116121410057-9 от 2016г., частота возникновения пожара  для "
                    "рассматриваемого здания  = "_s +
                    FormatReportNumberInText(record.FireFreq) + u" ) \\par\\par"_s,
                u"qj"_s);
}

} // namespace

QString FrequencyBlock(const TZdanie& record, const WindowInputs& window)
{
    // Three tests, each on its own; after any calculation exactly one holds.
    QString text;
    if (record.FreqTableMark > 0.0L)
        text += areaTableBlock(record, window);
    if (record.FreqCoefA > 0.0L && record.FreqExpB > 0.0L)
        text += areaFormulaBlock(record, window);
    if (record.FreqTableMark == record.FreqCoefA)
        text += fixedValueBlock(record);
    return text;
}
