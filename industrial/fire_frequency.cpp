#include "industrial/fire_frequency.h"

#include "common/errors.h"
#include "common/number_parse.h"
#include "industrial/control_places.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

const std::array<FreqLambdaEntry, 9> FreqLambda = {{
    {u"Электростанции", 2.2e-5L},
    {u"Склады химической продукции", 1.2e-5L},
    {u"Склады многономенклатурной продукции", 9e-5L},
    {u"Инструментально-механические цеха", 6e-6L},
    {u"Цеха по обработке синтетического каучука и искусственных волокон", 2.7e-5L},
    {u"Литейные и плавильные цеха", 1.9e-5L},
    {u"Цеха по переработке мясных и рыбных продуктов", 1.5e-5L},
    {u"Цеха горячей прокатки металлов", 1.9e-5L},
    {u"Текстильные производства", 1.5e-5L},
}};

const std::array<FreqAreaCoef, 8> FreqAreaCoefs = {{
    {u"Здания пищевой, табачной промышленности", 0.0011L, 0.6L},
    {u"Переработка горючих веществ, химическая промышленность", 0.0069L, 0.46L},
    {u"Размещение электротехнического оборудования", 0.0061L, 0.59L},
    {u"Обслуживание транспортных средств", 0.00012L, 0.86L},
    {u"Текстильная промышленность", 0.0075L, 0.35L},
    {u"Полиграфические предприятия, издательское дело", 0.0007L, 0.91L},
    {u"Административные здания производственных объектов", 0.00006L, 0.9L},
    {u"Другие виды зданий производственных объектов", 0.0084L, 0.41L},
}};

namespace
{

constexpr long double ProductionBuildings = 0.044L;
constexpr long double Warehouses = 0.013L;

void setMarkers(TZdanie& record, long double tableMark, long double a, long double b)
{
    record.FreqTableMark = tableMark;
    record.FreqCoefA = a;
    record.FreqExpB = b;
}

} // namespace

QString JoinAreas(const QStringList& areaTexts)
{
    ShortText joined;
    for (const QString& text : areaTexts)
        joined = joined.text() + text + u';';
    return joined;
}

long double FreqByAreaTable(TZdanie& record, const QStringList& areaTexts)
{
    long double q = 0.0L;
    // A row past the known building types has no λ and counts for nothing.
    const qsizetype rows = std::min<qsizetype>(areaTexts.size(), FreqLambda.size());
    for (qsizetype r = 0; r < rows; ++r) {
        // str2r, not the locale's reader: "12.5" and "12,5" are the same area under any locale.
        const long double area =
            atPlace(form1Cell(u"ValueListEditor1"_s, 1, static_cast<int>(r) + 1),
                    [&] { return str2r(areaTexts.at(r)); });
        if (area > 0.0L)
            q += area * FreqLambda.at(static_cast<size_t>(r)).lambda;
    }
    setMarkers(record, 1.0L, 0.0L, 0.0L);
    return q;
}

long double FreqByAreaFormula(TZdanie& record, int roomType)
{
    const FreqAreaCoef coef = FreqAreaCoefs.at(static_cast<size_t>(roomType));
    setMarkers(record, 0.0L, coef.a, coef.b);
    long double s = 0.0L;
    if (!textToFloat(record.Areas, s))
        throw EConvertError::notFloat(record.Areas);
    if (s < 0.0L)
        throw EInvalidOp(); // the logarithm of a negative area
    if (s == 0.0L)
        return 0.0L;
    return coef.a * std::exp(coef.b * std::log(s));
}

long double FreqByObjectKind(TZdanie& record, int objectKind)
{
    setMarkers(record, 0.0L, 0.0L, 0.0L);
    return objectKind == 0 ? ProductionBuildings : Warehouses;
}
