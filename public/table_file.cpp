#include "public/table_file.h"

#include "common/cp1251.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr char EndOfFile = '\x1A';

class LineReader
{
public:
    LineReader(QIODevice& device, const QString& path) : m_device(device), m_path(path)
    {
        // A file of unknown size is counted as it is read.
        if (!device.isSequential() && device.size() > MaxTableBytes)
            throw tooLong();
    }

    // The next line without its end into `text`; false, with `text` empty, past the end of the
    // file. Read in pieces up to the bound with a CR LF: a longer line is refused before it is
    // held whole.
    bool next(QByteArray& text)
    {
        ++m_line;
        text.clear();
        if (m_ended)
            return false;
        char line[MaxTableLineLength + 3]; // and readLine's terminator
        qint64 length = 0;
        bool byLineFeed = false;
        while (length < qint64(sizeof line) - 1) {
            const qint64 got = m_device.readLine(line + length, qint64(sizeof line) - length);
            if (got <= 0) {
                if (auto* file = qobject_cast<QFileDevice*>(&m_device);
                    file && file->error() != QFileDevice::NoError)
                    throw ETableFileError::diskReadError();
                m_ended = true;
                break;
            }
            m_read += got;
            if (m_read > MaxTableBytes)
                throw tooLong();
            if (const auto* stop = static_cast<const char*>(
                    std::memchr(line + length, EndOfFile, static_cast<size_t>(got)))) {
                length = stop - line;
                m_ended = true;
                break;
            }
            length += got;
            if (line[length - 1] == '\n') {
                byLineFeed = true;
                --length;
                break;
            }
        }
        if (!byLineFeed && length == 0)
            return false;
        if (byLineFeed && length > 0 && line[length - 1] == '\r')
            --length;
        if (length > MaxTableLineLength) {
            ETableTooLarge error = ETableTooLarge::lineTooLong();
            error.setPlace(ErrorPlace::described(fileLinePlace(m_path, m_line)));
            throw error;
        }
        text = QByteArray(line, length);
        return true;
    }

private:
    ETableTooLarge tooLong() const
    {
        ETableTooLarge error = ETableTooLarge::fileTooLong();
        error.setPlace(ErrorPlace::described(filePlace(m_path)));
        return error;
    }

    QIODevice& m_device;
    QString m_path;
    qint64 m_line = 0;
    qint64 m_read = 0;
    bool m_ended = false;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

int readCount(LineReader& lines)
{
    QByteArray line;
    if (!lines.next(line))
        return 1;
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

ETableTooLarge ETableTooLarge::fileTooLong()
{
    return ETableTooLarge(u"Файл длиннее 1 МБ: такой таблицы программа не читает"_s);
}

ETableTooLarge ETableTooLarge::lineTooLong()
{
    return ETableTooLarge(u"Строка длиннее "_s + QString::number(MaxTableLineLength) +
                          u" символов: такой таблицы программа не читает"_s);
}

void loadTable(TableSink& grid, const QByteArray& bytes, const QString& path)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    loadTable(grid, buffer, path);
}

void loadTable(TableSink& grid, QIODevice& device, const QString& path)
{
    LineReader lines(device, path);
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
    QByteArray line;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            lines.next(line);
            grid.setCell(c, r, fromCp1251(line));
        }
}

void LoadStringGrid(TableSink& grid, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // The file is named, as a table that is there but bad is: the box alone says not which.
        atPlace(ErrorPlace::described(filePlace(path)), [&path] {
            if (!QFileInfo::exists(path))
                throw ETableFileError::fileNotFound();
            throw ETableFileError::accessDenied();
        });
    }
    loadTable(grid, file, path);
}
