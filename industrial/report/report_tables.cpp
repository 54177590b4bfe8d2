#include "industrial/evacuation.h"
#include "industrial/formatters.h"
#include "industrial/report/formula_pictures.h"
#include "industrial/report/report_pieces.h"
#include "industrial/report/report_sections.h"
#include "industrial/report/rtf_blocks.h"
#include "industrial/report/rtf_text.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using namespace report;

namespace
{

QString italicPar(const QString& text)
{
    return Para(text + u" \\par"_s, u"qj\\i"_s);
}

QString formulas()
{
    const QString failure = TextEq(u"Q"_s + Sub(6, 18, u"c"_s));
    return RtfEmptyPara() + RtfEmptyPara() +
           italicPar(Tab + u"Согласно журналу "_s + Quoted(u"Алгоритм Безопасности"_s) +
                     u" № 5, 2014 год «Проблемы оценки показателей надежности систем "
                     "противопожарной автоматики. Часть 3, рассчитаем вероятность безотказной "
                     "работы системы."_s) +
           Para(
               Tab + u"Вероятность безотказной работы системы "_s +
                   TextEq(u"Р"_s + Sub(6, 18, u"с"_s)) +
                   u", состоящей из последовательно соединенных (с точки зрения надежности) "
                   "блоков, равна произведению вероятностей безотказной  работы отдельных блоков "_s +
                   TextEq(u"P"_s + Sub(6, 18, u"i "_s)) + u": \\par"_s,
               u"qj\\i"_s) +
           FormulaSeries() + Para(u" \\par"_s, u"qc"_s) +
           italicPar(Tab +
                     u"Если элементы соединены параллельно, то вероятность безотказной "
                     "работы определяется через вероятности отказов "_s +
                     failure + u" следующим образом:"_s) +
           FormulaParallel() + Para(u" \\par"_s, u"qc"_s) +
           Para(Tab + u"где "_s + failure + u" – вероятность отказа системы;  \\par"_s,
                u"qj\\i"_s) +
           italicPar(Tab + TextEq(u"q"_s + Sub(6, 18, u"i"_s)) +
                     u" – вероятности отказа блоков (P = 1 – Q или q = 1 – P, по правилу полной "
                     "вероятности событий P + q = 1);"_s) +
           Para(Tab + u"{\\field{\\*\\fldinst SYMBOL 0x6C \\\\f "_s + Quoted(u"Symbol"_s) +
                    u" \\\\s fs24}} и {\\field{\\*\\fldinst SYMBOL 0x77 \\\\f "_s +
                    Quoted(u"Symbol"_s) +
                    u" \\\\s fs24}} – интенсивность отказов элементов и параметр потока отказов "
                    "элементов, входящих в блок.  \\par"_s,
                u"qj\\i"_s) +
           italicPar(Tab + u"Эти показатели получают либо по испытаниям, либо по результатам "
                           "эксплуатации. Для оценки надежности установок пожарной автоматики "
                           "применяются следующие показатели: коэффициент готовности, "
                           "коэффициент оперативной готовности и вероятность безотказной работы. "
                           "Дополнительными показателями могут быть любые другие в зависимости "
                           "от особенностей применения УПА."_s);
}

} // namespace

QString ReliabilitySection(const TZdanie& record)
{
    QString tables;
    std::uint8_t k = 0;
    for (const ProtectionGroup& s : ProtectionGroups) {
        const long double d = record.*s.effectiveness;
        if (!CountsAsComputed(s.system, d))
            continue;
        const TDeviceList& devices = record.*s.devices;
        tables += DeviceTableSection(devices.Cells, devices.Count, devices.Mode, d, ++k,
                                     s.name.toString());
    }
    return tables.isEmpty() ? QString() : formulas() + tables;
}

QString DeviceTableSection(const DeviceCells& cells, std::uint8_t count, std::uint8_t mode,
                           long double d, std::uint8_t k, const QString& name)
{
    QString text =
        italicPar(u"Вероятность безотказной работы системы определим для "_s + name +
                  u" объекта"_s) +
        italicPar(u"Можно предложить следующие показатели вероятности безотказной работы "
                  "(согласно \"Руководству по эксплуатации и паспортам приборов)"_s) +
        u"\\par"_s +
        TableRow(u"Название прибора\\cell Наработка на отказ, час\\cell Вероятность безотказной "
                 "работы\\cell\\p"_s,
                 u"qc\\b"_s, 3, 2000);
    const int rows = std::min<int>(count, TDeviceList::MaxDevices);
    for (int row = 0; row < rows; ++row) {
        const QString& probability = cells[TDeviceList::Probability][row];
        if (probability.isEmpty())
            continue;
        text += TableRow(u'{' + RtfEscape(cells[TDeviceList::Name][row]) + u"}\\cell{"_s +
                             RtfEscape(cells[TDeviceList::Mtbf][row]) + u"}\\cell{"_s +
                             RtfEscape(probability) + u"}\\cell"_s,
                         u"qc"_s, 3, 2000);
    }
    text += u"\\par"_s + italicPar(u"Таким образом, вероятность эффективной работы "_s + name +
                                   u" составит: "_s);
    const QString pk = Sub(3, 18, u"pk"_s);
    QString equation;
    if (mode == 0)
        equation = u" = {\\pard\\qj\\b\\fs28\\f1П} P"_s + pk + u" = "_s;
    else if (mode == 1)
        equation = u" =1 - {\\pard\\qj\\b\\fs28\\f1П}(1- P"_s + pk + u" ) = "_s;
    else
        return text;
    return text + Para(TextEq(u"D"_s + Sub(3, 18, u' ' + QString::number(k)) + equation) +
                           FormatFixed(8, d) + u" \\par"_s,
                       u"qc\\i\\b"_s);
}

QString DesignPointTable(const std::vector<DesignPointRow>& points)
{
    const auto t = [](const QString& index) { return Eq(u't' + Sub(6, 18, index) + u','); };
    QString text =
        TableRow(u"Точка, в который произведен расчет\\cell Фактическое время эвакуации "_s +
                     t(u"р"_s) + u" мин.\\cell Время блокировки "_s + t(u"бл"_s) +
                     u" мин.\\cell Время  начала эвакуации "_s + t(u"н"_s) +
                     u" мин.\\cell Выполнение условия           "_s +
                     Eq(u't' + Sub(6, 18, u"р"_s) + u"+t"_s + Sub(6, 18, u"н.э."_s) + u"<=0,8·t"_s +
                        Sub(6, 18, u"блij"_s)) +
                     u"\\cell"_s,
                 u"qc\\b"_s, 5, 1000);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& point = points[i];
        const auto time = [&](int column) { return designPointValue(point, i, column); };
        const long double evacTime = time(2);
        const long double startEvacTime = time(4);
        const long double blockTime = time(3);
        const bool met = evacTime + startEvacTime <= BlockShare * blockTime;
        text +=
            TableRow(RtfEscape(point[0]) + u"\\cell "_s + RtfEscape(point[2]) + u"\\cell "_s +
                         RtfEscape(point[3]) + u"\\cell "_s + RtfEscape(point[4]) +
                         (point[5] == u"*"_s ? u"*"_s : QString()) +
                         (met ? u"\\cell Выполнено\\cell\\p"_s : u"\\cell Не выполнено\\cell\\p"_s),
                     u"qc\\i"_s, 5, 1000);
    }
    return text + u"\\par"_s;
}
