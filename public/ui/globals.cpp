#include "public/ui/globals.h"

TMainForm* MainForm = nullptr;
std::unique_ptr<TZdanie> Zdanie;

QString publicAppTitle()
{
    return QStringLiteral("Ovrelta");
}
