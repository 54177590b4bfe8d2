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

// Under either locale both separators are typed as the locale's one, never first, at most one.
TEST(KeyFilters, DesignGrid)
{
    struct Case {
        QChar separator;
        QString text;
        QChar key;
        QChar typed; // null: refused
    };
    const std::vector<Case> cases = {
        {u',', u""_s, u'7', u'7'},
        {u',', u""_s, u'\b', u'\b'},
        // A number does not start with a separator.
        {u',', u""_s, u',', {}},
        {u',', u""_s, u'.', {}},
        {u'.', u""_s, u',', {}},
        // The other separator becomes the locale's.
        {u',', u"5"_s, u',', u','},
        {u',', u"5"_s, u'.', u','},
        {u'.', u"5"_s, u'.', u'.'},
        {u'.', u"5"_s, u',', u'.'},
        // At most one, counting a "." that the design-point dialog wrote.
        {u',', u"5,2"_s, u',', {}},
        {u',', u"5,2"_s, u'.', {}},
        {u',', u"0.03"_s, u',', {}},
        {u',', u"0.03"_s, u'.', {}},
        {u'.', u"5.2"_s, u'.', {}},
        {u'.', u"5.2"_s, u',', {}},
        // Nothing else.
        {u',', u"5"_s, u'\t', {}},
        {u',', u"5"_s, u'*', {}},
        {u',', u"5"_s, u'a', {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString(c.separator + c.text + u'|' + c.key).toStdString());
        EXPECT_EQ(designGridKey(c.key, c.text, c.separator), c.typed);
    }
}

TEST(KeyFilters, DeviceGridByColumn)
{
    struct Case {
        int column;
        QChar separator;
        QString text;
        QChar key;
        QChar typed; // null: refused
    };
    const std::vector<Case> cases = {
        // Name: anything, at most one locale separator; the other one stays as typed.
        {0, u',', u""_s, u'a', u'a'},
        {0, u',', u""_s, u' ', u' '},
        {0, u',', u""_s, u'\t', u'\t'},
        {0, u',', u""_s, u',', u','},
        {0, u',', u"a,b"_s, u',', {}},
        {0, u',', u"a,b"_s, u'.', u'.'},
        {0, u'.', u"a.b"_s, u'.', {}},
        {0, u'.', u"a"_s, u',', u','},
        // MTBF: digits and Backspace only.
        {1, u',', u""_s, u'5', u'5'},
        {1, u',', u"5"_s, u'\b', u'\b'},
        {1, u',', u"5"_s, u',', {}},
        {1, u',', u"5"_s, u'.', {}},
        {1, u'.', u"5"_s, u',', {}},
        {1, u',', u"5"_s, u'e', {}},
        {1, u',', u"5"_s, u'\t', {}},
        // Probability: digits, Backspace, one separator not first, typed as the locale's.
        {2, u',', u""_s, u'0', u'0'},
        {2, u',', u""_s, u',', {}},
        {2, u',', u""_s, u'.', {}},
        {2, u',', u"0"_s, u',', u','},
        {2, u',', u"0"_s, u'.', u','},
        {2, u',', u"0,5"_s, u',', {}},
        {2, u',', u"0,5"_s, u'.', {}},
        {2, u',', u"0.5"_s, u',', {}},
        {2, u',', u"0"_s, u'\b', u'\b'},
        {2, u',', u"0"_s, u'-', {}},
        {2, u'.', u"0"_s, u'.', u'.'},
        {2, u'.', u"0"_s, u',', u'.'},
        {2, u'.', u""_s, u'.', {}},
        {2, u'.', u""_s, u',', {}},
        {2, u'.', u"0.5"_s, u',', {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QString(QString::number(c.column) + c.separator + c.text + u'|' + c.key).toStdString());
        EXPECT_EQ(deviceGridKey(c.column, c.key, c.text, c.separator), c.typed);
    }
}
