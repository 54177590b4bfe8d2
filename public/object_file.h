#pragma once

// The object file "*.rro": the inputs of one public building as 28 extended-precision numbers of
// 10 bytes each (public/extended80.h), no header. Files of the older layout end after the 20th.

#include "common/errors.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

class QFileDevice;

inline constexpr int ObjectRecordSize = 10;
inline constexpr int ObjectRecords = 28;
inline constexpr int OlderObjectRecords = 20;

// What the file holds, record by record, as plain values.
struct StoredObject {
    std::array<long double, 14> Par{};         // records 1-14
    std::int32_t NomScen = 0;                  // 15
    std::array<std::int32_t, 4> SystemItems{}; // 16-19: RadioGroup2, 3, 4, 5; -1 for none
    long double FireRoomAr = 0.0L;             // 20
    bool olderLayout = false;                  // the file ended after record 20
    std::int32_t FClass = 0;                   // 21
    std::int32_t ReservedInt = 0;              // 22
    long double Ne = 0.0L;                     // 23
    long double Nneev = 0.0L;                  // 24
    std::array<bool, 4> Conditions{};          // 25-28: CBdislocation, CBsredstvapoj,
                                               //        CBavarvih, CBputievac
};

// A file that is no object file of the program: too long, or a record holding what the program
// never writes.
class EObjectFileError : public AppError
{
public:
    using AppError::AppError;
};

// The description of a record of an object file, "Файл «PATH», запись N".
QString objectRecordPlace(const QString& path, int record);

// All 28 records, 280 bytes.
QByteArray encodeObject(const StoredObject& object);

// Reads the records of the whole file `path`. 20 whole records (200 to 209 bytes) are the older
// layout; fewer, or 21 to 27, throw EReadError; more than 280 bytes throw EObjectFileError. Every
// record must hold a finite number encoded as the program writes it, the fire frequency, the
// times, the numbers of people and the area must not be negative, the protection items and the
// class must be whole numbers within their groups and the conditions 0 or 1; else EObjectFileError.
// The scenario number and ReservedInt are rounded half to even and throw EInvalidOp outside 32
// bits; Ne and Nneev are rounded likewise but stay extended. Every failure names the file and,
// where one applies, the record.
StoredObject decodeObject(const QByteArray& bytes, const QString& path);

// Nearest whole value, halfway to the even one; infinities and NaN stay as they are.
long double roundHalfEven(long double value);

// Writes a new file and replaces the old one only once it is complete. Throws EFileError.
void writeObjectFile(const QString& path, const StoredObject& object);

// Reads a file that is open for reading. Throws EFileError (naming `path`) when reading fails,
// else as decodeObject.
StoredObject readObject(QFileDevice& file, const QString& path);
// Opens the file for reading only. Throws EFileError when it cannot be opened.
StoredObject readObjectFile(const QString& path);
