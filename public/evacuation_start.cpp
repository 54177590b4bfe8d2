#include "public/evacuation_start.h"

#include "common/decimal_format.h"
#include "common/number_parse.h"

long double fireRoomArea(const QString& text)
{
    long double area = 0.0L;
    // A negative area, pasted past the key filter, would be stored into object files that no load
    // takes: it counts as no area too.
    if (!textToFloat(text, area) || area <= 0.0L)
        return 1.0L;
    return area;
}

long double fireRoomStartTime(long double area)
{
    return (0.01L * area + 5.0L) / 60.0L;
}

QString fireRoomStartText(long double area)
{
    return formatDecimals(fireRoomStartTime(area), 3);
}
