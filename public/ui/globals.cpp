#include "public/ui/globals.h"

TMainForm* MainForm = nullptr;
std::unique_ptr<TZdanie> Zdanie;
TODlg1* ODlg1 = nullptr;
TODlg2* ODlg2 = nullptr;

QString publicAppTitle()
{
    return QStringLiteral("Ovrelta");
}
