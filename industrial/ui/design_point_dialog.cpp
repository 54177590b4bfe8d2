#include "industrial/ui/design_point_dialog.h"

#include "common/command_guard.h"
#include "common/icons.h"
#include "common/key_filter.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "industrial/formatters.h"
#include "industrial/key_filters.h"
#include "industrial/parameters_file.h"
#include "industrial/ui/dialog_parts.h"
#include "industrial/ui/exit_probability_dialog.h"
#include "industrial/ui/start_evacuation_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace
{

QLineEdit* numericEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(u"0"_s, parent);
    installKeyFilter(edit, [](QChar key, const QString&) { return numericFieldKey(key); });
    // The text goes as typed into a grid cell, and from there into a line of the parameters file.
    setTypingLimit(edit, ParametersMaxLineLength);
    return edit;
}

QToolButton* chooserButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    setPictureHint(button, u"Выбор значения из таблицы"_s);
    // A speed button takes no focus: the tab order runs through the fields only.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TForm6::TForm6(const Links& links, QWidget* parent) : QDialog(parent), m_links(links)
{
    setWindowTitle(u"Расчет вероятности эвакуации"_s);

    Label1 =
        new QLabel(u"Вероятность выхода из здания людей через аварийные или иные выходы"_s, this);
    Edit1 = numericEdit(this);
    SpeedButton1 = chooserButton(this);
    Label2 = new QLabel(u"Расчетное время эвакуации, мин"_s, this);
    Edit2 = numericEdit(this);
    Label3 = new QLabel(u"Время блокирования путей эвакуции, мин"_s, this);
    Edit3 = numericEdit(this);
    CheckBox1 = new QCheckBox(u"Помещение с очагом пожара, не являющегося зальным"_s, this);
    CheckBox1->setLayoutDirection(Qt::RightToLeft); // caption on the left of the box
    Label4 = new QLabel(u"Время начала эвакуации, мин"_s, this);
    Edit4 = numericEdit(this);
    SpeedButton2 = chooserButton(this);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Edit3);
    Label4->setBuddy(Edit4);

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::StyledPanel);
    BitBtn1 = new QPushButton(addRowIcon(), u"Добавить"_s, Panel1);
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->addStretch();
    panelLayout->addWidget(BitBtn1);
    panelLayout->addStretch();

    auto* fields = new QGridLayout;
    int row = 0;
    auto addField = [&](QLabel* label, QLineEdit* edit, QToolButton* button) {
        fields->addWidget(label, row++, 0, 1, 2);
        fields->addWidget(edit, row, 0);
        if (button)
            fields->addWidget(button, row, 1);
        ++row;
    };
    addField(Label1, Edit1, SpeedButton1);
    addField(Label2, Edit2, nullptr);
    addField(Label3, Edit3, nullptr);
    fields->addWidget(CheckBox1, row++, 0, 1, 2, Qt::AlignLeft);
    addField(Label4, Edit4, SpeedButton2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Panel1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    nameComponents({{this, u"Form6"_s},
                    {Label1, u"Label1"_s},
                    {Edit1, u"Edit1"_s},
                    {SpeedButton1, u"SpeedButton1"_s},
                    {Label2, u"Label2"_s},
                    {Edit2, u"Edit2"_s},
                    {Label3, u"Label3"_s},
                    {Edit3, u"Edit3"_s},
                    {CheckBox1, u"CheckBox1"_s},
                    {Label4, u"Label4"_s},
                    {Edit4, u"Edit4"_s},
                    {SpeedButton2, u"SpeedButton2"_s},
                    {Panel1, u"Panel1"_s},
                    {BitBtn1, u"BitBtn1"_s}});

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, CheckBox1);
    setTabOrder(CheckBox1, Edit4);
    setTabOrder(Edit4, BitBtn1);

    connect(SpeedButton1, &QToolButton::clicked, this,
            guarded(this, [this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &QToolButton::clicked, this,
            guarded(this, [this] { SpeedButton2Click(); }));
    // toggled, not clicked: the rule must also run when the program sets the box.
    connect(CheckBox1, &QCheckBox::toggled, this, guarded(this, [this] { CheckBox1Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, guarded(this, [this] { BitBtn1Click(); }));
}

void TForm6::SpeedButton1Click()
{
    m_links.EvacForm()->exec();
}

void TForm6::SpeedButton2Click()
{
    TStartEvacForm* chooser = m_links.StartEvacForm();
    const int soue = m_links.RadioGroup6->itemIndex();
    if (soue == 0 || soue == 3) {
        chooser->RadioButton1->setChecked(true);
        chooser->RadioButton1Click(); // enables its edit also when the button was already checked
    }
    chooser->exec();
}

void TForm6::CheckBox1Click()
{
    TStartEvacForm* chooser = m_links.StartEvacForm();
    const bool fireRoom = CheckBox1->isChecked();
    chooser->RadioButton1->setEnabled(!fireRoom);
    chooser->Edit1->setEnabled(!fireRoom);
    if (fireRoom) {
        chooser->RadioButton2->setChecked(true);
        Edit4->setText(u"0,5"_s);
    } else {
        Edit4->setText(FormatFixed(6, m_links.StartEvacTime()));
    }
    Edit4->setEnabled(!fireRoom);
    SpeedButton2->setEnabled(!fireRoom);
}

void TForm6::BitBtn1Click()
{
    StringGrid* grid = m_links.StringGrid1;
    // A last row without a name is reused: it is the empty row of a fresh or emptied grid.
    if (!grid->cells(0, grid->rowCount() - 1).isEmpty())
        grid->setRowCount(grid->rowCount() + 1);
    const int row = grid->rowCount() - 1;
    grid->setCells(0, row, u"Расчетная точка "_s + QString::number(row));
    grid->setCells(1, row, Edit1->text());
    grid->setCells(2, row, Edit2->text());
    grid->setCells(3, row, Edit3->text());
    grid->setCells(4, row, Edit4->text());
    grid->setCells(5, row, CheckBox1->isChecked() ? u"*"_s : QString());
    accept();
}

void TForm6::resetFields()
{
    CheckBox1->setChecked(false);
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4})
        edit->setText(u"0"_s);
}

void TForm6::showEvent(QShowEvent* event)
{
    centreOver(this, parentWidget());
    QDialog::showEvent(event);
}
