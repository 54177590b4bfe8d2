#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "kestrum_window.h"
#include "public/object_file.h"
#include "public/ui/path_label.h"
#include "public/ui/table_grid.h"
#include "support/modal.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

struct ObjectCommandsTest : KestrumWindow {
    void SetUp() override { start(); }

    void load(const QString& name) { runWithFileName(form.TBLoad, path(name)); }

    // Writes an object as a file of `size` bytes.
    void writeObject(const QString& name, const StoredObject& object, int size = 280)
    {
        writeFile(path(name), encodeObject(object).left(size));
    }

    static StoredObject sample()
    {
        StoredObject object;
        object.Par[ParSlot::Qp] = 0.05L;
        object.Par[ParSlot::Tne] = 6.0L;
        object.NomScen = -5;
        object.SystemItems = {2, 1, 0, 2};
        object.FireRoomAr = 40.0L;
        object.FClass = 5;
        object.Ne = 120.0L;
        object.Conditions = {true, false, true, false};
        return object;
    }

    // Everything a load may change: the record, the controls, the status bar, ODlg2's area.
    QStringList state() const
    {
        QStringList s;
        for (long double value : Zdanie->Par)
            s << QString::number(static_cast<double>(value));
        for (long double value : {Zdanie->FireRoomAr, Zdanie->Ne, Zdanie->Nneev})
            s << QString::number(static_cast<double>(value));
        for (int value : {Zdanie->NomScen, Zdanie->FClass, Zdanie->ReservedInt})
            s << QString::number(value);
        for (RadioGroup* group : {form.RBFClass, form.RadioGroup1, form.RadioGroup2,
                                  form.RadioGroup3, form.RadioGroup4, form.RadioGroup5})
            s << QString::number(group->itemIndex());
        for (QLineEdit* edit : {form.LENomScen->edit(), form.QpEdit, form.LabeledEdit1->edit(),
                                form.LabeledEdit4->edit(), form.LabeledEdit5->edit(),
                                form.LabeledEdit6, form.LabeledEdit7->edit(), form.Edit_Ne->edit(),
                                form.Edit_Nneev->edit(), dlg2->LabeledEdit1->edit()})
            s << edit->text();
        for (QCheckBox* box :
             {form.CBdislocation, form.CBsredstvapoj, form.CBavarvih, form.CBputievac})
            s << (box->isChecked() ? u"x"_s : u"-"_s);
        return s << form.statusText();
    }
};

} // namespace

TEST_F(ObjectCommandsTest, FreshStartSavesThe280BytesOfTheFormat)
{
    EXPECT_EQ(runWithFileName(form.TBSave, path(u"object"_s)), u"Сохранить параметры объекта"_s);
    const QByteArray zero(10, '\0');
    const QByteArray one = QByteArray::fromHex("0000000000000080FF3F");
    const QByteArray p09 = QByteArray::fromHex("66666666666666E6FE3F");
    const QByteArray p08 = QByteArray::fromHex("CDCCCCCCCCCCCCCCFE3F");
    const QString saved = path(u"object.rro"_s); // the default suffix
    EXPECT_EQ(fileContents(saved), zero + zero + p09 + zero.repeated(8) + p08 + p08 + p08 + one +
                                       zero.repeated(4) + one + zero.repeated(8));
    EXPECT_EQ(form.statusText(), u"Параметры сохранены в: "_s + saved);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(ObjectCommandsTest, ALongPathShowsItsBeginningAndItsFileName)
{
    const QString folder = u"/Объекты общественного назначения, расчёты пожарного риска 2024"_s;
    ASSERT_TRUE(QDir().mkpath(dir.path() + folder + folder));
    const QString saved = dir.path() + folder + folder + u"/школа.rro"_s;
    const QSize before = form.frameGeometry().size();
    runWithFileName(form.TBSave, saved);
    EXPECT_EQ(form.statusText(), u"Параметры сохранены в: "_s + saved);

    const PathLabel* panel = form.StatusBar1Panel;
    const QString shown = panel->shownText();
    EXPECT_TRUE(shown.startsWith(u"Параметры сохранены в: "_s + dir.path().left(4)))
        << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(u"…/школа.rro"_s)) << shown.toStdString();
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(shown), panel->contentsRect().width());
    EXPECT_EQ(panel->toolTip(), form.statusText());
    // The window keeps its size and shows the whole panel.
    EXPECT_EQ(form.frameGeometry().size(), before);
    const QRect inWindow(panel->mapTo(&form, QPoint()), panel->size());
    EXPECT_TRUE(form.rect().contains(inWindow));
}

TEST_F(ObjectCommandsTest, SaveAndLoadRestoreEveryGroupBoxAndEdit)
{
    ScopedDecimalSeparator comma(u',');
    form.LENomScen->setText(u"12"_s);
    form.RBFClass->setItemIndex(6);
    form.QpEdit->setText(u"0,0203"_s);
    form.RadioGroup2->setItemIndex(1);
    form.RadioGroup3->setItemIndex(2);
    form.RadioGroup5->setItemIndex(2);
    const std::pair<LabeledEdit*, const char16_t*> edits[] = {
        {form.LabeledEdit1, u"8"},   {form.LabeledEdit4, u"2.5"}, {form.LabeledEdit5, u"3,75"},
        {form.LabeledEdit7, u"0,5"}, {form.Edit_Ne, u"10,5"},     {form.Edit_Nneev, u"11,5"}};
    for (const auto& [edit, text] : edits)
        edit->setText(QString::fromUtf16(text));
    form.LabeledEdit6->setText(u"0,084"_s);
    form.CBsredstvapoj->setChecked(true);
    form.CBputievac->setChecked(true);
    Zdanie->FireRoomAr = 40.0L; // as the start dialog's "Готово" leaves them
    dlg2->LabeledEdit1->setText(u"40"_s);
    Zdanie->ReservedInt = 9;
    Zdanie->Par[3] = 7.0L;
    runWithFileName(form.TBSave, path(u"object.rro"_s));
    QStringList expected = state();

    form.TBNew->trigger();
    form.LENomScen->setText(u"1"_s);
    form.RBFClass->setItemIndex(0);
    form.CBdislocation->setChecked(true);
    form.CBputievac->setChecked(false);
    dlg2->LabeledEdit1->setText(u"1"_s);
    load(u"object.rro"_s);

    EXPECT_TRUE(form.GroupBox1->isVisibleTo(&form)); // the class's groups
    EXPECT_FALSE(form.GroupBox2->isVisibleTo(&form));
    // As saved, but for the rounded numbers of people, the locale's form of the edits and the
    // status text.
    expected.last() = path(u"object.rro"_s);
    const std::pair<QString, QString> changes[] = {{u"10.5"_s, u"10"_s},
                                                   {u"11.5"_s, u"12"_s},
                                                   {u"10,5"_s, u"10"_s},
                                                   {u"11,5"_s, u"12"_s},
                                                   {u"2.5"_s, u"2,5"_s}};
    for (qsizetype i = TZdanie::ParCount; i < expected.size(); ++i)
        for (const auto& [from, to] : changes)
            if (expected.at(i) == from)
                expected[i] = to;
    EXPECT_EQ(state(), expected);
    EXPECT_TRUE(desktop.errors.isEmpty());
}

TEST_F(ObjectCommandsTest, FireFrequencyOfNoStatisticsChoosesItsItem)
{
    struct Case {
        long double qp;
        int choiceBefore;
        QChar separator;
        int choice;
        QString qpText;
    };
    const Case cases[] = {{0.04L, 0, u',', 1, u"0,7"_s},
                          {0.04L, 1, u',', 1, u"0,7"_s},
                          {0.05L, 1, u',', 0, u"0,05"_s},
                          {0.05L, 0, u'.', 0, u"0.05"_s}};
    for (const Case& c : cases) {
        ScopedDecimalSeparator separator(c.separator);
        StoredObject object = sample();
        object.Par[ParSlot::Qp] = c.qp;
        writeObject(u"qp.rro"_s, object);
        form.QpEdit->setText(u"0,7"_s);
        form.RadioGroup1->setItemIndex(c.choiceBefore);
        load(u"qp.rro"_s);
        EXPECT_EQ(form.RadioGroup1->itemIndex(), c.choice) << static_cast<double>(c.qp);
        EXPECT_EQ(form.QpEdit->text(), c.qpText) << static_cast<double>(c.qp);
    }
}

TEST_F(ObjectCommandsTest, OlderLayoutAndReadOnlyFiles)
{
    form.RBFClass->setItemIndex(2);
    form.CBavarvih->setChecked(true);
    Zdanie->Ne = 33.0L;
    form.Edit_Ne->setText(u"5"_s);
    writeObject(u"old.rro"_s, sample(), 200);
    load(u"old.rro"_s);
    EXPECT_EQ(form.RBFClass->itemIndex(), 2);
    EXPECT_TRUE(form.CBavarvih->isChecked());
    EXPECT_EQ(form.Edit_Ne->text(), u"33"_s); // the record's, which the file does not carry
    EXPECT_EQ(form.LabeledEdit6->text(), u"6"_s);
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 2);
    EXPECT_EQ(form.LENomScen->text(), u"-5"_s);
    EXPECT_EQ(form.statusText(), path(u"old.rro"_s));

    // Opened for reading only. Root may write any file, so there this proves little; the
    // reader's own test hands it a file opened for reading only.
    writeObject(u"readonly.rro"_s, sample());
    ASSERT_TRUE(QFile::setPermissions(path(u"readonly.rro"_s), QFileDevice::ReadOwner));
    load(u"readonly.rro"_s);
    EXPECT_EQ(form.RBFClass->itemIndex(), 5);
    EXPECT_TRUE(desktop.errors.isEmpty());
    if (geteuid() != 0) {
        EXPECT_FALSE(QFileInfo(path(u"readonly.rro"_s)).isWritable());
    }
}

TEST_F(ObjectCommandsTest, FailedLoadsChangeNothing)
{
    QByteArray nan = encodeObject(sample());
    nan.replace(150, 10, QByteArray::fromHex("000000000000C0FFFF7F")); // record 16
    writeFile(path(u"nan.rro"_s), nan);
    writeObject(u"short.rro"_s, sample(), 215);
    writeObject(u"empty.rro"_s, sample(), 0);
    writeFile(path(u"text.rro"_s), QByteArray("0,0116\r\n").repeated(60));
    StoredObject object = sample();
    object.FClass = -3;
    writeObject(u"class.rro"_s, object);
    object = sample();
    object.FireRoomAr = -50.0L;
    writeObject(u"area.rro"_s, object);
    object.FireRoomAr = std::numeric_limits<long double>::quiet_NaN();
    writeObject(u"area-nan.rro"_s, object);
    object = sample();
    object.Par[ParSlot::Qp] = -0.5L;
    writeObject(u"qp.rro"_s, object);
    form.setStatusText(u"before"_s);
    const QStringList before = state();
    auto file = [this](const QString& name) { return u"Ovrelta|Файл «"_s + path(name) + u'»'; };
    const std::pair<QString, QString> cases[] = {
        {u"short.rro"_s, file(u"short.rro"_s) + u", запись 22\nRead beyond end of file"_s},
        {u"empty.rro"_s, file(u"empty.rro"_s) + u", запись 1\nRead beyond end of file"_s},
        {u"nan.rro"_s, file(u"nan.rro"_s) + u", запись 16\nЗапись не содержит конечного числа"_s},
        {u"text.rro"_s,
         file(u"text.rro"_s) + u"\nФайл длиннее 280 байт: это не файл объекта программы"_s},
        {u"class.rro"_s, file(u"class.rro"_s) +
                             u", запись 21\nКласс должен быть целым числом от 0 до 7, а не -3"_s},
        {u"area.rro"_s,
         file(u"area.rro"_s) + u", запись 20\nЗначение не может быть отрицательным: -50"_s},
        {u"area-nan.rro"_s,
         file(u"area-nan.rro"_s) + u", запись 20\nЗапись не содержит конечного числа"_s},
        {u"qp.rro"_s,
         file(u"qp.rro"_s) + u", запись 2\nЗначение не может быть отрицательным: -0"_s},
        {u"missing.rro"_s,
         u"Ovrelta|Не удалось открыть файл «"_s + path(u"missing.rro"_s) + u"»: "_s},
    };
    for (const auto& [name, error] : cases) {
        desktop.errors.clear();
        load(name);
        ASSERT_EQ(desktop.errors.size(), 1) << name.toStdString();
        EXPECT_TRUE(desktop.errors.at(0).startsWith(error)) << desktop.errors.at(0).toStdString();
        EXPECT_EQ(state(), before) << name.toStdString();
    }
}

TEST_F(ObjectCommandsTest, LoadedAreaDecidesHowTheStartDialogOpens)
{
    for (const auto& [area, ticked] : {std::pair{1.0L, false}, std::pair{1.5L, true}}) {
        StoredObject object = sample();
        object.FireRoomAr = area;
        writeObject(u"area.rro"_s, object);
        load(u"area.rro"_s);
        EXPECT_EQ(Zdanie->FireRoomAr, area);
        whenModal("the evacuation start table", [&, ticked = ticked](QDialog*) {
            EXPECT_EQ(dlg2->CB->isChecked(), ticked);
            EXPECT_EQ(dlg2->StringGrid1->isEnabled(), !ticked);
            dlg2->CancelBtn->click();
        });
        form.BitBtn2->click();
    }
}

TEST_F(ObjectCommandsTest, FailedSavesSayWhyAndKeepTheOldFiles)
{
    // A target no file can be written to by its shape (the tests may run as root); the dialog
    // itself never returns a folder.
    writeFile(path(u"parent"_s), "a regular file");
    form.setStatusText(u"before"_s);
    const QString target = path(u"parent/object.rro"_s);
    runWithFileName(form.TBSave, target);
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors.at(0).startsWith(u"Ovrelta|Не удалось сохранить файл «"_s + target +
                                                u"»: "_s))
        << desktop.errors.at(0).toStdString();
    EXPECT_EQ(fileContents(path(u"parent"_s)), QByteArray("a regular file"));

    // A text that is no number ends the save before the file is touched.
    ScopedDecimalSeparator comma(u',');
    writeFile(path(u"kept.rro"_s), "old contents");
    desktop.errors.clear();
    form.LabeledEdit4->setText(u","_s);
    runWithFileName(form.TBSave, path(u"kept.rro"_s));
    EXPECT_EQ(desktop.errors, QStringList({u"Ovrelta|Поле «Расчетное время эвакуации людей, мин»\n"
                                           u"',' is not a valid floating point value"_s}));
    EXPECT_EQ(fileContents(path(u"kept.rro"_s)), QByteArray("old contents"));
    EXPECT_EQ(form.statusText(), u"before"_s);
}
