#include "industrial/report/rtf_blocks.h"
#include "support/test_support.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Groups left open at the end of an RTF text (negative when more close than open).
int openGroups(const QString& rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == u'\\')
            ++i;
        else if (rtf.at(i) == u'{')
            ++depth;
        else if (rtf.at(i) == u'}')
            --depth;
    }
    return depth;
}

// The right cell edges of a table row, and whether every border word carries `border`.
std::vector<int> cellEdges(const QString& row, int border, bool& bordersMatch)
{
    static const QRegularExpression edge(u"\\\\cellx(-?\\d+)"_s);
    static const QRegularExpression width(u"\\\\brdrw(-?\\d+)"_s);
    std::vector<int> edges;
    for (const auto& m : edge.globalMatch(row))
        edges.push_back(m.captured(1).toInt());
    bordersMatch = true;
    for (const auto& m : width.globalMatch(row))
        bordersMatch = bordersMatch && m.captured(1).toInt() == border;
    return edges;
}

std::vector<int> steps(int step, int count)
{
    std::vector<int> edges;
    for (int i = 1; i <= count; ++i)
        edges.push_back(step * i);
    return edges;
}

} // namespace

TEST(RtfBlocks, TextsAndEdgeCases)
{
    const QString eq = u"{\\field{\\*\\fldinst{\\fs24\\f1\\insrsid1 EQ k = 3}}}"_s;
    const QString rowStart = u"{\\trbrdrt\\brdrs\\brdrw10\\trautofit1\\trpaddl1\\trpaddr108"
                             "\\trpaddf1\\trpaddfr3\\aspalpha\\aspnum"_s;
    const QString cell = u"\\clvertalt\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                         "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx"_s;
    const QString header = RtfHeader();
    struct Text {
        const char* what;
        QString actual;
        QString expected;
    };
    const std::vector<Text> texts = {
        {"empty paragraph text", RtfPara(QString(), u"qj"_s, u"f1"_s, u"fs24"_s),
         u"{\\pard\\qj\\fs24\\f1 }"_s},
        {"title", RtfPara(u"Расчет\\par"_s, u"qc\\i\\b"_s, u"f1"_s, u"fs28"_s),
         u"{\\pard\\qc\\i\\b\\fs28\\f1 Расчет\\par}"_s},
        {"equation paragraph", RtfEqPara(u"k = 3"_s, u"qc"_s, u"f1"_s, u"fs24"_s),
         u"{\\pard\\qc "_s + eq + u"{\\par}}"_s},
        {"inline equation", RtfEq(u"k = 3"_s, u"qc\\b"_s, u"f1"_s, u"fs24"_s), eq},
        {"inline equation, other alignment", RtfEq(u"k = 3"_s, u"qj"_s, u"f1"_s, u"fs24"_s), eq},
        {"empty paragraph", RtfEmptyPara(), u"{\\lang1\\langfe1\\langnp1\\insrsid1 \\par}"_s},
        {"end", RtfEnd(), u"}"_s},
        {"three cells of 2000", RtfTableRow(3, 10, 2000),
         rowStart + cell + u"2000"_s + cell + u"4000"_s + cell + u"6000\\row}"_s},
        {"no cells", RtfTableRow(0, 10, 2000), rowStart + u"\\row}"_s},
        {"negative count", RtfTableRow(-3, 10, -1), rowStart + u"\\row}"_s},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.actual, t.expected) << t.what;

    EXPECT_TRUE(header.startsWith(u"{\\rtf1\\ansi\\ansicpg1251\\uc1\\deff0\\stshfdbch37"
                                  "\\stshfloch37\\stshfhich37\\stshfbi37\\deflang1049"
                                  "\\deflangfe1049{\\fonttbl{\\f0\\froman"_s));
    EXPECT_TRUE(header.endsWith(u"}\\pard\\plain \\ql \\li0\\ri0\\nowidctlpar\\faauto\\rin0"
                                "\\lin0\\itap0\\fs24\\lang1049\\langfe1049\\cgrid\\langnp1049"
                                "\\langfenp1049"_s));
    EXPECT_EQ(openGroups(header), 1);
    EXPECT_EQ(openGroups(header + RtfEnd()), 0);
    EXPECT_TRUE(
        header.contains(u"{\\f0\\froman\\fcharset204\\fprq2{\\*\\panose 02020603050405020304}"
                        "Times New Roman;}"_s));
    EXPECT_TRUE(header.contains(u"\\red192\\green192\\blue192;}{\\stylesheet"_s));
    EXPECT_TRUE(header.contains(u"\\sftnbj {\\*\\pnseclvl1"_s));

    struct Row {
        int cells, width;
        std::vector<int> edges;
    };
    const std::vector<Row> rows = {
        {3, 2000, steps(2000, 3)}, {5, 1000, steps(1000, 5)}, {3, 0, {0, 0, 0}},
        {3, -1, steps(3333, 3)},   {6, -20, steps(1667, 6)},  {32, -1, steps(312, 32)},
    };
    for (const auto& r : rows) {
        bool bordersMatch = false;
        EXPECT_EQ(cellEdges(RtfTableRow(r.cells, 10, r.width), 10, bordersMatch), r.edges)
            << r.cells << " cells of " << r.width;
        EXPECT_TRUE(bordersMatch);
    }
}
