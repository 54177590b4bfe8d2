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
