#include "public/service_location.h"

namespace
{
QString& location()
{
    static QString value = QStringLiteral(KESTRUM_SERVICE_LOCATION);
    return value;
}
} // namespace

QString calculationServiceLocation()
{
    return location();
}

void setCalculationServiceLocation(const QString& value)
{
    location() = value;
}
