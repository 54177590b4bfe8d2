#include "industrial/fire_frequency.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <iterator>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{
// Nine "0" rows with some of them replaced: {row, text}.
QStringList areaRows(const std::vector<std::pair<int, QString>>& values)
{
    QStringList rows(9, u"0"_s);
    for (const auto& [row, text] : values)
        rows[row - 1] = text;
    return rows;
}
} // namespace

TEST(FireFrequency, AreaTableCountsEveryPositiveArea)
{
    struct Case {
        QChar separator;
        QStringList rows;
        long double expected;
    };
    const std::vector<Case> cases = {
        {u',', areaRows({}), 0.0L},
        {u',', areaRows({{1, u"1000"_s}, {9, u"200"_s}}), 0.025L},
        {u',', areaRows({{3, u"500"_s}}), 0.045L},
        // Either separator under either locale.
        {u',', areaRows({{3, u"500"_s}, {4, u"12.5"_s}}), 0.045075L},
        {u',', areaRows({{3, u"500"_s}, {4, u"12,5"_s}}), 0.045075L},
        {u'.', areaRows({{3, u"500"_s}, {4, u"12,5"_s}}), 0.045075L},
        // Empty, negative and zero rows are left out.
        {u',', areaRows({{3, u"500"_s}, {4, QString()}, {5, u"-100"_s}, {6, u"0,0"_s}}), 0.045L},
        // No building type past the ninth row.
        {u',', areaRows({{3, u"500"_s}}) << u"1000"_s, 0.045L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows.join(u'|').toStdString());
        ScopedDecimalSeparator scoped(c.separator);
        TZdanie record;
        record.FreqCoefA = 5.0L;
        record.FreqExpB = 5.0L;
        EXPECT_NEAR(static_cast<double>(FreqByAreaTable(record, c.rows)),
                    static_cast<double>(c.expected), 1e-15);
        EXPECT_EQ(record.FreqTableMark, 1.0L);
        EXPECT_EQ(record.FreqCoefA, 0.0L);
        EXPECT_EQ(record.FreqExpB, 0.0L);
    }
}

TEST(FireFrequency, AreaFormulaAndObjectKind)
{
    ScopedDecimalSeparator comma(u',');
    struct Case {
        QString area;
        int roomType;
        long double expected;
        long double a; // stored exactly: the report compares it with its table
    };
    const std::vector<Case> cases = {
        {u"1000"_s, 7, 0.14265L, 0.0084L},
        {u"0"_s, 7, 0.0L, 0.0084L},
        {u"2500,5"_s, 0, 0.1202843L, 0.0011L},
        {u"1"_s, 3, 0.00012L, 0.00012L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.area.toStdString());
        TZdanie record;
        record.FreqTableMark = 1.0L;
        record.Areas = c.area;
        EXPECT_NEAR(static_cast<double>(FreqByAreaFormula(record, c.roomType)),
                    static_cast<double>(c.expected), 5e-6);
        EXPECT_EQ(record.FreqCoefA, c.a);
        EXPECT_EQ(record.FreqExpB, FreqAreaCoefs.at(c.roomType).b);
        EXPECT_EQ(record.FreqTableMark, 0.0L);
    }
    // Object kinds.
    TZdanie record;
    EXPECT_EQ(FreqByObjectKind(record, 0), 0.044L);
    EXPECT_EQ(FreqByObjectKind(record, 1), 0.013L);
}

// The window shows each kind beside the coefficients it stands for: row i of the area table pairs
// with λ_i and item i of the room types with (a_i, b_i).
TEST(FireFrequency, EachKindBesideItsCoefficients)
{
    const std::pair<QString, long double> buildings[] = {
        {u"Электростанции"_s, 2.2e-5L},
        {u"Склады химической продукции"_s, 1.2e-5L},
        {u"Склады многономенклатурной продукции"_s, 9e-5L},
        {u"Инструментально-механические цеха"_s, 6e-6L},
        {u"Цеха по обработке синтетического каучука и искусственных волокон"_s, 2.7e-5L},
        {u"Литейные и плавильные цеха"_s, 1.9e-5L},
        {u"Цеха по переработке мясных и рыбных продуктов"_s, 1.5e-5L},
        {u"Цеха горячей прокатки металлов"_s, 1.9e-5L},
        {u"Текстильные производства"_s, 1.5e-5L},
    };
    ASSERT_EQ(std::size(buildings), FreqLambda.size());
    for (std::size_t i = 0; i < FreqLambda.size(); ++i) {
        EXPECT_EQ(FreqLambda[i].kind.toString(), buildings[i].first) << i;
        EXPECT_EQ(FreqLambda[i].lambda, buildings[i].second) << i;
    }
    const struct {
        QString roomType;
        long double a, b;
    } rooms[] = {
        {u"Здания пищевой, табачной промышленности"_s, 0.0011L, 0.6L},
        {u"Переработка горючих веществ, химическая промышленность"_s, 0.0069L, 0.46L},
        {u"Размещение электротехнического оборудования"_s, 0.0061L, 0.59L},
        {u"Обслуживание транспортных средств"_s, 0.00012L, 0.86L},
        {u"Текстильная промышленность"_s, 0.0075L, 0.35L},
        {u"Полиграфические предприятия, издательское дело"_s, 0.0007L, 0.91L},
        {u"Административные здания производственных объектов"_s, 0.00006L, 0.9L},
        {u"Другие виды зданий производственных объектов"_s, 0.0084L, 0.41L},
    };
    ASSERT_EQ(std::size(rooms), FreqAreaCoefs.size());
    for (std::size_t i = 0; i < FreqAreaCoefs.size(); ++i) {
        EXPECT_EQ(FreqAreaCoefs[i].roomType.toString(), rooms[i].roomType) << i;
        EXPECT_EQ(FreqAreaCoefs[i].a, rooms[i].a) << i;
        EXPECT_EQ(FreqAreaCoefs[i].b, rooms[i].b) << i;
    }
}
