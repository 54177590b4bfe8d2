#include "metafile_formulas.h"

#include "common/cp1251.h"
#include "wmf_writer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMap>
#include <cmath>
#include <functional>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr int Main = 384;  // 12 pt at 1.6 units a twip
constexpr int Small = 222; // subscripts and limits
constexpr int SubDrop = 96;

// Symbol characters by their code in the Symbol font.
constexpr char Minus = '\x2D';
constexpr char Plus = '\x2B';
constexpr char Equal = '\x3D';
constexpr char Less = '\x3C';
constexpr char LessEqual = '\xA3';
constexpr char GreaterEqual = '\xB3';
constexpr char Dot = '\xD7';
constexpr char Tau = '\x74';
constexpr char Product = '\xD5';
constexpr char ParenLeft = '\x28';
constexpr char ParenRight = '\x29';
constexpr char BraceTop = '\xEC';
constexpr char BraceMiddle = '\xED';
constexpr char BraceBottom = '\xEE';
constexpr char BraceExtension = '\xEF';

// A Symbol code's advance in thousandths of the character height, and the character a reader
// on this platform draws for it (with OpenSymbol, whose glyphs are wider).
struct SymbolGlyph {
    int advance;
    char16_t shown;
};

SymbolGlyph symbolGlyph(char code)
{
    static const QMap<char, SymbolGlyph> glyphs{
        {Minus, {549, u'-'}},
        {Plus, {549, u'+'}},
        {Equal, {549, u'='}},
        {Less, {549, u'<'}},
        {LessEqual, {549, u'\u2264'}},
        {GreaterEqual, {549, u'\u2265'}},
        {Dot, {250, u'\u22C5'}},
        {Tau, {439, u'\u03C4'}},
        {Product, {823, u'\u220F'}},
        {ParenLeft, {333, u'('}},
        {ParenRight, {333, u')'}},
        {BraceTop, {494, u'\u23A7'}},
        {BraceMiddle, {494, u'\u23A8'}},
        {BraceBottom, {494, u'\u23A9'}},
        {BraceExtension, {494, u'\u23AA'}},
    };
    return glyphs.value(code, {500, u' '});
}

struct Style {
    bool symbol = false;
    bool italic = false;
    int height = Main;
    bool operator<(const Style& o) const
    {
        return std::tie(symbol, italic, height) < std::tie(o.symbol, o.italic, o.height);
    }
};

const Style Upright{false, false, Main};
const Style Italic{false, true, Main};
const Style SmallItalic{false, true, Small};
const Style SmallUpright{false, false, Small};
const Style Sym{true, false, Main};
const Style SmallSym{true, false, Small};

// Sets runs of text left to right on a metafile, measuring Times New Roman by Liberation Serif
// (the same advances) and Symbol by both its own advances and OpenSymbol, which stands in for it
// here.
class Typesetter
{
public:
    explicit Typesetter(QSize extent) : m_wmf(extent) {}

    double x = 0;

    // Times New Roman text on baseline y from x; advances x.
    void put(const Style& style, const QString& text, int y)
    {
        QList<int> advances;
        for (const QChar c : text)
            advances << static_cast<int>(std::lround(metrics(style).horizontalAdvance(c)));
        select(style);
        m_wmf.text(static_cast<int>(std::lround(x)), y, toCp1251(text), advances);
        x += width(style, text);
    }
    // One Symbol character on baseline y from x; advances x.
    void put(const Style& style, char code, int y)
    {
        const double room = width(style, code);
        const double shown = metrics(style).horizontalAdvance(QChar(symbolGlyph(code).shown));
        const double offset = std::max(0.0, (room - shown) / 2);
        select(style);
        m_wmf.text(static_cast<int>(std::lround(x + offset)), y, QByteArray(1, code),
                   {static_cast<int>(std::lround(room - offset))});
        x += room;
    }

    double width(const Style& style, const QString& text)
    {
        double w = 0;
        for (const QChar c : text)
            w += std::lround(metrics(style).horizontalAdvance(c));
        return w;
    }
    // Room for both the Symbol glyph and the wider one drawn here, which is centred in it.
    double width(const Style& style, char code)
    {
        const SymbolGlyph glyph = symbolGlyph(code);
        return std::max(std::round(glyph.advance * style.height / 1000.0),
                        std::round(metrics(style).horizontalAdvance(QChar(glyph.shown))));
    }

    void line(int x1, int y1, int x2, int y2, int w) { m_wmf.line(x1, y1, x2, y2, w); }
    QByteArray finish() { return m_wmf.finish(); }

private:
    static QFontMetricsF metrics(const Style& style)
    {
        QFont font(style.symbol ? u"OpenSymbol"_s : u"Liberation Serif"_s);
        font.setPixelSize(style.height);
        font.setItalic(style.italic);
        font.setHintingPreference(QFont::PreferNoHinting);
        return QFontMetricsF(font);
    }

    void select(const Style& style)
    {
        if (!m_fonts.contains(style)) {
            WmfWriter::Font font;
            font.face = style.symbol ? "Symbol" : "Times New Roman";
            font.height = style.height;
            font.italic = style.italic;
            font.charset = style.symbol ? 2 : 204; // Russian: with 0 a reader shows garbage
            m_fonts.insert(style, m_wmf.createFont(font));
        }
        const int object = m_fonts.value(style);
        if (object != m_selected)
            m_wmf.select(object);
        m_selected = object;
    }

    WmfWriter m_wmf;
    QMap<Style, int> m_fonts;
    int m_selected = -1;
};

// Spaces around binary operators and relations.
constexpr int OpGap = 45;
constexpr int RelGap = 50;

void binary(Typesetter& t, char op, int y, const Style& style = Sym, int gap = OpGap)
{
    t.x += gap * style.height / Main;
    t.put(style, op, y);
    t.x += gap * style.height / Main;
}

// Set once to measure, once to draw centred across the window.
QByteArray centred(QSize extent, const std::function<void(Typesetter&)>& draw)
{
    Typesetter probe(extent);
    draw(probe);
    Typesetter t(extent);
    t.x = (extent.width() - probe.x) / 2;
    draw(t);
    return t.finish();
}

void subscript(Typesetter& t, const Style& base, const QString& letter, const QString& sub, int y)
{
    t.put(base, letter, y);
    t.put(SmallItalic, sub, y + SubDrop);
}

} // namespace

QByteArray harmProbMetafile()
{
    const QSize extent(3424, 640);
    constexpr int y = 432; // lies on the text line with \dn14 at 108 %
    constexpr int BigParen = 503;
    const Style big{true, false, BigParen};
    constexpr int bigY = y + 40; // centres the enlarged parentheses on the operators

    auto draw = [&](Typesetter& t) {
        subscript(t, Italic, u"Q"_s, u"d"_s, y);
        binary(t, Equal, y, Sym, RelGap);
        t.put(big, ParenLeft, bigY);
        t.put(Upright, u"1"_s, y);
        binary(t, Minus, y);
        subscript(t, Italic, u"P"_s, u"Э"_s, y);
        t.x += 20;
        t.put(big, ParenRight, bigY);
        binary(t, Dot, y, Sym, 0);
        t.put(big, ParenLeft, bigY);
        t.put(Upright, u"1"_s, y);
        binary(t, Minus, y);
        t.put(Italic, u"D"_s, y);
        t.x += 20;
        t.put(big, ParenRight, bigY);
    };
    return centred(extent, draw);
}

QByteArray protectionMetafile()
{
    const QSize extent(3008, 1088);
    constexpr int y = 673; // lies on the text line with \dn28 at 108 %
    const Style big{true, false, 576};
    constexpr int bigY = y + 90;
    const int productTop = bigY - 433;   // the product sign reaches 0.751 of its height up
    const int productBottom = bigY + 58; // and 0.101 down

    auto draw = [&](Typesetter& t) {
        t.put(Italic, u"D"_s, y);
        binary(t, Equal, y, Sym, RelGap);
        t.put(Upright, u"1"_s, y);
        binary(t, Minus, y);
        t.x += 10;
        const double productX = t.x;
        const double productWidth = t.width(big, Product);
        t.put(big, Product, bigY);
        const double after = t.x;

        t.x = productX + (productWidth - t.width(SmallItalic, u"K"_s)) / 2;
        t.put(SmallItalic, u"K"_s, productTop - 40);
        const double lowerWidth =
            t.width(SmallItalic, u"к"_s) + t.width(SmallSym, Equal) + t.width(SmallUpright, u"1"_s);
        t.x = productX + (productWidth - lowerWidth) / 2;
        const int lowerY = productBottom + 170;
        t.put(SmallItalic, u"к"_s, lowerY);
        t.put(SmallSym, Equal, lowerY);
        t.put(SmallUpright, u"1"_s, lowerY);

        t.x = after + 30;
        t.put(Upright, u"("_s, y);
        t.put(Upright, u"1"_s, y);
        binary(t, Minus, y);
        subscript(t, Italic, u"D"_s, u"k"_s, y);
        t.x += 30;
        t.put(Upright, u")"_s, y);
    };
    return centred(extent, draw);
}

namespace
{

// τ with a subscript.
void tau(Typesetter& t, const QString& sub, int y)
{
    t.put(Sym, Tau, y);
    t.put(SmallItalic, sub, y + SubDrop);
}

// "0,8·τ_бл" (with `sub` in place of бл).
void blockTime(Typesetter& t, const QString& sub, int y)
{
    t.put(Upright, u"0,8"_s, y);
    t.put(Sym, Dot, y);
    tau(t, sub, y);
}

void startTime(Typesetter& t, int y)
{
    subscript(t, Italic, u"t"_s, u"Р"_s, y);
}

void startPlusEvac(Typesetter& t, int y)
{
    startTime(t, y);
    binary(t, Plus, y);
    tau(t, u"Н.Э"_s, y);
}

} // namespace

QByteArray routeEvacMetafile()
{
    const QSize extent(7744, 3456);
    constexpr int row2 = 1738; // lies on the text line with \dn102 at 95 %
    constexpr int row1 = row2 - 800;
    constexpr int row3 = row2 + 700;
    constexpr int axis = Main / 4; // fraction bars and brace tips stand this far above a baseline

    auto draw = [&](Typesetter& t) {
        subscript(t, Italic, u"P"_s, u"Э.П"_s, row2);
        binary(t, Equal, row2, Sym, RelGap);

        // The brace: pieces stacked one character height apart, the tip on the middle row.
        const int top = row1 - 520;
        const int bottom = row3 + 120;
        const int middle = row2 - axis + 165; // the middle piece's baseline puts its tip there
        const double braceX = t.x;
        auto piece = [&](char code, int baseline) {
            t.x = braceX;
            t.put(Sym, code, baseline);
        };
        const int topBaseline = top + 355;
        const int bottomBaseline = bottom - 36;
        piece(BraceTop, topBaseline);
        for (int b = topBaseline + Main; b < middle - Main / 2; b += Main)
            piece(BraceExtension, b);
        piece(BraceExtension, middle - Main + 10);
        piece(BraceMiddle, middle);
        for (int b = middle + Main; b < bottomBaseline - Main / 2; b += Main)
            piece(BraceExtension, b);
        piece(BraceExtension, bottomBaseline - Main + 10);
        piece(BraceBottom, bottomBaseline);
        const double rows = t.x + 60;

        // Row 1: the fraction, then its condition.
        const int bar = row1 - axis;
        auto numerator = [&](Typesetter& u, int y) {
            blockTime(u, u"бл"_s, y);
            binary(u, Minus, y);
            startTime(u, y);
        };
        Typesetter probe(QSize(1, 1));
        numerator(probe, 0);
        const double numeratorWidth = probe.x;
        const double denominatorWidth = t.width(Sym, Tau) + t.width(SmallItalic, u"Н.Э"_s);
        const double fractionWidth = std::max(numeratorWidth, denominatorWidth) + 60;
        t.x = rows + (fractionWidth - numeratorWidth) / 2;
        numerator(t, bar - 170);
        t.x = rows + (fractionWidth - denominatorWidth) / 2;
        tau(t, u"Н.Э"_s, bar + 245);
        t.line(static_cast<int>(rows), bar, static_cast<int>(rows + fractionWidth), bar, 16);
        t.x = rows + fractionWidth;
        t.put(Upright, u", если "_s, row1);
        startTime(t, row1);
        binary(t, Less, row1, Sym, RelGap);
        blockTime(t, u"бл"_s, row1);
        binary(t, Less, row1, Sym, RelGap);
        startPlusEvac(t, row1);

        // Row 2.
        double widest = t.x;
        t.x = rows;
        t.put(Upright, u"0,999, если "_s, row2);
        startPlusEvac(t, row2);
        binary(t, LessEqual, row2, Sym, RelGap);
        blockTime(t, u"блij"_s, row2);

        // Row 3.
        widest = std::max(widest, t.x);
        t.x = rows;
        t.put(Upright, u"0,001, если "_s, row3);
        startTime(t, row3);
        binary(t, GreaterEqual, row3, Sym, RelGap);
        blockTime(t, u"бл"_s, row3);
        t.x = std::max(t.x, widest); // the measured width
    };
    return centred(extent, draw);
}
