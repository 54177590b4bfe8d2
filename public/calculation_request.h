#pragma once

#include "public/building_record.h"

#include <QString>

class TWebBrowser;

// Coefficients that the calculation service takes from the class and the four conditions.
long double GetKfps(const TZdanie& record);
long double GetKf(const TZdanie& record);
long double GetKev(const TZdanie& record);

// A value as the query carries it: at most 16 decimals, "." as separator whatever the locale,
// no separator for whole values; "NAN", "INF", "-INF" for values that are not finite.
QString FloatToQueryStr(long double value);

// The service's script for a class: one for Ф1.1, Ф1.3 and Ф1.4, one for every other class.
QString calculationScript(int fClass);

// The request for the record's inputs: location (no trailing slash), script and all 18
// parameters in their fixed order, nothing escaped.
QString calculationAddress(const QString& serviceLocation, const TZdanie& record);

// Blanks the browser, then points it at the address without the cache, or refreshes it when it
// still reports that address.
void loadCalculationPage(TWebBrowser& browser, const QString& address);
