#include "public/ui/table_dialog.h"

#include "common/command_guard.h"
#include "public/ui/table_grid.h"
#include "public/ui/work_area_fit.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TableDialog::TableDialog(QWidget* parent, const QString& caption, const QSize& clientSize,
                         const QString& tableFolder)
    : QDialog(parent), m_tableFolder(tableFolder)
{
    setWindowTitle(caption);
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);

    StringGrid1 = new TableGrid(this);
    connect(StringGrid1, &TableGrid::cellSelected, this, &TableDialog::StringGrid1SelectCell);

    Panel1 = new QWidget(this);
    m_panelLayout = new QVBoxLayout(Panel1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Panel1);
    OKBtn = buttons->button(QDialogButtonBox::Ok);
    OKBtn->setText(u"Готово"_s);
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    CancelBtn = buttons->button(QDialogButtonBox::Cancel);
    CancelBtn->setText(u"Отмена"_s);
    CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    CancelBtn->setAutoDefault(false);
    OKBtn->setDefault(true); // Enter anywhere in the dialog means "Готово"
    connect(buttons, &QDialogButtonBox::accepted, this, guarded(this, [this] {
                OKBtnClick();
                accept();
            }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_panelLayout->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(Panel1);

    setDesignSize(this, DesignSize{clientSize, false});
    layout->activate(); // the grid's size before the window is shown: creation measures it
}

void TableDialog::runFormCreate(const std::function<void()>& formCreate)
{
    runCommand(this, formCreate);
    // A dialog frame: the user does not resize it.
    setFixedSize(size());
}

void TableDialog::loadTable(const QString& fileName)
{
    TablePath = m_tableFolder + fileName;
    LoadStringGrid(*StringGrid1, TablePath);
}

int TableDialog::gridClientWidth() const
{
    int width = StringGrid1->contentsRect().width();
    if (StringGrid1->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        width -=
            StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, StringGrid1);
    return width;
}

void TableDialog::StringGrid1SelectCell(int col, int row)
{
    SelCol = col;
    SelRow = row;
    CellSelected = true;
}
