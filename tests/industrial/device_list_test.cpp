#include "common/errors.h"
#include "industrial/device_list.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

TEST(DeviceList, ShownCountFallsBackToTwo)
{
    const std::vector<std::pair<QString, int>> cases = {
        {u""_s, 2},  {u"abc"_s, 2}, {u"99999999999"_s, 2}, {u"-3"_s, 2},    {u"0"_s, 0},
        {u"5"_s, 5}, {u"20"_s, 20}, {u"21"_s, 20},         {u"1000"_s, 20},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(shownDeviceCount(text), expected) << text.toStdString();
}

// "Применить" refuses what the list cannot take, however long the run of digits; below 21 it
// shows what shownDeviceCount gives.
TEST(DeviceList, AppliedCount)
{
    EXPECT_EQ(appliedDeviceCount(u"20"_s), 20);
    EXPECT_EQ(appliedDeviceCount(u""_s), 2);
    for (const QString& text : {u"21"_s, u"99999999999"_s}) {
        SCOPED_TRACE(text.toStdString());
        try {
            appliedDeviceCount(text);
            ADD_FAILURE() << "accepted";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), u"Число технических средств не может быть больше 20"_s);
        }
    }
}

TEST(DeviceList, ConfirmedCount)
{
    EXPECT_EQ(confirmedDeviceCount(u"0"_s), 0);
    EXPECT_EQ(confirmedDeviceCount(u"7"_s), 7);
    EXPECT_EQ(confirmedDeviceCount(u"20"_s), 20);

    for (const QString& text : {u""_s, u"99999999999"_s, u"-1"_s, u"2,5"_s}) {
        SCOPED_TRACE(text.toStdString());
        try {
            confirmedDeviceCount(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), u"'"_s + text + u"' is not a valid integer value"_s);
        }
    }
    try {
        confirmedDeviceCount(u"21"_s);
        ADD_FAILURE() << "accepted";
    } catch (const EConvertError&) {
        ADD_FAILURE() << "a count above 20 is no conversion error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), u"Число технических средств не может быть больше 20"_s);
    }
}

TEST(DeviceList, FailureFreeProbability)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {u"50000"_s, u"0.98019867"_s}, {u"1000"_s, u"0.36787944"_s},  {u"1"_s, u"0"_s},
        {u"2,5e3"_s, u"0.67032005"_s}, {u"2.5e3"_s, u"0.67032005"_s}, {u"-1000"_s, u"2.71828183"_s},
    };
    for (const QChar separator : {QChar(u','), QChar(u'.')}) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& [text, expected] : cases)
            EXPECT_EQ(failureFreeProbability(text), expected) << text.toStdString();
    }
}

TEST(DeviceList, FailureFreeProbabilityFailures)
{
    ScopedDecimalSeparator scoped(u',');
    const std::vector<std::pair<QString, QString>> cases = {
        {u"0"_s, u"Floating point division by zero"_s},
        {u"0,0"_s, u"Floating point division by zero"_s},
        {u""_s, u"Floating point division by zero"_s},
        {u"abc"_s, u"'abc' is not a valid floating point value"_s},
        {u"1e-4940"_s, u"Floating point overflow"_s}, // the quotient overflows
        {u"-0,01"_s, u"Floating point overflow"_s},   // exp(100000)
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        try {
            failureFreeProbability(text);
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), expected);
        }
    }
    EXPECT_THROW(failureFreeProbability(u"0"_s), EZeroDivide);
    EXPECT_THROW(failureFreeProbability(u"abc"_s), EConvertError);
    EXPECT_THROW(failureFreeProbability(u"-0,01"_s), EOverflow);
}
