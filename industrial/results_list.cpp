#include "industrial/results_list.h"

#include "industrial/formatters.h"

using namespace Qt::Literals::StringLiterals;

std::vector<std::pair<QString, QString>> ResultRows(const TZdanie& record)
{
    const std::pair<QString, long double> fixed[] = {
        {u"Величина индивидуального пожарного риска"_s, record.IndividualRisk},
        {u"Вероятность присутствия в здании человека"_s, record.PresenceProb},
        {u"Величина потенциального риска"_s, record.PotentialRisk},
        {u"Частота возникновения пожара"_s, record.FireFreq},
        {u"Условная вероятность поражения человека"_s, record.HarmProb},
        {u"Вероятность эффективной работы технических решений противопожарной защиты"_s,
         record.EffProtection},
        {u"Вероятность эвакуации людей"_s, record.EvacProb},
        {u"Вероятность эвакуации людей по эвакуационным путям"_s, record.RouteEvacProb},
    };
    // Not the order of the calculation: the list has its own.
    const std::pair<QString, long double> systems[] = {
        {u"Вероятность эффективной работы СОУЭ"_s, record.EffSoue},
        {u"Вероятность эффективной работы АУПТ"_s, record.EffAupt},
        {u"Вероятность эффективной работы АПС"_s, record.EffAps},
        {u"Вероятность эффективной работы СПДЗ"_s, record.EffSpdz},
    };
    std::vector<std::pair<QString, QString>> rows;
    for (const auto& [key, value] : fixed)
        rows.emplace_back(key, FormatGridNumber(value));
    for (const auto& [key, value] : systems)
        if (value >= 0.0L) // a system that is not considered has no row
            rows.emplace_back(key, FormatGridNumber(value));
    return rows;
}
