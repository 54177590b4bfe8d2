#include "common/file_write.h"

#include "common/errors.h"

#include <QSaveFile>
#include <cerrno>

QString writeAllFlushed(QFileDevice& file, const QByteArray& bytes)
{
    errno = 0;
    if (file.write(bytes) == bytes.size() && file.flush())
        return QString();
    const int cause = errno;
    return cause != 0 ? qt_error_string(cause) : file.errorString();
}

void saveFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Never write over the old file in place: a failure would lose it.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw EFileError::cannotSave(path, file.errorString());
    // commit() would put a file whose last flush failed in place of the old one, empty or cut.
    if (const QString reason = writeAllFlushed(file, bytes); !reason.isEmpty()) {
        file.cancelWriting();
        throw EFileError::cannotSave(path, reason);
    }
    if (!file.commit())
        throw EFileError::cannotSave(path, file.errorString());
}
