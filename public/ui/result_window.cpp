#include "public/ui/result_window.h"

#include "public/ui/web_engine_browser.h"

#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

// Shown over its parent, which centres it there.
TForm4::TForm4(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setWindowTitle(u"Результат расчета"_s);
    WebBrowser1 = new WebEngineBrowser(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
    setFixedSize(513, 294);
}
