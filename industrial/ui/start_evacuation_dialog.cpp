#include "industrial/ui/start_evacuation_dialog.h"

#include "common/command_guard.h"
#include "common/key_filter.h"
#include "industrial/key_filters.h"
#include "industrial/ui/dialog_parts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The wrapped caption of a radio button: a click on it is a click on the button.
class RadioCaption : public QLabel
{
public:
    RadioCaption(const QString& text, QRadioButton* button, QWidget* parent)
        : QLabel(text, parent), m_button(button)
    {
        setWordWrap(true);
        setBuddy(button);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            m_button->isEnabled()) {
            m_button->setFocus(Qt::MouseFocusReason);
            m_button->click();
        }
        QLabel::mouseReleaseEvent(event);
    }

private:
    QRadioButton* m_button;
};

} // namespace

TStartEvacForm::TStartEvacForm(const Links& links, QWidget* parent)
    : QDialog(parent), m_links(links)
{
    setWindowTitle(u"Выберите необходимый вариант для получения времени начала эвакуации"_s);

    GroupBox1 = new QGroupBox(this);
    RadioButton1 = new QRadioButton(
        u"Здание оборудовано СОУЭ, время срабатывания системы с учетом инерционности:  "_s,
        GroupBox1);
    Edit1 = new QLineEdit(u"0,0"_s, GroupBox1);
    Edit1->setEnabled(false);
    Edit1->setMaximumWidth(80);
    installKeyFilter(Edit1, [](QChar key, const QString&) { return numericFieldKey(key); });
    RadioButton2 = new QRadioButton(
        u"Данные для расчета времени отсутствуют, этаж с очагом пожара "_s, GroupBox1);
    RadioButton3 = new QRadioButton(
        u"Данные для расчета времени отсутствуют, вышележащие этажи над этажом с очагом пожара "_s,
        GroupBox1);
    const QString hallCaption =
        u"Зальное помещение, где пожар может быть обнаружен одновременно всеми находящимися в нем людьми "_s;
    RadioButton4 = new QRadioButton(GroupBox1);
    RadioButton4->setAccessibleName(hallCaption);
    RadioButton4Label = new RadioCaption(hallCaption, RadioButton4, GroupBox1);

    // Exclusive, yet with nothing checked until the first choice.
    Buttons = new QButtonGroup(this);
    Buttons->setExclusive(true);
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        Buttons->addButton(button);

    auto* group = new QGridLayout(GroupBox1);
    group->addWidget(RadioButton1, 0, 0, 1, 2);
    group->addWidget(Edit1, 0, 2);
    group->addWidget(RadioButton2, 1, 0, 1, 3);
    group->addWidget(RadioButton3, 2, 0, 1, 3);
    group->addWidget(RadioButton4, 3, 0, Qt::AlignTop);
    group->addWidget(RadioButton4Label, 3, 1, 1, 2);
    group->setColumnStretch(1, 1);

    QDialogButtonBox* buttons = okCancelButtons(this, u"Выбрать"_s, OKBtn, CancelBtn);
    OKBtn->setDefault(true);

    nameComponents({{this, u"StartEvacForm"_s},
                    {GroupBox1, u"GroupBox1"_s},
                    {RadioButton1, u"RadioButton1"_s},
                    {Edit1, u"Edit1"_s},
                    {RadioButton2, u"RadioButton2"_s},
                    {RadioButton3, u"RadioButton3"_s},
                    {RadioButton4, u"RadioButton4"_s},
                    {OKBtn, u"OKBtn"_s},
                    {CancelBtn, u"CancelBtn"_s}});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // toggled on, not clicked: checking a button by code runs its handler too.
    auto bind = [this](QRadioButton* button, void (TStartEvacForm::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                runCommand(this, [this, handler] { (this->*handler)(); });
        });
    };
    bind(RadioButton1, &TStartEvacForm::RadioButton1Click);
    bind(RadioButton2, &TStartEvacForm::RadioButton2Click);
    bind(RadioButton3, &TStartEvacForm::RadioButton2Click);
    bind(RadioButton4, &TStartEvacForm::RadioButton2Click);
    connect(OKBtn, &QPushButton::clicked, this, guarded(this, [this] { OKBtnClick(); }));
}

void TStartEvacForm::RadioButton1Click()
{
    Edit1->setEnabled(true);
}

void TStartEvacForm::RadioButton2Click()
{
    Edit1->setEnabled(false);
}

void TStartEvacForm::OKBtnClick()
{
    QLineEdit* target = m_links.Edit4;
    if (RadioButton1->isChecked())
        target->setText(Edit1->text());
    else if (RadioButton2->isChecked())
        target->setText(u"0,5"_s);
    else if (RadioButton3->isChecked())
        target->setText(u"2,00"_s);
    else if (RadioButton4->isChecked())
        target->setText(u"0,0"_s);
    accept();
}

void TStartEvacForm::showEvent(QShowEvent* event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}
