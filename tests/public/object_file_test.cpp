#include "common/errors.h"
#include "public/extended80.h"
#include "public/object_file.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace
{

using limits = std::numeric_limits<long double>;

QByteArray bytesOf(long double value)
{
    const Extended80 bytes = encodeExtended(value);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), ObjectRecordSize);
}

long double valueOf(const QByteArray& bytes)
{
    Extended80 value{};
    for (std::size_t i = 0; i < value.size(); ++i)
        value[i] = static_cast<std::uint8_t>(bytes.at(static_cast<qsizetype>(i)));
    return decodeExtended(value);
}

// A full file of zeros with record `number` (from 1) holding value.
QByteArray withRecord(int number, long double value)
{
    QByteArray bytes = bytesOf(0.0L).repeated(ObjectRecords);
    return bytes.replace((number - 1) * ObjectRecordSize, ObjectRecordSize, bytesOf(value));
}

// The field that a record of a whole number or of people becomes.
long double fieldOf(const StoredObject& object, int record)
{
    switch (record) {
    case 15:
        return object.NomScen;
    case 16:
        return object.SystemItems[0];
    case 21:
        return object.FClass;
    case 22:
        return object.ReservedInt;
    case 23:
        return object.Ne;
    default:
        return object.Nneev;
    }
}

QString errorOf(const QByteArray& bytes)
{
    try {
        decodeObject(bytes);
    } catch (const AppError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(Extended80, BytesAndEveryKindOfValue)
{
    const std::pair<long double, const char*> known[] = {
        {0.0L, "00000000000000000000"},  {1.0L, "0000000000000080ff3f"},
        {0.04L, "0ad7a3703d0ad7a3fa3f"}, {0.9L, "66666666666666e6fe3f"},
        {0.8L, "cdccccccccccccccfe3f"},  {-2.5L, "00000000000000a000c0"},
        {-0.0L, "00000000000000000080"},
    };
    for (const auto& [value, hex] : known) {
        EXPECT_EQ(bytesOf(value).toHex(), QByteArray(hex)) << hex;
        EXPECT_EQ(valueOf(QByteArray::fromHex(hex)), value) << hex;
        EXPECT_EQ(std::signbit(valueOf(QByteArray::fromHex(hex))), std::signbit(value)) << hex;
    }
    for (long double value :
         {limits::min(), limits::denorm_min(), limits::max(), -limits::max(), limits::min() / 3.0L,
          limits::infinity(), -limits::infinity(), 123456789.123456789L})
        EXPECT_EQ(valueOf(bytesOf(value)), value) << static_cast<double>(value);
    EXPECT_TRUE(std::isnan(valueOf(bytesOf(limits::quiet_NaN()))));
    // Patterns no arithmetic writes still read as a value.
    EXPECT_EQ(valueOf(QByteArray::fromHex("00000000000000400040")), 1.0L); // unnormal
    EXPECT_EQ(valueOf(QByteArray::fromHex("00000000000000800000")), limits::min());
    EXPECT_TRUE(std::isnan(valueOf(QByteArray::fromHex("0000000000000000ff7f"))));
}

TEST(ObjectFile, LayoutsBySize)
{
    const QString beyond = u"Read beyond end of file"_s;
    const std::pair<int, QString> cases[] = {
        {0, beyond},   {199, beyond}, {200, {}}, {209, {}},  {210, beyond},
        {215, beyond}, {279, beyond}, {280, {}}, {5000, {}},
    };
    for (const auto& [size, error] : cases) {
        const QByteArray bytes = withRecord(1, 0.0L).leftJustified(size, '\0', true);
        EXPECT_EQ(errorOf(bytes), error) << size << " bytes";
        if (error.isEmpty()) {
            EXPECT_EQ(decodeObject(bytes).olderLayout, size < 210) << size << " bytes";
        }
    }
}

TEST(ObjectFile, RecordsInTheirOrder)
{
    StoredObject object;
    for (std::size_t i = 0; i < object.Par.size(); ++i)
        object.Par.at(i) = 0.5L + static_cast<long double>(i);
    object.NomScen = -7;
    object.SystemItems = {0, 1, 2, -1};
    object.FireRoomAr = 40.0L;
    object.FClass = 7;
    object.ReservedInt = 123;
    object.Ne = 250.0L;
    object.Nneev = 3.0L;
    object.Conditions = {true, false, false, true};
    const long double records[ObjectRecords] = {
        0.5L, 1.5L, 2.5L, 3.5L, 4.5L, 5.5L, 6.5L, 7.5L, 8.5L, 9.5L, 10.5L, 11.5L, 12.5L, 13.5L,
        -7,   0,    1,    2,    -1,   40,   7,    123,  250,  3,    1,     0,     0,     1};

    const QByteArray bytes = encodeObject(object);
    ASSERT_EQ(bytes.size(), 280);
    for (int i = 0; i < ObjectRecords; ++i)
        EXPECT_EQ(valueOf(bytes.mid(i * ObjectRecordSize, ObjectRecordSize)), records[i])
            << "record " << i + 1;
    const StoredObject back = decodeObject(bytes);
    EXPECT_EQ(encodeObject(back), bytes);
    EXPECT_EQ(back.Conditions, object.Conditions);
}

TEST(ObjectFile, WholeNumbersRoundHalfToEvenWithinTheirRange)
{
    const QString invalid = u"Invalid floating point operation"_s;
    const long double nan = limits::quiet_NaN();
    struct Case {
        int record;
        long double value;
        long double read; // as the decoded field holds it
        QString error;
    };
    const Case cases[] = {
        {23, 10.5L, 10.0L, {}},
        {23, 11.5L, 12.0L, {}},
        {24, -0.5L, 0.0L, {}},
        {15, 2.5L, 2.0L, {}},
        {21, 3.5L, 4.0L, {}},
        {22, -2.5L, -2.0L, {}},
        {16, 0.49999L, 0, {}},
        {15, 2147483647.4L, 2147483647.0L, {}},
        {22, -2147483648.0L, -2147483648.0L, {}},
        {23, limits::infinity(), limits::infinity(), {}},
        {15, nan, 0, invalid},
        {16, limits::infinity(), 0, invalid},
        {21, 2147483648.0L, 0, invalid},
        {15, 2147483647.5L, 0, invalid},
        {22, -2147483649.0L, 0, invalid},
        {1, nan, 0, {}}, // Par is read as it is
    };
    for (const Case& c : cases) {
        const QString what = u"record %1 = %2"_s.arg(c.record).arg(static_cast<double>(c.value));
        EXPECT_EQ(errorOf(withRecord(c.record, c.value)), c.error) << what.toStdString();
        if (!c.error.isEmpty() || c.record == 1)
            continue;
        EXPECT_EQ(fieldOf(decodeObject(withRecord(c.record, c.value)), c.record), c.read)
            << what.toStdString();
    }
    // The older layout does not read the class at all.
    EXPECT_EQ(errorOf(withRecord(21, nan).left(200)), QString());
}

TEST(ObjectFile, FilesWrittenWholeOrNotAtAllAndReadOnly)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"object.rro"_s);
    StoredObject object;
    object.FireRoomAr = 1.5L;
    writeObjectFile(target, object);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)); // the reader never needs more
    EXPECT_EQ(readObject(file, target).FireRoomAr, 1.5L);

    // Unwritable by their shape (the tests may run as root): a parent that is a file, a folder
    // at the target's name. Neither changes.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.rro"_s));
    for (const QString& path : {target + u"/object.rro"_s, dir.filePath(u"folder.rro"_s)}) {
        try {
            writeObjectFile(path, StoredObject());
            ADD_FAILURE() << "written: " << path.toStdString();
        } catch (const EFileError& e) {
            EXPECT_TRUE(e.message().startsWith(u"Не удалось сохранить файл «"_s + path + u"»: "_s))
                << e.message().toStdString();
        }
    }
    // A full disk fails the save while the 280 bytes still sit in Qt's buffer.
    {
        ScopedFileSizeLimit full(100);
        EXPECT_THROW(writeObjectFile(target, StoredObject()), EFileError);
    }
    EXPECT_EQ(readObjectFile(target).FireRoomAr, 1.5L);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"object.rro"_s});
    EXPECT_TRUE(QFileInfo(dir.filePath(u"folder.rro"_s)).isDir());
    EXPECT_THROW(readObjectFile(dir.filePath(u"missing.rro"_s)), EFileError);
}
