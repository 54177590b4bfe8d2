#include "industrial/ui/exit_probability_dialog.h"

#include "common/command_guard.h"
#include "common/radio_group.h"
#include "industrial/ui/dialog_parts.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TEvacForm::TEvacForm(const Links& links, QWidget* parent) : QDialog(parent), m_links(links)
{
    setWindowTitle(u"Выберите значение"_s);

    RadioGroup1 = new RadioGroup(
        QString(),
        {u"Аварийные или иные выходы имеются, но значение вероятности эвакуации через них отсуствуют"_s,
         u"Аварийные или иные выходы отсутствуют"_s},
        this);
    RadioGroup1->setItemIndex(0);

    QDialogButtonBox* buttons = okCancelButtons(this, u"Выбор"_s, OKBtn, CancelBtn);
    OKBtn->setDefault(true);

    nameComponents({{this, u"EvacForm"_s},
                    {RadioGroup1, u"RadioGroup1"_s},
                    {OKBtn, u"OKBtn"_s},
                    {CancelBtn, u"CancelBtn"_s}});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, guarded(this, [this] { OKBtnClick(); }));
}

void TEvacForm::OKBtnClick()
{
    switch (RadioGroup1->itemIndex()) {
    case 0:
        m_links.Edit1->setText(u"0,03"_s);
        break;
    case 1:
        m_links.Edit1->setText(u"0,001"_s);
        break;
    default:
        break;
    }
    accept();
}

void TEvacForm::resetFields()
{
    RadioGroup1->setItemIndex(0);
}

void TEvacForm::showEvent(QShowEvent* event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}
