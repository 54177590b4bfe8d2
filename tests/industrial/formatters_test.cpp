#include "industrial/formatters.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

struct Case {
    long double value;
    QString expected; // as under a "," locale
};

const QChar Separators[] = {u',', u'.'};

QString inLocale(QString text, QChar separator)
{
    return text.replace(u',', separator);
}

// Each case under a "," and a "." locale.
void expectUnderBothSeparators(const std::vector<Case>& cases, QString (*format)(long double))
{
    for (const QChar separator : Separators) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.expected.toStdString());
            EXPECT_EQ(format(c.value), inLocale(c.expected, separator));
        }
    }
}

} // namespace

TEST(FormatFixed, SameTextUnderEitherSeparator)
{
    struct FixedCase {
        std::uint8_t decimals;
        long double value;
        QString expected;
    };
    const std::vector<FixedCase> cases = {
        {8, 0.5L, u"0.5"_s},   {8, 2.0L, u"2"_s},      {8, 1.0L / 3.0L, u"0.33333333"_s},
        {8, -1.5L, u"-1.5"_s}, {12, 0.03L, u"0.03"_s}, {6, 0.0000004L, u"0"_s},
        {8, 0.1L, u"0.1"_s},   {2, 0.125L, u"0.13"_s},
    };
    for (const QChar separator : Separators) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.expected.toStdString());
            EXPECT_EQ(FormatFixed(c.decimals, c.value), c.expected);
        }
    }
}

TEST(FormatGridNumber, ExamplesUnderBothSeparators)
{
    const std::vector<Case> cases = {
        {0.0L, u"0"_s},
        {0.25L, u"0,25"_s},
        {0.123456L, u"0,12346"_s},
        {0.0001L, u"0,0001"_s},
        {0.000099L, u"9,90·10^(-5)"_s},
        {0.00009L, u"9,00·10^(-5)"_s},
        {0.000001234567L, u"1,23·10^(-6)"_s},
        {0.00009999L, u"10,00·10^(-5)"_s},
        {3e15L, u"3,00·10^(15)"_s},
        {-0.5L, u"-0,5"_s},
        {-0.000001L, u"-0"_s},
        {-0.0L, u"0"_s},
        {12345.678L, u"12345,678"_s},
        {2e20L, u"2,00·10^(20)"_s},
        {1e-300L, u"1,00·10^(-300)"_s},
    };
    expectUnderBothSeparators(cases, FormatGridNumber);
}

TEST(FormatReportNumber, ExamplesUnderBothSeparators)
{
    const std::vector<Case> cases = {
        {0.0015L, u"0,0015"_s},
        {1.0L / 3.0L, u"0,33333333333333"_s},
        {0.000001234567L, u"1,23·10\\\\s\\\\up6(-6)"_s},
        {0.00009999L, u"10,00·10\\\\s\\\\up6(-5)"_s},
        {3e15L, u"3,00·10\\\\s\\\\up6(15)"_s},
        {-0.000001L, u"-1E-6"_s},
        {-0.00002L, u"-2E-5"_s},
        {-0.5L, u"-0,5"_s},
    };
    expectUnderBothSeparators(cases, FormatReportNumber);
}

TEST(FormatReportNumberInText, ExponentAsRtfSuperscript)
{
    const std::vector<Case> cases = {
        {0.0015L, u"0,0015"_s},
        {0.00001L, u"1,00·10{\\super -5}"_s},
        {0.00009999L, u"10,00·10{\\super -5}"_s},
        {3e15L, u"3,00·10{\\super 15}"_s},
        {-0.00002L, u"-2E-5"_s},
    };
    expectUnderBothSeparators(cases, FormatReportNumberInText);
}

TEST(BoolToDigit, Flags)
{
    EXPECT_EQ(BoolToDigit(false), u"0"_s);
    EXPECT_EQ(BoolToDigit(true), u"1"_s);
}
