#include "common/command_toolbar.h"
#include "common/file_dialogs.h"
#include "common/qt_translation.h"
#include "support/modal.h"
#include "support/test_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// A name typed in full and taken with Enter while the name completer lists it: the dialog goes,
// and so does the list, so that the next click reaches the window.
TEST(FileDialogs, EnterOnTheCompletersListLeavesNoPopupBehind)
{
    const auto translations = installQtTranslations({u"qtbase"_s});
    QTemporaryDir dir;
    writeFile(dir.filePath(u"object.rri"_s), "8\r\n");
    QMainWindow window;
    const CommandToolbar commands = addCommandToolbar(&window);
    window.resize(600, 400);
    showActive(window);

    QFileDialog* dialog =
        makeFileDialog(&window, u"Загрузить параметры объекта"_s, QFileDialog::AcceptOpen,
                       u"Объекты программы (*.rri)"_s, u"rri"_s);
    dialog->setDirectory(dir.path());
    bool listed = false;
    whenModal("the file dialog", [&](QDialog*) {
        // Qt's own texts in the language of the rest.
        QStringList texts;
        for (const QAbstractButton* button :
             dialog->findChild<QDialogButtonBox*>(u"buttonBox"_s)->buttons())
            texts << button->text();
        for (const char* label : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            texts << dialog->findChild<QLabel*>(QString::fromLatin1(label))->text();
        EXPECT_EQ(texts, (QStringList{u"&Открыть"_s, u"Отмена"_s, u"Перейти к:"_s, u"&Имя файла:"_s,
                                      u"Типы файлов:"_s}));
        auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
        ASSERT_NE(name, nullptr);
        auto* files = dialog->findChild<QAbstractItemView*>(u"listView"_s);
        ASSERT_NE(files, nullptr);
        // The folder is read in the background; the completer lists only what has been read.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) > 0; }));
        // Typed, as a user types, into the focused field: while it has no focus, the dialog
        // writes the name of the file it picks out of the list over what is being typed.
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        name->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return name->hasFocus(); }));
        QTest::keyClicks(name, u"object.rri"_s);
        ASSERT_EQ(name->text(), u"object.rri"_s);
        const auto shown = [] { return QApplication::activePopupWidget() != nullptr; };
        // The list may close again while the folder is still being read: ask for it once more.
        listed =
            QTest::qWaitFor(shown, 1000) || (name->completer()->complete(), QTest::qWaitFor(shown));
        QTest::keyClick(listed ? QApplication::activePopupWidget() : name, Qt::Key_Return);
    });
    EXPECT_EQ(choosePath(dialog), dir.filePath(u"object.rri"_s));
    EXPECT_TRUE(listed) << "the completer showed no list";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Through the window system, as a user's click comes: an open popup would take it.
    QSignalSpy opened(commands.load, &QAction::triggered);
    QWidget* button = commands.toolbar->widgetForAction(commands.load);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      button->mapTo(&window, button->rect().center()));
    EXPECT_EQ(opened.size(), 1);
}
