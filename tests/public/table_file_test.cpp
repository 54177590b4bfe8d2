#include "common/number_parse.h"
#include "common/platform.h"
#include "public/table_file.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace
{

// What the reader put, in the order it put it; -1: never set.
struct RecordedTable : TableSink {
    int cols = -1;
    int rows = -1;
    std::map<std::pair<int, int>, QString> cells; // (col, row)
    int cellsPut = 0;

    void setColCount(int count) override { cols = count; }
    void setRowCount(int count) override { rows = count; }
    void setCell(int col, int row, const QString& text) override
    {
        cells[{col, row}] = text;
        ++cellsPut;
    }
    QString cell(int col, int row) const
    {
        const auto found = cells.find({col, row});
        return found == cells.end() ? u"(never put)"_s : found->second;
    }
};

// The error text, or nothing when the table loaded.
std::optional<QString> load(RecordedTable& table, const QByteArray& bytes)
{
    try {
        loadTable(table, bytes, u"/opt/kestrum/table1.rrt"_s);
    } catch (const ETableFileError& e) {
        return e.message();
    }
    return std::nullopt;
}

} // namespace

TEST(TableFile, CountLines)
{
    // The bad count's line is named before the message.
    const QString invalid = u"Файл «/opt/kestrum/table1.rrt», строка 1\nInvalid numeric input"_s;
    const QString invalidRows =
        u"Файл «/opt/kestrum/table1.rrt», строка 2\nInvalid numeric input"_s;
    struct Case {
        QByteArray bytes;
        int cols;
        int rows;
        QString error; // empty: loads
    };
    const Case cases[] = {
        {"2\r\n3\r\n", 2, 3, {}},
        {"  4 columns\n\t5\tand notes\n", 4, 5, {}},
        {"+3\n007\n", 3, 7, {}},
        {"0\n-3\n", 1, 1, {}}, // below 1 counts as 1
        {"", 1, 1, {}},        // the file ends before either count
        {"3\x1A\n4\n", 3, 1, {}},
        {"1000\n100\n", 1000, 100, {}},
        {"12abc\n1\n", -1, -1, invalid},
        {"\n3\n", -1, -1, invalid}, // an empty count line
        {"  \n", -1, -1, invalid},
        {"2,5\n1\n", -1, -1, invalid},
        {"2\n3x\n", 2, -1, invalidRows}, // the column count stays set
        {"2000000000\n1\n", -1, -1, invalid},
        {"99999999999999999999999\n1\n", -1, -1, invalid},
        {"1000\n101\n", 1000, -1, invalidRows}, // more than 100000 cells
    };
    for (const Case& c : cases) {
        RecordedTable table;
        const std::optional<QString> error = load(table, c.bytes);
        EXPECT_EQ(error.value_or(QString()), c.error) << c.bytes.toStdString();
        EXPECT_EQ(table.cols, c.cols) << c.bytes.toStdString();
        EXPECT_EQ(table.rows, c.rows) << c.bytes.toStdString();
        if (!error) {
            EXPECT_EQ(table.cellsPut, c.cols * c.rows) << c.bytes.toStdString();
        }
    }
}

TEST(TableFile, CellsColumnByColumnWholeLines)
{
    RecordedTable table;
    // 3 columns × 3 rows: LF alone ends a line too, a CR elsewhere is text, code page 1251;
    // column 2 is cut short by Ctrl-Z and stays empty, whatever follows.
    ASSERT_FALSE(load(table, "3\r\n3\r\n\xCF\xEB\xEE\xF9\xE0\xE4\xFC\r\n r1 \nr2\r\n"
                             "B\r\n\r\nv\rw\r\nh2\x1Av2\r\nv3\r\n"));
    EXPECT_EQ(table.cell(0, 0), u"Площадь"_s);
    EXPECT_EQ(table.cell(0, 1), u" r1 "_s);
    EXPECT_EQ(table.cell(0, 2), u"r2"_s);
    EXPECT_EQ(table.cell(1, 0), u"B"_s);
    EXPECT_EQ(table.cell(1, 1), QString());
    EXPECT_EQ(table.cell(1, 2), u"v\rw"_s);
    EXPECT_EQ(table.cell(2, 0), u"h2"_s);
    EXPECT_EQ(table.cell(2, 1), QString());
    EXPECT_EQ(table.cell(2, 2), QString());
}

// A table is read up to the bounds and no further: a file past 1 MB is refused naming the file,
// a line past 4096 bytes naming its line; a file at both bounds is read whole.
TEST(TableFile, SizeAndLineBounds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"table1.rrt"_s);
    const QString fileTooLong =
        filePlace(path) + u"\nФайл длиннее 1 МБ: такой таблицы программа не читает"_s;
    const auto lineTooLong = [&path](int line) {
        return fileLinePlace(path, line) +
               u"\nСтрока длиннее 4096 символов: такой таблицы программа не читает"_s;
    };
    // Two columns of cells at the line bound, then lines after the last cell up to the size
    // bound.
    const QByteArray cell = QByteArray(MaxTableLineLength, '\xC0') + "\r\n";
    const int rows = static_cast<int>(MaxTableBytes / cell.size() / 2) - 1;
    const QByteArray counts = "2\r\n" + QByteArray::number(rows) + "\r\n";
    QByteArray atBounds = counts;
    for (int n = 0; n < 2 * rows; ++n)
        atBounds += cell;
    atBounds += QByteArray(MaxTableBytes - atBounds.size(), '\n');
    QByteArray longCell = atBounds;
    longCell.insert(counts.size() + rows * cell.size(), 'x'); // the first cell of column 1
    longCell.chop(1);
    QByteArray longCount = atBounds;
    longCount.insert(1, QByteArray(MaxTableLineLength, ' '));
    longCount.truncate(MaxTableBytes);

    struct Case {
        const char* file;
        QByteArray bytes;
        QString error; // empty: loads
    };
    const Case cases[] = {
        {"at both bounds", atBounds, {}},
        {"with line feeds alone", QByteArray(atBounds).replace("\r\n", "\n"), {}},
        {"a byte past the size bound", atBounds + 'x', fileTooLong},
        {"a cell past the line bound", longCell, lineTooLong(3 + rows)},
        {"a count past the line bound", longCount, lineTooLong(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        writeFile(path, c.bytes);
        RecordedTable table;
        try {
            LoadStringGrid(table, path);
            EXPECT_TRUE(c.error.isEmpty()) << "loaded";
            EXPECT_EQ(table.rows, rows);
            EXPECT_EQ(table.cellsPut, 2 * rows);
            EXPECT_TRUE(table.cell(1, rows - 1) == QString(MaxTableLineLength, u'А'));
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), c.error);
            EXPECT_LE(table.cellsPut, rows);
        }
    }

    // A file that opens but fails while it is read.
    RecordedTable table;
    try {
        LoadStringGrid(table, u"/proc/self/mem"_s);
        ADD_FAILURE() << "loaded";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), fileLinePlace(u"/proc/self/mem"_s, 1) + u"\nDisk read error"_s);
    }
}

// The tables delivered beside the program: every cell that can be chosen goes into an edit as a
// number, and the headings name the edition the values come from.
TEST(TableFile, DeliveredTablesHoldNumbersAndNameTheirEdition)
{
    ScopedDecimalSeparator comma(u',');
    struct Case {
        const char* name;
        int rows;
        QString edition;
    };
    const Case cases[] = {{"table2.rrt", 9, u"№ 632"_s}, {"table1.rrt", 2, u"№ 1140"_s}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordedTable table;
        LoadStringGrid(table, platform::programFolder() + QString::fromLatin1(c.name));
        EXPECT_EQ(table.cols, 2);
        EXPECT_EQ(table.rows, c.rows);
        EXPECT_TRUE(table.cell(1, 0).contains(c.edition));
        for (int row = 1; row < table.rows; ++row) {
            EXPECT_FALSE(table.cell(0, row).isEmpty()) << "row " << row;
            for (int col = 1; col < table.cols; ++col) {
                const QString value = table.cell(col, row);
                try {
                    EXPECT_GT(str2r(value), 0.0L) << value.toStdString();
                } catch (const EConvertError& error) {
                    ADD_FAILURE() << error.message().toStdString();
                }
            }
        }
    }
}
