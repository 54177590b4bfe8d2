#include "public/ui/main_window.h"

#include "common/command_guard.h"
#include "common/command_toolbar.h"
#include "common/icons.h"
#include "common/key_filter.h"
#include "common/labeled_edit.h"
#include "common/number_parse.h"
#include "common/radio_group.h"
#include "common/window_routines.h"
#include "public/key_filters.h"
#include "public/ui/evacuation_start_dialog.h"
#include "public/ui/fire_frequency_dialog.h"
#include "public/ui/globals.h"
#include "public/ui/path_label.h"
#include "public/ui/work_area_fit.h"
#include "public/ui/wrapping_check_box.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Every edit of the input groups is this wide, its left edge this far from its group's left.
constexpr int EditLeft = 352;
constexpr int EditWidth = 121;
constexpr int GroupMargin = 8;
constexpr int LabelGap = 4;
const QSize TableButtonSize(30, 28);

constexpr const char* TagProperty = "Tag";

QStringList protectionItems(const QString& system)
{
    return {u"Здание оборудовано "_s + system + u", соответствующей требованиям НД по ПБ"_s,
            u"Оборудование здания "_s + system +
                u" не требуется в соответствии с требованиями НД по ПБ"_s,
            u"Иное (принять равным 0)"_s};
}

// The label ends where the edit begins, at EditLeft within a group of GroupMargin.
void alignEdit(QLabel* label, QLineEdit* edit)
{
    label->setFixedWidth(EditLeft - GroupMargin - LabelGap);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setWordWrap(true); // a caption longer than its place takes a second line
    edit->setFixedWidth(EditWidth);
}

LabeledEdit* numericEdit(const QString& caption, int tag, QWidget* group)
{
    auto* edit = new LabeledEdit(caption, LabeledEdit::LabelPosition::Left, group);
    alignEdit(edit->label(), edit->edit());
    edit->edit()->setProperty(TagProperty, tag);
    return edit;
}

QPushButton* tableButton(QWidget* parent)
{
    auto* button = new QPushButton(tableIcon(), QString(), parent);
    button->setFixedSize(TableButtonSize);
    setPictureHint(button, u"Взять значение из таблицы"_s);
    return button;
}

QVBoxLayout* groupLayout(QWidget* group)
{
    auto* layout = new QVBoxLayout(group);
    // The style insets a group's contents by its frame; GroupMargin counts from the group's edge.
    const int frame = group->contentsMargins().left();
    layout->setContentsMargins(GroupMargin - frame, 2, GroupMargin - frame, 4);
    layout->setSpacing(2);
    return layout;
}

// Keeps QpEdit and BitBtn1, which belong to the scroll box, over the line of RadioGroup1's first
// item wherever the layout puts the group.
class OverFirstItem : public QObject
{
public:
    OverFirstItem(RadioGroup* group, QWidget* edit, QWidget* button)
        : QObject(group), m_group(group), m_edit(edit), m_button(button)
    {
        group->installEventFilter(this);
        group->button(0)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            place();
        return QObject::eventFilter(watched, event);
    }

private:
    void place()
    {
        const QWidget* item = m_group->button(0);
        const QPoint line = item->mapTo(m_group, QPoint(0, item->height() / 2)) + m_group->pos();
        m_edit->move(m_group->x() + EditLeft, line.y() - m_edit->height() / 2);
        m_button->move(m_edit->x() + EditWidth + LabelGap, line.y() - m_button->height() / 2);
    }

    RadioGroup* m_group;
    QWidget* m_edit;
    QWidget* m_button;
};

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    MainForm = this;
    setWindowTitle(u"Ovrelta: расчет пожарного риска (с изм. 2016). Версия 3.1.2"_s);
    QFont designFont = font(); // the desktop's face, at the designed size
    designFont.setPointSize(8);
    setFont(designFont);
    buildToolbar();

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    ScrollBox1->verticalScrollBar()->setSingleStep(12);
    auto* column = new QWidget(ScrollBox1);
    buildInputs(column);
    ScrollBox1->setWidget(column);
    setCentralWidget(ScrollBox1);

    StatusBar1Panel = new PathLabel(this);
    StatusBar1Panel->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(StatusBar1Panel, 1);

    bindNumericEdits();
    setTabOrderOfInputs();
    setDesignSize(this, DesignSize{QSize(578, 583), true}); // the outer size, frame included
    FormCreate();
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::buildToolbar()
{
    const CommandToolbar commands = addCommandToolbar(this);
    TBToolbar2 = commands.toolbar;
    TBNew = commands.newItem;
    TBLoad = commands.load;
    TBSave = commands.save;
    TBXItem1 = commands.calculate;
    TBHelp = commands.help;
    TBExit = commands.exit;
    bindCommandToolbar(this, commands,
                       {[this] { TBNewClick(); }, [this] { TBLoadClick(); },
                        [this] { TBSaveClick(); }, [this] { TBXItem1Click(); },
                        [this] { TBHelpClick(); }, [this] { TBExitClick(); }});
}

void TMainForm::buildInputs(QWidget* column)
{
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    Panel1 = new QWidget(column);
    Panel1->setFixedHeight(41);
    LENomScen = new LabeledEdit(u"Номер сценария развития пожара в здании: "_s,
                                LabeledEdit::LabelPosition::Left, Panel1);
    alignEdit(LENomScen->label(), LENomScen->edit());
    LENomScen->setText(u"1"_s);
    LENomScen->setMaxLength(4);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(GroupMargin, 0, GroupMargin, 0);
    panelLayout->addWidget(LENomScen);
    stack->addWidget(Panel1);

    RBFClass = new RadioGroup(
        u" Класс функционально пожарной опасности "_s,
        {u"Ф1.1"_s, u"Ф1.2"_s, u"Ф1.3"_s, u"Ф1.4"_s, u"Ф2"_s, u"Ф3"_s, u"Ф4"_s, u"Ф5"_s}, column);
    RBFClass->setColumns(8);
    RBFClass->setFixedHeight(40);
    stack->addWidget(RBFClass);

    RadioGroup1 = new RadioGroup(
        u" Частота возникновения пожара в здании в течении года "_s,
        {u"Ввод параметра согласно статистических данных"_s,
         u"Статистическая информация отсутствует (принять равным 0,04 для каждого здания)"_s},
        column);
    RadioGroup1->setFixedHeight(72);
    stack->addWidget(RadioGroup1);

    RadioGroup2 = new RadioGroup(u" Вероятность эффективного срабатывания установок "
                                 u"автоматического пожаротушения "_s,
                                 protectionItems(u"АУП"_s), column);
    stack->addWidget(RadioGroup2);

    buildEvacuationGroups(column);
    stack->addWidget(GroupBox3);
    stack->addWidget(GroupBox1);

    RadioGroup5 =
        new RadioGroup(u" Вероятность эффективного срабатывания системы противодымной защиты "_s,
                       protectionItems(u"СПДЗ"_s), column);
    RadioGroup3 =
        new RadioGroup(u" Вероятность эффективного срабатывания системы пожарной сигнализации "_s,
                       protectionItems(u"АПС"_s), column);
    RadioGroup4 = new RadioGroup(u" Вероятность эффективного срабатывания системы оповещения "_s,
                                 protectionItems(u"СОУЭ"_s), column);
    for (RadioGroup* group : {RadioGroup2, RadioGroup5, RadioGroup3, RadioGroup4})
        group->setFixedHeight(74);
    for (RadioGroup* group : {RadioGroup5, RadioGroup3, RadioGroup4})
        stack->addWidget(group);

    GroupBox2 = new QGroupBox(u" Коэффициенты для Ф1.1 1.3 1.4 "_s, column);
    // The column is as wide as the scroll box shows it: a caption longer than that takes a
    // second line, and the group grows to hold it.
    GroupBox2->setMinimumHeight(101);
    CBdislocation = new WrappingCheckBox(
        u"Дислокация подразделений пожарной охраны соответсвует требованиям НД по ПБ"_s, GroupBox2);
    CBsredstvapoj = new WrappingCheckBox(
        u"Соблюдаются требования НД по ПБ к оснащению первичными средствами пожаротушения"_s,
        GroupBox2);
    CBavarvih = new WrappingCheckBox(
        u"Соблюдаются требования НД по ПБ к устройству аварийных выходов"_s, GroupBox2);
    CBputievac =
        new WrappingCheckBox(u"Соблюдаются требования НД по ПБ к путям эвакуации"_s, GroupBox2);
    QVBoxLayout* checks = groupLayout(GroupBox2);
    checks->setSpacing(0);
    for (QCheckBox* box : {CBdislocation, CBsredstvapoj, CBavarvih, CBputievac})
        checks->addWidget(box);
    stack->addWidget(GroupBox2);
    stack->addStretch(1);

    // The fire frequency lies over RadioGroup1 and is never hidden with a group.
    QpEdit = new QLineEdit(u"0"_s, column);
    QpEdit->setObjectName(u"QpEdit"_s);
    // It stands in the group without a label of its own: the group's title names it.
    QpEdit->setAccessibleName(RadioGroup1->title().trimmed());
    QpEdit->setFixedSize(EditWidth, QpEdit->sizeHint().height());
    QpEdit->setProperty(TagProperty, 2);
    BitBtn1 = tableButton(column);
    new OverFirstItem(RadioGroup1, QpEdit, BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, guarded(this, [this] { BitBtn1Click(); }));

    for (RadioGroup* group :
         {RBFClass, RadioGroup1, RadioGroup2, RadioGroup5, RadioGroup3, RadioGroup4})
        group->setItemIndex(0);
    connect(RBFClass, &RadioGroup::itemIndexChanged, this,
            guarded(this, [this] { RBFClassClick(); }));
}

void TMainForm::buildEvacuationGroups(QWidget* column)
{
    GroupBox3 = new QGroupBox(u" Параметры эвакуации для Ф1.1 Ф1.3 Ф1.4 "_s, column);
    GroupBox3->setFixedHeight(74);
    Edit_Ne = numericEdit(u"Количество эвакуирующихся людей  "_s, 3, GroupBox3);
    Edit_Ne->setMaxLength(5);
    Edit_Nneev = numericEdit(u"Количество неэвакуировавшихся людей  "_s, 4, GroupBox3);
    QVBoxLayout* people = groupLayout(GroupBox3);
    people->addWidget(Edit_Ne);
    people->addWidget(Edit_Nneev);

    GroupBox1 = new QGroupBox(u" Параметры эвакуации "_s, column);
    GroupBox1->setFixedHeight(145);
    LabeledEdit1 = numericEdit(u"Время нахождения людей в здании, час  "_s, 3, GroupBox1);
    LabeledEdit1->setMaxLength(5);
    LabeledEdit4 = numericEdit(u"Расчетное время эвакуации людей, мин  "_s, 4, GroupBox1);
    LabeledEdit5 = numericEdit(u"Время блокирования путей эвакуации, мин  "_s, 5, GroupBox1);
    Label1 = new QLabel(u"Время начала эвакуации, мин  "_s, GroupBox1);
    LabeledEdit6 = new QLineEdit(GroupBox1);
    LabeledEdit6->setObjectName(u"LabeledEdit6"_s);
    LabeledEdit6->setProperty(TagProperty, 6);
    alignEdit(Label1, LabeledEdit6);
    Label1->setBuddy(LabeledEdit6);
    BitBtn2 = tableButton(GroupBox1);
    connect(BitBtn2, &QPushButton::clicked, this, guarded(this, [this] { BitBtn2Click(); }));
    LabeledEdit7 =
        numericEdit(u"Время существования скопления людей на участках пути, мин  "_s, 7, GroupBox1);
    for (LabeledEdit* edit : {LabeledEdit1, LabeledEdit4, LabeledEdit5, LabeledEdit7})
        edit->setText(u"0"_s);
    LabeledEdit6->setText(u"0"_s);
    // A conversion error finds its field by these names.
    const std::pair<LabeledEdit*, QString> named[] = {
        {Edit_Ne, u"Edit_Ne"_s},           {Edit_Nneev, u"Edit_Nneev"_s},
        {LabeledEdit1, u"LabeledEdit1"_s}, {LabeledEdit4, u"LabeledEdit4"_s},
        {LabeledEdit5, u"LabeledEdit5"_s}, {LabeledEdit7, u"LabeledEdit7"_s}};
    for (const auto& [edit, name] : named)
        edit->setObjectName(name);

    auto* startRow = new QHBoxLayout();
    startRow->setSpacing(LabelGap);
    startRow->addWidget(Label1);
    startRow->addWidget(LabeledEdit6);
    startRow->addWidget(BitBtn2);
    startRow->addStretch(1);
    QVBoxLayout* times = groupLayout(GroupBox1);
    times->setSpacing(0);
    times->addWidget(LabeledEdit1);
    times->addWidget(LabeledEdit4);
    times->addWidget(LabeledEdit5);
    times->addLayout(startRow);
    times->addWidget(LabeledEdit7);
}

void TMainForm::bindNumericEdits()
{
    for (QLineEdit* edit :
         {QpEdit, LabeledEdit1->edit(), LabeledEdit4->edit(), LabeledEdit5->edit(), LabeledEdit6,
          LabeledEdit7->edit(), Edit_Ne->edit(), Edit_Nneev->edit()}) {
        installKeyFilter(edit, [this, edit](QChar key, const QString&) {
            Edit1KeyPress(edit, key);
            return key;
        });
        // The key filter never sees Enter.
        connect(edit, &QLineEdit::returnPressed, this, guarded(this, [this, edit] {
                    QChar key = u'\r';
                    Edit1KeyPress(edit, key);
                }));
    }
}

void TMainForm::setTabOrderOfInputs()
{
    QList<QWidget*> order{LENomScen->edit()};
    for (RadioGroup* group : {RBFClass, RadioGroup1, RadioGroup2})
        for (int i = 0; i < group->count(); ++i)
            order << group->button(i);
    order << Edit_Ne->edit() << Edit_Nneev->edit() << LabeledEdit1->edit() << LabeledEdit4->edit()
          << LabeledEdit5->edit() << LabeledEdit6 << BitBtn2 << LabeledEdit7->edit();
    for (RadioGroup* group : {RadioGroup5, RadioGroup3, RadioGroup4})
        for (int i = 0; i < group->count(); ++i)
            order << group->button(i);
    order << CBdislocation << CBavarvih << CBputievac << CBsredstvapoj << QpEdit << BitBtn1;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void TMainForm::FormCreate()
{
    UpdateGroupsByClass();
    QpEdit->setText(u"0"_s);
    NewPar();
    FitToWorkArea(this);
}

void TMainForm::createTableDialogs(const QString& tableFolder)
{
    ODlg1 = new TODlg1({QpEdit}, this, tableFolder);
    // The record of the moment: "Новый" replaces it.
    ODlg2 = new TODlg2({LabeledEdit6, [](long double area) { Zdanie->FireRoomAr = area; }}, this,
                       tableFolder);
}

void TMainForm::NewPar()
{
    Zdanie = std::make_unique<TZdanie>();
    Zdanie->FireRoomAr = 1.0L; // every other field starts as zero, false or empty
    RadioGroup1->setItemIndex(0);
    QpEdit->setText(u"0"_s);
    RadioGroup2->setItemIndex(0);
    for (LabeledEdit* edit : {LabeledEdit1, LabeledEdit4, LabeledEdit5})
        edit->setText(u"0"_s);
    LabeledEdit6->setText(u"0"_s);
    for (LabeledEdit* edit : {LabeledEdit7, Edit_Ne, Edit_Nneev})
        edit->setText(u"0"_s);
    for (RadioGroup* group : {RadioGroup3, RadioGroup4, RadioGroup5})
        group->setItemIndex(0);
}

void TMainForm::TBNewClick()
{
    setStatusText(QString());
    Zdanie.reset();
    NewPar();
}

void TMainForm::TBHelpClick()
{
    ::TBHelpClick(u"help.pdf"_s);
}

void TMainForm::TBExitClick()
{
    ::TBExitClick(this);
}

void TMainForm::UpdateGroupsByClass()
{
    for (QGroupBox* group :
         std::initializer_list<QGroupBox*>{RadioGroup1, RadioGroup2, GroupBox3, GroupBox1,
                                           RadioGroup5, RadioGroup3, RadioGroup4, GroupBox2})
        group->show();
    switch (RBFClass->itemIndex()) {
    case 0: // Ф1.1
    case 2: // Ф1.3
    case 3: // Ф1.4
        GroupBox1->hide();
        RadioGroup2->hide();
        break;
    default:
        GroupBox2->hide();
        GroupBox3->hide();
        break;
    }
}

void TMainForm::RBFClassClick()
{
    UpdateGroupsByClass();
}

void TMainForm::Edit1KeyPress(QLineEdit* sender, QChar& key)
{
    if (sender->property(TagProperty).toInt() == 2)
        RadioGroup1->setItemIndex(0);
    if (key == u'\r') {
        if (QLineEdit* target = enterTarget(sender))
            target->setFocus(Qt::OtherFocusReason);
        return;
    }
    key = numericEditKey(key, sender->text(), decimalSeparator());
}

void TMainForm::BitBtn1Click()
{
    if (ODlg1)
        ODlg1->exec();
    // Either way the fire frequency is taken from the statistics.
    RadioGroup1->setItemIndex(0);
}

void TMainForm::BitBtn2Click()
{
    if (ODlg2)
        ODlg2->exec();
}

QLineEdit* TMainForm::enterTarget(const QLineEdit* sender) const
{
    // The tags name edits of GroupBox1. Where that group is hidden (Ф1.1, Ф1.3, Ф1.4), Enter goes
    // down the edits shown instead: QpEdit, Edit_Ne, Edit_Nneev.
    if (GroupBox1->isHidden() || sender == Edit_Ne->edit() || sender == Edit_Nneev->edit()) {
        if (sender == QpEdit)
            return Edit_Ne->edit();
        if (sender == Edit_Ne->edit())
            return Edit_Nneev->edit();
        return nullptr;
    }
    switch (sender->property(TagProperty).toInt()) {
    case 2:
        return LabeledEdit1->edit();
    case 3:
        return LabeledEdit4->edit();
    case 4:
        return LabeledEdit5->edit();
    case 5:
        return LabeledEdit6;
    case 6:
        return LabeledEdit7->edit();
    default:
        return nullptr;
    }
}

QString TMainForm::statusText() const
{
    return StatusBar1Panel->text();
}

void TMainForm::setStatusText(const QString& text)
{
    StatusBar1Panel->setText(text);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    runCommand(this, [&] { FormCloseQuery(this, canClose); });
    if (!canClose) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainForm::FormClose()
{
    Zdanie.reset();
}
