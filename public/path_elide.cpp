#include "public/path_elide.h"

namespace
{

const QString Ellipsis = QStringLiteral("…");

// The largest n in [0, limit] with fits(n), for fits true at 0 and falling as n grows; -1 when
// not even 0 fits.
qsizetype largestFitting(qsizetype limit, const std::function<bool(qsizetype)>& fits)
{
    if (!fits(0))
        return -1;
    qsizetype low = 0;
    qsizetype high = limit;
    while (low < high) {
        const qsizetype mid = low + (high - low + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

// The first n characters of text, one fewer where the n-th would split a surrogate pair.
QString head(const QString& text, qsizetype n)
{
    if (n > 0 && n < text.size() && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

QString tail(const QString& text, qsizetype n)
{
    if (n > 0 && n < text.size() && text.at(text.size() - n).isLowSurrogate())
        --n;
    return text.right(n);
}

} // namespace

QString elidePathMiddle(const QString& text, int width, const TextWidth& widthOf)
{
    if (widthOf(text) <= width)
        return text;
    const qsizetype slash = text.lastIndexOf(u'/');
    if (slash >= 0) {
        const QString fileName = text.mid(slash);
        const QString start = text.left(slash);
        const qsizetype kept = largestFitting(start.size(), [&](qsizetype n) {
            return widthOf(head(start, n) + Ellipsis + fileName) <= width;
        });
        if (kept >= 0)
            return head(start, kept) + Ellipsis + fileName;
    }
    // n characters of the whole text kept, the larger half at its beginning.
    auto ends = [&text](qsizetype n) {
        return head(text, n - n / 2) + Ellipsis + tail(text, n / 2);
    };
    const qsizetype kept =
        largestFitting(text.size() - 1, [&](qsizetype n) { return widthOf(ends(n)) <= width; });
    return kept >= 0 ? ends(kept) : QString();
}
