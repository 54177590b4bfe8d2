#include "industrial/risk_calculation.h"

#include "common/errors.h"
#include "common/number_parse.h"
#include "industrial/finite.h"
#include "industrial/fire_frequency.h"
#include "industrial/protection_effect.h"

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr long double HoursPerYear = 8760.0L;

// A method whose group has no item chosen (possible after loading a file) ends the command
// before the area or the markers change.
void frequencyStep(TZdanie& record, const CalcInputs& inputs)
{
    switch (inputs.freqMethod) {
    case 0:
        record.Areas = JoinAreas(inputs.areaTexts);
        record.FireFreq = checkedFinite(FreqByAreaTable(record, inputs.areaTexts));
        break;
    case 1:
        if (inputs.roomType < 0)
            throw AppError(u"Не выбран тип помещения"_s);
        record.Areas = inputs.area;
        record.FireFreq = checkedFinite(FreqByAreaFormula(record, inputs.roomType));
        break;
    case 2:
        if (inputs.objectKind < 0)
            throw AppError(u"Не выбран тип объекта"_s);
        record.FireFreq = checkedFinite(FreqByObjectKind(record, inputs.objectKind));
        break;
    default: // no method chosen: the values of the last calculation stay
        break;
    }
}

void effectivenessStep(TZdanie& record, const CalcInputs& inputs)
{
    struct System {
        ProtectionSystem system;
        int item;
        long double TZdanie::*effectiveness;
        TDeviceList TZdanie::*devices;
    };
    const System systems[] = {
        {ProtectionSystem::Aps, inputs.apsItem, &TZdanie::EffAps, &TZdanie::ApsDevices},
        {ProtectionSystem::Soue, inputs.soueItem, &TZdanie::EffSoue, &TZdanie::SoueDevices},
        {ProtectionSystem::Aupt, inputs.auptItem, &TZdanie::EffAupt, &TZdanie::AuptDevices},
        {ProtectionSystem::Spdz, inputs.spdzItem, &TZdanie::EffSpdz, &TZdanie::SpdzDevices},
    };
    for (const System& s : systems)
        if (s.item >= 0) // no item chosen: the value from before is used again
            record.*s.effectiveness =
                checkedFinite(ItemEffectiveness(s.system, s.item, record.*s.devices));
}

} // namespace

void CalculateRisk(TZdanie& record, const CalcInputs& inputs)
{
    record.HoursPerDay = inputs.hoursPerDay;
    record.DaysPerYear = inputs.daysPerYear;
    record.PresenceProb =
        checkedFinite(str2r(record.HoursPerDay) * str2r(record.DaysPerYear) / HoursPerYear);
    frequencyStep(record, inputs);
    effectivenessStep(record, inputs);
    WalkDesignPoints(record, inputs.designPoints);
    record.EffProtection = checkedFinite(
        CombinedEffectiveness(record.EffAupt, record.EffAps, record.EffSoue, record.EffSpdz));
    record.EvacProb =
        checkedFinite(1.0L - (1.0L - record.RouteEvacProb) * (1.0L - record.ExitProb));
    record.HarmProb = checkedFinite((1.0L - record.EvacProb) * (1.0L - record.EffProtection));
    record.PotentialRisk = checkedFinite(record.FireFreq * record.HarmProb);
    record.IndividualRisk = checkedFinite(record.PotentialRisk * record.PresenceProb);
}
