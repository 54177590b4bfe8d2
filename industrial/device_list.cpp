#include "industrial/device_list.h"

#include "common/errors.h"
#include "common/number_parse.h"
#include "industrial/building_record.h"
#include "industrial/formatters.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Hours of operation the probability refers to.
constexpr long double OperatingHours = 1000.0L;

} // namespace

int shownDeviceCount(const QString& countText)
{
    int count = 0;
    if (!tryStrToInt(countText, count) || count < 0)
        return 2;
    return std::min(count, TDeviceList::MaxDevices);
}

int appliedDeviceCount(const QString& countText)
{
    int count = 0;
    const bool whole = tryStrToInt(countText, count);
    // A run of digits too long for a whole number is above 20 as well.
    const bool digitsOnly =
        !countText.isEmpty() && std::all_of(countText.cbegin(), countText.cend(),
                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (whole ? count > TDeviceList::MaxDevices : digitsOnly)
        throw ETooManyDevices();
    return shownDeviceCount(countText);
}

// Above 20 is refused rather than cut: the engineer sees why the list did not take the count.
int confirmedDeviceCount(const QString& countText)
{
    const int count = strToInt(countText);
    if (count < 0)
        throw EConvertError::notInteger(countText);
    if (count > TDeviceList::MaxDevices)
        throw ETooManyDevices();
    return count;
}

ETooManyDevices::ETooManyDevices()
    : AppError(u"Число технических средств не может быть больше 20"_s)
{
}

QString failureFreeProbability(const QString& mtbfText)
{
    const long double mtbf = str2r(mtbfText);
    if (mtbf == 0.0L)
        throw EZeroDivide();
    // A denormal MTBF overflows the quotient before exp() could hide it as 0.
    const long double rate = OperatingHours / mtbf;
    if (!std::isfinite(rate))
        throw EOverflow();
    const long double probability = std::exp(-rate);
    if (!std::isfinite(probability))
        throw EOverflow();
    return FormatFixed(8, probability);
}
