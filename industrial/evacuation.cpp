#include "industrial/evacuation.h"

#include "common/number_parse.h"
#include "industrial/control_places.h"

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

long double designPointValue(const DesignPointRow& row, std::size_t index, int column)
{
    return atPlace(form1Cell(u"StringGrid1"_s, column, static_cast<int>(index) + 1), [&] {
        const QString& text = row.at(static_cast<std::size_t>(column));
        const long double value = str2r(text);
        // A probability above 1 or a negative time would give a negative risk.
        if (column == ExitProbColumn && !(value >= 0.0L && value <= 1.0L))
            throw EOutOfRange(0, 1);
        if (column != ExitProbColumn && value < 0.0L)
            throw ENegativeValue(text);
        return value;
    });
}

void WalkDesignPoints(TZdanie& record, const std::vector<DesignPointRow>& rows)
{
    record.RouteEvacProb = 1.0L;
    record.FireRoomMark = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DesignPointRow& row = rows[i];
        const auto cell = [&](int column) { return designPointValue(row, i, column); };
        const long double exitProb = cell(ExitProbColumn);
        const long double evacTime = cell(2);
        const long double blockTime = cell(3);
        const long double startEvacTime = cell(4);
        if (row[5] == u"*"_s)
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
