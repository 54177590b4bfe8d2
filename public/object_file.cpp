#include "public/object_file.h"

#include "common/decimal_format.h"
#include "common/errors.h"
#include "common/file_write.h"
#include "public/building_record.h"
#include "public/extended80.h"

#include <QFile>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr qsizetype FullSize = qsizetype{ObjectRecords} * ObjectRecordSize;
constexpr qsizetype OlderSize = qsizetype{OlderObjectRecords} * ObjectRecordSize;

class RecordWriter
{
public:
    void add(long double value)
    {
        const Extended80 bytes = encodeExtended(value);
        m_bytes.append(reinterpret_cast<const char*>(bytes.data()), ObjectRecordSize);
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads the records in file order, each checked for what the program writes into it. A failure
// names the file and the record it stopped at.
class RecordReader
{
public:
    RecordReader(const QByteArray& bytes, const QString& path) : m_bytes(bytes), m_path(path) {}

    long double value()
    {
        const int record = m_record + 1;
        if (qsizetype{record} * ObjectRecordSize > m_bytes.size())
            throw atRecord(EReadError(), record);
        Extended80 bytes{};
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(
                m_bytes.at(qsizetype{m_record} * ObjectRecordSize + static_cast<qsizetype>(i)));
        m_record = record;
        const long double value = decodeExtended(bytes);
        // A NaN, an infinity or a pattern that no arithmetic writes (an unnormal, a
        // pseudo-denormal) comes from another kind of file.
        if (!std::isfinite(value) || encodeExtended(value) != bytes)
            refuse(u"Запись не содержит конечного числа"_s);
        return value;
    }

    // A fire frequency, a time, a number of people or an area.
    long double notNegative()
    {
        const long double v = value();
        if (v < 0.0L)
            refuse(u"Значение не может быть отрицательным: "_s + generalFloatText(v));
        return v;
    }

    // A whole number the record must hold: converting anything else is not defined.
    std::int32_t whole()
    {
        const long double rounded = roundHalfEven(value());
        if (rounded < std::numeric_limits<std::int32_t>::min() ||
            rounded > std::numeric_limits<std::int32_t>::max())
            throw atRecord(EInvalidOp(), m_record);
        return static_cast<std::int32_t>(rounded);
    }

    // The chosen item of a group of `count` items; what: the reason's subject.
    std::int32_t item(int count, const QString& what)
    {
        const long double v = value();
        if (!(v >= 0.0L && v < count && v == std::floor(v)))
            refuse(what + u" должен быть целым числом от 0 до "_s + QString::number(count - 1) +
                   u", а не "_s + generalFloatText(v));
        return static_cast<std::int32_t>(v);
    }

    bool mark()
    {
        const long double v = value();
        if (v != 0.0L && v != 1.0L)
            refuse(u"Отметка должна быть 0 или 1, а не "_s + generalFloatText(v));
        return v == 1.0L;
    }

private:
    template <class E> E atRecord(E error, int record) const
    {
        error.setPlace(ErrorPlace::described(objectRecordPlace(m_path, record)));
        return error;
    }
    [[noreturn]] void refuse(const QString& reason) const
    {
        throw atRecord(EObjectFileError(reason), m_record);
    }

    const QByteArray& m_bytes;
    const QString& m_path;
    int m_record = 0; // the records read so far
};

} // namespace

long double roundHalfEven(long double value)
{
    if (!std::isfinite(value))
        return value;
    const long double below = std::floor(value);
    // Exact wherever it could decide between the two halves.
    const long double rest = value - below;
    if (rest < 0.5L)
        return below;
    if (rest > 0.5L)
        return below + 1.0L;
    return std::fmod(below, 2.0L) == 0.0L ? below : below + 1.0L;
}

QByteArray encodeObject(const StoredObject& object)
{
    RecordWriter out;
    for (long double value : object.Par)
        out.add(value);
    out.add(object.NomScen);
    for (std::int32_t item : object.SystemItems)
        out.add(item);
    out.add(object.FireRoomAr);
    out.add(object.FClass);
    out.add(object.ReservedInt);
    out.add(object.Ne);
    out.add(object.Nneev);
    for (bool condition : object.Conditions)
        out.add(condition ? 1.0L : 0.0L);
    return out.bytes();
}

QString objectRecordPlace(const QString& path, int record)
{
    return u"Файл «"_s + path + u"», запись "_s + QString::number(record);
}

StoredObject decodeObject(const QByteArray& bytes, const QString& path)
{
    if (bytes.size() > FullSize) {
        EObjectFileError error(u"Файл длиннее "_s + QString::number(FullSize) +
                               u" байт: это не файл объекта программы"_s);
        error.setPlace(ErrorPlace::described(u"Файл «"_s + path + u'»'));
        throw error;
    }
    RecordReader in(bytes, path);
    StoredObject object;
    for (int slot = 0; slot < TZdanie::ParCount; ++slot) {
        const bool notNegative = slot == ParSlot::Qp || slot == ParSlot::Tf ||
                                 slot == ParSlot::Tr || slot == ParSlot::Tne ||
                                 slot == ParSlot::Tbl || slot == ParSlot::Tsk;
        object.Par.at(static_cast<std::size_t>(slot)) = notNegative ? in.notNegative() : in.value();
    }
    object.NomScen = in.whole();
    for (std::int32_t& item : object.SystemItems)
        item = in.item(3, u"Номер пункта"_s);
    object.FireRoomAr = in.notNegative();
    object.olderLayout = bytes.size() < OlderSize + ObjectRecordSize;
    if (object.olderLayout)
        return object;
    object.FClass = in.item(8, u"Класс"_s);
    object.ReservedInt = in.whole();
    object.Ne = roundHalfEven(in.notNegative());
    object.Nneev = roundHalfEven(in.notNegative());
    for (bool& condition : object.Conditions)
        condition = in.mark();
    return object;
}

void writeObjectFile(const QString& path, const StoredObject& object)
{
    saveFileAtomically(path, encodeObject(object));
}

StoredObject readObject(QFileDevice& file, const QString& path)
{
    // One byte past record 28 tells a longer file: a large file chosen by mistake costs nothing.
    const QByteArray bytes = file.read(FullSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw EFileError::cannotRead(path, file.errorString());
    return decodeObject(bytes, path);
}

StoredObject readObjectFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError::cannotOpen(path, file.errorString());
    return readObject(file, path);
}
