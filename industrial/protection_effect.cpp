#include "industrial/protection_effect.h"

#include "common/errors.h"
#include "common/number_parse.h"
#include "industrial/control_places.h"

#include <algorithm>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace
{

long double considered(long double effectiveness)
{
    return effectiveness >= 0.0L ? effectiveness : 0.0L;
}

// A row of the list of `group`, as the box names it; the focus goes to the system's group, for the
// list is in no window while the calculation reads it.
ErrorPlace listRowPlace(const ProtectionGroup& group, int row)
{
    return form1Field(group.component.toString())
        .describedAs(u"Список приборов "_s + group.name.toString() + u", строка "_s +
                     QString::number(row) + u", столбец «Вероятность безотказной работы»"_s);
}

// Checks the rows 1 to Count that the calculation reads: a device the engineer listed has a
// probability within 0..1, and at least one device has one.
void checkDevices(const ProtectionGroup& group, const TDeviceList& devices)
{
    const int rows = std::min<int>(devices.Count, TDeviceList::MaxDevices);
    bool anyProbability = false;
    for (int row = 1; row <= rows; ++row) {
        const QString& text = devices.cell(TDeviceList::Probability, row);
        atPlace(listRowPlace(group, row), [&] {
            if (text.isEmpty()) {
                if (!devices.cell(TDeviceList::Name, row).isEmpty() ||
                    !devices.cell(TDeviceList::Mtbf, row).isEmpty())
                    throw EDeviceList(u"Не задана вероятность безотказной работы прибора: её "
                                      u"рассчитывает по наработке на отказ кнопка «Расчитать "
                                      u"вероятность для приборов»"_s);
                return;
            }
            const long double p = str2r(text);
            if (!(p >= 0.0L && p <= 1.0L))
                throw EOutOfRange(0, 1);
            anyProbability = true;
        });
    }
    if (!anyProbability)
        atPlace(form1Field(group.component.toString()), [&] {
            throw EDeviceList(u"В списке приборов "_s + group.name.toString() +
                              u" нет ни одного прибора с вероятностью безотказной работы"_s);
        });
}

} // namespace

long double SystemReliability(const TDeviceList& devices, std::uint8_t count, std::uint8_t mode)
{
    if (mode > 1)
        return 1.0L;
    long double r = 1.0L;
    const int rows = std::min<int>(count, TDeviceList::MaxDevices);
    for (int row = 1; row <= rows; ++row) {
        const QString& text = devices.cell(TDeviceList::Probability, row);
        if (text.isEmpty())
            continue;
        const long double p = str2r(text);
        r = mode == 0 ? p * r : (1.0L - p) * r;
    }
    return mode == 0 ? r : 1.0L - r;
}

long double ItemEffectiveness(ProtectionSystem system, int item, const TDeviceList& devices)
{
    const ProtectionGroup& group = protectionGroup(system);
    if (item == group.computeItem) {
        checkDevices(group, devices);
        return SystemReliability(devices, devices.Count, devices.Mode);
    }
    if (item < 0 || item > group.computeItem)
        throw std::out_of_range("ItemEffectiveness: no such item");
    return group.items[item].value;
}

bool CountsAsComputed(ProtectionSystem system, long double effectiveness)
{
    const ProtectionGroup& group = protectionGroup(system);
    const ProtectionItem* fixed = group.items;
    return effectiveness > 0.0L &&
           std::none_of(fixed, fixed + group.computeItem,
                        [&](const ProtectionItem& item) { return item.value == effectiveness; });
}

long double CombinedEffectiveness(long double aupt, long double aps, long double soue,
                                  long double spdz)
{
    return 1.0L - (1.0L - considered(aupt)) * (1.0L - considered(aps)) * (1.0L - considered(soue)) *
                      (1.0L - considered(spdz));
}
