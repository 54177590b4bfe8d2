#pragma once

#include <QString>

// Where the calculation service answers, without a trailing slash: fixed when the program is
// built (the KESTRUM_SERVICE_LOCATION cache variable).
QString calculationServiceLocation();

// Tests point the program at a server of their own.
void setCalculationServiceLocation(const QString& location);
