#include "public/object_file.h"

#include "common/errors.h"
#include "common/file_write.h"
#include "public/extended80.h"

#include <QFile>
#include <cmath>
#include <limits>

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

class RecordReader
{
public:
    explicit RecordReader(const QByteArray& bytes) : m_bytes(bytes) {}

    long double value()
    {
        if (m_pos + ObjectRecordSize > m_bytes.size())
            throw EReadError();
        Extended80 bytes{};
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(m_bytes.at(m_pos + static_cast<qsizetype>(i)));
        m_pos += ObjectRecordSize;
        return decodeExtended(bytes);
    }

    // A whole number the record must hold: converting anything else is not defined.
    std::int32_t whole()
    {
        const long double rounded = roundHalfEven(value());
        if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
            rounded > std::numeric_limits<std::int32_t>::max())
            throw EInvalidOp();
        return static_cast<std::int32_t>(rounded);
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
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

StoredObject decodeObject(const QByteArray& bytes)
{
    RecordReader in(bytes);
    StoredObject object;
    for (long double& value : object.Par)
        value = in.value();
    object.NomScen = in.whole();
    for (std::int32_t& item : object.SystemItems)
        item = in.whole();
    object.FireRoomAr = in.value();
    object.olderLayout = bytes.size() < OlderSize + ObjectRecordSize;
    if (object.olderLayout)
        return object;
    object.FClass = in.whole();
    object.ReservedInt = in.whole();
    object.Ne = roundHalfEven(in.value());
    object.Nneev = roundHalfEven(in.value());
    for (bool& condition : object.Conditions)
        condition = in.value() != 0.0L;
    return object;
}

void writeObjectFile(const QString& path, const StoredObject& object)
{
    saveFileAtomically(path, encodeObject(object));
}

StoredObject readObject(QFileDevice& file, const QString& path)
{
    // Nothing after record 28 is read: a large file chosen by mistake costs nothing.
    const QByteArray bytes = file.read(FullSize);
    if (file.error() != QFileDevice::NoError)
        throw EFileError::cannotOpen(path, file.errorString());
    return decodeObject(bytes);
}

StoredObject readObjectFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError::cannotOpen(path, file.errorString());
    return readObject(file, path);
}
