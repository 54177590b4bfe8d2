#include "industrial/ui/globals.h"

TForm1* Form1 = nullptr;
std::unique_ptr<TZdanie> Zdanie;
bool UiReady = false;

QString industrialAppTitle()
{
    return QStringLiteral("Ovrelta: Производственные объекты");
}
