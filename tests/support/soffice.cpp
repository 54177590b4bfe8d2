#include "support/soffice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <csignal>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The first start of a fresh profile alone takes several seconds on a loaded machine.
constexpr int TimeoutMs = 180'000;

// How one start of soffice ended.
struct Start {
    bool finished = false;
    bool bySignal = false;
    int code = 0;   // the exit code, or the signal's number when bySignal
    QString said;   // its standard and error output
    QString ending; // how it ended, for a failure message
};

// The soffice wrapper becomes oosplash, which reports a soffice.bin ended by signal N as exit code
// 128 + N (an abort also prints "Fatal exception: Signal 6"); a wrapper killed itself crashes.
Start startOnce(const QString& program, const QStringList& arguments)
{
    QTemporaryDir profile;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, QStringList{u"-env:UserInstallation="_s +
                                       QUrl::fromLocalFile(profile.path()).toString()} +
                               arguments);
    Start start;
    start.finished = process.waitForFinished(TimeoutMs);
    if (!start.finished) {
        start.ending = u"did not finish: "_s + process.errorString();
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::CrashExit) {
        start.bySignal = true;
        start.ending = u"crashed"_s;
    } else {
        start.code = process.exitCode();
        start.bySignal = start.code > 128 && start.code - 128 <= SIGRTMAX;
        if (start.bySignal)
            start.code -= 128;
        start.ending = (start.bySignal ? u"signal %1"_s : u"exit code %1"_s).arg(start.code);
    }
    start.said = QString::fromLocal8Bit(process.readAll());
    return start;
}

} // namespace

QString sofficeConvert(const QString& file, const QString& filter, const QString& extension,
                       const QString& outFolder, QString* error)
{
    const QString program = QStandardPaths::findExecutable(u"soffice"_s);
    if (program.isEmpty()) {
        *error = u"soffice not found; ./test installs libreoffice-writer-nogui"_s;
        return {};
    }
    const QStringList arguments{u"--headless"_s,
                                u"--norestore"_s,
                                u"--convert-to"_s,
                                filter,
                                u"--outdir"_s,
                                outFolder,
                                file};
    const QString output =
        QDir(outFolder).filePath(QFileInfo(file).completeBaseName() + u'.' + extension);
    const Start first = startOnce(program, arguments);
    // A first start on a new machine can abort where every later one works. Only a signal earns
    // a second start: a conversion that fails otherwise is the answer.
    const bool again = first.finished && first.bySignal;
    const Start last = again ? startOnce(program, arguments) : first;
    if (last.finished && !last.bySignal && last.code == 0 && QFileInfo::exists(output))
        return output;

    *error = u"soffice gave no "_s + extension;
    if (again)
        *error += u" (first start: "_s + first.ending +
                  u"; second start, with a fresh profile: "_s + last.ending +
                  u")\nfirst start said:\n"_s + first.said + u"\nsecond start said:\n"_s +
                  last.said;
    else
        *error += u" ("_s + last.ending + u"): "_s + last.said;
    return {};
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
