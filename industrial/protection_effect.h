#pragma once

#include "common/errors.h"
#include "industrial/building_record.h"

#include <QStringView>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

// Effectiveness D_k of the four fire-protection systems.

// Stored for "Не учитывать в расчете"; every negative value is read so.
constexpr long double EffNotConsidered = -1.0L;

enum class ProtectionSystem { Aps, Soue, Aupt, Spdz };

// One item of a system's group in the main window: its text and the D_k it stands for.
struct ProtectionItem {
    QStringView text;
    long double value; // a fixed item's D_k; the compute item takes D_k from the device list
};

// One protection system, as the main window offers it, the calculation stores it, the parameters
// file keeps it and the report names it.
struct ProtectionGroup {
    ProtectionSystem system;
    QStringView name;      // "АПС": the report's caption, the device list's place in an error
    QStringView caption;   // the title of the system's group in the main window
    QStringView component; // that group's name in the main window, where a failure puts the focus
    const ProtectionItem* items;
    int itemCount;
    int computeItem; // the item that computes D_k from the device list
    long double TZdanie::*effectiveness;
    TDeviceList TZdanie::*devices;
};

namespace protection_items
{

inline constexpr QStringView Compute = u"Произвести расчет значения, используя расчетные данные";
inline constexpr QStringView NotConsidered = u"Не учитывать в расчете";
inline constexpr QStringView Zero = u"Принять равным \"0\"";

inline constexpr ProtectionItem Aps[] = {
    {u"Принять равным \"0,6\" согласно табл. П7.1 пособия", 0.6L},
    {u"Принять равным \"0,8\", если оборудование установки АПС соответствует требованиям НД по ПБ",
     0.8L},
    {u"Принять равным \"0,8\", если оборудование установки АПС имеется, но не требуется", 0.8L},
    {Zero, 0.0L},
    {NotConsidered, EffNotConsidered},
    {Compute, 0.0L},
};
inline constexpr ProtectionItem Soue[] = {
    {u"Принять равным \"0,8\", если оборудование СОУЭ соответствует требованиям НД по ПБ", 0.8L},
    {u"Принять равным \"0,8\", если оборудование СОУЭ имеется, но не требуется", 0.8L},
    {Zero, 0.0L},
    {NotConsidered, EffNotConsidered},
    {Compute, 0.0L},
};
inline constexpr ProtectionItem Aupt[] = {
    {u"Принять равным \"0,8\" для сплинкерных АУПТ согласно табл. П7.1 пособия", 0.8L},
    {u"Принять равным \"0,9\" для остальных АУПТ согласно табл. П7.1 пособия", 0.9L},
    {u"Принять равным \"0,9\" для АУПТ, соотвествующей требованиям НД по ПБ", 0.9L},
    {u"Принять равным \"0,9\", если оборудование АУПТ имеется, но не требуется", 0.9L},
    {Zero, 0.0L},
    {NotConsidered, EffNotConsidered},
    {Compute, 0.0L},
};
inline constexpr ProtectionItem Spdz[] = {
    {u"Принять равным \"0,9\" согласно табл. П7.1 пособия", 0.9L},
    {u"Принять равным \"0,8\", если оборудование СПДЗ соответствует требованиям НД по ПБ", 0.8L},
    {u"Принять равным \"0,8\", если оборудование СПДЗ имеется, но не требуется", 0.8L},
    {Zero, 0.0L},
    {NotConsidered, EffNotConsidered},
    {Compute, 0.0L},
};

} // namespace protection_items

// The four systems in the order of the calculation, the parameters file and the report: АПС,
// СОУЭ, АУПТ, СПДЗ (ProtectionGroups[k].system is ProtectionSystem k).
inline constexpr std::array<ProtectionGroup, 4> ProtectionGroups = {{
    {ProtectionSystem::Aps, u"АПС", u" Вероятность эффективного срабатывания установки АПС: ",
     u"RadioGroup7", protection_items::Aps, int(std::size(protection_items::Aps)), 5,
     &TZdanie::EffAps, &TZdanie::ApsDevices},
    {ProtectionSystem::Soue, u"СОУЭ", u" Вероятность эффективного срабатывания СОУЭ: ",
     u"RadioGroup6", protection_items::Soue, int(std::size(protection_items::Soue)), 4,
     &TZdanie::EffSoue, &TZdanie::SoueDevices},
    {ProtectionSystem::Aupt, u"АУПТ", u" Вероятность эффективного срабатывания АУПТ: ",
     u"RadioGroup4", protection_items::Aupt, int(std::size(protection_items::Aupt)), 6,
     &TZdanie::EffAupt, &TZdanie::AuptDevices},
    {ProtectionSystem::Spdz, u"СПДЗ", u" Вероятность эффективного срабатывания СПДЗ: ",
     u"RadioGroup5", protection_items::Spdz, int(std::size(protection_items::Spdz)), 5,
     &TZdanie::EffSpdz, &TZdanie::SpdzDevices},
}};

constexpr const ProtectionGroup& protectionGroup(ProtectionSystem system)
{
    return ProtectionGroups[static_cast<std::size_t>(system)];
}

static_assert(
    [] {
        for (std::size_t k = 0; k < ProtectionGroups.size(); ++k)
            if (ProtectionGroups[k].system != static_cast<ProtectionSystem>(k))
                return false;
        return true;
    }(),
    "ProtectionGroups[k] describes ProtectionSystem k");

// The window, the file and the report know the compute item by its number: it must be the last
// item of its group and the only one with the compute text.
constexpr bool computeItemIsLast(const ProtectionGroup& group)
{
    const auto isComputeText = [](QStringView text) {
        if (text.size() != protection_items::Compute.size())
            return false;
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] != protection_items::Compute[i])
                return false;
        return true;
    };
    for (int item = 0; item < group.itemCount; ++item)
        if (isComputeText(group.items[item].text) != (item == group.computeItem))
            return false;
    return group.computeItem == group.itemCount - 1;
}
static_assert(computeItemIsLast(ProtectionGroups[0]), "АПС: the compute item is not the last");
static_assert(computeItemIsLast(ProtectionGroups[1]), "СОУЭ: the compute item is not the last");
static_assert(computeItemIsLast(ProtectionGroups[2]), "АУПТ: the compute item is not the last");
static_assert(computeItemIsLast(ProtectionGroups[3]), "СПДЗ: the compute item is not the last");

// Reliability of a device list: the product of the probabilities in series (mode 0),
// 1 − Π(1 − P_i) in parallel (mode 1), 1 for any other mode. Rows with an empty probability are
// skipped; probabilities are used as typed. Throws EConvertError for a text that is no number.
long double SystemReliability(const TDeviceList& devices, std::uint8_t count, std::uint8_t mode);

// The last item of each system's group computes D_k from its device list.
constexpr int ComputeItem(ProtectionSystem system)
{
    return protectionGroup(system).computeItem;
}

// A device list that gives no effectiveness: a device without its probability, or no device with
// one. Counting such a list as a perfect system would hide it.
class EDeviceList : public AppError
{
public:
    using AppError::AppError;
};

// D_k of a chosen item (0 to ComputeItem): a fixed value, 0, EffNotConsidered, or the
// reliability of the device list. For the compute item, rows 1 to Count that are wholly empty are
// skipped; a row with a name or an MTBF but no probability throws EDeviceList, a probability that
// is no number EConvertError, one outside 0..1 EOutOfRange, each placed by its list and row,
// "Список приборов АПС, строка 3, столбец «Вероятность безотказной работы»"; a list without a
// probability throws EDeviceList placed at the system's group. Every failure puts the focus on
// the system's group of the main window.
long double ItemEffectiveness(ProtectionSystem system, int item, const TDeviceList& devices);

// Whether D_k was computed from the device list as far as the stored value tells: greater than 0
// and equal to none of the group's fixed values (compared exactly).
bool CountsAsComputed(ProtectionSystem system, long double effectiveness);

// D = 1 − (1 − D'_АУПТ)(1 − D'_АПС)(1 − D'_СОУЭ)(1 − D'_СПДЗ), multiplied in that order, where
// D'_k is D_k, or 0 when the system is not considered.
long double CombinedEffectiveness(long double aupt, long double aps, long double soue,
                                  long double spdz);
