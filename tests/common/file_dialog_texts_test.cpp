#include "common/file_dialogs.h"
#include "common/qt_translation.h"
#include "support/test_support.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QTemporaryDir>
#include <QTreeView>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Sets a file's or folder's time of last change.
void setModified(const QString& path, const QDateTime& time)
{
    const timespec stamp{static_cast<time_t>(time.toSecsSinceEpoch()), 0};
    const timespec times[2] = {stamp, stamp};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0)
        << path.toStdString();
}

// The detail view's rows once the folder and every entry's details have been read: name ->
// size, type and date texts.
QMap<QString, QStringList> detailRows(QFileDialog* dialog, int expectedRows)
{
    QMap<QString, QStringList> rows;
    auto* view = dialog->findChild<QTreeView*>(u"treeView"_s);
    if (view == nullptr)
        return rows;
    const QAbstractItemModel* model = view->model();
    const auto text = [&](int row, int column) {
        return model->index(row, column, view->rootIndex()).data().toString();
    };
    // The details are read in the background, after the names.
    const bool read = QTest::qWaitFor([&] {
        if (model->rowCount(view->rootIndex()) != expectedRows)
            return false;
        for (int row = 0; row < expectedRows; ++row)
            if (text(row, 2).isEmpty() || text(row, 3).isEmpty())
                return false;
        return true;
    });
    if (!read)
        return rows;
    for (int row = 0; row < expectedRows; ++row)
        rows[text(row, 0)] = QStringList{text(row, 1), text(row, 2), text(row, 3)};
    return rows;
}

} // namespace

// The programs' file dialog, its detail view, in a session whose locale is "C": the headings, a
// folder's type, the sizes and the dates read Russian, as in a Russian session. A file's type is
// the desktop's own description of its kind, in the system's language.
TEST(FileDialogTexts, TheDetailViewIsRussianUnderTheCLocale)
{
    ASSERT_EQ(QLocale::system().name(), u"C"_s);
    const auto translations = installQtTranslations({u"qtbase"_s});
    QTemporaryDir dir;
    const QDateTime changed(QDate(2024, 3, 5), QTime(7, 8, 9));
    const struct {
        const char* name;
        qint64 size;
        QString sizeText;
    } files[] = {
        {"empty.rri", 0, u"0 байт"_s},
        {"small.rri", 5, u"5 байт"_s},
        {"below_a_kilobyte.rri", 1023, u"1\u00a0023 байт"_s},
        {"object.rri", 3000, u"2,93 кБ"_s},
        {"large.rri", 2500000, u"2,38 МБ"_s},
    };
    for (const auto& file : files) {
        const QString path = dir.filePath(QString::fromLatin1(file.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.resize(file.size)) << path.toStdString();
        out.close();
        setModified(path, changed);
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Расчеты"_s));
    setModified(dir.filePath(u"Расчеты"_s), changed);

    QFileDialog* dialog =
        makeFileDialog(nullptr, u"Загрузить параметры объекта"_s, QFileDialog::AcceptOpen,
                       u"Объекты программы (*.rri)"_s, u"rri"_s);
    dialog->setViewMode(QFileDialog::Detail);
    dialog->setDirectory(dir.path());
    dialog->show();
    auto* view = dialog->findChild<QTreeView*>(u"treeView"_s);
    ASSERT_NE(view, nullptr);
    QStringList headings;
    for (int column = 0; column < 4; ++column)
        headings << view->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(headings, (QStringList{u"Имя"_s, u"Размер"_s, u"Тип"_s, u"Дата изменения"_s}));

    const QMap<QString, QStringList> rows = detailRows(dialog, 6);
    ASSERT_EQ(rows.size(), 6) << "the folder was not read";
    EXPECT_EQ(rows.value(u"Расчеты"_s),
              (QStringList{QString(), u"Папка"_s, u"05.03.2024 07:08"_s}));
    for (const auto& file : files) {
        const QStringList row = rows.value(QString::fromLatin1(file.name));
        ASSERT_EQ(row.size(), 3) << file.name;
        EXPECT_EQ(row.at(0), file.sizeText) << file.name;
        EXPECT_EQ(row.at(2), u"05.03.2024 07:08"_s) << file.name;
    }

    // The computer's own level lists the root folder as a drive.
    dialog->setDirectory(QString());
    const QMap<QString, QStringList> top = detailRows(dialog, 1);
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top.first().value(1), u"Диск"_s);
    delete dialog;
}
