#include "industrial/protection_effect.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{
TDeviceList devices(const QStringList& probabilities, std::uint8_t mode)
{
    TDeviceList list;
    list.Count = static_cast<std::uint8_t>(probabilities.size());
    list.Mode = mode;
    for (int row = 1; row <= probabilities.size(); ++row)
        list.cell(TDeviceList::Probability, row) = probabilities.at(row - 1);
    return list;
}
} // namespace

TEST(ProtectionEffect, SystemReliability)
{
    struct Case {
        QStringList probabilities;
        std::uint8_t mode;
        long double expected;
    };
    const std::vector<Case> cases = {
        {{u"0.9"_s, u"0.95"_s}, 0, 0.855L},
        {{u"0,9"_s, u"0,95"_s}, 1, 0.995L},
        {{u"0.9"_s, QString(), u"0.5"_s}, 0, 0.45L},
        {{u"0.9"_s, QString(), u"0.5"_s}, 1, 0.95L},
        {{}, 0, 1.0L},
        {{}, 1, 0.0L},
        {{u"0.9"_s}, 2, 1.0L},
        {{u"1.5"_s, u"2"_s}, 0, 3.0L}, // nothing clamps
    };
    for (const QChar separator : {QChar(u','), QChar(u'.')}) {
        ScopedDecimalSeparator scoped(separator);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.probabilities.join(u'|').toStdString() + " mode " +
                         std::to_string(c.mode));
            const TDeviceList list = devices(c.probabilities, c.mode);
            EXPECT_NEAR(static_cast<double>(SystemReliability(list, list.Count, list.Mode)),
                        static_cast<double>(c.expected), 1e-15);
        }
    }
    // Rows past Count are not read.
    TDeviceList list = devices({u"0.5"_s, u"abc"_s}, 0);
    EXPECT_EQ(SystemReliability(list, 1, 0), 0.5L);
}

TEST(ProtectionEffect, ItemsAndTheirCombination)
{
    const TDeviceList none;
    const TDeviceList twoInSeries = devices({u"0.9"_s, u"0.95"_s}, 0);
    // АПС item 0, СОУЭ not considered, АУПТ item 1, СПДЗ zero: D = 0.96.
    const long double aps = ItemEffectiveness(ProtectionSystem::Aps, 0, none);
    const long double soue = ItemEffectiveness(ProtectionSystem::Soue, 3, none);
    const long double aupt = ItemEffectiveness(ProtectionSystem::Aupt, 1, none);
    const long double spdz = ItemEffectiveness(ProtectionSystem::Spdz, 3, none);
    EXPECT_EQ(aps, 0.6L);
    EXPECT_EQ(soue, EffNotConsidered);
    EXPECT_EQ(aupt, 0.9L);
    EXPECT_EQ(spdz, 0.0L);
    EXPECT_NEAR(static_cast<double>(CombinedEffectiveness(aupt, aps, soue, spdz)), 0.96, 1e-15);

    // Not considered weighs as 0, whatever negative value marks it.
    EXPECT_EQ(CombinedEffectiveness(-1.0L, -1.0L, -1.0L, -1.0L), 0.0L);
    EXPECT_EQ(CombinedEffectiveness(0.0L, -0.5L, 0.0L, 0.0L), 0.0L);

    // The last item of each group computes from the devices.
    EXPECT_EQ(ItemEffectiveness(ProtectionSystem::Aupt, 6, twoInSeries), 0.9L * 0.95L);
    EXPECT_EQ(ItemEffectiveness(ProtectionSystem::Soue, 4, twoInSeries), 0.9L * 0.95L);
}

// A computed system's list must say how reliable each listed device is: a device without its
// probability, a list without any, or a probability outside 0..1 would pass for a perfect system
// or give a risk below 0.
TEST(ProtectionEffect, ComputedListsThatGiveNoEffectivenessAreRefused)
{
    ScopedDecimalSeparator comma(u',');
    struct Row {
        QString name, mtbf, probability;
    };
    struct Case {
        const char* what;
        ProtectionSystem system;
        std::uint8_t count;
        std::uint8_t mode;
        std::vector<Row> rows;
        QString error; // empty: the list gives `value`
        long double value = 0.0L;
    };
    const auto rowPlace = [](const QString& list, int row) {
        return u"Список приборов "_s + list + u", строка "_s + QString::number(row) +
               u", столбец «Вероятность безотказной работы»\n"_s;
    };
    const QString missing = u"Не задана вероятность безотказной работы прибора: её рассчитывает "
                            u"по наработке на отказ кнопка «Расчитать вероятность для приборов»"_s;
    const QString range = u"Значение должно лежать в пределах от 0 до 1"_s;
    const auto none = [](const QString& list) {
        return u"В списке приборов "_s + list +
               u" нет ни одного прибора с вероятностью безотказной работы"_s;
    };
    const Case cases[] = {
        {"no devices in series", ProtectionSystem::Aps, 0, 0, {}, none(u"АПС"_s)},
        {"no devices in parallel", ProtectionSystem::Soue, 0, 1, {}, none(u"СОУЭ"_s)},
        {"only empty rows", ProtectionSystem::Aupt, 2, 0, {{}, {}}, none(u"АУПТ"_s)},
        {"MTBFs without probabilities",
         ProtectionSystem::Aps,
         2,
         0,
         {{u"A1"_s, u"1000"_s, {}}, {u"A2"_s, u"2000"_s, {}}},
         rowPlace(u"АПС"_s, 1) + missing},
        {"a name alone",
         ProtectionSystem::Spdz,
         2,
         1,
         {{{}, {}, u"0,9"_s}, {u"Д2"_s, {}, {}}},
         rowPlace(u"СПДЗ"_s, 2) + missing},
        {"an MTBF alone",
         ProtectionSystem::Soue,
         1,
         0,
         {{{}, u"1000"_s, {}}},
         rowPlace(u"СОУЭ"_s, 1) + missing},
        {"5 meant as 0,5",
         ProtectionSystem::Aps,
         2,
         0,
         {{{}, {}, u"0,9"_s}, {{}, {}, u"5"_s}},
         rowPlace(u"АПС"_s, 2) + range},
        {"below 0 in parallel",
         ProtectionSystem::Aupt,
         1,
         1,
         {{{}, {}, u"-0.1"_s}},
         rowPlace(u"АУПТ"_s, 1) + range},
        {"no number",
         ProtectionSystem::Aps,
         1,
         0,
         {{{}, {}, u"0,9,5"_s}},
         rowPlace(u"АПС"_s, 1) + u"'0,9,5' is not a valid floating point value"_s},
        {"empty rows among filled ones in series",
         ProtectionSystem::Aps,
         3,
         0,
         {{u"A1"_s, {}, u"0.9"_s}, {}, {{}, u"10"_s, u"0,5"_s}},
         {},
         0.45L},
        {"empty rows among filled ones in parallel",
         ProtectionSystem::Soue,
         3,
         1,
         {{{}, {}, u"0.9"_s}, {}, {{}, {}, u"0,5"_s}},
         {},
         0.95L},
        {"the bounds",
         ProtectionSystem::Spdz,
         2,
         0,
         {{{}, {}, u"1"_s}, {{}, {}, u"0"_s}},
         {},
         0.0L},
        {"rows past the count are not read",
         ProtectionSystem::Aps,
         1,
         0,
         {{{}, {}, u"0,8"_s}, {u"A2"_s, u"-1"_s, u"7"_s}},
         {},
         0.8L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDeviceList list;
        list.Count = c.count;
        list.Mode = c.mode;
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            const int row = static_cast<int>(r) + 1;
            list.cell(TDeviceList::Name, row) = c.rows[r].name;
            list.cell(TDeviceList::Mtbf, row) = c.rows[r].mtbf;
            list.cell(TDeviceList::Probability, row) = c.rows[r].probability;
        }
        const ProtectionGroup& group = protectionGroup(c.system);
        try {
            const long double value = ItemEffectiveness(c.system, group.computeItem, list);
            EXPECT_TRUE(c.error.isEmpty()) << "no failure";
            EXPECT_NEAR(static_cast<double>(value), static_cast<double>(c.value), 1e-15);
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), c.error);
            // The focus goes to the system's group, where the engineer opens the list again.
            EXPECT_EQ(error.place().control, group.component.toString());
        }
    }
}

// СПДЗ weighs in too: every factor of the product, with no system at 0.
TEST(ProtectionEffect, CombinedEffectivenessOfFourSystems)
{
    EXPECT_NEAR(static_cast<double>(CombinedEffectiveness(0.9L, 0.8L, 0.5L, 0.6L)),
                1.0 - 0.1 * 0.2 * 0.5 * 0.4, 1e-15);
    EXPECT_NEAR(static_cast<double>(CombinedEffectiveness(0.9L, 0.8L, 0.5L, EffNotConsidered)),
                1.0 - 0.1 * 0.2 * 0.5, 1e-15);
}
