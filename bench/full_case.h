#pragma once

// The heaviest case of Ovrelta_online, shared by the benchmarks: the area table, every system
// computed from 20 devices, 255 design points that mix both separators and all five evacuation
// cases.
#include "industrial/protection_effect.h"
#include "industrial/risk_calculation.h"

#include <algorithm>
#include <chrono>
#include <vector>

constexpr int DesignPoints = 255;

inline WindowInputs FullCase(TZdanie& record)
{
    using namespace Qt::Literals::StringLiterals;
    WindowInputs in;
    in.hoursPerDay = u"8"_s;
    in.daysPerYear = u"247"_s;
    in.freqMethod = 0;
    in.areaTexts = {u"1000"_s, u"12.5"_s, u"500"_s,   u"12,5"_s, u"0"_s,
                    u"250"_s,  u"0"_s,    u"75.25"_s, u"200"_s};
    for (const ProtectionGroup& group : ProtectionGroups)
        in.systemItems.at(static_cast<size_t>(group.system)) = group.computeItem;
    for (TDeviceList* list :
         {&record.ApsDevices, &record.SoueDevices, &record.AuptDevices, &record.SpdzDevices}) {
        list->Count = TDeviceList::MaxDevices;
        list->Mode = list == &record.AuptDevices ? 1 : 0;
        for (int row = 1; row <= TDeviceList::MaxDevices; ++row) {
            list->cell(TDeviceList::Name, row) = u"Прибор "_s + QString::number(row);
            list->cell(TDeviceList::Mtbf, row) = u"60000"_s;
            list->cell(TDeviceList::Probability, row) = u"0,99"_s + QString::number(row % 10);
        }
    }
    for (int i = 0; i < DesignPoints; ++i)
        in.designPoints.push_back({u"Расчетная точка"_s, u"0,03"_s,
                                   QString::number(1.0 + (i % 7) * 0.25), u"2.5"_s,
                                   QString::number(i % 4), i == 100 ? u"*"_s : QString()});
    return in;
}

template <class F> double medianMicroseconds(int runs, F run)
{
    std::vector<double> times;
    times.reserve(static_cast<size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<size_t>(runs / 2)];
}
