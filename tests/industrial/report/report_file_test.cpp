#include "common/command_guard.h"
#include "common/errors.h"
#include "industrial/report/report_file.h"
#include "industrial/report/rtf_text.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Report = "{\\rtf1 report}";

QString name(int n)
{
    return u"temp"_s + QString::number(n) + u".rtf"_s;
}

} // namespace

// Whatever others left in the shared folder is neither opened nor written through.
TEST(ReportFile, NextFreeNameAndPlantedFilesUntouched)
{
    struct Case {
        const char* what;
        std::vector<int> files, links, dangling;
        int drawn, expected;
    };
    const std::vector<Case> cases = {
        {"free", {}, {}, {}, 7, 7},
        {"a file there", {7}, {}, {}, 7, 8},
        {"links there", {}, {7, 8}, {}, 7, 9},
        {"a dangling link there", {}, {}, {7}, 7, 8},
        {"past the last name", {254}, {}, {}, 254, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QDir d(dir.path());
        const QString folder = dir.path() + u'/';
        writeFile(d.filePath(u"target"_s), "theirs");
        for (const int n : c.files)
            writeFile(d.filePath(name(n)), "theirs");
        for (const int n : c.links)
            ASSERT_TRUE(QFile::link(d.filePath(u"target"_s), d.filePath(name(n))));
        for (const int n : c.dangling)
            ASSERT_TRUE(QFile::link(d.filePath(u"nowhere"_s), d.filePath(name(n))));

        const QString path = WriteReportFile(folder, c.drawn, Report);
        EXPECT_EQ(path, folder + name(c.expected));
        EXPECT_EQ(fileContents(path), Report);
        EXPECT_EQ(fileContents(d.filePath(u"target"_s)), "theirs");
        for (const int n : c.files)
            EXPECT_EQ(fileContents(d.filePath(name(n))), "theirs");
        EXPECT_FALSE(QFileInfo::exists(d.filePath(u"nowhere"_s)));
    }
}

TEST(ReportFile, AllNamesTakenByLinksLeavesTheirTargetUnchanged)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    writeFile(d.filePath(u"target"_s), "theirs");
    for (int n = 0; n < 255; ++n)
        ASSERT_TRUE(QFile::link(d.filePath(u"target"_s), d.filePath(name(n))));

    const QString path = WriteReportFile(dir.path() + u'/', 42, Report);
    EXPECT_EQ(path, d.filePath(name(42)));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(fileContents(path), Report);
    EXPECT_EQ(fileContents(d.filePath(u"target"_s)), "theirs");
    EXPECT_TRUE(QFileInfo(d.filePath(name(41))).isSymLink());
}

TEST(ReportFile, SavedInTempDirAndOpened)
{
    QTemporaryDir dir;
    ScopedTmpDir tmp(dir.path());
    DesktopRecorder desktop;
    const QString text = u"{\\rtf1 Отчёт Ω}"_s;
    SaveAndOpenReport(text);

    ASSERT_EQ(desktop.opened.size(), 1);
    const QString path = desktop.opened.first();
    static const QRegularExpression pattern(u"/temp(\\d+)\\.rtf$"_s);
    const auto m = pattern.match(path);
    ASSERT_TRUE(m.hasMatch()) << path.toStdString();
    EXPECT_LT(m.captured(1).toInt(), 255);
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    const QByteArray bytes = fileContents(path);
    EXPECT_TRUE(bytes.startsWith(RtfBytes(text) + "{\\fs20\\lang1033")) << bytes.constData();
    EXPECT_TRUE(bytes.endsWith("\\insrsid14287006\\charrsid14287006 \\par }}"));
}

TEST(ReportFile, MissingTempFolderShowsErrorAndOpensNothing)
{
    QTemporaryDir dir;
    const QString missing = dir.path() + u"/missing"_s;
    ScopedTmpDir tmp(missing);
    DesktopRecorder desktop;
    EXPECT_FALSE(runCommand(nullptr, [] { SaveAndOpenReport(u"{\\rtf1 x}"_s); }));

    ASSERT_EQ(desktop.errors.size(), 1);
    const QRegularExpression message(u"\\|Не удалось записать отчёт «"_s +
                                     QRegularExpression::escape(missing) +
                                     u"/temp\\d+\\.rtf»: .+$"_s);
    EXPECT_TRUE(message.match(desktop.errors.first()).hasMatch())
        << desktop.errors.first().toStdString();
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missing));
}

// A temporary folder on a full disk: the system's reason, no file left, nothing opened; a report
// small enough for Qt's buffer and one written past it.
TEST(ReportFile, FullDiskSaysWhyLeavesNoFileAndOpensNothing)
{
    for (const qsizetype size : {2000, 40000}) {
        SCOPED_TRACE(size);
        QTemporaryDir dir;
        ScopedTmpDir tmp(dir.path());
        DesktopRecorder desktop;
        {
            ScopedFileSizeLimit full(1000);
            const QString report = u"{\\rtf1 "_s + QString(size, u'x') + u'}';
            EXPECT_FALSE(runCommand(nullptr, [&] { SaveAndOpenReport(report); }));
        }
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_TRUE(desktop.errors.first().endsWith(u".rtf»: "_s + qt_error_string(EFBIG)))
            << desktop.errors.first().toStdString();
        EXPECT_TRUE(desktop.opened.isEmpty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}
