#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes all of `bytes` to an open file and flushes Qt's buffer to the system. Returns an empty
// text on success, else the system's reason ("No space left on device", "File too large"): after
// a short write Qt sets no error and reads "Unknown error", while errno still holds the cause.
QString writeAllFlushed(QFileDevice& file, const QByteArray& bytes);

// Replaces the file at `path` with `bytes` through a temporary file that takes its place only when
// every byte was written; on any failure the old file stays as it was and no temporary file is
// left. Throws EFileError::cannotSave with the system's reason.
void saveFileAtomically(const QString& path, const QByteArray& bytes);
