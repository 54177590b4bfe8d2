#include "industrial/ui/globals.h"

#include "industrial/ui/main_window.h"

TForm1* Form1 = nullptr;
std::unique_ptr<TZdanie> Zdanie;
bool UiReady = false;

TForm6* Form6()
{
    return Form1->form6();
}
TEvacForm* EvacForm()
{
    return Form1->evacForm();
}
TStartEvacForm* StartEvacForm()
{
    return Form1->startEvacForm();
}
TEffectCalcForm* EffectCalcForm()
{
    return Form1->effectCalcForm();
}
TCalcReport* CalcReport()
{
    return Form1->calcReport();
}

QString industrialAppTitle()
{
    return QStringLiteral("Ovrelta: Производственные объекты");
}
