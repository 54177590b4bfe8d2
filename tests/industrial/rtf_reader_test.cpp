#include "industrial/formatters.h"
#include "industrial/formula_pictures.h"
#include "industrial/rtf_blocks.h"
#include "industrial/rtf_fields.h"
#include "industrial/rtf_text.h"
#include "support/soffice.h"
#include "support/test_support.h"

#include <QFile>
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
