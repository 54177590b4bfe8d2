#include "industrial/report/report_file.h"

#include "common/errors.h"
#include "common/file_write.h"
#include "common/platform.h"
#include "industrial/report/rtf_text.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr int NameCount = 255;

// Follows the report text in every file.
const QByteArray Trailer = "{\\fs20\\lang1033\\langfe1049\\langnp1033\\insrsid1644108  }}"
                           "{\\fldrslt }}"
                           "{\\fs20\\lang1033\\langfe1049\\langnp1033\\insrsid14287006"
                           "\\charrsid14287006 \\par }}";

QString reportPath(const QString& folder, int n)
{
    return folder + u"temp"_s + QString::number(n) + u".rtf"_s;
}

// A dangling link counts: creating through it would create its target.
bool nameTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw EFileError(u"Не удалось записать отчёт «"_s + path + u"»: "_s + reason);
}

} // namespace

QString TempDir()
{
    return platform::tempFolder();
}

QString WriteReportFile(const QString& folder, int drawn, const QByteArray& bytes)
{
    constexpr auto newFile = QIODevice::WriteOnly | QIODevice::NewOnly;
    QFile file;
    for (int i = 0; i < NameCount && !file.isOpen(); ++i) {
        file.setFileName(reportPath(folder, (drawn + i) % NameCount));
        if (!file.open(newFile) && !nameTaken(file.fileName()))
            cannotWrite(file.fileName(), file.errorString());
    }
    if (!file.isOpen()) {
        file.setFileName(reportPath(folder, drawn));
        if (!file.remove() || !file.open(newFile))
            cannotWrite(file.fileName(), file.errorString());
    }
    QString reason = writeAllFlushed(file, bytes);
    file.close();
    if (reason.isEmpty() && file.error() != QFileDevice::NoError)
        reason = file.errorString();
    if (!reason.isEmpty()) {
        file.remove();
        cannotWrite(file.fileName(), reason);
    }
    return file.fileName();
}

void SaveAndOpenReport(const QString& reportText)
{
    const int drawn = static_cast<int>(QRandomGenerator::global()->bounded(NameCount));
    const QString path = WriteReportFile(TempDir(), drawn, RtfBytes(reportText) + Trailer);
    platform::openDocument(path);
}
