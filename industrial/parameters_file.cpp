#include "industrial/parameters_file.h"

#include "common/cp1251.h"
#include "common/file_write.h"
#include "common/number_parse.h"
#include "industrial/building_record.h"
#include "industrial/device_list.h"
#include "industrial/fire_frequency.h"
#include "industrial/formatters.h"
#include "industrial/protection_effect.h"
#include "industrial/window_inputs.h"

#include <QBuffer>
#include <QFile>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Items of the frequency-method, room-type and object-kind groups.
constexpr int FrequencyMethods = 3;
constexpr int RoomTypes = std::tuple_size_v<decltype(FreqAreaCoefs)>;
constexpr int ObjectKinds = 2;
// The area table's rows with its title row.
constexpr int MaxAreaTableRows = std::tuple_size_v<decltype(FreqLambda)> + 1;
constexpr int GridColumns = 6;
// More design points than any real object has: the grid's rows cost memory and time, and a count
// read from a file must not decide how much of either a load takes.
constexpr int MaxDesignPoints = ParametersMaxDesignPoints;
constexpr int DeviceColumns = 3;

static_assert(std::tuple_size_v<decltype(ObjectParameters::systems)> == ProtectionGroups.size());

bool isComputed(const ObjectParameters& parameters, std::size_t system)
{
    return parameters.systems.at(system).item == ProtectionGroups.at(system).computeItem;
}

QString quoted(const QString& text)
{
    return u"'"_s + shownText(text) + u"'"_s;
}

class LineWriter
{
public:
    void line(const QString& value)
    {
        if (const QString character = firstOutsideCp1251(value); !character.isEmpty())
            throw EUnwritableCharacter(character, value);
        // One character is one byte in the code page.
        if (value.size() > ParametersMaxLineLength)
            throw EValueTooLong(value);
        // A line break inside a value would shift every later value by a line.
        QString flat = value;
        flat.replace(u'\r', u' ').replace(u'\n', u' ');
        m_bytes += toCp1251(flat);
        m_bytes += "\r\n";
    }
    void number(qsizetype value) { line(QString::number(value)); }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

class LineReader
{
public:
    // Lines are read as they are asked for: a large file that fails early costs no more than
    // the lines before the failure.
    explicit LineReader(QIODevice& device) : m_device(device)
    {
        if (const auto* file = qobject_cast<const QFileDevice*>(&device))
            m_path = file->fileName();
    }

    // The line read last, "Файл «PATH», строка N", in a file; nothing in a buffer.
    ErrorPlace place() const
    {
        return m_path.isEmpty() ? ErrorPlace()
                                : ErrorPlace::described(fileLinePlace(m_path, m_line));
    }

    // Runs f on the line read last: a failure names that line.
    template <class F> decltype(auto) atLine(F&& f) { return atPlace(place(), std::forward<F>(f)); }

    // A line ends at LF, with or without a CR before it. Lines missing at the end read as empty.
    QString line()
    {
        QString text;
        next(text);
        return text;
    }

    // The next line into `text`; false, with `text` empty, at the end of the file.
    bool next(QString& text)
    {
        ++m_line;
        // Read in pieces up to the bound with a CR LF: a longer line is refused before it is held
        // whole, and lines that run past ParametersMaxBytes are refused before they are read.
        char line[ParametersMaxLineLength + 3]; // and readLine's terminator
        qint64 length = 0;
        while (length < qint64(sizeof line) - 1) {
            const qint64 got = m_device.readLine(line + length, qint64(sizeof line) - length);
            if (got <= 0)
                break;
            length += got;
            m_read += got;
            if (m_read > ParametersMaxBytes)
                atLine([] {
                    throw EBadParameters(
                        u"Файл длиннее 32 МБ: такого файла параметров программа не записывает"_s);
                });
            if (line[length - 1] == '\n')
                break;
        }
        if (length == 0) {
            if (auto* file = qobject_cast<QFileDevice*>(&m_device);
                file && file->error() != QFileDevice::NoError)
                throw EFileError::cannotRead(file->fileName(), file->errorString());
            text.clear();
            return false;
        }
        if (line[length - 1] == '\n')
            --length;
        if (length > 0 && line[length - 1] == '\r')
            --length;
        if (length > ParametersMaxLineLength)
            atLine([] {
                throw EBadParameters(u"Строка длиннее "_s +
                                     QString::number(ParametersMaxLineLength) +
                                     u" символов: такого файла параметров программа не "
                                     u"записывает"_s);
            });
        text = fromCp1251(QByteArray::fromRawData(line, length));
        return true;
    }

    // Every line takes at least one byte: no more lines can follow than this.
    qint64 bytesLeft() const { return m_device.bytesAvailable(); }

    // A chosen item of a group of `items`; a group left with no item would keep another
    // object's values unseen.
    int item(int items)
    {
        const QString text = line();
        return atLine([&] {
            const int item = strToInt(text);
            if (item < 0 || item >= items)
                throw EBadParameters(u"Неверный номер варианта: "_s + quoted(text));
            return item;
        });
    }

    // The next line through convert, which is handed the line's text.
    template <class F> decltype(auto) converted(F&& convert)
    {
        const QString text = line();
        return atLine([&] { return convert(text); });
    }

private:
    QIODevice& m_device;
    QString m_path;
    qint64 m_line = 0;
    qint64 m_read = 0;
};

// A number that the locale reads (non-zero is true), or "True" / "False" in any letter case.
bool readBoolean(const QString& text)
{
    long double value = 0.0L;
    if (textToFloat(text, value))
        return value != 0.0L;
    if (text.compare(u"True"_s, Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"False"_s, Qt::CaseInsensitive) == 0)
        return false;
    throw EConvertError::notBoolean(text);
}

void readDevices(LineReader& in, StoredSystem& system)
{
    const int count = in.converted([](const QString& countText) {
        const int count = strToInt(countText);
        if (count > TDeviceList::MaxDevices)
            throw ETooManyDevices();
        if (count < 0)
            throw EBadParameters(u"Неверное число технических средств: "_s + quoted(countText));
        return count;
    });
    system.devices.resize(static_cast<std::size_t>(count));
    for (int col = 0; col < DeviceColumns; ++col)
        for (auto& device : system.devices)
            device.at(col) = in.line();
}

} // namespace

EUnwritableCharacter::EUnwritableCharacter(const QString& character, const QString& value)
    : AppError(u"Символ «"_s + character +
               u"» нельзя записать в файл параметров (кодировка Windows-1251): "_s +
               shownText(value))
{
}

EValueTooLong::EValueTooLong(const QString& value)
    : AppError(u"Значение длиннее "_s + QString::number(ParametersMaxLineLength) +
               u" символов нельзя записать в файл параметров: "_s + shownText(value))
{
}

QByteArray encodeParameters(const ObjectParameters& parameters)
{
    // What the reader refuses is never written: the engineer would save an object that no load
    // brings back.
    if (parameters.designPoints.size() > std::size_t{ParametersMaxDesignPoints})
        throw ETooMuchToSave(u"Расчетных точек больше 10000: такого файла параметров программа "
                             u"не открывает"_s);
    LineWriter out;
    out.line(parameters.hoursPerDay);
    out.line(parameters.daysPerYear);
    out.number(parameters.frequencyMethod);
    out.number(parameters.areas.size() + 1);
    for (const QString& area : parameters.areas)
        out.line(area);
    out.line(parameters.singleArea);
    out.number(parameters.roomType);
    out.number(parameters.objectKind);
    out.number(static_cast<qsizetype>(parameters.designPoints.size()) + 1);
    for (int col = 0; col < GridColumns; ++col)
        for (const auto& point : parameters.designPoints)
            out.line(point.at(col));
    for (std::size_t s = 0; s < parameters.systems.size(); ++s) {
        const StoredSystem& system = parameters.systems.at(s);
        out.number(system.item);
        if (!isComputed(parameters, s))
            continue;
        out.number(static_cast<qsizetype>(system.devices.size()));
        for (int col = 0; col < DeviceColumns; ++col)
            for (const auto& device : system.devices)
                out.line(device.at(col));
    }
    for (const long double value :
         {parameters.ExitProb, parameters.EvacTime, parameters.BlockTime, parameters.StartEvacTime})
        out.line(FormatFixed(8, value));
    out.line(BoolToDigit(parameters.FireRoomMark));
    // The connection modes come after everything that older readers expect, so files stay
    // readable both ways.
    for (std::size_t s = 0; s < parameters.systems.size(); ++s)
        if (isComputed(parameters, s))
            out.number(parameters.systems.at(s).mode.value_or(0));
    if (out.bytes().size() > ParametersMaxBytes)
        throw ETooMuchToSave(
            u"Файл вышел бы длиннее 32 МБ: такого файла параметров программа не открывает"_s);
    return out.bytes();
}

ObjectParameters decodeParameters(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodeParameters(buffer);
}

ObjectParameters decodeParameters(QIODevice& device)
{
    LineReader in(device);
    ObjectParameters parameters;
    parameters.hoursPerDay = in.line();
    parameters.daysPerYear = in.line();
    parameters.frequencyMethod = in.item(FrequencyMethods);

    const int areaRows = in.converted([](const QString& text) {
        const int rows = strToInt(text);
        if (rows < 1 || rows > MaxAreaTableRows)
            throw EBadParameters(u"Неверное число строк таблицы площадей: "_s + quoted(text));
        return rows;
    });
    for (int row = 1; row < areaRows; ++row)
        parameters.areas << in.line();

    parameters.singleArea = in.line();
    parameters.roomType = in.item(RoomTypes);
    parameters.objectKind = in.item(ObjectKinds);

    // The count decides how much is allocated: it may promise neither more design points than
    // the bound nor more cells than the file has.
    const QString gridRowsText = in.line();
    const ErrorPlace gridRowsLine = in.place();
    const auto badGridRows = [&] {
        EBadParameters error(u"Неверное число расчетных точек: "_s + quoted(gridRowsText));
        error.setPlace(gridRowsLine);
        return error;
    };
    const int gridRows = in.atLine([&] { return strToInt(gridRowsText); });
    if (gridRows < 2 || gridRows - 1 > MaxDesignPoints ||
        static_cast<qint64>(gridRows - 1) * GridColumns > in.bytesLeft())
        throw badGridRows();
    parameters.designPoints.resize(static_cast<std::size_t>(gridRows - 1));
    for (int col = 0; col < GridColumns; ++col)
        for (auto& point : parameters.designPoints)
            if (!in.next(point.at(col)))
                throw badGridRows();

    for (std::size_t s = 0; s < parameters.systems.size(); ++s) {
        parameters.systems.at(s).item = in.item(ProtectionGroups.at(s).itemCount);
        if (isComputed(parameters, s))
            readDevices(in, parameters.systems.at(s));
    }

    for (long double* value : {&parameters.ExitProb, &parameters.EvacTime, &parameters.BlockTime,
                               &parameters.StartEvacTime})
        *value = in.converted([](const QString& text) { return str2r(text); });
    parameters.FireRoomMark = in.converted(readBoolean);

    // Anything but an exact mode is taken for lines after the end, which are ignored.
    for (std::size_t s = 0; s < parameters.systems.size(); ++s) {
        if (!isComputed(parameters, s))
            continue;
        const QString mode = in.line();
        if (mode == u"0"_s || mode == u"1"_s)
            parameters.systems.at(s).mode = static_cast<std::uint8_t>(mode == u"1"_s);
    }
    return parameters;
}

void writeParametersFile(const QString& path, const ObjectParameters& parameters)
{
    saveFileAtomically(path, encodeParameters(parameters));
}

ObjectParameters readParametersFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError::cannotOpen(path, file.errorString());
    return decodeParameters(file);
}

void inputsToParameters(const WindowInputs& inputs, ObjectParameters& parameters)
{
    parameters.frequencyMethod = inputs.freqMethod;
    parameters.areas = inputs.areaTexts;
    parameters.singleArea = inputs.area;
    parameters.roomType = inputs.roomType;
    parameters.objectKind = inputs.objectKind;
    parameters.designPoints = inputs.designPoints;
    for (std::size_t s = 0; s < parameters.systems.size(); ++s)
        parameters.systems.at(s).item = inputs.systemItems.at(s);
}

void recordToParameters(const TZdanie& record, ObjectParameters& parameters)
{
    parameters.hoursPerDay = record.HoursPerDay;
    parameters.daysPerYear = record.DaysPerYear;
    for (std::size_t s = 0; s < parameters.systems.size(); ++s) {
        StoredSystem& system = parameters.systems.at(s);
        system.devices.clear();
        system.mode.reset();
        if (!isComputed(parameters, s))
            continue;
        const TDeviceList& list = record.*ProtectionGroups.at(s).devices;
        for (int row = 1; row <= list.Count; ++row)
            system.devices.push_back({list.cell(TDeviceList::Name, row),
                                      list.cell(TDeviceList::Mtbf, row),
                                      list.cell(TDeviceList::Probability, row)});
        system.mode = list.Mode;
    }
    parameters.ExitProb = record.ExitProb;
    parameters.EvacTime = record.EvacTime;
    parameters.BlockTime = record.BlockTime;
    parameters.StartEvacTime = record.StartEvacTime;
    parameters.FireRoomMark = record.FireRoomMark;
}

void parametersToRecord(const ObjectParameters& parameters, TZdanie& record)
{
    for (std::size_t s = 0; s < parameters.systems.size(); ++s) {
        if (!isComputed(parameters, s))
            continue;
        const StoredSystem& system = parameters.systems.at(s);
        TDeviceList& list = record.*ProtectionGroups.at(s).devices;
        list.Count = static_cast<std::uint8_t>(system.devices.size());
        for (int row = 1; row <= list.Count; ++row)
            for (int col = 0; col < DeviceColumns; ++col)
                list.cell(col, row) = system.devices.at(static_cast<std::size_t>(row - 1)).at(col);
        if (system.mode)
            list.Mode = *system.mode;
    }
    record.ExitProb = parameters.ExitProb;
    record.EvacTime = parameters.EvacTime;
    record.BlockTime = parameters.BlockTime;
    record.StartEvacTime = parameters.StartEvacTime;
    record.FireRoomMark = parameters.FireRoomMark;
}
