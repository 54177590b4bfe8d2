#include "industrial/report/rtf_fields.h"

#include <QStringView>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString FieldInstruction = u"{\\*\\fldinst"_s;

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isWordAt(const QString& s, qsizetype i)
{
    return s.at(i) == u'\\' && i + 1 < s.size() && isLetter(s.at(i + 1));
}

struct ControlWord {
    QStringView name;
    QStringView word;  // backslash, name and parameter
    qsizetype end = 0; // past the word and the space that delimits it
};

// The control word starting at s[i] (isWordAt).
ControlWord controlWord(const QString& s, qsizetype i)
{
    qsizetype j = i + 1;
    while (j < s.size() && isLetter(s.at(j)))
        ++j;
    const qsizetype nameEnd = j;
    if (j + 1 < s.size() && s.at(j) == u'-' && isDigit(s.at(j + 1)))
        ++j;
    while (j < s.size() && isDigit(s.at(j)))
        ++j;
    ControlWord w;
    w.name = QStringView(s).mid(i + 1, nameEnd - i - 1);
    w.word = QStringView(s).mid(i, j - i);
    w.end = j < s.size() && s.at(j) == u' ' ? j + 1 : j;
    return w;
}

// Past the group opening at s[open], or -1 when the group does not close before `end`.
qsizetype groupEnd(const QString& s, qsizetype open, qsizetype end)
{
    int depth = 0;
    for (qsizetype i = open; i < end; ++i) {
        const QChar c = s.at(i);
        if (c == u'\\')
            ++i; // \\, \{ and \} are text
        else if (c == u'{')
            ++depth;
        else if (c == u'}' && --depth == 0)
            return i + 1;
    }
    return -1;
}

// The ")" closing the "(" at s[open], or -1. A parenthesis escaped for the field ("\\(") does
// not count.
qsizetype closingParen(const QString& s, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == u'\\') {
            const bool fieldEscape = i + 2 < s.size() && s.at(i + 1) == u'\\' &&
                                     (s.at(i + 2) == u'(' || s.at(i + 2) == u')');
            i += fieldEscape ? 2 : 1;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')' && --depth == 0) {
            return i;
        }
    }
    return -1;
}

bool isParagraphWord(QStringView name)
{
    static const std::array<QStringView, 6> words{u"pard", u"intbl", u"qj", u"qc", u"ql", u"qr"};
    for (const QStringView w : words)
        if (name == w)
            return true;
    return false;
}

// The equation of an EQ instruction as result text.
QString equationResult(const QString& eq)
{
    static const QString up = u"\\\\s\\\\up"_s;
    static const QString down = u"\\\\s\\\\do"_s;
    QString out;
    bool wordOpen = false; // the last kept control word needs a delimiter before text
    qsizetype i = 0;
    while (i < eq.size()) {
        const QStringView rest = QStringView(eq).mid(i);
        const bool isUp = rest.startsWith(up);
        if (isUp || rest.startsWith(down)) {
            qsizetype open = i + up.size();
            while (open < eq.size() && isDigit(eq.at(open)))
                ++open;
            const qsizetype close =
                open < eq.size() && eq.at(open) == u'(' ? closingParen(eq, open) : -1;
            if (close >= 0) {
                out += (isUp ? u"{\\super "_s : u"{\\sub "_s) +
                       equationResult(eq.mid(open + 1, close - open - 1)) + u'}';
                wordOpen = false;
                i = close + 1;
                continue;
            }
        }
        if (isWordAt(eq, i)) {
            const ControlWord w = controlWord(eq, i);
            if (!isParagraphWord(w.name)) {
                out += QStringView(eq).mid(i, w.end - i);
                wordOpen = w.end == i + w.word.size();
            } else if (wordOpen && w.end < eq.size() &&
                       !QStringView(u"\\{}").contains(eq.at(w.end))) {
                out += u' ';
                wordOpen = false;
            }
            i = w.end;
            continue;
        }
        const qsizetype length = eq.at(i) == u'\\' ? 2 : 1;
        out += QStringView(eq).mid(i, length);
        wordOpen = false;
        i += length;
    }
    return out;
}

// The result group for the instruction group s[open, end), or an empty text when the field
// needs none.
QString resultGroup(const QString& s, qsizetype open, qsizetype end)
{
    qsizetype after = end;
    while (after < s.size() && s.at(after).isSpace())
        ++after;
    if (QStringView(s).mid(after).startsWith(u"{\\fldrslt"))
        return {};

    qsizetype i = open + FieldInstruction.size();
    qsizetype innerEnd = end - 1;
    while (i < innerEnd && s.at(i).isSpace())
        ++i;
    if (i < innerEnd && s.at(i) == u'{') {
        const qsizetype groupClose = groupEnd(s, i, innerEnd);
        if (groupClose < 0)
            return {};
        innerEnd = groupClose - 1;
        ++i;
    }
    QString words;
    while (i < innerEnd && isWordAt(s, i)) {
        const ControlWord w = controlWord(s, i);
        if (!w.name.endsWith(u"rsid"))
            words += w.word;
        i = w.end;
    }
    while (i < innerEnd && s.at(i).isSpace())
        ++i;
    const QStringView keyword = QStringView(s).mid(i, 2);
    if (keyword.compare(u"EQ", Qt::CaseInsensitive) != 0 || i + 2 >= innerEnd ||
        !s.at(i + 2).isSpace())
        return {};
    const QString equation = equationResult(s.mid(i + 3, innerEnd - i - 3));
    if (words.isEmpty())
        return u"{\\fldrslt "_s + equation + u'}';
    return u"{\\fldrslt{"_s + words + u' ' + equation + u"}}"_s;
}

} // namespace

QString AddEqFieldResults(const QString& rtf)
{
    QString out;
    out.reserve(rtf.size() + rtf.size() / 4);
    qsizetype copied = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == u'\\') {
            ++i;
            continue;
        }
        const QStringView rest = QStringView(rtf).mid(i);
        const qsizetype after = FieldInstruction.size();
        if (rtf.at(i) != u'{' || !rest.startsWith(FieldInstruction) ||
            (rest.size() > after && isLetter(rest.at(after))))
            continue;
        const qsizetype end = groupEnd(rtf, i, rtf.size());
        if (end < 0)
            break;
        const QString result = resultGroup(rtf, i, end);
        if (!result.isEmpty()) {
            out += QStringView(rtf).mid(copied, end - copied);
            out += result;
            copied = end;
        }
        i = end - 1;
    }
    out += QStringView(rtf).mid(copied);
    return out;
}

QString InTableCell(const QString& rtf)
{
    QString out;
    out.reserve(rtf.size() + 32);
    qsizetype i = 0;
    while (i < rtf.size()) {
        if (isWordAt(rtf, i)) {
            const ControlWord w = controlWord(rtf, i);
            out += w.word;
            if (w.word == u"\\pard" && !QStringView(rtf).mid(w.end).startsWith(u"\\intbl"))
                out += u"\\intbl"_s;
            out += QStringView(rtf).mid(i + w.word.size(), w.end - i - w.word.size());
            i = w.end;
            continue;
        }
        const qsizetype length = rtf.at(i) == u'\\' ? 2 : 1;
        out += QStringView(rtf).mid(i, length);
        i += length;
    }
    return out;
}
