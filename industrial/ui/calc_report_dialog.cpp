#include "industrial/ui/calc_report_dialog.h"

#include "common/command_guard.h"
#include "common/icons.h"
#include "common/value_list_editor.h"
#include "industrial/ui/dialog_parts.h"

#include <QHeaderView>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace
{
constexpr int RowHeight = 24;
} // namespace

TCalcReport::TCalcReport(const Links& links, QWidget* parent) : QDialog(parent), m_links(links)
{
    setWindowTitle(u"Результаты расчета"_s);
    setFixedSize(574, 422);

    ValueListEditor1 = new ValueListEditor(u"Параметр"_s, u"Значение"_s, this);
    ValueListEditor1->setGeometry(0, 0, width(), 369);
    ValueListEditor1->setColumnWidth(0, 443);
    ValueListEditor1->setColumnWidth(1, 125);
    ValueListEditor1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ValueListEditor1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    ValueListEditor1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ValueListEditor1->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Rows of the grid's usual height; a caption too long for its column wraps onto a taller row.
    ValueListEditor1->setWordWrap(true);
    ValueListEditor1->verticalHeader()->setMinimumSectionSize(RowHeight);
    ValueListEditor1->verticalHeader()->setDefaultSectionSize(RowHeight);

    OKButton = new QPushButton(u"Готово"_s, this);
    OKButton->setGeometry(255, 384, 75, 25);
    OKButton->setDefault(true);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(u"Отчёт"_s);
    SpeedButton1->setIcon(reportIcon());
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButton1->setGeometry(464, 384, 81, 25);
    SpeedButton1->setFocusPolicy(Qt::NoFocus); // a speed button takes no focus

    nameComponents({{this, u"CalcReport"_s},
                    {ValueListEditor1, u"ValueListEditor1"_s},
                    {OKButton, u"OKButton"_s},
                    {SpeedButton1, u"SpeedButton1"_s}});

    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(SpeedButton1, &QToolButton::clicked, this,
            guarded(this, [this] { SpeedButton1Click(); }));
}

void TCalcReport::showResults(const std::vector<std::pair<QString, QString>>& rows)
{
    QStringList keys;
    for (const auto& row : rows)
        keys << row.first;
    ValueListEditor1->setKeys(keys);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        ValueListEditor1->setValue(r + 1, rows[static_cast<size_t>(r)].second);
    ValueListEditor1->resizeRowsToContents();
}

void TCalcReport::SpeedButton1Click()
{
    m_links.BuildReport();
}

void TCalcReport::showEvent(QShowEvent* event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}
