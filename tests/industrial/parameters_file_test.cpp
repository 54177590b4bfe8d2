#include "common/cp1251.h"
#include "industrial/building_record.h"
#include "industrial/parameters_file.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <tuple>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Files written as their lines joined by "|". The pieces of a fresh object's file: working time
// and method, area table, single area, room type, object kind and an empty design point, the
// four system items, design point and fire-room mark.
const QString Head = u"8|247|0|"_s;
const QString Areas = u"10|0|0|0|0|0|0|0|0|0|"_s;
const QString Grid = u"1|0|0|2|||||||"_s;
const QString Systems = u"0|0|0|0|"_s;
const QString Tail = u"0|0|0|0|0"_s;
const QString Fresh = Head + Areas + Grid + Systems + Tail;
// АПС computed with two devices, then the other three items.
const QString Devices = u"5|2|ИП-212|Прибор|50000|1000|0.98|0.37|0|0|0|"_s;

QByteArray fileOf(const QString& lines, const char* end = "\r\n")
{
    QByteArray bytes;
    for (const QString& line : lines.split(u'|'))
        bytes += toCp1251(line) + end;
    return bytes;
}

// What a file loads as, written back in the "|" form, or the error that refuses it.
QString outcome(const std::function<QByteArray()>& produce)
{
    try {
        QString text = fromCp1251(produce());
        text.chop(2);
        return text.replace(u"\r\n"_s, u"|"_s);
    } catch (const AppError& e) {
        return e.message();
    }
}
QString loaded(const QByteArray& file)
{
    return outcome([&] { return encodeParameters(decodeParameters(file)); });
}

ObjectParameters computedObject()
{
    ObjectParameters p;
    p.hoursPerDay = u"8\r\n9"_s;
    p.areas = {u"120,5"_s, u"3.5"_s};
    p.roomType = 7;
    p.designPoints = {{u"Расчетная точка 1"_s, u"0,03"_s, u"2"_s, u"3"_s, u"0,5"_s, u"*"_s}};
    p.systems.at(0) = {5, {{u"ИП\n1"_s, u"50000"_s, u"0.98"_s}}, 1};
    p.systems.at(1).item = 3;
    p.systems.at(2).item = 6;
    p.ExitProb = 0.03L;
    p.EvacTime = 1.0L / 3.0L;
    p.FireRoomMark = true;
    return p;
}

} // namespace

TEST(ParametersFile, Writing)
{
    ObjectParameters fresh;
    fresh.hoursPerDay = fresh.daysPerYear = u"0"_s;
    fresh.areas = QStringList(9, u"0"_s);
    fresh.singleArea = u"1"_s;
    fresh.designPoints.resize(1);
    EXPECT_EQ(encodeParameters(fresh), fileOf(u"0|0|0|"_s + Areas + Grid + Systems + Tail));
    EXPECT_EQ(encodeParameters(fresh).size(), 91);

    // Line breaks inside values become spaces; the modes follow the mark, one per computed system.
    ObjectParameters p = computedObject();
    EXPECT_EQ(outcome([&] { return encodeParameters(p); }),
              u"8  9||0|3|120,5|3.5||7|0|2|Расчетная точка 1|0,03|2|3|0,5|*|5|1|ИП 1|50000|0.98|"
              u"3|6|0|0|0.03|0.33333333|0|0|1|1|0"_s);

    // A character the code page lacks refuses the save, a surrogate pair as one character.
    for (const QString& character : {u"λ"_s, u"\U0001F525"_s}) {
        p.systems.at(0).devices.at(0).at(0) = u"Датчик "_s + character;
        EXPECT_EQ(outcome([&] { return encodeParameters(p); }),
                  u"Символ «"_s + character +
                      u"» нельзя записать в файл параметров (кодировка Windows-1251): Датчик "_s +
                      character);
    }
    p.systems.at(0).devices.at(0).at(0) = u"Датчик\tλ"_s; // the value shown readably
    EXPECT_EQ(outcome([&] { return encodeParameters(p); }),
              u"Символ «λ» нельзя записать в файл параметров (кодировка Windows-1251): "
              u"Датчик\\x09λ"_s);
}

TEST(ParametersFile, Reading)
{
    const QString tooLarge = u"2147483648"_s;
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {fileOf(Fresh, "\n"), Fresh},
        {fileOf(Head + u"4|11|0|0|"_s + Grid + Systems + Tail),
         Head + u"4|11|0|0|"_s + Grid + Systems + Tail},
        {fileOf(Head + Areas + Grid + Systems + u"0,5|0.5||1|True"_s),
         Head + Areas + Grid + Systems + u"0.5|0.5|0|1|1"_s},
        {fileOf(Head + Areas + Grid + Systems + u"0|0|0|0|false"_s), Fresh},
        {fileOf(Head + Areas + Grid + Systems + u"0|0|0|0|2"_s),
         Head + Areas + Grid + Systems + u"0|0|0|0|1"_s},
        {fileOf(Head + Areas + Grid + u"5|0|4|1|СОУЭ|||0|0|"_s + Tail + u"|1|1|x"_s),
         Head + Areas + Grid + u"5|0|4|1|СОУЭ|||0|0|"_s + Tail + u"|1|1"_s},
        // Refused: a line that does not convert, a count or an item out of range.
        {QByteArray(), u"'' is not a valid integer value"_s},
        {fileOf(Head + Areas + Grid + u"0|0"_s), u"'' is not a valid integer value"_s},
        {fileOf(Head + Areas + u"1|0|0|2|||"_s), u"Неверное число расчетных точек: '2'"_s},
        {fileOf(Head + Areas + u"1|0|0|2000000000|"_s + Systems + Tail),
         u"Неверное число расчетных точек: '2000000000'"_s},
        {fileOf(Head + Areas + u"1|0|0|1|"_s + Systems + Tail),
         u"Неверное число расчетных точек: '1'"_s},
        {fileOf(Head + u"11|"_s + Fresh), u"Неверное число строк таблицы площадей: '11'"_s},
        {fileOf(Head + u"0|"_s + Fresh), u"Неверное число строк таблицы площадей: '0'"_s},
        {fileOf(Head + Areas + Grid + u"5|21|"_s + Tail),
         u"Число технических средств не может быть больше 20"_s},
        {fileOf(Head + Areas + Grid + u"5|-1|"_s + Tail),
         u"Неверное число технических средств: '-1'"_s},
        {fileOf(Head + Areas + Grid + u"5|"_s + tooLarge + u"|"_s + Tail),
         u"'"_s + tooLarge + u"' is not a valid integer value"_s},
        {fileOf(u"8|247|3|"_s + Areas), u"Неверный номер варианта: '3'"_s},
        {fileOf(u"8|247|-1|"_s + Areas), u"Неверный номер варианта: '-1'"_s},
        {fileOf(Head + Areas + Grid + u"0|0|7|0|"_s + Tail), u"Неверный номер варианта: '7'"_s},
        {fileOf(Head + Areas + Grid + Systems + u"abc|0|0|0|0"_s),
         u"'abc' is not a valid floating point value"_s},
        {fileOf(Head + Areas + Grid + Systems + u"0|0|0|0|yes"_s),
         u"'yes' is not a valid boolean value"_s},
    };
    for (const QChar separator : {u',', u'.'}) {
        ScopedDecimalSeparator locale(separator);
        for (const auto& [file, expected] : cases)
            EXPECT_EQ(loaded(file), expected) << file.toStdString();
    }
}

TEST(ParametersFile, RecordThroughTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"object.rri"_s);
    TZdanie record;
    record.SoueDevices.Count = 3;
    record.SoueDevices.Mode = 1;
    for (int row = 1; row <= 3; ++row)
        record.SoueDevices.cell(TDeviceList::Mtbf, row) = QString::number(row);
    record.BlockTime = 12.25L;
    record.FireRoomMark = true;
    ObjectParameters p;
    p.systems.at(1).item = 4;
    p.designPoints.resize(1);
    recordToParameters(record, p);
    writeParametersFile(path, p);

    TZdanie back;
    back.ApsDevices.Count = 7; // not computed in the file: kept
    parametersToRecord(readParametersFile(path), back);
    EXPECT_EQ(back.ApsDevices.Count, 7);
    EXPECT_EQ(back.SoueDevices.Mode, 1);
    EXPECT_EQ(back.SoueDevices.Cells, record.SoueDevices.Cells);
    EXPECT_EQ(back.BlockTime, 12.25L);
    EXPECT_TRUE(back.FireRoomMark);

    // A file without mode lines, or with one that is not exactly a mode, keeps the list's mode;
    // a device cell is cut to 255 characters.
    for (const QString& modeLine : {QString(), u"|0 "_s}) {
        back.ApsDevices.Mode = 1;
        parametersToRecord(
            decodeParameters(fileOf(Head + Areas + Grid + u"5|1|"_s + QString(300, u'Я') +
                                    u"|||0|0|0|"_s + Tail + modeLine)),
            back);
        EXPECT_EQ(back.ApsDevices.Mode, 1);
        EXPECT_EQ(back.ApsDevices.cell(TDeviceList::Name, 1).text(), QString(255, u'Я'));
    }
}

TEST(ParametersFile, FailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString old = dir.filePath(u"old.rri"_s);
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    ObjectParameters p = computedObject();
    p.singleArea = u"λ"_s;
    EXPECT_THROW(writeParametersFile(old, p), EUnwritableCharacter);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.rri"_s));
    EXPECT_THROW(writeParametersFile(dir.filePath(u"folder.rri"_s), computedObject()), EFileError);
    {
        ScopedFileSizeLimit full(40); // a disk that fills up within the file
        EXPECT_THROW(writeParametersFile(old, computedObject()), EFileError);
    }

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"old.rri"_s});
}

// A large file chosen by mistake fails at its first bad line without being taken in whole: the
// lines of 32 MB of line feeds alone would take some 800 MB.
TEST(ParametersFile, LargeFileFailsAtItsFirstBadLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"large.rri"_s);
    writeFile(path, QByteArray(32 << 20, '\n'));
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    try {
        readParametersFile(path);
        ADD_FAILURE() << "read";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.message(), fileLinePlace(path, 3) + u"\n'' is not a valid integer value"_s);
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 << 10) << "kilobytes more at the peak";
}

// A file that opens but fails while it is read says so, apart from one that does not open.
TEST(ParametersFile, ReadFailureIsNotAnOpenFailure)
{
    const QString unreadable = u"/proc/self/mem"_s; // opens; reading its first page fails
    try {
        readParametersFile(unreadable);
        ADD_FAILURE() << "read";
    } catch (const EFileError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Не удалось прочитать файл «/proc/self/mem»: "_s))
            << error.message().toStdString();
    }
    QTemporaryDir dir;
    EXPECT_THROW(readParametersFile(dir.filePath(u"missing.rri"_s)), EFileError);
}

// A file longer than the program ever writes is refused at the line that runs past the limit,
// however its lines are cut, before the window is asked to keep it; a line longer than the program
// writes is refused before it is held whole.
TEST(ParametersFile, FileLongerThanTheProgramWritesIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"long.rri"_s);
    const qint64 limit = ParametersMaxBytes;
    const QString fileTooLong =
        u"Файл длиннее 32 МБ: такого файла параметров программа не записывает"_s;
    const QString lineTooLong =
        u"Строка длиннее 4096 символов: такого файла параметров программа не записывает"_s;
    // Design-point cells at the line bound, more of them than the limit holds.
    const QByteArray gridHead = fileOf(Head + Areas + u"1|0|0|1401"_s);
    const auto cellsPastTheLimit = [&gridHead] {
        QByteArray bytes = gridHead;
        for (int cell = 0; cell < 6 * 1400; ++cell)
            bytes += QByteArray(ParametersMaxLineLength, 'x') + "\r\n";
        return bytes;
    };
    const int pastTheLimit =
        17 + static_cast<int>((limit - gridHead.size()) / (ParametersMaxLineLength + 2)) + 1;
    // Each file is made and let go before it is read: the peak it leaves is below what reading
    // a long line whole would take. Lines within the bound are kept until the limit is passed.
    struct Case {
        std::function<QByteArray()> bytes;
        int line;
        QString reason;     // empty: the conversion error of a line within the limit
        long peakMegabytes; // at most this much more at the peak of the process
    };
    const Case cases[] = {
        {[limit] { return QByteArray(limit + 1, 'x'); }, 1, lineTooLong, 16}, // one line
        {[limit] { return "0\r\n0\r\n0\r\n" + QByteArray(limit, '7'); }, 4, lineTooLong,
         16}, // an area line
        {cellsPastTheLimit, pastTheLimit, fileTooLong, 160},
        // Ends inside the limit: no refusal.
        {[limit] { return "8\r\n" + QByteArray(limit, '\n'); }, 3, {}, 160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        writeFile(path, c.bytes());
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        try {
            readParametersFile(path);
            ADD_FAILURE() << "read";
        } catch (const EBadParameters& error) {
            EXPECT_EQ(error.message(), fileLinePlace(path, c.line) + u'\n' + c.reason);
        } catch (const EConvertError& error) {
            EXPECT_TRUE(c.reason.isEmpty()) << error.message().toStdString();
        }
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        EXPECT_LT(after.ru_maxrss - before.ru_maxrss, c.peakMegabytes << 10)
            << "kilobytes more at the peak";
    }
}

// Every value is one line of at most 4096 bytes, wherever it stands. The reader takes a line at
// the bound, with either line end, and refuses one byte more naming the file and the line; the
// writer refuses a longer value before it touches the file, so that no save makes a file that no
// load takes.
TEST(ParametersFile, LinesUpToTheBound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"object.rri"_s);
    const QString old = dir.filePath(u"old.rri"_s);
    writeFile(old, "old");
    struct Case {
        const char* value;
        int line;
        std::function<void(ObjectParameters&, const QString&)> put;
    };
    const Case cases[] = {
        {"working hours", 1, [](ObjectParameters& p, const QString& v) { p.hoursPerDay = v; }},
        {"last area cell", 13, [](ObjectParameters& p, const QString& v) { p.areas.last() = v; }},
        {"single area", 14, [](ObjectParameters& p, const QString& v) { p.singleArea = v; }},
        {"design-point name", 18,
         [](ObjectParameters& p, const QString& v) { p.designPoints.at(0).at(0) = v; }},
        {"last device cell", 31,
         [](ObjectParameters& p, const QString& v) { p.systems.at(0).devices.at(1).at(2) = v; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ObjectParameters p;
        p.areas = QStringList(9, u"0"_s);
        p.designPoints.resize(1);
        p.systems.at(0) = {5, {{u"ИП"_s, u"1"_s, u"0.9"_s}, {u"ИП"_s, u"1"_s, u"0.9"_s}}, 0};
        c.put(p, QString(ParametersMaxLineLength, u'Я'));
        const QByteArray atBound = encodeParameters(p);
        for (const QByteArray& file : {atBound, QByteArray(atBound).replace("\r\n", "\n")})
            EXPECT_EQ(encodeParameters(decodeParameters(file)), atBound);

        writeFile(path, QByteArray(atBound).replace(QByteArray(ParametersMaxLineLength, '\xDF'),
                                                    QByteArray(ParametersMaxLineLength + 1, 'x')));
        try {
            readParametersFile(path);
            ADD_FAILURE() << "read";
        } catch (const EBadParameters& error) {
            EXPECT_EQ(error.message(), fileLinePlace(path, c.line) +
                                           u"\nСтрока длиннее 4096 символов: такого файла "
                                           u"параметров программа не записывает"_s);
        }

        c.put(p, QString(ParametersMaxLineLength + 1, u'Я'));
        try {
            writeParametersFile(old, p);
            ADD_FAILURE() << "written";
        } catch (const EValueTooLong& error) {
            EXPECT_EQ(error.message(),
                      u"Значение длиннее 4096 символов нельзя записать в файл параметров: "_s +
                          QString(100, u'Я') + u'…');
        }
        EXPECT_TRUE(fileContents(old) == "old");
    }
}

// A failure names the file and its line before the message; a bad text is shown with its
// control characters escaped, and cut when long, so that a binary file's message stays readable.
TEST(ParametersFile, FailureNamesItsLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"object.rri"_s);
    const std::vector<std::tuple<QByteArray, int, QString>> cases = {
        {QByteArray(), 3, u"'' is not a valid integer value"_s},
        {fileOf(u"8|247|x"_s), 3, u"'x' is not a valid integer value"_s},
        {fileOf(Head + u"11|"_s), 4, u"Неверное число строк таблицы площадей: '11'"_s},
        {fileOf(Head + Areas + u"1|0|0|3|a|b|c"_s), 17, u"Неверное число расчетных точек: '3'"_s},
        {fileOf(Head + Areas + Grid + u"0|9|"_s + Tail), 25, u"Неверный номер варианта: '9'"_s},
        {fileOf(Head + Areas + Grid + u"5|21|"_s + Tail), 25,
         u"Число технических средств не может быть больше 20"_s},
        {fileOf(Head + Areas + Grid + Systems + u"0|abc|0|0|0"_s), 29,
         u"'abc' is not a valid floating point value"_s},
        {fileOf(Head + Areas + Grid + Systems + u"0|0|0|0|yes"_s), 32,
         u"'yes' is not a valid boolean value"_s},
        // A program chosen by mistake: NUL and other control bytes in its lines.
        {QByteArray("\x7f"
                    "ELF\x02\x01\r\n\x01\r\n\x7f"
                    "ELF\x02\x01\x00\x00\tx\x1b[\r\n",
                    25),
         3, u"'\\x7FELF\\x02\\x01\\x00\\x00\\x09x\\x1B[' is not a valid integer value"_s},
        {fileOf(u"8|247|"_s + QString(ParametersMaxLineLength, u'Я')), 3,
         u"'"_s + QString(100, u'Я') + u"…' is not a valid integer value"_s},
    };
    for (const auto& [bytes, line, reason] : cases) {
        SCOPED_TRACE(reason.toStdString());
        writeFile(path, bytes);
        try {
            readParametersFile(path);
            ADD_FAILURE() << "read";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), fileLinePlace(path, line) + u'\n' + reason);
            EXPECT_EQ(error.reason(), reason);
        }
    }
}

// A count of design points above the bound is refused before anything is allocated for it, even
// when the file holds lines enough; a file at the bound loads.
TEST(ParametersFile, DesignPointsUpToTheBound)
{
    const auto withPoints = [](int points) {
        QByteArray file = fileOf(Head + Areas + u"1|0|0|"_s + QString::number(points + 1));
        file += QByteArray(6 * points, '\n');
        return file + fileOf(Systems + Tail);
    };
    const ObjectParameters most = decodeParameters(withPoints(ParametersMaxDesignPoints));
    EXPECT_EQ(most.designPoints.size(), static_cast<std::size_t>(ParametersMaxDesignPoints));
    EXPECT_EQ(loaded(withPoints(ParametersMaxDesignPoints + 1)),
              u"Неверное число расчетных точек: '10002'"_s);

    // A save never writes what a load refuses: one point more than the bound, or long cells past
    // 32 MB in all. Both leave the old file as it was.
    QTemporaryDir dir;
    const QString old = dir.filePath(u"old.rri"_s);
    writeFile(old, "old");
    ObjectParameters tooMany = most;
    tooMany.designPoints.emplace_back();
    ObjectParameters tooLarge;
    const QString cell(ParametersMaxLineLength, u'x');
    tooLarge.designPoints.assign(std::size_t{ParametersMaxBytes} / (6 * cell.size()) + 1,
                                 {cell, cell, cell, cell, cell, cell});
    for (const auto& [parameters, error] :
         {std::pair{&tooMany, u"Расчетных точек больше 10000: такого файла параметров программа "
                              u"не открывает"_s},
          std::pair{&tooLarge, u"Файл вышел бы длиннее 32 МБ: такого файла параметров "
                               u"программа не открывает"_s}}) {
        try {
            writeParametersFile(old, *parameters);
            ADD_FAILURE() << "written";
        } catch (const ETooMuchToSave& e) {
            EXPECT_EQ(e.message(), error);
        }
        EXPECT_TRUE(fileContents(old) == "old");
    }
    // At the bounds a save writes what a load then takes.
    writeParametersFile(old, most);
    EXPECT_EQ(readParametersFile(old).designPoints.size(), most.designPoints.size());
    tooLarge.designPoints.pop_back();
    tooLarge.designPoints.pop_back();
    writeParametersFile(old, tooLarge);
    EXPECT_EQ(readParametersFile(old).designPoints.size(), tooLarge.designPoints.size());
}

// Random and mutated files end in an error or a clean load, and what loads writes back the same.
TEST(ParametersFile, FuzzedFilesNeverCrashOrHang)
{
    std::mt19937 random(20261208);
    auto below = [&random](qsizetype n) {
        return std::uniform_int_distribution<qsizetype>(0, n - 1)(random);
    };
    const QStringList junk = {QString(), u"0"_s,  u"1"_s, u"2"_s,          u"5"_s,
                              u"21"_s,   u"-1"_s, u"x"_s, u"2147483647"_s, u"True"_s,
                              u"0,5"_s,  u"\r"_s, u"ё"_s};
    const QStringList seeds = {Fresh, Head + Areas + Grid + Devices + Tail + u"|1"_s,
                               outcome([] { return encodeParameters(computedObject()); })};
    int clean = 0;
    for (int round = 0; round < 200000; ++round) {
        QByteArray file;
        if (round % 10 == 0) {
            file.resize(below(400));
            for (char& byte : file)
                byte = static_cast<char>(below(256));
        } else {
            QStringList lines = seeds.at(below(seeds.size())).split(u'|');
            for (qsizetype edits = 1 + below(4); edits > 0; --edits) {
                const qsizetype at = below(lines.size());
                const QString& line = junk.at(below(junk.size()));
                switch (below(3)) {
                case 0:
                    lines.insert(at, line);
                    break;
                case 1:
                    lines.removeAt(at);
                    break;
                default:
                    lines[at] = line;
                }
            }
            file = fileOf(lines.join(u'|'), below(2) ? "\r\n" : "\n");
            file.truncate(below(4) ? file.size() : below(file.size() + 1));
        }
        try {
            const QByteArray written = encodeParameters(decodeParameters(file));
            EXPECT_EQ(encodeParameters(decodeParameters(written)), written);
            ++clean;
        } catch (const AppError&) {
        }
    }
    EXPECT_GT(clean, 1000); // the mutations reach past the first lines
}
