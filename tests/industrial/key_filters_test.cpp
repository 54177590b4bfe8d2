#include "industrial/key_filters.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString Digits = u"0123456789"_s;
// Letters, blanks, signs, exponent, a Cyrillic letter, a non-ASCII digit.
const QString Others = u"a ;-+eE*\u0431\u0663\r"_s;

} // namespace

TEST(KeyFilters, FieldsWithoutContext)
{
    struct Case {
        const char* name;
        QChar (*filter)(QChar);
        QString passes;
        QString drops;
    };
    const std::vector<Case> cases = {
        {"area table", areaTableKey, Digits + u"\b\t,."_s, Others},
        {"numeric field", numericFieldKey, Digits + u"\b\t,."_s, Others},
        {"device count", deviceCountKey, Digits + u"\b\t"_s, Others + u",."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QChar key : c.passes)
            EXPECT_EQ(c.filter(key), key) << key.unicode();
        for (const QChar key : c.drops)
            EXPECT_EQ(c.filter(key), QChar()) << key.unicode();
    }
}

TEST(KeyFilters, DesignGrid)
{
    struct Case {
        QChar separator;
        QString text;
        QChar key;
        bool passes;
    };
    const std::vector<Case> cases = {
        {u',', u""_s, u'7', true},    {u',', u""_s, u'\b', true},
        {u',', u""_s, u',', false}, // a number does not start with the separator
        {u',', u"5"_s, u',', true},   {u',', u"5,2"_s, u',', false}, // at most one
        {u',', u"5"_s, u'.', false},                                 // the other separator
        {u',', u"5"_s, u'\t', false}, {u',', u"5"_s, u'*', false},
        {u',', u"5"_s, u'a', false},  {u'.', u"5"_s, u'.', true},
        {u'.', u"5"_s, u',', false},  {u'.', u"5.2"_s, u'.', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString(c.separator + c.text + u'|' + c.key).toStdString());
        EXPECT_EQ(designGridKey(c.key, c.text, c.separator), c.passes ? c.key : QChar());
    }
}

TEST(KeyFilters, DeviceGridByColumn)
{
    struct Case {
        int column;
        QChar separator;
        QString text;
        QChar key;
        bool passes;
    };
    const std::vector<Case> cases = {
        // Name: anything, at most one locale separator.
        {0, u',', u""_s, u'a', true},
        {0, u',', u""_s, u' ', true},
        {0, u',', u""_s, u'\t', true},
        {0, u',', u""_s, u',', true},
        {0, u',', u"a,b"_s, u',', false},
        {0, u',', u"a,b"_s, u'.', true},
        {0, u'.', u"a.b"_s, u'.', false},
        // MTBF: digits and Backspace only.
        {1, u',', u""_s, u'5', true},
        {1, u',', u"5"_s, u'\b', true},
        {1, u',', u"5"_s, u',', false},
        {1, u',', u"5"_s, u'.', false},
        {1, u',', u"5"_s, u'e', false},
        {1, u',', u"5"_s, u'\t', false},
        // Probability: digits, Backspace, one separator not first.
        {2, u',', u""_s, u'0', true},
        {2, u',', u""_s, u',', false},
        {2, u',', u"0"_s, u',', true},
        {2, u',', u"0,5"_s, u',', false},
        {2, u',', u"0"_s, u'.', false},
        {2, u',', u"0"_s, u'\b', true},
        {2, u',', u"0"_s, u'-', false},
        {2, u'.', u"0"_s, u'.', true},
        {2, u'.', u""_s, u'.', false},
        {2, u'.', u"0"_s, u',', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QString(QString::number(c.column) + c.separator + c.text + u'|' + c.key).toStdString());
        EXPECT_EQ(deviceGridKey(c.column, c.key, c.text, c.separator), c.passes ? c.key : QChar());
    }
}
