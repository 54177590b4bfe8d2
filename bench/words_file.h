#pragma once

// Long texts of words for the benches' files, written in pieces: making a file of hundreds of
// megabytes leaves no peak of that size in the memory the bench then reports.

#include "common/cp1251.h"

#include <QIODevice>
#include <QString>
#include <algorithm>

// Writes `length` bytes of `words` repeated, in code page 1251, then CR LF; false when a write
// fails.
inline bool writeWords(QIODevice& file, const QString& words, qint64 length)
{
    const QByteArray word = toCp1251(words);
    QByteArray block;
    while (block.size() < std::min<qint64>(length, qint64(1) << 20))
        block += word;
    // The block holds whole words: each piece starts at a word.
    for (qint64 left = length; left > 0; left -= block.size()) {
        const qint64 piece = std::min<qint64>(left, block.size());
        if (file.write(block.constData(), piece) != piece)
            return false;
    }
    return file.write("\r\n", 2) == 2;
}
