#include "common/decimal_format.h"
#include "support/test_support.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Expected texts are written for a "," locale; under "." only the separator differs.
QString inLocale(QString text, QChar separator)
{
    return text.replace(u',', separator);
}

const QChar Separators[] = {u',', u'.'};

} // namespace

TEST(FormatDecimals, RoundsHalfAwayOnEighteenDigits)
{
    struct Case {
        long double value;
        int decimals;
        QString expected;
    };
    const std::vector<Case> cases = {
        {0.125L, 2, u"0,13"_s},
        {0.285L, 2, u"0,29"_s}, // just below the half in binary, exactly half in 18 digits
        {1.005L, 2, u"1,01"_s},
        {2.675L, 2, u"2,68"_s},
        {0.015L, 2, u"0,02"_s},
        {9.995L, 2, u"10"_s},
        {0.5L, 0, u"1"_s},
        {0.4L, 0, u"0"_s},
        {123456.5L, 0, u"123457"_s},
        {-123456.5L, 0, u"-123457"_s},
        {-1.5L, 8, u"-1,5"_s},
        {1.0L / 3.0L, 8, u"0,33333333"_s},
        {2.0L / 3.0L, 8, u"0,66666667"_s},
        {0.0000004L, 6, u"0"_s},
        {0.0000005L, 6, u"0,000001"_s},
        {-0.0000001L, 6, u"0"_s},
        {0.0L, 8, u"0"_s},
        {-0.0L, 8, u"0"_s},
        {0.1L, 20, u"0,1"_s}, // no binary noise beyond 18 digits
        {1e-20L, 25, u"0,00000000000000000001"_s},
        {1e20L, 2, u"100000000000000000000"_s},
    };
    for (const QChar separator : Separators) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.expected.toStdString());
            EXPECT_EQ(formatDecimals(c.value, c.decimals), inLocale(c.expected, separator));
        }
    }
}

TEST(GeneralFloatText, FifteenDigitsAndExponentRange)
{
    struct Case {
        long double value;
        QString expected;
    };
    const std::vector<Case> cases = {
        {0.0L, u"0"_s},
        {0.00012L, u"0,00012"_s},
        {0.000015L, u"1,5E-5"_s},
        {2e20L, u"2E20"_s},
        {0.0001L, u"0,0001"_s},
        {0.000099L, u"9,9E-5"_s},
        {0.00009999999999999999L, u"0,0001"_s}, // 15 digits round it up into fixed range
        {999999999999999.0L, u"999999999999999"_s},
        {1e15L, u"1E15"_s},
        {9999999999999999.0L, u"1E16"_s},
        {123456789012345678.0L, u"1,23456789012346E17"_s},
        {1.0L / 3.0L, u"0,333333333333333"_s},
        {2.0L / 3.0L, u"0,666666666666667"_s},
        {12.5L, u"12,5"_s},
        {100.0L, u"100"_s},
        {-0.5L, u"-0,5"_s},
        {-0.00002L, u"-2E-5"_s},
        {1e-300L, u"1E-300"_s},
        {1e4000L, u"1E4000"_s},
    };
    for (const QChar separator : Separators) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.expected.toStdString());
            EXPECT_EQ(generalFloatText(c.value), inLocale(c.expected, separator));
        }
    }
}

TEST(FormatFixedDigits, MantissaWithTwoDecimals)
{
    struct Case {
        long double value;
        QString expected;
    };
    const std::vector<Case> cases = {
        {1.0L, u"1,00"_s},    {9.9L, u"9,90"_s},     {1.23456L, u"1,23"_s}, {1.235L, u"1,24"_s},
        {9.995L, u"10,00"_s}, {0.04495L, u"0,04"_s}, // one rounding: 3 digits first would give 0,05
    };
    for (const QChar separator : Separators) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.expected.toStdString());
            EXPECT_EQ(formatFixedDigits(c.value, 3, 2), inLocale(c.expected, separator));
        }
    }
}

// printf under a C library locale with "," must not leak its separator into the texts.
TEST(GeneralFloatText, IgnoresProcessLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a comma installed";
    ScopedDecimalSeparator scoped(u'.');
    const QString general = generalFloatText(0.000015L);
    const QString fixed = formatDecimals(2.5L, 2);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(general, u"1.5E-5"_s);
    EXPECT_EQ(fixed, u"2.5"_s);
}
