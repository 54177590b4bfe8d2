#include "industrial/evacuation.h"

#include "common/number_parse.h"

using namespace Qt::Literals::StringLiterals;

namespace
{
constexpr long double Evacuated = 0.999L;
constexpr long double NotEvacuated = 0.001L;
} // namespace

long double RouteEvacProbability(long double evacTime, long double blockTime,
                                 long double startEvacTime)
{
    const long double limit = BlockShare * blockTime;
    if (startEvacTime > 0.0L) {
        if (evacTime < limit && limit < evacTime + startEvacTime)
            return (limit - evacTime) / startEvacTime;
        if (evacTime + startEvacTime <= limit)
            return Evacuated;
        return NotEvacuated;
    }
    return evacTime < limit ? Evacuated : NotEvacuated;
}

void WalkDesignPoints(TZdanie& record, const std::vector<DesignPointRow>& rows)
{
    record.RouteEvacProb = 1.0L;
    record.FireRoomMark = false;
    for (const DesignPointRow& row : rows) {
        const long double exitProb = str2r(row[0]);
        const long double evacTime = str2r(row[1]);
        const long double blockTime = str2r(row[2]);
        const long double startEvacTime = str2r(row[3]);
        if (row[4] == u"*"_s)
            record.FireRoomMark = true;
        const long double p = RouteEvacProbability(evacTime, blockTime, startEvacTime);
        if (p < record.RouteEvacProb) {
            record.RouteEvacProb = p;
            record.StartEvacTime = startEvacTime;
            record.BlockTime = blockTime;
            record.EvacTime = evacTime;
            record.ExitProb = exitProb;
        }
    }
}
