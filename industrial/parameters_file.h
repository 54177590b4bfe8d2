#pragma once

// The parameters file "*.rri": the inputs of one object, one value per line in a fixed order,
// code page 1251, no header. Values the user typed are kept as typed.

#include "common/errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QIODevice;
class TZdanie;
struct WindowInputs;

// A file that parses but holds what no object can: a count or an item out of range.
class EBadParameters : public AppError
{
public:
    using AppError::AppError;
};

// A value that code page 1251 cannot hold; the save is refused rather than written with "?".
class EUnwritableCharacter : public AppError
{
public:
    EUnwritableCharacter(const QString& character, const QString& value);
};

// A value longer than a file's line may be: the save is refused rather than write a file that no
// load takes.
class EValueTooLong : public AppError
{
public:
    explicit EValueTooLong(const QString& value);
};

// An object that no parameters file the program opens could hold: more design points, or more
// bytes in all, than the reader takes. The save is refused rather than write such a file.
class ETooMuchToSave : public AppError
{
public:
    using AppError::AppError;
};

struct StoredSystem {
    int item = 0;
    // Rows 1..N of the device list as name, MTBF, probability; only for the compute item.
    std::vector<std::array<QString, 3>> devices;
    // 0 series, 1 parallel; older files do not carry it.
    std::optional<std::uint8_t> mode;
};

// What the file stores, in plain values: the window's inputs and the record's fields.
struct ObjectParameters {
    QString hoursPerDay;
    QString daysPerYear;
    int frequencyMethod = 0;
    QStringList areas; // value cells of the area table, from row 1
    QString singleArea;
    int roomType = 0;
    int objectKind = 0;
    std::vector<std::array<QString, 6>> designPoints; // data rows of the design-point grid
    std::array<StoredSystem, 4> systems;              // in the order of ProtectionGroups
    long double ExitProb = 0.0L;
    long double EvacTime = 0.0L;
    long double BlockTime = 0.0L;
    long double StartEvacTime = 0.0L;
    bool FireRoomMark = false;
};

// The lines of the file, CR LF after each. Throws EUnwritableCharacter, EValueTooLong for a
// value longer than ParametersMaxLineLength, and ETooMuchToSave for more than
// ParametersMaxDesignPoints design points or more than ParametersMaxBytes in all.
QByteArray encodeParameters(const ObjectParameters& parameters);

// The most design points a file may hold; a count above it is refused.
inline constexpr int ParametersMaxDesignPoints = 10000;
// The most bytes a file may hold: many times a file at that count, and little enough that what
// the window keeps of it stays within a few hundred megabytes.
inline constexpr qint64 ParametersMaxBytes = qint64(32) << 20;
// The longest line a file may hold, in bytes without its end (one a character in code page 1251):
// far above anything an engineer types, and what the edits whose text is stored as typed let the
// user type.
inline constexpr int ParametersMaxLineLength = 4096;

// The whole file is checked before anything is returned; lines are read only as far as they are
// needed. Throws EConvertError for a line that does not convert, EBadParameters for a count or an
// item out of range (more than ParametersMaxDesignPoints design points among them), a line longer
// than ParametersMaxLineLength or lines that run past ParametersMaxBytes before the last value,
// and EFileError when a file device fails to read. A failure of a line of a file names the file and
// the line ("Файл «PATH», строка N").
ObjectParameters decodeParameters(QIODevice& device);
ObjectParameters decodeParameters(const QByteArray& bytes);

// Writes through a temporary file that replaces the old one only when complete. Throws
// EUnwritableCharacter, EValueTooLong or ETooMuchToSave before touching the file, EFileError when
// it cannot be written.
void writeParametersFile(const QString& path, const ObjectParameters& parameters);

// Throws EFileError when the file cannot be read, else as decodeParameters.
ObjectParameters readParametersFile(const QString& path);

// The window's part but the working-time texts, which the file takes from the record.
void inputsToParameters(const WindowInputs& inputs, ObjectParameters& parameters);
// The record's part: working-time texts, device lists of the computed systems (the items must be
// set), design point and fire-room mark.
void recordToParameters(const TZdanie& record, ObjectParameters& parameters);
// Device lists of the computed systems (cells cut to 255, modes only when stored), design point
// and fire-room mark; the working-time texts stay.
void parametersToRecord(const ObjectParameters& parameters, TZdanie& record);
