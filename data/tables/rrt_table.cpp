// Build step: writes a table file "*.rrt" from its UTF-8 source, where each line is one row of
// the table with its cells separated by tabs and lines starting with "#" are notes. The table
// file holds the column count, the row count and the cells column by column, in code page 1251
// with CR LF. A character the code page lacks, or rows of unequal length, fail the build.
//   rrt_table SOURCE.tsv OUTPUT.rrt

#include "common/cp1251.h"
#include "common/errors.h"
#include "common/file_write.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

namespace
{

int fail(const QString& message)
{
    std::fprintf(stderr, "rrt_table: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return fail(QStringLiteral("usage: rrt_table SOURCE.tsv OUTPUT.rrt"));
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(sourcePath + QStringLiteral(": ") + source.errorString());

    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(source.readAll()).split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (fromCp1251(toCp1251(line)) != line)
            return fail(QStringLiteral("%1:%2: a character outside code page 1251")
                            .arg(sourcePath)
                            .arg(n + 1));
        rows << line.split(u'\t');
        if (rows.last().size() != rows.first().size())
            return fail(QStringLiteral("%1:%2: %3 cells, the first row has %4")
                            .arg(sourcePath)
                            .arg(n + 1)
                            .arg(rows.last().size())
                            .arg(rows.first().size()));
    }
    if (rows.isEmpty())
        return fail(sourcePath + QStringLiteral(": no rows"));

    const qsizetype cols = rows.first().size();
    QByteArray bytes = QByteArray::number(cols) + "\r\n" + QByteArray::number(rows.size()) + "\r\n";
    for (qsizetype c = 0; c < cols; ++c)
        for (const QStringList& row : rows)
            bytes += toCp1251(row.at(c)) + "\r\n";

    try {
        saveFileAtomically(QString::fromLocal8Bit(argv[2]), bytes);
    } catch (const EFileError& error) {
        return fail(error.message());
    }
    return 0;
}
