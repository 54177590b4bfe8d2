#include "public/calculation_request.h"

#include "common/decimal_format.h"
#include "public/web_browser.h"

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr long double KfpsFixed = 0.95L;
constexpr long double KfFixed = 0.75L;
constexpr long double KevFixed = 0.8L;

constexpr int ClassF1_1 = 0;
constexpr int ClassF1_3 = 2;
constexpr int ClassF1_4 = 3;

} // namespace

long double GetKfps(const TZdanie& record)
{
    return record.Dislocation ? KfpsFixed : 0.0L;
}

long double GetKf(const TZdanie& record)
{
    const bool applies = (record.FClass == ClassF1_1 && record.SredstvaPoj) ||
                         (record.FClass == ClassF1_3 && record.AvarVih) ||
                         record.FClass == ClassF1_4;
    return applies ? KfFixed : 0.0L;
}

long double GetKev(const TZdanie& record)
{
    return record.PutiEvac ? KevFixed : 0.0L;
}

QString FloatToQueryStr(long double value)
{
    // Formatted in the locale's convention; its decimal comma is the only "," the text can hold.
    QString text = formatDecimals(value, 16);
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0)
        text[comma] = u'.';
    return text;
}

QString calculationScript(int fClass)
{
    const bool dwelling = fClass == ClassF1_1 || fClass == ClassF1_3 || fClass == ClassF1_4;
    return dwelling ? u"/Xeb/Xeb_our_f1.php"_s : u"/Xeb/Xeb_our_fn.php"_s;
}

QString calculationAddress(const QString& serviceLocation, const TZdanie& z)
{
    const auto& p = z.Par;
    const std::pair<QString, QString> query[] = {
        {u"?Qp="_s, FloatToQueryStr(p[ParSlot::Qp])},
        {u"&Rap="_s, FloatToQueryStr(p[ParSlot::Rap])},
        {u"&FClass="_s, FloatToQueryStr(z.FClass)},
        {u"&Ne="_s, FloatToQueryStr(z.Ne)},
        {u"&Nneev="_s, FloatToQueryStr(z.Nneev)},
        {u"&Kfps="_s, FloatToQueryStr(GetKfps(z))},
        {u"&Kf="_s, FloatToQueryStr(GetKf(z))},
        {u"&Kev="_s, FloatToQueryStr(GetKev(z))},
        {u"&Tf="_s, FloatToQueryStr(p[ParSlot::Tf])},
        {u"&Tr="_s, FloatToQueryStr(p[ParSlot::Tr])},
        {u"&Tne="_s, FloatToQueryStr(p[ParSlot::Tne])},
        {u"&Tbl="_s, FloatToQueryStr(p[ParSlot::Tbl])},
        {u"&Tsk="_s, FloatToQueryStr(p[ParSlot::Tsk])},
        {u"&Robn="_s, FloatToQueryStr(p[ParSlot::Robn])},
        {u"&Rsoue="_s, FloatToQueryStr(p[ParSlot::Rsoue])},
        {u"&Rpdz="_s, FloatToQueryStr(p[ParSlot::Rpdz])},
        {u"&Ns="_s, QString::number(z.NomScen)},
        {u"&FireRoomAr="_s, FloatToQueryStr(z.FireRoomAr)},
    };
    QString address = serviceLocation + calculationScript(z.FClass);
    for (const auto& [key, value] : query)
        address += key + value;
    return address;
}

void loadCalculationPage(TWebBrowser& browser, const QString& address)
{
    browser.Navigate(u"about:blank"_s);
    const int flags = TWebBrowser::navNoReadFromCache;
    if (browser.LocationURL() == address)
        browser.Refresh();
    else
        browser.Navigate(address, flags);
}
