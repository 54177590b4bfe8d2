#include "support/soffice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The first start of a fresh profile alone takes several seconds on a loaded machine.
constexpr int TimeoutMs = 180'000;

} // namespace

QString sofficeConvert(const QString& file, const QString& filter, const QString& extension,
                       const QString& outFolder, QString* error)
{
    const QString program = QStandardPaths::findExecutable(u"soffice"_s);
    if (program.isEmpty()) {
        *error = u"soffice not found; ./test installs libreoffice-writer-nogui"_s;
        return {};
    }
    QTemporaryDir profile;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program,
                  {u"-env:UserInstallation="_s + QUrl::fromLocalFile(profile.path()).toString(),
                   u"--headless"_s, u"--norestore"_s, u"--convert-to"_s, filter, u"--outdir"_s,
                   outFolder, file});
    if (!process.waitForFinished(TimeoutMs)) {
        process.kill();
        process.waitForFinished();
        *error = u"soffice did not finish: "_s + process.errorString();
        return {};
    }
    const QString output =
        QDir(outFolder).filePath(QFileInfo(file).completeBaseName() + u'.' + extension);
    if (process.exitCode() != 0 || !QFileInfo::exists(output)) {
        *error =
            u"soffice gave no "_s + extension + u": "_s + QString::fromLocal8Bit(process.readAll());
        return {};
    }
    return output;
}

QString rtfToText(const QString& rtfFile)
{
    QTemporaryDir out;
    QString error;
    const QString path =
        sofficeConvert(rtfFile, u"txt:Text (encoded):UTF8"_s, u"txt"_s, out.path(), &error);
    if (path.isEmpty()) {
        ADD_FAILURE() << error.toStdString();
        return {};
    }
    QFile text(path);
    if (!text.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    QString content = QString::fromUtf8(text.readAll());
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    return content;
}
