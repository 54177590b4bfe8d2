#include "public/ui/fire_frequency_dialog.h"

#include "public/ui/table_grid.h"
#include "public/ui/work_area_fit.h"

#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

TODlg1::TODlg1(const Links& links, QWidget* parent, const QString& tableFolder)
    : TableDialog(parent, u"Статистические данные о частоте возникновения пожара в зданиях"_s,
                  QSize(600, 499), tableFolder),
      m_links(links)
{
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    runFormCreate([this] { FormCreate(); });
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
    m_links.QpEdit->setText(CellSelected ? StringGrid1->cells(SelCol, SelRow)
                                         : StringGrid1->cells(1, 1));
}
