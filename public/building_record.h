#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Slots of TZdanie::Par, named by the keys of the calculation request. Slots 0, 3, 5 and 6 are
// reserved: zero in a new record, only carried through the object file.
namespace ParSlot
{
constexpr int Qp = 1;     // fire frequency in the building per year
constexpr int Rap = 2;    // automatic extinguishing (АУП)
constexpr int Tf = 4;     // time people are in the building, hours
constexpr int Tr = 7;     // calculated evacuation time, minutes
constexpr int Tne = 8;    // evacuation start time, minutes
constexpr int Tbl = 9;    // blocking time of the evacuation routes, minutes
constexpr int Tsk = 10;   // existence time of crowds on route sections, minutes
constexpr int Robn = 11;  // fire alarm (АПС)
constexpr int Rsoue = 12; // warning and evacuation management (СОУЭ)
constexpr int Rpdz = 13;  // smoke protection (СПДЗ)
} // namespace ParSlot

// Every input of one public building and the protection-system probabilities. A new record holds
// zeros, false and empty texts; NewPar sets what differs from that.
class TZdanie
{
public:
    static constexpr int ParCount = 14;

    std::array<long double, ParCount> Par{};
    QString FileName;
    std::int32_t NomScen = 0;
    long double FireRoomAr = 0; // area of the room of fire origin, m²
    std::int32_t FClass = 0; // item of RBFClass: 0 Ф1.1, 1 Ф1.2, 2 Ф1.3, 3 Ф1.4, 4 Ф2 ... 7 Ф5
    std::int32_t ReservedInt = 0;
    long double Ne = 0;    // people evacuating
    long double Nneev = 0; // people not evacuated
    bool Dislocation = false;
    bool SredstvaPoj = false;
    bool AvarVih = false;
    bool PutiEvac = false;
};
