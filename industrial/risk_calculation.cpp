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

// A method whose group has no item chosen ends the command before the area or the markers change.
// The window never leaves such a group (the parameters file refuses an item out of range), but the
// calculation takes whatever it is given.
void frequencyStep(TZdanie& record, const WindowInputs& inputs)
{
    switch (inputs.freqMethod) {
    case 0:
        record.Areas = JoinAreas(inputs.areaTexts);
        record.FireFreq = checkedFinite(FreqByAreaTable(record, inputs.areaTexts));
        break;
    case 1:
        if (inputs.roomType < 0)
            throw ENoItemChosen(u"Не выбран тип помещения"_s);
        record.Areas = inputs.area;
        record.FireFreq = atPlace(form1Field(u"LabeledEdit2"_s), [&] {
            return checkedFinite(FreqByAreaFormula(record, inputs.roomType));
        });
        break;
    case 2:
        if (inputs.objectKind < 0)
            throw ENoItemChosen(u"Не выбран тип объекта"_s);
        record.FireFreq = checkedFinite(FreqByObjectKind(record, inputs.objectKind));
        break;
    default: // no method chosen: the values of the last calculation stay
        break;
    }
}

void effectivenessStep(TZdanie& record, const WindowInputs& inputs)
{
    for (const ProtectionGroup& group : ProtectionGroups) {
        const int item = inputs.systemItems.at(static_cast<std::size_t>(group.system));
        if (item >= 0) // no item chosen: the value from before is used again
            record.*group.effectiveness =
                checkedFinite(ItemEffectiveness(group.system, item, record.*group.devices));
    }
}

} // namespace

void CalculateRisk(TZdanie& record, const WindowInputs& inputs)
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
