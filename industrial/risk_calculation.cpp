#include "industrial/risk_calculation.h"

#include "common/errors.h"
#include "common/number_parse.h"
#include "industrial/control_places.h"
#include "industrial/finite.h"
#include "industrial/fire_frequency.h"
#include "industrial/protection_effect.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr long double HoursPerYear = 8760.0L;
constexpr int MostHoursPerDay = 24;
constexpr int MostDaysPerYear = 366;

// A working time within 0..most, read from the text of the main window's field `component`.
long double workingTime(const QString& text, int most, const QString& component)
{
    return atPlace(form1Field(component), [&] {
        const long double value = str2r(text);
        if (!(value >= 0.0L && value <= most))
            throw EOutOfRange(0, most);
        return value;
    });
}

// q, the share of the year a worker is present: at most 1, which a leap year's 24 hours on 366
// days would pass.
long double presenceProbability(const QString& hoursPerDay, const QString& daysPerYear)
{
    const long double hours = workingTime(hoursPerDay, MostHoursPerDay, u"LabeledEdit9"_s);
    const long double days = workingTime(daysPerYear, MostDaysPerYear, u"LabeledEdit8"_s);
    return std::min(1.0L, hours * days / HoursPerYear);
}

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
        record.FireFreq = atPlace(form1Field(u"LabeledEdit2"_s), [&] {
            return checkedFinite(FreqByAreaFormula(record, inputs.roomType));
        });
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

EOutOfRange::EOutOfRange(int least, int most)
    : AppError(u"Значение должно лежать в пределах от "_s + QString::number(least) + u" до "_s +
               QString::number(most))
{
}

void CalculateRisk(TZdanie& record, const CalcInputs& inputs)
{
    record.HoursPerDay = inputs.hoursPerDay;
    record.DaysPerYear = inputs.daysPerYear;
    record.PresenceProb = presenceProbability(record.HoursPerDay, record.DaysPerYear);
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
