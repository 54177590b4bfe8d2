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

const QString Path = u"/home/user/obj.rro"_s;

QString errorOf(const QByteArray& bytes)
{
    try {
        decodeObject(bytes, Path);
    } catch (const AppError& e) {
        return e.message();
    }
    return QString();
}

QString atRecord(int record, const QString& reason)
{
    return u"Файл «/home/user/obj.rro», запись "_s + QString::number(record) + u'\n' + reason;
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
    const QString tooLong =
        u"Файл «/home/user/obj.rro»\nФайл длиннее 280 байт: это не файл объекта программы"_s;
    const std::pair<int, QString> cases[] = {
        {0, atRecord(1, beyond)},
        {199, atRecord(20, beyond)},
        {200, {}},
        {209, {}},
        {210, atRecord(22, beyond)},
        {215, atRecord(22, beyond)},
        {279, atRecord(28, beyond)},
        {280, {}},
        {281, tooLong},
        {5000, tooLong},
    };
    for (const auto& [size, error] : cases) {
        const QByteArray bytes = withRecord(1, 0.0L).leftJustified(size, '\0', true);
        EXPECT_EQ(errorOf(bytes), error) << size << " bytes";
        if (error.isEmpty()) {
            EXPECT_EQ(decodeObject(bytes, Path).olderLayout, size < 210) << size << " bytes";
        }
    }
    // Another kind of file: lines of text, 480 bytes of them.
    EXPECT_EQ(errorOf(QByteArray("0,0116\r\n").repeated(60)), tooLong);
    EXPECT_EQ(errorOf(QByteArray("0,0116\r\n").repeated(35)),
              atRecord(1, u"Запись не содержит конечного числа"_s));
}

TEST(ObjectFile, RecordsInTheirOrder)
{
    StoredObject object;
    for (std::size_t i = 0; i < object.Par.size(); ++i)
        object.Par.at(i) = 0.5L + static_cast<long double>(i);
    object.NomScen = -7;
    object.SystemItems = {0, 1, 2, 1};
    object.FireRoomAr = 40.0L;
    object.FClass = 7;
    object.ReservedInt = 123;
    object.Ne = 250.0L;
    object.Nneev = 3.0L;
    object.Conditions = {true, false, false, true};
    const long double records[ObjectRecords] = {
        0.5L, 1.5L, 2.5L, 3.5L, 4.5L, 5.5L, 6.5L, 7.5L, 8.5L, 9.5L, 10.5L, 11.5L, 12.5L, 13.5L,
        -7,   0,    1,    2,    1,    40,   7,    123,  250,  3,    1,     0,     0,     1};

    const QByteArray bytes = encodeObject(object);
    ASSERT_EQ(bytes.size(), 280);
    for (int i = 0; i < ObjectRecords; ++i)
        EXPECT_EQ(valueOf(bytes.mid(i * ObjectRecordSize, ObjectRecordSize)), records[i])
            << "record " << i + 1;
    const StoredObject back = decodeObject(bytes, Path);
    EXPECT_EQ(encodeObject(back), bytes);
    EXPECT_EQ(back.Conditions, object.Conditions);
}

TEST(ObjectFile, WholeNumbersRoundHalfToEvenWithinTheirRange)
{
    const QString invalid = u"Invalid floating point operation"_s;
    struct Case {
        int record;
        long double value;
        long double read; // as the decoded field holds it
        QString error;
    };
    const Case cases[] = {
        {23, 10.5L, 10.0L, {}},
        {23, 11.5L, 12.0L, {}},
        {24, 0.5L, 0.0L, {}},
        {15, 2.5L, 2.0L, {}},
        {22, -2.5L, -2.0L, {}},
        {15, 2147483647.4L, 2147483647.0L, {}},
        {22, -2147483648.0L, -2147483648.0L, {}},
        {15, 2147483647.5L, 0, atRecord(15, invalid)},
        {22, -2147483649.0L, 0, atRecord(22, invalid)},
    };
    for (const Case& c : cases) {
        const QString what = u"record %1 = %2"_s.arg(c.record).arg(static_cast<double>(c.value));
        EXPECT_EQ(errorOf(withRecord(c.record, c.value)), c.error) << what.toStdString();
        if (c.error.isEmpty()) {
            EXPECT_EQ(fieldOf(decodeObject(withRecord(c.record, c.value), Path), c.record), c.read)
                << what.toStdString();
        }
    }
}

TEST(ObjectFile, RecordsHoldOnlyWhatTheProgramWrites)
{
    ScopedDecimalSeparator comma(u',');
    const QString notFinite = u"Запись не содержит конечного числа"_s;
    const QString item = u"Номер пункта должен быть целым числом от 0 до 2, а не "_s;
    const QString fireClass = u"Класс должен быть целым числом от 0 до 7, а не "_s;
    const QString mark = u"Отметка должна быть 0 или 1, а не "_s;
    const QString negative = u"Значение не может быть отрицательным: "_s;
    const QByteArray zero = bytesOf(0.0L).repeated(ObjectRecords);
    // A record of the given bytes in a full file of zeros.
    auto withBytes = [&zero](int record, const char* hex) {
        return QByteArray(zero).replace((record - 1) * ObjectRecordSize, ObjectRecordSize,
                                        QByteArray::fromHex(hex));
    };
    struct Case {
        const char* what;
        QByteArray bytes;
        QString error; // empty: the file loads
    };
    const Case cases[] = {
        {"NaN fire frequency", withRecord(2, limits::quiet_NaN()), atRecord(2, notFinite)},
        {"infinite reserved value", withRecord(1, limits::infinity()), atRecord(1, notFinite)},
        {"NaN area", withRecord(20, limits::quiet_NaN()), atRecord(20, notFinite)},
        {"unnormal", withBytes(14, "00000000000000400040"), atRecord(14, notFinite)},
        {"pseudo-denormal", withBytes(3, "00000000000000800000"), atRecord(3, notFinite)},
        {"denormal", withRecord(3, limits::denorm_min()), {}},
        {"largest value", withRecord(2, limits::max()), {}},
        {"negative hours", withRecord(5, -1.0L), atRecord(5, negative + u"-1"_s)},
        {"negative crowd time", withRecord(11, -0.5L), atRecord(11, negative + u"-0,5"_s)},
        {"negative zero time", withRecord(8, -0.0L), {}},
        {"negative area", withRecord(20, -50.0L), atRecord(20, negative + u"-50"_s)},
        {"negative people", withRecord(23, -3.0L), atRecord(23, negative + u"-3"_s)},
        {"negative people not evacuated", withRecord(24, -0.5L),
         atRecord(24, negative + u"-0,5"_s)},
        {"negative fire frequency", withRecord(2, -0.5L), atRecord(2, negative + u"-0,5"_s)},
        {"no fire frequency", withRecord(2, 0.0L), {}},
        {"negative reserved value", withRecord(1, -1.0L), {}},
        {"last item", withRecord(19, 2.0L), {}},
        {"item past the last", withRecord(16, 3.0L), atRecord(16, item + u"3"_s)},
        {"no item", withRecord(19, -1.0L), atRecord(19, item + u"-1"_s)},
        {"half an item", withRecord(17, 0.5L), atRecord(17, item + u"0,5"_s)},
        {"last class", withRecord(21, 7.0L), {}},
        {"class -3", withRecord(21, -3.0L), atRecord(21, fireClass + u"-3"_s)},
        {"class past Ф5", withRecord(21, 8.0L), atRecord(21, fireClass + u"8"_s)},
        {"class between two", withRecord(21, 3.5L), atRecord(21, fireClass + u"3,5"_s)},
        {"huge class", withRecord(21, 2147483648.0L), atRecord(21, fireClass + u"2147483648"_s)},
        {"ticked", withRecord(25, 1.0L), {}},
        {"two ticks", withRecord(25, 2.0L), atRecord(25, mark + u"2"_s)},
        {"half a tick", withRecord(28, 0.5L), atRecord(28, mark + u"0,5"_s)},
        {"the older layout reads no class", withRecord(21, -3.0L).left(200), {}},
        {"a cut file stops at a bad record first", withRecord(2, -limits::infinity()).left(150),
         atRecord(2, notFinite)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(c.bytes), c.error) << c.what;
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

// A file that opens but fails while it is read says so, apart from one that does not open.
TEST(ObjectFile, ReadFailureIsNotAnOpenFailure)
{
    try {
        readObjectFile(u"/proc/self/mem"_s); // opens; reading its first page fails
        ADD_FAILURE() << "read";
    } catch (const EFileError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Не удалось прочитать файл «/proc/self/mem»: "_s))
            << error.message().toStdString();
    }
}
