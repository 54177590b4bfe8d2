#include "public/table_file.h"

#include "common/cp1251.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr char EndOfFile = '\x1A';

class LineReader
{
public:
    explicit LineReader(const QByteArray& bytes) : m_bytes(bytes)
    {
        const qsizetype stop = bytes.indexOf(EndOfFile);
        m_end = stop < 0 ? bytes.size() : stop;
    }

    bool atEnd() const { return m_pos >= m_end; }

    // The next line without its end; empty past the end of the file.
    QByteArray next()
    {
        if (atEnd())
            return QByteArray();
        qsizetype stop = m_bytes.indexOf('\n', m_pos);
        if (stop < 0 || stop > m_end)
            stop = m_end;
        qsizetype length = stop - m_pos;
        if (stop < m_end && length > 0 && m_bytes.at(stop - 1) == '\r')
            --length;
        const QByteArray line = m_bytes.mid(m_pos, length);
        m_pos = stop + 1;
        return line;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_end = 0;
    qsizetype m_pos = 0;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

int readCount(LineReader& lines)
{
    if (lines.atEnd())
        return 1;
    const QByteArray line = lines.next();
    qsizetype i = 0;
    while (i < line.size() && isBlank(line.at(i)))
        ++i;
    bool negative = false;
    if (i < line.size() && (line.at(i) == '+' || line.at(i) == '-')) {
        negative = line.at(i) == '-';
        ++i;
    }
    const qsizetype digits = i;
    long long value = 0;
    for (; i < line.size() && line.at(i) >= '0' && line.at(i) <= '9'; ++i)
        value = qMin<long long>(value * 10 + (line.at(i) - '0'), MaxTableCount + 1);
    if (i == digits || (i < line.size() && !isBlank(line.at(i))))
        throw ETableFileError::invalidNumericInput();
    if (negative || value < 1)
        return 1;
    if (value > MaxTableCount)
        throw ETableFileError::invalidNumericInput();
    return static_cast<int>(value);
}

} // namespace

ETableFileError ETableFileError::fileNotFound()
{
    return ETableFileError(u"File not found"_s);
}

ETableFileError ETableFileError::accessDenied()
{
    return ETableFileError(u"File access denied"_s);
}

ETableFileError ETableFileError::diskReadError()
{
    return ETableFileError(u"Disk read error"_s);
}

ETableFileError ETableFileError::invalidNumericInput()
{
    return ETableFileError(u"Invalid numeric input"_s);
}

void loadTable(TableSink& grid, const QByteArray& bytes, const QString& path)
{
    LineReader lines(bytes);
    auto atLine = [&path](qint64 line) { return ErrorPlace::described(fileLinePlace(path, line)); };
    const int cols = atPlace(atLine(1), [&lines] { return readCount(lines); });
    grid.setColCount(cols);
    const int rows = atPlace(atLine(2), [&lines, cols] {
        const int count = readCount(lines);
        if (cols * count > MaxTableCells)
            throw ETableFileError::invalidNumericInput();
        return count;
    });
    grid.setRowCount(rows);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            grid.setCell(c, r, fromCp1251(lines.next()));
}

void LoadStringGrid(TableSink& grid, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            throw ETableFileError::fileNotFound();
        throw ETableFileError::accessDenied();
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ETableFileError::diskReadError();
    loadTable(grid, bytes, path);
}
