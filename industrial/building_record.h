#pragma once

#include "common/short_text.h"

#include <QString>
#include <array>
#include <cstdint>

// One protection system's devices: rows 1..Count of Cells are in use.
struct TDeviceList {
    static constexpr int MaxDevices = 20;
    enum Column { Name = 0, Mtbf = 1, Probability = 2 };

    // Column first, rows 1..20 (index row - 1).
    std::array<std::array<ShortText, MaxDevices>, 3> Cells{};
    std::uint8_t Count = 0;
    std::uint8_t Mode = 0; // 0 series, 1 parallel

    const ShortText& cell(int col, int row) const { return Cells.at(col).at(row - 1); }
    ShortText& cell(int col, int row) { return Cells.at(col).at(row - 1); }
};

// The building record of one industrial object: the inputs that are not read from the main
// window's controls, and every result of the last calculation.
class TZdanie {
public:
    long double FireFreq = 0;
    long double FreqTableMark = 0;
    long double FreqCoefA = 0;
    long double FreqExpB = 0;
    long double IndividualRisk = 0;
    long double PotentialRisk = 0;
    long double EffAupt = 0;
    long double EffProtection = 0;
    long double PresenceProb = 0;
    long double EvacProb = 0;
    long double ExitProb = 0;
    long double RouteEvacProb = 0;
    long double EvacTime = 0;
    long double StartEvacTime = 0;
    long double BlockTime = 0;
    long double EffAps = 0;
    long double EffSoue = 0;
    long double HarmProb = 0;
    long double EffSpdz = 0;
    QString FileName;
    ShortText HoursPerDay;
    ShortText DaysPerYear;
    ShortText Areas;
    bool FireRoomMark = false;
    TDeviceList ApsDevices;
    TDeviceList SoueDevices;
    TDeviceList AuptDevices;
    TDeviceList SpdzDevices;
};
