#include "industrial/report/report.h"

#include "industrial/formatters.h"
#include "industrial/report/formula_pictures.h"
#include "industrial/report/report_file.h"
#include "industrial/report/report_pieces.h"
#include "industrial/report/report_sections.h"
#include "industrial/report/rtf_blocks.h"
#include "industrial/report/rtf_fields.h"
#include "industrial/report/rtf_text.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;
using namespace report;

namespace
{

QString par(const QString& text, const QString& align = u"qj"_s)
{
    return Para(text + u"\\par"_s, align);
}

QString tabPar(const QString& text)
{
    return par(Tab + text);
}

QString introduction()
{
    return RtfPara(u"Расчет величин пожарного риска.\\par\\par"_s, u"qc\\i\\b"_s, u"f1"_s,
                   u"fs28"_s) +
           Para(Tab + u"Так как  выбран общий  наиболее опасный сценарий пожара, то при расчете  "
                      "риска в обозначениях  опустим индексы, отвечающие за  номера сценариев.  "
                      "\\par"_s,
                u"qj"_s) +
           Para(Tab + u"При этом расчетная частота возникновения пожара принимается равной "
                      "суммарной частоте реализации всех возможных в здании сценариев "
                      "возникновения пожара и равна  \\par\\par"_s,
                u"qj"_s);
}

QString definitions()
{
    return tabPar(u"Величина индивидуального риска для работника объекта при его нахождении на "
                  "территории объекта определяется по формуле:  "_s) +
           par(TextEq(u"R=P·q"_s) + u", где"_s, u"qc\\i"_s) +
           tabPar(u"q- вероятность присутствия работника в помещении людей;"_s) +
           tabPar(u"P - величина потенциального риска."_s) +
           tabPar(u"Величина потенциального риска "_s + TextEq(u"P=Q·Q"_s + Sub(6, 18, u"d"_s))) +
           tabPar(u"Q - частота возникновения пожара (вычислена выше)"_s) +
           tabPar(TextEq(u"Q"_s + Sub(6, 18, u"d"_s)) +
                  u" - условная вероятность поражения человека."_s);
}

QString protectionFormulas(const TZdanie& record)
{
    int considered = 0;
    for (const ProtectionGroup& s : ProtectionGroups)
        considered += record.*s.effectiveness >= 0.0L ? 1 : 0;
    return FormulaHarmProb() + Para(u", \\par"_s, u"qc"_s) +
           par(u"где D - вероятность эффективной работы технических решений противопожарной "
               "защиты. "_s) +
           FormulaProtection() + Para(u", \\par"_s, u"qc"_s) +
           tabPar(u"где  К - число технических средств противопожарной защиты;"_s) +
           Para(TextEq(u"D"_s + Sub(6, 18, u"k"_s)) +
                    u" - вероятность эффективного срабатывания (выполнения задачи) k-го "
                    "технического средства. В нашем случае "_s +
                    Eq(u"k = "_s + QString::number(considered)) + u". \\par"_s,
                u"qj"_s) +
           RtfEmptyPara();
}

QString equipmentSentence(const TZdanie& record)
{
    const QString alarm = u"Помещения обеспечены автоматической установкой пожарной сигнализации"_s;
    if (record.EffAps > 0.0L && record.EffSoue > 0.0L)
        return alarm +
               u" и системой оповещения и управления эвакуацией людей при пожаре. Системы "
               "противопожарной защиты соблюдаются в полном объеме требованиям нормативных "
               "документов.по пожарной опасности при проектировании, монтаже и эксплуатации."_s;
    if (record.EffAps > 0.0L)
        return alarm + u'.';
    if (record.EffSoue > 0.0L)
        return u"Помещения обеспечены системой оповещения и управления эвакуацией людей при "
               "пожаре."_s;
    return {};
}

// The equipment, each considered system's effectiveness, the reliability section and D.
QString protectionSystems(const TZdanie& record)
{
    QString text = Para(Tab + equipmentSentence(record), u"qj"_s);
    QStringList factors;
    for (const ProtectionGroup& s : ProtectionGroups) {
        const long double d = record.*s.effectiveness;
        if (d < 0.0L)
            continue;
        const QString ending =
            CountsAsComputed(s.system, d) ? u"- согласно расчетам, приведенным ниже."_s : u". "_s;
        text += Para(u" Эффективность работы установки "_s + s.name.toString() + u" равна "_s +
                         FormatReportNumberInText(d) + ending,
                     u"qj"_s);
        factors << u"(1-"_s + FormatReportNumber(d) + u')';
    }
    text += ReliabilitySection(record);
    const QString product = factors.isEmpty() ? QString() : u" = 1 - "_s + factors.join(u'·');
    return text + RtfEmptyPara() + RtfEmptyPara() +
           tabPar(u"Таким образом, "_s + Tab +
                  Eq(u"D"_s + product + u" = "_s + FormatReportNumber(record.EffProtection))) +
           RtfEmptyPara();
}

QString evacuation(const TZdanie& record)
{
    const QString evac = Sub(6, 18, u"Э"_s);
    const QString route = Sub(6, 18, u"Э.П."_s);
    const QString exit = Sub(3, 16, u"Д.В."_s);
    return tabPar(u"{"_s + TextEq(u"Р"_s + evac) + u" - вероятность эвакуации людей"_s) +
           tabPar(TextEq(u"Р"_s + evac) + u" - определяется по формуле:"_s) +
           par(Eq(u"P"_s + evac + u" = 1-(1-P"_s + route + u")· (1-Р"_s + Sub(6, 18, u"Д.В."_s) +
                  u") "_s),
               u"qc\\b"_s) +
           RtfEmptyPara() +
           tabPar(u"где "_s + TextEq(u"Р"_s + Sub(3, 16, u"Э.П."_s)) +
                  u" - вероятность эвакуации людей"_s) +
           tabPar(TextEq(u"P"_s + exit) + u" - вероятность выхода из здания людей"_s) +
           tabPar(TextEq(u"P"_s + exit) + u" = "_s + FormatFixed(12, record.ExitProb)) +
           tabPar(u"Вероятность эвакуации по эвакуационным путям "_s + TextEq(u"Р"_s + route) +
                  u" определяется по формуле:"_s) +
           FormulaRouteEvac() + Para(u", \\par"_s, u"qc"_s) + RtfEmptyPara() +
           Para(Tab + u"В нашем случае: "_s + TextEq(u"P"_s + route) + u"= "_s +
                    FormatReportNumberInText(record.RouteEvacProb) + u", так как: \\par"_s,
                u"qj"_s);
}

QString risks(const TZdanie& record)
{
    QString text;
    if (record.FireRoomMark)
        text += tabPar(u"* - время начала эвакуации для людей в помещении с очагом пожара "
                       "принимаем 0,5 мин., так как помещение имеет большую площадь и человек "
                       "может не сразу обнаружить очаг возгорания."_s);
    const QString evacProb = FormatFixed(6, record.EvacProb);
    const QString harm = FormatReportNumber(record.HarmProb);
    const QString potential = FormatReportNumber(record.PotentialRisk);
    const QString presence = FormatGridNumber(record.PresenceProb);
    return text + RtfEmptyPara() +
           tabPar(u"Таким образом, "_s + TextEq(u"P"_s + Sub(6, 18, u" э"_s)) + u" = "_s +
                  evacProb) +
           tabPar(u"Следовательно, "_s + TextEq(u"Q"_s + Sub(6, 18, u"d"_s)) + u" = (1-"_s +
                  evacProb + u")·(1-"_s + FormatFixed(8, record.EffProtection) + u") = "_s +
                  Eq(harm)) +
           tabPar(u"Величина потенциального риска "_s + TextEq(u"P=Q·Q"_s + Sub(6, 18, u" d"_s))) +
           EqPara(u"P = "_s + FormatFixed(6, record.FireFreq) + u'·' + harm + u" = "_s + potential,
                  u"qc"_s) +
           tabPar(u"Величина индивидуального риска для работника объекта при его нахождении на "
                  "территории объекта определяется по формуле:    "_s +
                  TextEq(u"R=P·q"_s) + u' ') +
           RtfEmptyPara() +
           Para(Tab + u"где  q- вероятность присутствия работника в помещении = "_s +
                    RtfEscape(record.HoursPerDay) +
                    u" часов в сутки (максимально возможное время нахождения), "_s,
                u"qj"_s) +
           par(RtfEscape(record.DaysPerYear) +
               u" дней в году, следовательно, вероятность присутствия работника равна "_s +
               presence) +
           EqPara(u"R = "_s + potential + u'·' + presence + u" = "_s +
                      FormatReportNumber(record.IndividualRisk),
                  u"qc\\b"_s);
}

} // namespace

QString ReportText(const TZdanie& record, const WindowInputs& window)
{
    // Built in the order the reader sees it, so that the first unreadable number is the one named.
    QString body = RtfHeader() + introduction();
    body += FrequencyBlock(record, window);
    body +=
        definitions() + protectionFormulas(record) + protectionSystems(record) + evacuation(record);
    body += DesignPointTable(window.designPoints);
    body += risks(record) + RtfEnd();
    // Readers that do not compute EQ fields themselves show the results instead.
    return AddEqFieldResults(body);
}

void BuildReport(const TZdanie& record, const WindowInputs& window)
{
    SaveAndOpenReport(ReportText(record, window));
}
