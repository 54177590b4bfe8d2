#include "public/ui/evacuation_start_dialog.h"

#include "common/command_guard.h"
#include "common/key_filter.h"
#include "common/labeled_edit.h"
#include "common/number_parse.h"
#include "public/evacuation_start.h"
#include "public/key_filters.h"
#include "public/ui/table_grid.h"
#include "public/ui/work_area_fit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TODlg2::TODlg2(const Links& links, QWidget* parent, const QString& tableFolder)
    : TableDialog(parent, u"Данные для определения времени начала эвакуации"_s, QSize(588, 635),
                  tableFolder),
      m_links(links)
{
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    CB = new QCheckBox(u"Помещение с очагом пожара"_s, Panel1);
    LabeledEdit1 = new LabeledEdit(u"Площадь помещения с очагом пожара, кв. м"_s,
                                   LabeledEdit::LabelPosition::Right, Panel1);
    LabeledEdit1->edit()->setFixedWidth(121);
    LabeledEdit1->setMaxLength(5);
    LabeledEdit1->setText(u"1"_s);
    LabeledEdit1->setEnabled(false);
    panelLayout()->insertWidget(0, CB);
    panelLayout()->insertWidget(1, LabeledEdit1);
    connect(CB, &QCheckBox::toggled, this, guarded(this, [this] { CBClick(); }));
    installKeyFilter(LabeledEdit1->edit(), [this](QChar key, const QString&) {
        LabeledEdit1KeyPress(key);
        return key;
    });

    runFormCreate([this] { FormCreate(); });
    showChoice(); // also when the table failed: the design grid's first cell is nobody's choice
}

void TODlg2::FormCreate()
{
    loadTable(u"table1.rrt"_s);
    StringGrid1->setDefaultColWidth(gridClientWidth() / 4);
    // A table file that ends with an empty line shows no empty last row.
    const int last = StringGrid1->rowCount() - 1;
    if (last > 0 && StringGrid1->cells(0, last).isEmpty())
        StringGrid1->setRowCount(last);
    CellSelected = false;
    FitToWorkArea(this);
}

void TODlg2::OKBtnClick()
{
    const long double area = fireRoomArea(LabeledEdit1->text());
    m_links.storeFireRoomAr(area);
    m_links.LabeledEdit6->setText(CellSelected ? StringGrid1->cells(SelCol, SelRow)
                                               : fireRoomStartText(area));
}

void TODlg2::CBClick()
{
    if (!CB->isChecked()) {
        StringGrid1->setEnabled(true);
        LabeledEdit1->setEnabled(false);
        LabeledEdit1->setText(u"1"_s);
    } else {
        StringGrid1->setEnabled(false);
        CellSelected = false;
        LabeledEdit1->setEnabled(true);
    }
    showChoice();
}

void TODlg2::FormShow()
{
    const bool defaultArea = LabeledEdit1->text() == u"1"_s;
    CB->setChecked(!defaultArea); // a change runs CBClick
    StringGrid1->setEnabled(defaultArea);
    showChoice();
}

void TODlg2::showChoice()
{
    StringGrid1->showChoice(CellSelected, SelCol, SelRow);
}

void TODlg2::LabeledEdit1KeyPress(QChar& key)
{
    key = numericEditKey(key, LabeledEdit1->text(), decimalSeparator());
}

void TODlg2::showEvent(QShowEvent* event)
{
    runCommand(this, [this] { FormShow(); });
    TableDialog::showEvent(event);
}
