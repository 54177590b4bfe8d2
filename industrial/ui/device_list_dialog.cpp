#include "industrial/ui/device_list_dialog.h"

#include "common/command_guard.h"
#include "common/errors.h"
#include "common/icons.h"
#include "common/key_filter.h"
#include "common/number_parse.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/window_routines.h"
#include "industrial/building_record.h"
#include "industrial/device_list.h"
#include "industrial/key_filters.h"
#include "industrial/ui/dialog_parts.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{
constexpr int ColumnWidths[] = {338, 102, 132};
constexpr int GridHeight = 241;

// Reads the count field with `read`; a failure names the field and gives it the focus.
int readCountField(const QLineEdit* edit, int (*read)(const QString&))
{
    return atPlace(ErrorPlace::field(edit->objectName()), [&] { return read(edit->text()); });
}
} // namespace

TEffectCalcForm::TEffectCalcForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(u"Расчет эффективности срабатывания системы"_s);

    RadioGroup1 = new RadioGroup(u" Выбор порядка соединения тех. средств системы "_s,
                                 {u"Последовательное"_s, u"Параллельное"_s}, this);
    RadioGroup1->setItemIndex(0);

    GroupBox1 = new QGroupBox(u" Число технических средств системы: "_s, this);
    Edit1 = new QLineEdit(u"2"_s, GroupBox1);
    Edit1->setObjectName(u"Edit1"_s);
    Edit1->setMaximumWidth(80);
    installKeyFilter(Edit1, [](QChar key, const QString&) { return deviceCountKey(key); });
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), u"Применить"_s,
                              GroupBox1);
    auto* countRow = new QHBoxLayout(GroupBox1);
    countRow->addWidget(Edit1);
    countRow->addWidget(BitBtn1);
    countRow->addStretch();

    StringGrid1 = new StringGrid(3, 3, 1, 0, this);
    StringGrid1->setObjectName(u"StringGrid1"_s);
    int gridWidth = 0;
    for (int col = 0; col < 3; ++col) {
        StringGrid1->setColumnWidth(col, ColumnWidths[col]);
        gridWidth += ColumnWidths[col];
    }
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFixedSize(gridWidth + 2 * StringGrid1->frameWidth() +
                                  StringGrid1->verticalScrollBar()->sizeHint().width(),
                              GridHeight);
    StringGrid1->setDrawCellHandler(StringGrid1DrawCell);
    // `text` is the cell's text, or its editor's while the cell is edited.
    installKeyFilter(StringGrid1, [grid = StringGrid1](QChar key, const QString& text) {
        return deviceGridKey(grid->currentColumn(), key, text, decimalSeparator());
    });

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(u"Расчитать вероятность для приборов"_s);
    SpeedButton1->setIcon(calculateIcon());
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QDialogButtonBox* buttons = okCancelButtons(this, u"Готово"_s, OKBtn, CancelBtn);
    // Enter in the count field applies the count.
    BitBtn1->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addWidget(GroupBox1);
    layout->addWidget(StringGrid1);
    layout->addWidget(SpeedButton1, 0, Qt::AlignRight);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn1, &QPushButton::clicked, this, guarded(this, [this] { BitBtn1Click(); }));
    connect(SpeedButton1, &QToolButton::clicked, this,
            guarded(this, [this] { SpeedButton1Click(); }));
    connect(OKBtn, &QPushButton::clicked, this, guarded(this, [this] { OKBtnClick(); }));
    // A probability worked out from an earlier MTBF no longer belongs to the row.
    connect(StringGrid1, &StringGrid::cellEdited, this, [this](int col, int row) {
        if (col == TDeviceList::Mtbf)
            StringGrid1->setCells(TDeviceList::Probability, row, QString());
    });

    FormCreate();
}

void TEffectCalcForm::FormCreate()
{
    StringGrid1->setCells(0, 0, u"Название прибора"_s);
    StringGrid1->setCells(1, 0, u"Наработка на отказ, час"_s);
    StringGrid1->setCells(2, 0, u"Вероятность безотказной работы"_s);
}

void TEffectCalcForm::showEvent(QShowEvent* event)
{
    StringGrid1->setRowCount(shownDeviceCount(Edit1->text()) + 1);
    centreOnScreen(this);
    QDialog::showEvent(event);
}

// Each button commits a cell still being edited first: the probability button takes no focus, so
// the editor would stay open and its text unread.
void TEffectCalcForm::BitBtn1Click()
{
    commitOpenEditor(StringGrid1);
    const int count = readCountField(Edit1, appliedDeviceCount);
    if (count > 0)
        StringGrid1->setRowCount(count + 1);
}

void TEffectCalcForm::SpeedButton1Click()
{
    commitOpenEditor(StringGrid1);
    // Every row is worked out before any is written: a failing row, named with its cell, leaves
    // the grid as it was.
    std::vector<std::pair<int, QString>> probabilities;
    for (int row = 1; row < StringGrid1->rowCount(); ++row) {
        const QString mtbf = StringGrid1->cells(TDeviceList::Mtbf, row);
        if (mtbf.isEmpty())
            continue;
        probabilities.emplace_back(
            row, atPlace(ErrorPlace::cell(StringGrid1->objectName(), TDeviceList::Mtbf, row),
                         [&] { return failureFreeProbability(mtbf); }));
    }
    for (const auto& [row, probability] : probabilities)
        StringGrid1->setCells(TDeviceList::Probability, row, probability);
}

// A count the list cannot take is refused while the dialog stays open, so nothing typed is lost.
void TEffectCalcForm::OKBtnClick()
{
    commitOpenEditor(StringGrid1);
    readCountField(Edit1, confirmedDeviceCount);
    accept();
}

void TEffectCalcForm::resetFields()
{
    RadioGroup1->setItemIndex(0);
    Edit1->setText(u"2"_s);
}

void EditDeviceList(TEffectCalcForm& form, TDeviceList& list)
{
    const int shown = list.Count == 0 ? 2 : std::min<int>(list.Count, TDeviceList::MaxDevices);
    form.RadioGroup1->setItemIndex(list.Mode);
    form.Edit1->setText(QString::number(shown));
    // Every row, shown or not: a row the count raises is this list's own, never another system's.
    for (int col = 0; col < 3; ++col)
        for (int row = 1; row <= TDeviceList::MaxDevices; ++row)
            form.StringGrid1->setCells(col, row, list.cell(col, row));

    if (form.exec() != QDialog::Accepted)
        return;

    // "Готово" has refused a bad count already; should it get here, nothing is stored.
    const int count = confirmedDeviceCount(form.Edit1->text());
    list.Count = static_cast<std::uint8_t>(count);
    list.Mode = form.RadioGroup1->itemIndex() == 0 ? 0 : 1;
    for (int col = 0; col < 3; ++col)
        for (int row = 1; row <= count; ++row)
            list.cell(col, row) = form.StringGrid1->cells(col, row);
}
