#include "common/errors.h"
#include "common/file_write.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// A save onto a full disk: Qt keeps a small file in its buffer until the end and takes a short
// write for no error at all, so both sizes must fail with the system's reason and leave the old
// file as it was.
TEST(FileWrite, SaveOntoAFullDiskSaysWhyAndKeepsTheOldFile)
{
    const QByteArray old(5000, 'o');
    const struct {
        qsizetype size; // of the new contents
        rlim_t limit;   // room the disk has for a file
    } cases[] = {
        {91, 0},      // kept in Qt's buffer until the end
        {91, 40},     // cut within the buffer
        {9000, 4096}, // cut after a page
        {40000, 0},   // written past the buffer
        {40000, 16384},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " bytes, room for " << c.limit);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"old.rri"_s);
        writeFile(path, old);
        QString message;
        {
            ScopedFileSizeLimit full(c.limit);
            try {
                saveFileAtomically(path, QByteArray(c.size, 'n'));
            } catch (const EFileError& error) {
                message = error.message();
            }
        }
        EXPECT_EQ(message, EFileError::cannotSave(path, qt_error_string(EFBIG)).message());
        EXPECT_TRUE(fileContents(path) == old) << "the old file changed";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{u"old.rri"_s});
    }

    // With room enough the new contents take the old file's place.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.rri"_s);
    writeFile(path, old);
    {
        ScopedFileSizeLimit room(9000);
        saveFileAtomically(path, QByteArray(9000, 'n'));
    }
    EXPECT_TRUE(fileContents(path) == QByteArray(9000, 'n'));
}
