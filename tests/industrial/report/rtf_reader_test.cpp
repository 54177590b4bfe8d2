#include "industrial/formatters.h"
#include "industrial/report/formula_pictures.h"
#include "industrial/report/report.h"
#include "industrial/report/rtf_blocks.h"
#include "industrial/report/rtf_fields.h"
#include "industrial/report/rtf_text.h"
#include "report_case.h"
#include "support/soffice.h"
#include "support/test_support.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// The pieces of the report as the desktop's RTF reader shows them: equations through their result
// groups, the pictures between paragraphs, a user's text as typed.
TEST(RtfReader, PiecesReadBackAsText)
{
    ScopedDecimalSeparator comma(u',');
    auto para = [](const QString& text) {
        return RtfPara(text + u"\\par"_s, u"qj"_s, u"f1"_s, u"fs24"_s);
    };
    QString body = RtfHeader() + para(u"Начало"_s);
    body += FormulaHarmProb() + para(u", после Qd"_s);
    body += FormulaProtection() + para(u", после D"_s);
    body += FormulaRouteEvac() + para(u", после Pэп"_s);
    body += FormulaSeries() + para(u" после Pс"_s);
    body += FormulaParallel() + para(u" после Qс"_s);
    body += RtfEqPara(u"Q= "_s + FormatReportNumber(0.0000123L), u"qc\\i"_s, u"f1"_s, u"fs24"_s);
    body += para(u"{\\pard\\qj\\i{\\field{\\*\\fldinst{\\fs24\\f1\\insrsid1 EQ "
                 "P=Q·Q\\\\s\\\\do6({\\pard\\qj\\i\\fs18\\f1d})}}}} - риск, k = "_s +
                 FormatReportNumberInText(0.00001L));
    body += para(u"Прибор: "_s + RtfEscape(u"ИП}{\\par Ω"_s)) + RtfEnd();

    QTemporaryDir dir;
    const QString path = dir.filePath(u"pieces.rtf"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RtfBytes(AddEqFieldResults(body)));
    file.close();

    const QStringList lines = rtfToText(path).split(u'\n');
    for (const QString& expected :
         {u"Начало"_s, u", после Pэп"_s, u" после Qс"_s, u"Q= 1,23·10-5"_s,
          u"P=Q·Qd - риск, k = 1,00·10-5"_s, u"Прибор: ИП}{\\par Ω"_s}) {
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << " not in\n"
                                              << lines.join(u'\n').toStdString();
    }
}

namespace
{

// Writes the report of `r` into a folder of its own and returns the file.
QString writtenReport(ReportCase& r, const QTemporaryDir& dir)
{
    ScopedTmpDir tmp(dir.path());
    DesktopRecorder desktop;
    r.text();
    BuildReport(r.record, r.window());
    return desktop.opened.value(0);
}

void expectLines(const QString& text, const QStringList& expected)
{
    const QStringList lines = text.split(u'\n');
    for (const QString& line : expected)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString() << " not a line of\n"
                                          << text.toStdString();
}

} // namespace

// The worked example as the desktop's reader shows it: numbers and tables, not field codes.
TEST(RtfReader, WorkedExampleReport)
{
    ReportCase r;
    QTemporaryDir dir;
    const QString text = rtfToText(writtenReport(r, dir));
    for (const QString& part :
         {u"P = 0.044·0,0388 = 0,0017072"_s, u"Qd = (1-0.515)·(1-0.92) = 0,0388"_s,
          u"В нашем случае k = 3."_s, u"Таким образом, \tD = 1 - (1-0,6)·(1-0,8)·(1-0) = 0,92"_s,
          u"В нашем случае: PЭ.П.= 0,5, так как:"_s, u"R = 0,0017072·0,22557 = 0,000385"_s})
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << " not in\n" << text.toStdString();
    expectLines(text, {u"Q = 0,044"_s, u"Точка 1"_s, u"2,5"_s, u"Не выполнено"_s,
                       u"Выполнение условия           tр+tн.э.<=0,8·tблij"_s});
}

// Two systems computed from devices: five pictures, two device tables, and a device name with
// braces and a backslash that does not cut the report short.
TEST(RtfReader, ComputedSystemsReport)
{
    ReportCase r;
    r.computed(ProtectionSystem::Aps, {u"0,95"_s, u"0,97"_s}, {u"ИП}{\\par Ω"_s, u"ППКП"_s});
    r.computed(ProtectionSystem::Spdz, {u"0,9"_s, u"0,8"_s}, {u"Клапан"_s, u"Вентилятор"_s}, 1);
    QTemporaryDir dir;
    const QString path = writtenReport(r, dir);
    const QString text = rtfToText(path);
    expectLines(text, {u"ИП}{\\par Ω"_s, u"ППКП"_s, u"Вентилятор"_s, u"0,8"_s,
                       u"D1 = П Ppk = 0.9215 "_s, u"D2 =1 - П(1- Ppk ) = 0.98 "_s});
    EXPECT_EQ(text.count(u"\nНазвание прибора\n"_s), 2);
    EXPECT_TRUE(text.contains(u"\nR = "_s));

    QString error;
    const QString flat = sofficeConvert(path, u"fodt"_s, u"fodt"_s, dir.path(), &error);
    ASSERT_FALSE(flat.isEmpty()) << error.toStdString();
    QFile file(flat);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    static const QRegularExpression picture(
        u"<draw:frame[^>]*><draw:image draw:mime-type=\"image/([a-z-]+)\""_s);
    QStringList kinds;
    for (const auto& m : picture.globalMatch(QString::fromUtf8(file.readAll())))
        kinds << m.captured(1);
    EXPECT_EQ(kinds, (QStringList{u"x-wmf"_s, u"x-wmf"_s, u"png"_s, u"png"_s, u"x-wmf"_s}));
}
