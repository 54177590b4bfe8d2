// Damaged and random files never crash or hang the readers: each either loads or reports an
// error of its own kind. Fixed seeds keep every run the same.

#include "common/errors.h"
#include "public/object_file.h"
#include "public/table_file.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace
{

class Fuzzer
{
public:
    explicit Fuzzer(unsigned seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // A few flips, overwrites (from alphabet), insertions, removals or a cut of a valid file.
    QByteArray mutate(QByteArray bytes, const QByteArray& alphabet)
    {
        for (int step = 1 + below(6); step > 0; --step) {
            const int at = bytes.isEmpty() ? 0 : below(static_cast<int>(bytes.size()));
            const char c = alphabet.at(below(static_cast<int>(alphabet.size())));
            switch (below(5)) {
            case 0:
                if (!bytes.isEmpty())
                    bytes[at] = static_cast<char>(bytes.at(at) ^ (1 << below(8)));
                break;
            case 1:
                if (!bytes.isEmpty())
                    bytes[at] = c;
                break;
            case 2:
                bytes.insert(at, c);
                break;
            case 3:
                bytes.remove(at, 1 + below(12));
                break;
            default:
                bytes.truncate(at);
            }
        }
        return bytes;
    }

    QByteArray randomText(int maxSize, const QByteArray& alphabet)
    {
        QByteArray bytes;
        for (int n = below(maxSize + 1); n > 0; --n)
            bytes += alphabet.at(below(static_cast<int>(alphabet.size())));
        return bytes;
    }

private:
    std::mt19937 m_random;
};

QByteArray allBytes()
{
    QByteArray bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

// Checks that every cell lies inside the counts the reader set.
struct CheckingTable : TableSink {
    int cols = 1;
    int rows = 1;
    long long cells = 0;
    void setColCount(int count) override { cols = count; }
    void setRowCount(int count) override
    {
        EXPECT_TRUE(cols >= 1 && count >= 1 && count <= MaxTableCount &&
                    count * cols <= MaxTableCells);
        rows = count;
    }
    void setCell(int col, int row, const QString&) override
    {
        EXPECT_TRUE(col >= 0 && col < cols && row >= 0 && row < rows);
        ++cells;
    }
};

bool isWithinItsGroups(const StoredObject& object)
{
    const auto finite = [](long double v) { return std::isfinite(v); };
    const auto notNegative = [](long double v) { return v >= 0.0L; };
    // The fire frequency and the times.
    const long double times[] = {object.Par[1], object.Par[4], object.Par[7],
                                 object.Par[8], object.Par[9], object.Par[10]};
    return std::all_of(object.Par.begin(), object.Par.end(), finite) &&
           std::all_of(std::begin(times), std::end(times), notNegative) &&
           std::all_of(object.SystemItems.begin(), object.SystemItems.end(),
                       [](std::int32_t item) { return item >= 0 && item <= 2; }) &&
           object.FireRoomAr >= 0.0L && std::isfinite(object.FireRoomAr) && object.FClass >= 0 &&
           object.FClass <= 7 && object.Ne >= 0.0L && std::isfinite(object.Ne) &&
           object.Nneev >= 0.0L && std::isfinite(object.Nneev);
}

} // namespace

TEST(Fuzzing, ObjectFiles)
{
    Fuzzer fuzz(20240611);
    StoredObject valid;
    valid.Par.fill(0.8L);
    valid.FClass = 4;
    const QByteArray full = encodeObject(valid);
    const QByteArray seeds[] = {full, full.left(200), full.left(215)};
    const QByteArray bytes256 = allBytes();
    int loaded = 0;
    for (int i = 0; i < 600000; ++i) {
        const QByteArray bytes =
            i % 3 == 0 ? fuzz.randomText(320, bytes256) : fuzz.mutate(seeds[i % 3], bytes256);
        try {
            const StoredObject object = decodeObject(bytes, QStringLiteral("fuzz.rro"));
            ++loaded;
            // Whatever loads is an object the program could have written.
            ASSERT_EQ(encodeObject(object).size(), 280);
            ASSERT_LE(bytes.size(), 280);
            ASSERT_TRUE(isWithinItsGroups(object));
        } catch (const AppError& error) {
            // Every refusal says where: the file, and the record where one applies.
            ASSERT_TRUE(error.message().startsWith(QStringLiteral("Файл «fuzz.rro»")));
        }
    }
    EXPECT_GT(loaded, 1000); // the mutations reach the end of the reader, not only its checks
}

TEST(Fuzzing, TableFiles)
{
    Fuzzer fuzz(7);
    const QByteArray seed = "3\r\n4\r\n\xCA\xEB\xE0\xF1\xF1\r\n\xD4"
                            "1.1\r\n\xD4"
                            "2\r\n\xD4"
                            "3\r\nA\r\n0,0116\r\n0,02\r\n\r\nB\r\n1\r\n2\r\n3\r\n";
    const QByteArray alphabet("0123456789 \t\r\n\x1A+-,.a\xFF", 21);
    int loaded = 0;
    for (int i = 0; i < 500000; ++i) {
        // Short lines of digits, blanks and line ends; or a damaged table.
        const QByteArray bytes =
            i % 2 == 0 ? fuzz.randomText(40, alphabet) : fuzz.mutate(seed, alphabet);
        CheckingTable table;
        try {
            loadTable(table, bytes, QStringLiteral("fuzz.rrt"));
            EXPECT_EQ(table.cells, static_cast<long long>(table.cols) * table.rows);
            ++loaded;
        } catch (const ETableFileError&) {
        }
    }
    EXPECT_GT(loaded, 1000);
}
