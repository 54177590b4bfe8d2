#include "public/ui/fire_frequency_dialog.h"

#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "public/ui/table_grid.h"
#include "public/ui/work_area_fit.h"

#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

TODlg1::TODlg1(QWidget* parent, const QString& tableFolder)
    : TableDialog(parent, u"Статистические данные о частоте возникновения пожара в зданиях"_s,
                  QSize(600, 499), tableFolder)
{
    ODlg1 = this;
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    runFormCreate([this] { FormCreate(); });
}

TODlg1::~TODlg1()
{
    if (ODlg1 == this)
        ODlg1 = nullptr;
}

void TODlg1::FormCreate()
{
    loadTable(u"table2.rrt"_s);
    StringGrid1->setDefaultColWidth(gridClientWidth() / StringGrid1->columnCount() - 1);
    CellSelected = false;
    FitToWorkArea(this);
}

void TODlg1::OKBtnClick()
{
    // Without a selection, the first data cell.
    MainForm->QpEdit->setText(CellSelected ? StringGrid1->cells(SelCol, SelRow)
                                           : StringGrid1->cells(1, 1));
}
