#include "common/errors.h"
#include "industrial/evacuation.h"
#include "industrial/results_list.h"
#include "industrial/risk_calculation.h"
#include "support/test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

DesignPointRow point(const QString& exit, const QString& evac, const QString& block,
                     const QString& start, const QString& mark = QString())
{
    return {u"Расчетная точка"_s, exit, evac, block, start, mark};
}

// The example of the evacuation and risk calculation: production buildings, АПС 0.6, СОУЭ 0.8,
// АУПТ not considered, СПДЗ 0, one design point with P_э.п = 0.5.
WindowInputs exampleInputs()
{
    WindowInputs inputs;
    inputs.hoursPerDay = u"8"_s;
    inputs.daysPerYear = u"247"_s;
    inputs.freqMethod = 2;
    inputs.objectKind = 0;
    inputs.areaTexts = QStringList(9, u"0"_s);
    inputs.systemItems = {0, 0, 5, 3}; // АПС, СОУЭ, АУПТ, СПДЗ
    inputs.designPoints = {point(u"0,03"_s, u"1"_s, u"2,5"_s, u"2"_s)};
    return inputs;
}

QString failureOf(const std::function<void()>& command)
{
    try {
        command();
    } catch (const AppError& e) {
        return e.message();
    }
    return QString();
}

void expectNear(long double actual, double expected)
{
    EXPECT_NEAR(static_cast<double>(actual), expected, 1e-12);
}

} // namespace

TEST(Evacuation, RouteProbabilityCases)
{
    struct Case {
        long double evac, block, start, expected;
    };
    // t_бл = 2.5: L = 2.
    const std::vector<Case> cases = {
        {1.0L, 2.5L, 2.0L, 0.5L},       {1.0L, 2.5L, 1.0L, 0.999L},  {2.0L, 2.5L, 1.0L, 0.001L},
        {3.0L, 2.5L, 1.0L, 0.001L},     {1.0L, 2.5L, 0.0L, 0.999L},  {2.0L, 2.5L, 0.0L, 0.001L},
        {1.0L, 2.5L, -4.0L, 0.999L},    {2.0L, 2.5L, -4.0L, 0.001L}, {0.0L, 0.0L, 0.0L, 0.001L},
        {1.9995L, 2.5L, 1.0L, 0.0005L}, // just below L: the formula, below 0.001
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<double>(c.evac)) + " " +
                     std::to_string(static_cast<double>(c.start)));
        expectNear(RouteEvacProbability(c.evac, c.block, c.start), static_cast<double>(c.expected));
    }
}

TEST(Evacuation, WalkFindsTheFirstLowestRow)
{
    ScopedDecimalSeparator comma(u',');
    struct Case {
        const char* name;
        std::vector<DesignPointRow> rows;
        long double route, exit, evac;
        bool fireRoom;
    };
    const std::vector<Case> cases = {
        {"no rows", {}, 1.0L, 9.0L, 9.0L, false},
        {"empty row", {point({}, {}, {}, {})}, 0.001L, 0.0L, 0.0L, false},
        {"tie keeps the earlier row",
         {point(u"0.1"_s, u"2"_s, u"2.5"_s, u"1"_s),
          point(u"0.2"_s, u"3"_s, u"2.5"_s, u"1"_s, u"*"_s)},
         0.001L,
         0.1L,
         2.0L,
         true},
        {"formula below 0.001 wins",
         {point(u"0.1"_s, u"5"_s, u"1"_s, u"0"_s), point(u"0,3"_s, u"1,9995"_s, u"2,5"_s, u"1"_s)},
         0.0005L,
         0.3L,
         1.9995L,
         false},
        {"only an exact star marks",
         {point(u"0"_s, u"1"_s, u"2.5"_s, u"0"_s, u" *"_s)},
         0.999L,
         0.0L,
         1.0L,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TZdanie record;
        record.ExitProb = record.EvacTime = 9.0L;
        record.FireRoomMark = true;
        WalkDesignPoints(record, c.rows);
        expectNear(record.RouteEvacProb, static_cast<double>(c.route));
        expectNear(record.ExitProb, static_cast<double>(c.exit));
        expectNear(record.EvacTime, static_cast<double>(c.evac));
        EXPECT_EQ(record.FireRoomMark, c.fireRoom);
    }
}

TEST(RiskCalculation, ExampleAndItsResultsList)
{
    ScopedDecimalSeparator comma(u',');
    TZdanie record;
    CalculateRisk(record, exampleInputs());
    expectNear(record.FireFreq, 0.044);
    expectNear(record.EffProtection, 0.92);
    expectNear(record.EvacProb, 0.515);
    expectNear(record.HarmProb, 0.0388);
    expectNear(record.PotentialRisk, 0.0017072);
    expectNear(record.PresenceProb, 8.0 * 247.0 / 8760.0);
    expectNear(record.IndividualRisk, 0.0017072 * 8.0 * 247.0 / 8760.0);
    EXPECT_EQ(record.EffAupt, -1.0L);
    EXPECT_EQ(record.ExitProb, 0.03L);
    EXPECT_EQ(record.BlockTime, 2.5L);
    EXPECT_EQ(record.HoursPerDay.text(), u"8"_s);

    const std::vector<std::pair<QString, QString>> expected = {
        {u"Величина индивидуального пожарного риска"_s, u"0,00039"_s},
        {u"Вероятность присутствия в здании человека"_s, u"0,22557"_s},
        {u"Величина потенциального риска"_s, u"0,00171"_s},
        {u"Частота возникновения пожара"_s, u"0,044"_s},
        {u"Условная вероятность поражения человека"_s, u"0,0388"_s},
        {u"Вероятность эффективной работы технических решений противопожарной защиты"_s, u"0,92"_s},
        {u"Вероятность эвакуации людей"_s, u"0,515"_s},
        {u"Вероятность эвакуации людей по эвакуационным путям"_s, u"0,5"_s},
        {u"Вероятность эффективной работы СОУЭ"_s, u"0,8"_s},
        {u"Вероятность эффективной работы АПС"_s, u"0,6"_s},
        {u"Вероятность эффективной работы СПДЗ"_s, u"0"_s},
    };
    EXPECT_EQ(ResultRows(record), expected);

    // All four not considered: D = 0 and no system row; the area table's example as Q.
    WindowInputs inputs = exampleInputs();
    inputs.systemItems = {4, 3, 5, 4};
    inputs.freqMethod = 0;
    inputs.areaTexts[2] = u"500"_s;
    inputs.areaTexts[3] = u"12.5"_s;
    CalculateRisk(record, inputs);
    EXPECT_EQ(record.EffProtection, 0.0L);
    EXPECT_EQ(record.Areas.text(), u"0;0;500;12.5;0;0;0;0;0;"_s);
    const auto rows = ResultRows(record);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[3].second, u"0,04508"_s);

    // No item chosen: the values from before are used again.
    inputs.freqMethod = -1;
    inputs.systemItems[0] = -1; // АПС
    record.EffAps = 0.5L;
    CalculateRisk(record, inputs);
    expectNear(record.FireFreq, 0.045075);
    EXPECT_EQ(record.Areas.text(), u"0;0;500;12.5;0;0;0;0;0;"_s);
    EXPECT_EQ(record.FreqTableMark, 1.0L);
    EXPECT_EQ(record.EffAps, 0.5L);
    expectNear(record.EffProtection, 0.5);
}

// A failing step keeps the fields of the steps before it and leaves the later ones alone.
TEST(RiskCalculation, FailureEndsTheCalculationAtItsStep)
{
    ScopedDecimalSeparator comma(u',');
    // In the order the calculation writes them.
    const std::vector<long double TZdanie::*> fields = {
        &TZdanie::PresenceProb,  &TZdanie::FireFreq,      &TZdanie::EffAps,
        &TZdanie::EffSoue,       &TZdanie::EffAupt,       &TZdanie::EffSpdz,
        &TZdanie::RouteEvacProb, &TZdanie::EffProtection, &TZdanie::EvacProb,
        &TZdanie::HarmProb,      &TZdanie::PotentialRisk, &TZdanie::IndividualRisk,
    };
    using In = WindowInputs&;
    using Record = TZdanie&;
    struct Case {
        int method;
        std::function<void(In, Record)> setUp;
        QString message;
        size_t stored; // how many of `fields` hold new values
        QString areas; // Areas afterwards
        long double a; // FreqCoefA afterwards
    };
    const QString old = u"old"_s;
    const std::vector<Case> cases = {
        {2, [](In in, Record) { in.hoursPerDay = u"abc"_s; },
         u"'abc' is not a valid floating point value"_s, 0, old, 7.0L},
        {2, [](In in, Record) { in.hoursPerDay = in.daysPerYear = u"1e3000"_s; },
         u"Значение должно лежать в пределах от 0 до 24"_s, 0, old, 7.0L},
        {0, [](In in, Record) { in.areaTexts[5] = u"1.2.3"_s; },
         u"'1,2.3' is not a valid floating point value"_s, 1, u"0;0;0;0;0;1.2.3;0;0;0;"_s, 7.0L},
        {1, [](In in, Record) { in.area = u"-5"_s; }, u"Invalid floating point operation"_s, 1,
         u"-5"_s, 0.0011L},
        {1, [](In in, Record) { in.area = u"1000.5"_s; },
         u"'1000.5' is not a valid floating point value"_s, 1, u"1000.5"_s, 0.0011L},
        {1, [](In in, Record) { in.roomType = -1; }, u"Не выбран тип помещения"_s, 1, old, 7.0L},
        {2, [](In in, Record) { in.objectKind = -1; }, u"Не выбран тип объекта"_s, 1, old, 7.0L},
        // A probability above 1 is refused before it enters the product.
        {2,
         [](In in, Record record) {
             in.systemItems[1] = 4; // СОУЭ computed
             record.SoueDevices.Count = 3;
             record.SoueDevices.cell(TDeviceList::Probability, 1) = u"1e3000"_s;
             record.SoueDevices.cell(TDeviceList::Probability, 2) = u"1e3000"_s;
             record.SoueDevices.cell(TDeviceList::Probability, 3) = u"0"_s;
         },
         u"Список приборов СОУЭ, строка 1, столбец «Вероятность безотказной работы»\n"
         u"Значение должно лежать в пределах от 0 до 1"_s,
         3, old, 0.0L},
        {2,
         [](In in, Record) { in.designPoints.push_back(point(u"0,1"_s, u"x"_s, {}, {}, u"*"_s)); },
         u"'x' is not a valid floating point value"_s, 7, old, 0.0L},
        {0,
         [](In in, Record) {
             in.areaTexts[0] = u"1e4000"_s;
             in.designPoints = {point(u"-1e3000"_s, {}, {}, {})};
         },
         u"Значение должно лежать в пределах от 0 до 1"_s, 7, u"1e4000;0;0;0;0;0;0;0;0;"_s, 0.0L},
        {2, [](In in, Record) { in.designPoints.push_back(point(u"0,1"_s, {}, u"-2,5"_s, {})); },
         u"Значение не может быть отрицательным: -2,5"_s, 7, old, 0.0L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TZdanie record;
        for (const auto field : fields)
            record.*field = 7.0L;
        record.ExitProb = record.FreqCoefA = 7.0L;
        record.Areas = old;
        WindowInputs inputs = exampleInputs();
        inputs.freqMethod = c.method;
        c.setUp(inputs, record);

        EXPECT_EQ(failureOf([&] { CalculateRisk(record, inputs); }), c.message);
        EXPECT_EQ(record.HoursPerDay.text(), inputs.hoursPerDay);
        for (size_t i = 0; i < fields.size(); ++i)
            EXPECT_EQ(record.*fields[i] == 7.0L, i >= c.stored) << "field " << i;
        EXPECT_EQ(record.Areas.text(), c.areas);
        EXPECT_EQ(record.FreqCoefA, c.a);
    }
}

TEST(RiskCalculation, FailingDesignPointLeavesTheRowsBefore)
{
    ScopedDecimalSeparator comma(u',');
    TZdanie record;
    record.FireRoomMark = true;
    WindowInputs inputs = exampleInputs();
    inputs.designPoints.push_back(point(u"abc"_s, u"0"_s, u"9"_s, u"0"_s, u"*"_s));
    EXPECT_EQ(failureOf([&] { CalculateRisk(record, inputs); }),
              u"'abc' is not a valid floating point value"_s);
    EXPECT_EQ(record.RouteEvacProb, 0.5L);
    EXPECT_EQ(record.ExitProb, 0.03L);
    EXPECT_EQ(record.StartEvacTime, 2.0L);
    EXPECT_FALSE(record.FireRoomMark);
}

// q is a share of the year: the hours a day and the days a year are refused outside their range,
// naming their field, and a leap year's 24 hours on 366 days give 1, not more.
TEST(RiskCalculation, PresenceWithinTheYear)
{
    ScopedDecimalSeparator comma(u',');
    struct Case {
        QString hours, days;
        long double q;   // when accepted
        QString control; // the field refused, with its message
        QString message;
    };
    const QString hoursRange = u"Значение должно лежать в пределах от 0 до 24"_s;
    const QString daysRange = u"Значение должно лежать в пределах от 0 до 366"_s;
    const std::vector<Case> cases = {
        {u"24"_s, u"366"_s, 1.0L, {}, {}},
        {u"24"_s, u"365"_s, 1.0L, {}, {}},
        {u"12"_s, u"366"_s, 12.0L * 366.0L / 8760.0L, {}, {}},
        {u"0"_s, u"0"_s, 0.0L, {}, {}},
        {QString(), u"247"_s, 0.0L, {}, {}},
        {u"24,01"_s, u"1"_s, 0.0L, u"LabeledEdit9"_s, hoursRange},
        {u"-0.5"_s, u"1"_s, 0.0L, u"LabeledEdit9"_s, hoursRange},
        {u"8"_s, u"366.5"_s, 0.0L, u"LabeledEdit8"_s, daysRange},
        {u"8"_s, u"-1"_s, 0.0L, u"LabeledEdit8"_s, daysRange},
        {u"8ч"_s, u"400"_s, 0.0L, u"LabeledEdit9"_s, u"'8ч' is not a valid floating point value"_s},
        {u"8"_s, u"1,2.3"_s, 0.0L, u"LabeledEdit8"_s,
         u"'1,2.3' is not a valid floating point value"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.hours + u' ' + c.days).toStdString());
        TZdanie record;
        record.PresenceProb = record.IndividualRisk = 7.0L;
        WindowInputs inputs = exampleInputs();
        inputs.hoursPerDay = c.hours;
        inputs.daysPerYear = c.days;
        try {
            CalculateRisk(record, inputs);
            EXPECT_TRUE(c.control.isEmpty()) << "accepted";
            EXPECT_NEAR(static_cast<double>(record.PresenceProb), static_cast<double>(c.q), 1e-15);
            EXPECT_EQ(record.IndividualRisk, record.PotentialRisk * record.PresenceProb);
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), c.message);
            EXPECT_EQ(e.place().control, c.control);
            EXPECT_EQ(e.place().window, u"Form1"_s);
            EXPECT_EQ(record.PresenceProb, 7.0L);
        }
    }
}
