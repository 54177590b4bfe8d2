#pragma once

#include "industrial/building_record.h"

#include <cstdint>

// Effectiveness D_k of the four fire-protection systems.

// Stored for "Не учитывать в расчете"; every negative value is read so.
constexpr long double EffNotConsidered = -1.0L;

enum class ProtectionSystem { Aps, Soue, Aupt, Spdz };

// Reliability of a device list: the product of the probabilities in series (mode 0),
// 1 − Π(1 − P_i) in parallel (mode 1), 1 for any other mode. Rows with an empty probability are
// skipped; probabilities are used as typed. Throws EConvertError for a text that is no number.
long double SystemReliability(const TDeviceList& devices, std::uint8_t count, std::uint8_t mode);

// The last item of each system's group computes D_k from its device list.
int ComputeItem(ProtectionSystem system);

// D_k of a chosen item (0 to ComputeItem): a fixed value, 0, EffNotConsidered, or the
// reliability of the device list; a probability that is no number is placed by its list and row,
// "Список приборов АПС, строка 3, столбец «Вероятность безотказной работы»".
long double ItemEffectiveness(ProtectionSystem system, int item, const TDeviceList& devices);

// Whether D_k was computed from the device list as far as the stored value tells: greater than 0
// and equal to none of the group's fixed values (compared exactly).
bool CountsAsComputed(ProtectionSystem system, long double effectiveness);

// D = 1 − (1 − D'_АУПТ)(1 − D'_АПС)(1 − D'_СОУЭ)(1 − D'_СПДЗ), multiplied in that order, where
// D'_k is D_k, or 0 when the system is not considered.
long double CombinedEffectiveness(long double aupt, long double aps, long double soue,
                                  long double spdz);
