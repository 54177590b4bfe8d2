#include "industrial/protection_effect.h"

#include "common/errors.h"
#include "common/number_parse.h"

#include <algorithm>
#include <vector>

namespace
{

// Values of the fixed items of each group, in item order; the compute item follows them.
const std::vector<long double>& fixedItems(ProtectionSystem system)
{
    static const std::vector<long double> aps = {0.6L, 0.8L, 0.8L, 0.0L, EffNotConsidered};
    static const std::vector<long double> soue = {0.8L, 0.8L, 0.0L, EffNotConsidered};
    static const std::vector<long double> aupt = {0.8L, 0.9L, 0.9L, 0.9L, 0.0L, EffNotConsidered};
    static const std::vector<long double> spdz = {0.9L, 0.8L, 0.8L, 0.0L, EffNotConsidered};
    switch (system) {
    case ProtectionSystem::Aps:
        return aps;
    case ProtectionSystem::Soue:
        return soue;
    case ProtectionSystem::Aupt:
        return aupt;
    case ProtectionSystem::Spdz:
        return spdz;
    }
    return spdz; // not reached: every system is listed
}

QString systemName(ProtectionSystem system)
{
    switch (system) {
    case ProtectionSystem::Aps:
        return QStringLiteral("АПС");
    case ProtectionSystem::Soue:
        return QStringLiteral("СОУЭ");
    case ProtectionSystem::Aupt:
        return QStringLiteral("АУПТ");
    case ProtectionSystem::Spdz:
        return QStringLiteral("СПДЗ");
    }
    return {}; // not reached: every system is listed
}

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

int ComputeItem(ProtectionSystem system)
{
    return static_cast<int>(fixedItems(system).size());
}

long double ItemEffectiveness(ProtectionSystem system, int item, const TDeviceList& devices)
{
    if (item == ComputeItem(system))
        return reliability(devices, devices.Count, devices.Mode, systemName(system));
    return fixedItems(system).at(static_cast<size_t>(item));
}

bool CountsAsComputed(ProtectionSystem system, long double effectiveness)
{
    const std::vector<long double>& fixed = fixedItems(system);
    return effectiveness > 0.0L &&
           std::find(fixed.begin(), fixed.end(), effectiveness) == fixed.end();
}

long double CombinedEffectiveness(long double aupt, long double aps, long double soue,
                                  long double spdz)
{
    return 1.0L - (1.0L - considered(aupt)) * (1.0L - considered(aps)) * (1.0L - considered(soue)) *
                      (1.0L - considered(spdz));
}
