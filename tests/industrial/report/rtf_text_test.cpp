#include "industrial/report/rtf_fields.h"
#include "industrial/report/rtf_text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

struct Case {
    QString input;
    QString expected;
};

// An inline EQ field as the report writes it.
QString eq(const QString& equation)
{
    return u"{\\field{\\*\\fldinst{\\fs24\\f1\\insrsid1 EQ "_s + equation + u"}}"_s;
}

QString result(const QString& text)
{
    return u"{\\fldrslt{\\fs24\\f1 "_s + text + u"}}"_s;
}

} // namespace

TEST(RtfText, UserTextsEscaped)
{
    const std::vector<Case> cases = {
        {u"ИП}{\\par Ω"_s, u"ИП\\}\\{\\\\par \\u937?"_s},
        {u"a\U0001F600b"_s, u"a\\u-10179?\\u-8704?b"_s}, // a surrogate pair gives two
        {u"中"_s, u"\\u20013?"_s},
        {u"№ 5 «Алгоритм» – 0,8·t"_s, u"№ 5 «Алгоритм» – 0,8·t"_s},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RtfEscape(c.input), c.expected) << c.input.toStdString();

    EXPECT_EQ(RtfBytes(u"{\\b Тест Ω}"_s), QByteArray("{\\b \xD2\xE5\xF1\xF2 \\u937?}"));
}

TEST(RtfFields, EqFieldsGetResults)
{
    const QString unbalanced =
        u"{{\\pard\\qj\\i"_s + eq(u"Р\\\\s\\\\do6({\\pard\\qj\\i\\fs18\\f1Э})"_s);
    const QString symbol = u"{\\field{\\*\\fldinst SYMBOL 0x6C \\\\f \"Symbol\" \\\\s fs24}}"_s;
    const std::vector<Case> cases = {
        {eq(u"k = 3"_s) + u'}', eq(u"k = 3"_s) + result(u"k = 3"_s) + u'}'},
        // A subscript group loses its paragraph words.
        {eq(u"P=Q·Q\\\\s\\\\do6({\\pard\\qj\\i\\fs18\\f1d})"_s) + u"}}"_s,
         eq(u"P=Q·Q\\\\s\\\\do6({\\pard\\qj\\i\\fs18\\f1d})"_s) +
             result(u"P=Q·Q{\\sub {\\i\\fs18\\f1d}}"_s) + u"}}"_s},
        {u"{\\pard\\qc\\i "_s + eq(u"Q = 1,23·10\\\\s\\\\up6(-5)"_s) + u"}{\\par}}"_s,
         u"{\\pard\\qc\\i "_s + eq(u"Q = 1,23·10\\\\s\\\\up6(-5)"_s) +
             result(u"Q = 1,23·10{\\super -5}"_s) + u"}{\\par}}"_s},
        {eq(u"a\\\\s\\\\up6(b\\\\s\\\\do3(c))"_s) + u'}',
         eq(u"a\\\\s\\\\up6(b\\\\s\\\\do3(c))"_s) + result(u"a{\\super b{\\sub c}}"_s) + u'}'},
        {eq(u"D\\\\s\\\\do3({\\pard\\qj\\i\\fs18\\f1 1}) = {\\pard\\qj\\b\\fs28\\f1П} P"_s) + u'}',
         eq(u"D\\\\s\\\\do3({\\pard\\qj\\i\\fs18\\f1 1}) = {\\pard\\qj\\b\\fs28\\f1П} P"_s) +
             result(u"D{\\sub {\\i\\fs18\\f1 1}} = {\\b\\fs28\\f1П} P"_s) + u'}'},
        // A dropped word before text leaves the delimiter of the word kept before it.
        {eq(u"x\\\\s\\\\do6({\\i\\qc y})"_s) + u'}',
         eq(u"x\\\\s\\\\do6({\\i\\qc y})"_s) + result(u"x{\\sub {\\i y}}"_s) + u'}'},
        // Escaped braces and field-escaped parentheses are text.
        {eq(u"a\\}b\\\\s\\\\up6(c\\\\)d)"_s) + u'}',
         eq(u"a\\}b\\\\s\\\\up6(c\\\\)d)"_s) + result(u"a\\}b{\\super c\\\\)d}"_s) + u'}'},
        {u"{\\field{\\*\\fldinst EQ x}}"_s, u"{\\field{\\*\\fldinst EQ x}{\\fldrslt x}}"_s},
        {unbalanced + u" - текст\\par}"_s,
         unbalanced + result(u"Р{\\sub {\\i\\fs18\\f1Э}}"_s) + u" - текст\\par}"_s},
        // Left alone: SYMBOL fields, fields with a result, escaped text, an unclosed field.
        {symbol, symbol},
        {eq(u"x"_s) + result(u"x"_s) + u'}', eq(u"x"_s) + result(u"x"_s) + u'}'},
        {RtfEscape(u"{\\*\\fldinst{ EQ x}}"_s), RtfEscape(u"{\\*\\fldinst{ EQ x}}"_s)},
        {u"{\\field{\\*\\fldinst{\\fs24 EQ x"_s, u"{\\field{\\*\\fldinst{\\fs24 EQ x"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddEqFieldResults(c.input), c.expected) << c.input.toStdString();
        EXPECT_EQ(AddEqFieldResults(c.expected), c.expected) << "twice: " << c.input.toStdString();
    }
}

TEST(RtfFields, TableCellParagraphs)
{
    const std::vector<Case> cases = {
        {u"{\\pard\\qc\\b\\fs24\\f1 a\\cell b\\cell}"_s,
         u"{\\pard\\intbl\\qc\\b\\fs24\\f1 a\\cell b\\cell}"_s},
        {u"{\\pard \\qc t\\s\\do6({\\pard\\qj\\i\\fs18\\f1р})}"_s,
         u"{\\pard\\intbl \\qc t\\s\\do6({\\pard\\intbl\\qj\\i\\fs18\\f1р})}"_s},
        {u"{\\pard\\intbl\\qc x}\\\\pard \\pardeftab"_s,
         u"{\\pard\\intbl\\qc x}\\\\pard \\pardeftab"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InTableCell(c.input), c.expected) << c.input.toStdString();
}
