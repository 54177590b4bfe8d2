#pragma once

#include "common/errors.h"

#include <QString>

// Rules of the device-list dialog, apart from its widgets.

// Devices shown for a count field: its whole number, 2 when it holds none, at most 20.
int shownDeviceCount(const QString& countText);

// Devices "Применить" shows: as shownDeviceCount (0 leaves the grid as it is), but a count above
// 20, however long its run of digits, throws ETooManyDevices.
int appliedDeviceCount(const QString& countText);

// The count confirmed with "Готово": throws EConvertError when the field holds no whole number,
// and ETooManyDevices above 20.
int confirmedDeviceCount(const QString& countText);

// "Число технических средств не может быть больше 20"
class ETooManyDevices : public AppError
{
public:
    ETooManyDevices();
};

// Probability of failure-free operation over 1000 hours for an MTBF text, as FormatFixed(8).
// Throws EConvertError for a text that is no number and EZeroDivide for 0.
QString failureFreeProbability(const QString& mtbfText);
