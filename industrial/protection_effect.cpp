#include "industrial/protection_effect.h"

#include "common/errors.h"
#include "common/number_parse.h"

#include <algorithm>
#include <stdexcept>

namespace
{

// The reliability of the list; a probability that is no number names its row of the list named
// `listName`, when there is one: the list is in no window while the calculation reads it.
long double reliability(const TDeviceList& devices, std::uint8_t count, std::uint8_t mode,
                        const QString& listName)
{
    if (mode > 1)
        return 1.0L;
    long double r = 1.0L;
    const int rows = std::min<int>(count, TDeviceList::MaxDevices);
    for (int row = 1; row <= rows; ++row) {
        const QString& text = devices.cell(TDeviceList::Probability, row);
        if (text.isEmpty())
            continue;
        ErrorPlace place;
        if (!listName.isEmpty())
            place =
                ErrorPlace::described(QStringLiteral("Список приборов ") + listName +
                                      QStringLiteral(", строка ") + QString::number(row) +
                                      QStringLiteral(", столбец «Вероятность безотказной работы»"));
        const long double p = atPlace(place, [&] { return str2r(text); });
        r = mode == 0 ? p * r : (1.0L - p) * r;
    }
    return mode == 0 ? r : 1.0L - r;
}

long double considered(long double effectiveness)
{
    return effectiveness >= 0.0L ? effectiveness : 0.0L;
}

} // namespace

long double SystemReliability(const TDeviceList& devices, std::uint8_t count, std::uint8_t mode)
{
    return reliability(devices, count, mode, QString());
}

long double ItemEffectiveness(ProtectionSystem system, int item, const TDeviceList& devices)
{
    const ProtectionGroup& group = protectionGroup(system);
    if (item == group.computeItem)
        return reliability(devices, devices.Count, devices.Mode, group.name.toString());
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
