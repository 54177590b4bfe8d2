#include "common/errors.h"
#include "industrial/report/report.h"
#include "industrial/report/report_file.h"
#include "industrial/report/rtf_blocks.h"
#include "industrial/report/rtf_text.h"
#include "industrial/risk_calculation.h"
#include "report_case.h"
#include "support/test_support.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

struct Case {
    const char* what;
    std::function<void(ReportCase&)> set;
    QStringList present;
    QStringList absent = {};
};

// The present texts in this order, none of the absent ones.
void expectTexts(const Case& c)
{
    ReportCase r;
    c.set(r);
    const QString text = r.text();
    qsizetype from = 0;
    for (const QString& s : c.present) {
        const qsizetype at = text.indexOf(s, from);
        EXPECT_GE(at, 0) << c.what << ": no " << s.toStdString() << " (in order)";
        from = at < 0 ? from : at + s.size();
    }
    for (const QString& s : c.absent)
        EXPECT_FALSE(text.contains(s)) << c.what << ": " << s.toStdString();
}

// The equations of the centred italic paragraphs (the frequency formula), each with what follows.
QStringList frequencyLines(const QString& text)
{
    static const QRegularExpression line(
        u"\\{\\\\pard\\\\qc\\\\i \\{\\\\field\\{\\\\\\*\\\\fldinst\\{\\\\fs24\\\\f1\\\\insrsid1 "
        "EQ ([^}]*)\\}\\}.*?\\{\\\\par\\}\\}(\\\\par)?"_s);
    QStringList lines;
    for (const auto& m : line.globalMatch(text))
        lines << m.captured(1) + m.captured(2);
    return lines;
}

} // namespace

TEST(Report, FrequencyBlocks)
{
    const QString manual = u"согласно статистических данных"_s;
    const std::vector<Case> cases = {
        {"area table, a point under a comma locale",
         [](ReportCase& r) {
             r.areas({u"1000"_s, {}, {}, u"12.5"_s});
         },
         {u"EQ Q= 1000·2,20·10\\\\s\\\\up6(-5) + 12.5·6,00·10\\\\s\\\\up6(-6) = 0,022075}"_s,
          u"\t- для объекта:\"Здание 1\" = площадь·{\\field"_s,
          u"\t- для объекта:\"Здание 4\" = площадь·{\\field"_s},
         {manual, u"Здание 2"_s}},
        {"area table without a positive area",
         [](ReportCase& r) { r.areas({u"0"_s}); },
         {u"EQ Q=  = 0}"_s},
         {manual, u"- для объекта"_s}},
        {"a·S^b",
         [](ReportCase& r) {
             r.in.freqMethod = 1;
             r.in.area = u"1500"_s;
             r.in.roomType = 2;
         },
         {u"EQ Q= 0,0061·1500\\\\s\\\\up6(0,59)=0,4"_s,
          u"типа \"Размещение электротехнического оборудования\"  = {\\field"_s,
          u"EQ 0,0061· площадь \\\\s\\\\up6(0,59)}"_s},
         {u"№ АААА"_s, u"- для объекта"_s}},
        {"fixed value",
         [](ReportCase&) {},
         {u"EQ Q = 0,044}"_s, u"для рассматриваемого здания  = 0,044 ) \\par\\par}"_s},
         {u"площадь"_s}},
    };
    for (const auto& c : cases)
        expectTexts(c);
}

TEST(Report, AreaSumBreaksAfter75Characters)
{
    static const char* const lambdas[] = {
        "2,20·10\\\\s\\\\up6(-5)", "1,20·10\\\\s\\\\up6(-5)", "9,00·10\\\\s\\\\up6(-5)",
        "6,00·10\\\\s\\\\up6(-6)", "2,70·10\\\\s\\\\up6(-5)", "1,90·10\\\\s\\\\up6(-5)",
        "1,50·10\\\\s\\\\up6(-5)", "1,90·10\\\\s\\\\up6(-5)", "1,50·10\\\\s\\\\up6(-5)"};
    // The terms of rows first..last, joined.
    const auto sum = [](const QStringList& areas, int first, int last) {
        QStringList terms;
        for (int i = first; i <= last; ++i)
            terms << areas.at(i) + u'·' + QString::fromUtf8(lambdas[i]);
        return terms.join(u" + "_s);
    };
    const QStringList nine = {u"1000"_s, u"2000"_s, u"3000"_s, u"4000"_s, u"5000"_s,
                              u"6000"_s, u"7000"_s, u"8000"_s, u"9000"_s};
    const QStringList exactly75 = {u"1"_s, u"1"_s, u"1000"_s, u"1000"_s};
    const QStringList past75 = {u"1"_s, u"1"_s, u"10000"_s, u"1000"_s};
    struct Sum {
        QStringList areas, lines;
    };
    const std::vector<Sum> sums = {
        {nine.mid(0, 2), {u"Q= "_s + sum(nine, 0, 1) + u" = 0,046"_s}},
        {exactly75, {u"Q= "_s + sum(exactly75, 0, 3) + u" = 0,096034\\par"_s}},
        {past75,
         {u"Q= "_s + sum(past75, 0, 2) + u" + \\par"_s, sum(past75, 3, 3) + u" = 0,906034\\par"_s}},
        {nine,
         {u"Q= "_s + sum(nine, 0, 2) + u" + \\par"_s, sum(nine, 3, 5) + u" + \\par"_s,
          sum(nine, 6, 8) + u" = 0,981\\par"_s}},
    };
    for (const auto& s : sums) {
        ReportCase r;
        r.areas(s.areas);
        EXPECT_EQ(frequencyLines(r.text()), s.lines) << s.areas.join(u';').toStdString();
    }
}

TEST(Report, ProtectionSystems)
{
    const QString tables = u"Согласно журналу"_s;
    const std::vector<Case> cases = {
        {"worked example: a system at 0, one not considered",
         [](ReportCase&) {},
         {u"EQ k = 3}"_s, u"сигнализации и системой оповещения и управления"_s,
          u"установки СПДЗ равна 0. }"_s, u"EQ D = 1 - (1-0,6)·(1-0,8)·(1-0) = 0,92}"_s},
         {u"АУПТ"_s, tables}},
        {"none considered",
         [](ReportCase& r) {
             r.in.systemItems = {4, 3, 5, 4};
         },
         {u"EQ k = 0}"_s, u"{\\pard\\qj\\fs24\\f1 \t}{\\lang1"_s, u"EQ D = 0}"_s},
         {u"Эффективность работы"_s, tables}},
        {"computed, equal to a table value",
         [](ReportCase& r) { r.computed(ProtectionSystem::Aps, {u"0,8"_s}); },
         {u"установки АПС равна 0,8. }"_s},
         {u"согласно расчетам"_s, tables}},
        {"two computed, numbered in order",
         [](ReportCase& r) {
             r.in.systemItems[0] = 3; // АПС at 0
             r.computed(ProtectionSystem::Soue, {u"0,9"_s});
             r.computed(ProtectionSystem::Spdz, {u"0,95"_s, u"0,97"_s});
         },
         {u"{\\pard\\qj\\fs24\\f1 \tПомещения обеспечены системой оповещения и управления "
          "эвакуацией людей при пожаре.}"_s,
          u"установки СОУЭ равна 0,9- согласно расчетам, приведенным ниже.}"_s, tables,
          u"определим для СОУЭ объекта \\par}"_s,
          u"EQ D\\\\s\\\\do3({\\pard\\qj\\i\\fs18\\f1 1}) = "_s,
          u"определим для СПДЗ объекта \\par}"_s,
          u"EQ D\\\\s\\\\do3({\\pard\\qj\\i\\fs18\\f1 2}) = "_s},
         {u"сигнализации"_s, u"\\f1 3})"_s}},
        {"an exponent outside the equations",
         [](ReportCase& r) { r.computed(ProtectionSystem::Aps, {u"0,00001"_s}); },
         {u"установки АПС равна 1,00·10{\\super -5}- согласно"_s,
          u"= 1 - (1-1,00·10\\\\s\\\\up6(-5))·"_s},
         {u"равна 1,00·10\\\\s"_s}},
    };
    for (const auto& c : cases)
        expectTexts(c);
}

TEST(Report, DeviceTables)
{
    DeviceCells cells{};
    const QStringList rows[] = {{u"ИП}{\\par Ω"_s, u"1000"_s, u"0,95"_s},
                                {u"Без вероятности"_s, u"500"_s, QString()},
                                {u"Третий"_s, u"700"_s, u"0,9"_s}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            cells[static_cast<size_t>(col)][static_cast<size_t>(row)] = rows[row].at(col);
    const QString series = u"}) = {\\pard\\qj\\b\\fs28\\f1П} P\\\\s\\\\do3("_s;
    const QString parallel = u"}) =1 - {\\pard\\qj\\b\\fs28\\f1П}(1- P\\\\s\\\\do3("_s;
    const QString row = u"{\\pard\\intbl\\qc\\fs24\\f1 {ИП\\}\\{\\\\par \\u937?}\\cell{1000}"
                        "\\cell{0,95}\\cell}\\trowd{\\trbrdrt\\brdrs\\brdrw10"_s;
    struct Table {
        std::uint8_t count, mode;
        QStringList present, absent;
    };
    const std::vector<Table> tables = {
        {3,
         0,
         {row, u"{Третий}"_s, u"\\f1 7"_s + series, u" = }}}}0.855 \\par}"_s},
         {u"Без вероятности"_s, parallel}},
        {2, 1, {row, u"\\f1 7"_s + parallel}, {u"Третий"_s, series}},
        {0, 2, {u"{\\pard\\intbl\\qc\\b\\fs24\\f1 Название прибора\\cell"_s}, {u"ИП"_s, u"П}"_s}},
    };
    for (const auto& t : tables) {
        const QString text = DeviceTableSection(cells, t.count, t.mode, 0.855L, 7, u"АПС"_s);
        for (const QString& s : t.present)
            EXPECT_TRUE(text.contains(s)) << int(t.mode) << ": no " << s.toStdString();
        for (const QString& s : t.absent)
            EXPECT_FALSE(text.contains(s)) << int(t.mode) << ": " << s.toStdString();
    }
}

TEST(Report, DesignPointsAndFootnote)
{
    const QString footnote = u"\t* - время начала эвакуации"_s;
    const std::vector<Case> cases = {
        {"exactly 0.8·t_бл, then over it, then empty",
         [](ReportCase& r) {
             r.in.designPoints = {{QString(), u"0,03"_s, u"1"_s, u"2,5"_s, u"1"_s, QString()},
                                  {QString(), u"0,03"_s, u"1.5"_s, u"2,5"_s, u"1"_s, u" *"_s},
                                  {}};
         },
         {u"Точка 1\\cell 1\\cell 2,5\\cell 1\\cell Выполнено\\cell\\p}\\trowd{"_s,
          u"Точка 2\\cell 1.5\\cell 2,5\\cell 1\\cell Не выполнено\\cell\\p}\\trowd{"_s,
          u"Точка 3\\cell \\cell \\cell \\cell Выполнено\\cell\\p}\\trowd{"_s},
         {footnote}},
        {"a fire room",
         [](ReportCase& r) { r.in.designPoints[0][5] = u"*"_s; },
         {u"\\cell 2*\\cell Не выполнено"_s,
          u"\\row}\\par"_s + u"{\\pard\\qj\\fs24\\f1 "_s + footnote}},
    };
    for (const auto& c : cases)
        expectTexts(c);
}

// The same text on every press, written whole after the header's first byte and before the
// trailer; a text that cannot be built leaves no file and opens nothing.
TEST(Report, WrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    ScopedTmpDir tmp(dir.path());
    DesktopRecorder desktop;
    ReportCase r;
    r.computed(ProtectionSystem::Spdz, {u"0,85"_s}, {u"ИП}{\\par Ω"_s});
    const QString text = r.text();
    EXPECT_EQ(ReportText(r.record, r.window()), text);
    EXPECT_TRUE(text.startsWith(RtfHeader() + u"{\\pard\\qc\\i\\b\\fs28\\f1 Расчет"_s));
    EXPECT_TRUE(text.contains(u"{ИП\\}\\{\\\\par \\u937?}\\cell"_s));

    BuildReport(r.record, r.window());
    ASSERT_EQ(desktop.opened.size(), 1);
    QFile file(desktop.opened.first());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(RtfBytes(text)));
    EXPECT_TRUE(bytes.endsWith("}{\\fs20\\lang1033\\langfe1049\\langnp1033\\insrsid1644108  }}"
                               "{\\fldrslt }}{\\fs20\\lang1033\\langfe1049\\langnp1033"
                               "\\insrsid14287006\\charrsid14287006 \\par }}"));
    file.remove();

    // A text that is no number is placed in the main window's cell it was read from.
    const struct {
        std::function<void(TZdanie&, WindowInputs&)> spoil;
        QString control;
        int column, row;
    } spoiled[] = {
        {[](TZdanie&, WindowInputs& w) { w.designPoints[0][3] = u"abc"_s; }, u"StringGrid1"_s, 3,
         1},
        {[](TZdanie&, WindowInputs& w) {
             w.areaKinds = {u"Здание 1"_s, u"Здание 2"_s};
             w.areaTexts = {u"1000"_s, u"1 000"_s};
         },
         u"ValueListEditor1"_s, 1, 2},
        // The joined areas, cut to 255 characters, may end in a cut number.
        {[](TZdanie& record, WindowInputs&) { record.Areas = u"1000;0;1e;"_s; },
         u"ValueListEditor1"_s, 1, 3},
    };
    for (const auto& c : spoiled) {
        SCOPED_TRACE(c.control.toStdString() + " " + std::to_string(c.row));
        ReportCase bad;
        bad.areas({u"1000"_s});
        bad.text();
        WindowInputs w = bad.window();
        c.spoil(bad.record, w);
        try {
            BuildReport(bad.record, w);
            ADD_FAILURE() << "built";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.place().control, c.control);
            EXPECT_EQ(e.place().window, u"Form1"_s);
            EXPECT_EQ(e.place().column, c.column);
            EXPECT_EQ(e.place().row, c.row);
        }
    }
    EXPECT_EQ(desktop.opened.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
