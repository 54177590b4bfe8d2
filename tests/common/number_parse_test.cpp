#include "common/errors.h"
#include "common/number_parse.h"
#include "support/test_support.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

struct Str2rCase {
    QString text;
    bool ok;
    long double value; // when ok
    QString errorCopy; // the %s of the message otherwise
};

void checkStr2r(QChar separator, const std::vector<Str2rCase>& cases)
{
    ScopedDecimalSeparator scoped(separator);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        if (c.ok) {
            EXPECT_EQ(str2r(c.text), c.value);
            continue;
        }
        try {
            str2r(c.text);
            ADD_FAILURE() << "no conversion error";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(),
                      u"'"_s + c.errorCopy + u"' is not a valid floating point value"_s);
        }
    }
}

} // namespace

TEST(Str2r, CommaLocale)
{
    checkStr2r(u',', {
                         {u""_s, true, 0.0L, {}},
                         {u"5"_s, true, 5.0L, {}},
                         {u"2.5"_s, true, 2.5L, {}},
                         {u"2,5"_s, true, 2.5L, {}},
                         {u" 7 "_s, true, 7.0L, {}},
                         {u"1e-3"_s, true, 0.001L, {}},
                         {u"0.1"_s, true, 0.1L, {}},
                         {u"-3,25E2"_s, true, -325.0L, {}},
                         {u"1.000,5"_s, false, 0.0L, u"1.000,5"_s},
                         {u"1.2.5"_s, false, 0.0L, u"1,2.5"_s},
                         {u"abc"_s, false, 0.0L, u"abc"_s},
                         {u" "_s, false, 0.0L, u" "_s},
                     });
}

TEST(Str2r, PointLocale)
{
    checkStr2r(u'.', {
                         {u""_s, true, 0.0L, {}},
                         {u"5"_s, true, 5.0L, {}},
                         {u"2.5"_s, true, 2.5L, {}},
                         {u"2,5"_s, true, 2.5L, {}},
                         {u" 7 "_s, true, 7.0L, {}},
                         {u"1e-3"_s, true, 0.001L, {}},
                         {u"0,1"_s, true, 0.1L, {}},
                         {u"1.000,5"_s, false, 0.0L, u"1.000,5"_s},
                         {u"1.2.5"_s, false, 0.0L, u"1.2.5"_s},
                         {u"1,2,5"_s, false, 0.0L, u"1.2,5"_s},
                         {u"abc"_s, false, 0.0L, u"abc"_s},
                     });
}

// The value must be the extended one, not a double widened afterwards.
TEST(Str2r, KeepsExtendedPrecision)
{
    ScopedDecimalSeparator scoped(u',');
    EXPECT_EQ(str2r(u"0,1"_s), 0.1L);
    EXPECT_NE(str2r(u"0,1"_s), static_cast<long double>(0.1));
    EXPECT_EQ(str2r(u"1,18973149535723176502e4932"_s), 1.18973149535723176502e4932L);
}

TEST(TextToFloat, Grammar)
{
    struct Case {
        QChar separator;
        QString text;
        bool ok;
        long double value;
    };
    const std::vector<Case> cases = {
        {u',', u"+5"_s, true, 5.0L},
        {u',', u"-5"_s, true, -5.0L},
        {u',', u"   5   "_s, true, 5.0L},
        {u',', u"5,"_s, true, 5.0L},
        {u',', u",5"_s, true, 0.5L},
        {u',', u"-,5"_s, true, -0.5L},
        {u',', u"00012,500"_s, true, 12.5L},
        {u',', u"1E3"_s, true, 1000.0L},
        {u',', u"1e+3"_s, true, 1000.0L},
        {u',', u"2,5e-1"_s, true, 0.25L},
        {u',', u"1e-5000"_s, true, 0.0L}, // underflow reads as 0
        {u'.', u"5."_s, true, 5.0L},
        {u'.', u".5"_s, true, 0.5L},
        {u',', u""_s, false, 0},
        {u',', u"   "_s, false, 0},
        {u',', u","_s, false, 0},
        {u',', u"+"_s, false, 0},
        {u',', u"-,"_s, false, 0},
        {u',', u"++5"_s, false, 0},
        {u',', u"+-5"_s, false, 0},
        {u',', u"5-"_s, false, 0},
        {u',', u"5,,"_s, false, 0},
        {u',', u"5,5,5"_s, false, 0},
        {u',', u"5.0"_s, false, 0},
        {u'.', u"5,0"_s, false, 0},
        {u',', u"1 000"_s, false, 0},
        {u',', u"1e"_s, false, 0},
        {u',', u"1e+"_s, false, 0},
        {u',', u"e5"_s, false, 0},
        {u',', u"1e3,5"_s, false, 0},
        {u',', u"\t5"_s, false, 0},
        {u',', u"0x10"_s, false, 0},
        {u',', u"inf"_s, false, 0},
        {u',', u"nan"_s, false, 0},
        {u',', u"\u0663"_s, false, 0}, // a digit, but not an ASCII one
        {u',', u"1e5000"_s, false, 0},
        {u',', u"-1,2e4932"_s, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " with separator " +
                     QString(c.separator).toStdString());
        ScopedDecimalSeparator scoped(c.separator);
        long double value = -42.0L;
        EXPECT_EQ(textToFloat(c.text, value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -42.0L);
    }
}

// A C library locale with "," must change neither what is accepted nor the value.
TEST(TextToFloat, IgnoresProcessLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a comma installed";
    ScopedDecimalSeparator scoped(u'.');
    long double value = 0.0L;
    const bool ok = textToFloat(u"2.5"_s, value);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, 2.5L);
}

TEST(StrToInt, WholeNumbers)
{
    struct Case {
        QString text;
        bool ok;
        int value;
    };
    const std::vector<Case> cases = {
        {u"0"_s, true, 0},
        {u"123"_s, true, 123},
        {u"007"_s, true, 7},
        {u"  42"_s, true, 42},
        {u"-5"_s, true, -5},
        {u"+7"_s, true, 7},
        {u"2147483647"_s, true, 2147483647},
        {u"-2147483648"_s, true, -2147483647 - 1},
        {u""_s, false, 0},
        {u" "_s, false, 0},
        {u"-"_s, false, 0},
        {u"2147483648"_s, false, 0},
        {u"-2147483649"_s, false, 0},
        {u"99999999999999999999"_s, false, 0},
        {u"12 "_s, false, 0},
        {u"1.5"_s, false, 0},
        {u"1,5"_s, false, 0},
        {u"1e3"_s, false, 0},
        {u"abc"_s, false, 0},
        {u"\u0663"_s, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        int value = -1;
        EXPECT_EQ(tryStrToInt(c.text, value), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
            EXPECT_EQ(strToInt(c.text), c.value);
        } else {
            try {
                strToInt(c.text);
                ADD_FAILURE() << "no conversion error";
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.message(), u"'"_s + c.text + u"' is not a valid integer value"_s);
            }
        }
    }
}

// Built by concatenation: a "%1" in the text must come out as typed.
TEST(Errors, MessageKeepsTextAsTyped)
{
    EXPECT_EQ(EConvertError::notFloat(u"1%1"_s).message(),
              u"'1%1' is not a valid floating point value"_s);
    EXPECT_EQ(EReadError().message(), u"Read beyond end of file"_s);
    EXPECT_STREQ(AppError(u"Ошибка"_s).what(), "Ошибка");
}
