#include "common/command_guard.h"
#include "common/errors.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"
#include "industrial/ui/device_list_dialog.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"
#include "support/modal.h"
#include "support/test_support.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

struct ParametersCommandsTest : ::testing::Test {
    DesktopRecorder desktop;
    QTemporaryDir dir;
    TForm1 form;

    void SetUp() override
    {
        setApplicationTitle(industrialAppTitle());
        showActive(form);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The window's stored inputs as the file holds them, written somewhere else.
    QByteArray snapshot()
    {
        const QString saved = Zdanie->FileName;
        Zdanie->FileName = path(u"snapshot.rri"_s);
        form.SaveParameters();
        Zdanie->FileName = saved;
        return fileContents(path(u"snapshot.rri"_s));
    }
};

} // namespace

TEST_F(ParametersCommandsTest, FreshObjectSavesThe32Lines)
{
    EXPECT_EQ(runWithFileName(form.TBSave, path(u"object"_s)), u"Сохранить параметры объекта"_s);
    const QByteArray expected = "0\r\n0\r\n0\r\n10\r\n" + QByteArray("0\r\n").repeated(9) +
                                "1\r\n0\r\n0\r\n2\r\n" + QByteArray("\r\n").repeated(6) +
                                QByteArray("0\r\n").repeated(9);
    EXPECT_EQ(fileContents(path(u"object.rri"_s)), expected);
    EXPECT_EQ(expected.size(), 91);
    EXPECT_EQ(form.statusText(), u"Параметры сохранены в: "_s + path(u"object.rri"_s));
    EXPECT_EQ(Zdanie->FileName, path(u"object.rri"_s));
}

TEST_F(ParametersCommandsTest, SaveAndLoadRestoreEveryStoredInput)
{
    form.LabeledEdit9->setText(u"123456"_s); // longer than the edit lets the user type
    form.LabeledEdit8->setText(u"247"_s);
    form.RadioGroup1->setItemIndex(1);
    form.ValueListEditor1->setValue(9, u"1.2.3"_s);
    form.LabeledEdit2->setText(u"2500"_s);
    form.RadioGroup8->setItemIndex(6);
    form.RadioGroup3->setItemIndex(1);
    form.StringGrid1->setRowCount(3);
    form.StringGrid1->setCells(0, 2, u"Расчетная точка 2"_s);
    form.StringGrid1->setCells(5, 2, u"*"_s);
    UiReady = false; // the lists are filled here, not through the dialog
    form.RadioGroup7->setItemIndex(5);
    form.RadioGroup4->setItemIndex(6);
    form.RadioGroup5->setItemIndex(4);
    UiReady = true;
    Zdanie->ApsDevices.Count = 2;
    Zdanie->ApsDevices.Mode = 1;
    Zdanie->ApsDevices.cell(TDeviceList::Name, 2) = u"ИП-212"_s;
    Zdanie->AuptDevices.Count = 1;
    Zdanie->AuptDevices.cell(TDeviceList::Mtbf, 1) = u"50000"_s;
    Zdanie->ExitProb = 0.03L;
    Zdanie->StartEvacTime = 0.5L;
    Zdanie->FireRoomMark = true;
    runWithFileName(form.TBSave, path(u"object.rri"_s));
    const QByteArray saved = snapshot();

    // Another object in the window, then the file again.
    form.TBNewClick();
    form.StringGrid1->setRowCount(6);
    Zdanie->AuptDevices.Mode = 1;
    Zdanie->SpdzDevices.Count = 4;
    EXPECT_EQ(runWithFileName(form.TBLoad, path(u"object.rri"_s)),
              u"Загрузить параметры объекта"_s);

    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(u'\n').toStdString();
    EXPECT_EQ(form.statusText(), path(u"object.rri"_s));
    // Every stored input, the lists and modes of the computed systems and the design point.
    EXPECT_EQ(snapshot(), saved);
    EXPECT_EQ(form.LabeledEdit9->text(), u"123456"_s);
    EXPECT_FALSE(form.GroupBox2->isHidden()); // the method's panel is shown
    EXPECT_EQ(Zdanie->AuptDevices.Mode, 0);   // series when saved, parallel before loading
    EXPECT_EQ(Zdanie->SpdzDevices.Count, 4);  // not computed in the file: kept
    EXPECT_FALSE(form.hasEffectCalcForm());   // loading opened no device list
    EXPECT_TRUE(UiReady);
}

TEST_F(ParametersCommandsTest, FailedCommandsChangeNothing)
{
    writeFile(path(u"empty.rri"_s), QByteArray());
    writeFile(path(u"truncated.rri"_s), "8\r\n247\r\n2\r\n10\r\n");
    writeFile(path(u"points.rri"_s), "8\r\n247\r\n2\r\n1\r\n1\r\n0\r\n0\r\n2000000000\r\n");
    // Fewer lines than the design points promise, though bytes enough for them.
    writeFile(path(u"cells.rri"_s),
              "8\r\n247\r\n2\r\n1\r\n1\r\n0\r\n0\r\n3\r\n" + QByteArray(100, 'x') + "\r\n");
    writeFile(path(u"large.rri"_s), QByteArray(8 << 20, '\n'));
    writeFile(path(u"old.rri"_s), "old\r\n");
    // A failing line is named before the message.
    const auto atLine = [this](const QString& name, int line) {
        return fileLinePlace(path(name), line) + u'\n';
    };
    const struct {
        QAction* command;
        QString name;
        QString error;
    } cases[] = {
        {form.TBLoad, u"empty.rri"_s,
         atLine(u"empty.rri"_s, 3) + u"'' is not a valid integer value"_s},
        {form.TBLoad, u"truncated.rri"_s,
         atLine(u"truncated.rri"_s, 15) + u"'' is not a valid integer value"_s},
        {form.TBLoad, u"points.rri"_s,
         atLine(u"points.rri"_s, 8) + u"Неверное число расчетных точек: '2000000000'"_s},
        {form.TBLoad, u"cells.rri"_s,
         atLine(u"cells.rri"_s, 8) + u"Неверное число расчетных точек: '3'"_s},
        {form.TBLoad, u"large.rri"_s,
         atLine(u"large.rri"_s, 3) + u"'' is not a valid integer value"_s},
        {form.TBLoad, u"missing.rri"_s,
         u"Не удалось открыть файл «"_s + path(u"missing.rri"_s) + u"»: "_s},
        {form.TBSave, u"old.rri/object.rri"_s,
         u"Не удалось сохранить файл «"_s + path(u"old.rri/object.rri"_s) + u"»: "_s},
    };

    form.LabeledEdit9->setText(u"12"_s);
    form.RadioGroup1->setItemIndex(2);
    form.StringGrid1->setCells(1, 1, u"0,5"_s);
    form.setStatusText(u"before"_s);
    const QByteArray before = snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        desktop.errors.clear();
        runWithFileName(c.command, path(c.name));
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_TRUE(
            desktop.errors.at(0).startsWith(u"Ovrelta: Производственные объекты|"_s + c.error))
            << desktop.errors.at(0).toStdString();
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(form.statusText(), u"before"_s);
        EXPECT_EQ(fileContents(path(u"old.rri"_s)), "old\r\n");
        EXPECT_TRUE(UiReady);
    }

    // The user's choice of a compute item opens the device list again.
    int opened = 0;
    whenModal("the device list", [&opened](QDialog* dialog) {
        opened += qobject_cast<TEffectCalcForm*>(dialog) != nullptr;
        dialog->reject();
    });
    form.RadioGroup6->button(4)->click();
    EXPECT_EQ(opened, 1);
}
