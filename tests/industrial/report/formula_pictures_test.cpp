#include "industrial/report/formula_pictures.h"
#include "support/test_support.h"

#include <QCryptographicHash>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>
#include <zlib.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

using Heights = std::map<QByteArray, std::set<int>>; // face -> character heights

struct Picture {
    const char* name;
    std::function<QString()> text;
    QString start;     // everything before the size words
    QString sizeWords; // \picw to \pichgoal
    QString kindWords; // up to \bliptag
    QString upi;       // \blipupi of a metafile
    QSize size;        // window extent of a metafile, pixels of a PNG
    Heights heights;   // metafiles only
};

const QString WmfProperties = u"{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn fFlipH}{\\sv 0}}"
                              "{\\sp{\\sn fFlipV}{\\sv 0}}{\\sp{\\sn pibFlags}{\\sv 64}}"_s;
const QString WmfPropertiesEnd = u"{\\sp{\\sn fLine}{\\sv 0}}{\\sp{\\sn fPreferRelativeResize}"
                                 "{\\sv 1}}{\\sp{\\sn fLayoutInCell}{\\sv 1}}}"_s;
const QString Crop = u"\\piccropl0\\piccropr0\\piccropt0\\piccropb0"_s;
const QString PngStart =
    u"{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}"
    "{\\sp{\\sn fFlipH}{\\sv 0}}{\\sp{\\sn fFlipV}{\\sv 0}}{\\sp{\\sn fRotateText}{\\sv 1}}"
    "{\\sp{\\sn pictureGray}{\\sv 0}}{\\sp{\\sn pictureBiLevel}{\\sv 0}}"
    "{\\sp{\\sn fFilled}{\\sv 0}}{\\sp{\\sn fLine}{\\sv 0}}{\\sp{\\sn wzName}}"
    "{\\sp{\\sn fHidden}{\\sv 0}}{\\sp{\\sn fLayoutInCell}{\\sv 1}}}\\picscalex100\\picscaley100"_s +
    Crop;

QString wmfStart(const QString& lowering, int shapeId, const QString& fill, const QString& scale)
{
    return u"{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 "_s + lowering +
           u"{\\pict{\\*\\picprop\\shplid"_s + QString::number(shapeId) + WmfProperties + fill +
           WmfPropertiesEnd + scale + Crop;
}

std::vector<Picture> pictures()
{
    const Heights twoSizes{{"Times New Roman", {384, 222}}, {"Symbol", {384}}};
    Heights harm = twoSizes;
    harm["Symbol"].insert(503);
    Heights protection = twoSizes;
    protection["Symbol"].insert({222, 576});
    return {
        {"FormulaHarmProb",
         FormulaHarmProb,
         wmfStart(u"\\dn14\\cgrid0\\insrsid14885478\\charrsid14885478 "_s, 1025, {},
                  u"\\picscalex110\\picscaley108"_s),
         u"\\picw3775\\pich706\\picwgoal2140\\pichgoal400"_s,
         u"\\wmetafile8"_s,
         u"\\blipupi-359"_s,
         {3424, 640},
         harm},
        {"FormulaProtection",
         FormulaProtection,
         wmfStart(u"\\dn28\\cgrid0\\insrsid1383313\\charrsid1921644 "_s, 1027, {},
                  u"\\picscalex110\\picscaley108"_s),
         u"\\picw3316\\pich1199\\picwgoal1880\\pichgoal680"_s,
         u"\\wmetafile8"_s,
         u"\\blipupi-338"_s,
         {3008, 1088},
         protection},
        {"FormulaRouteEvac",
         FormulaRouteEvac,
         wmfStart(u"\\dn102\\insrsid16720134\\charrsid13901556 "_s, 1027,
                  u"{\\sp{\\sn fillColor}{\\sv 268435473}}"_s, u"\\picscalex95\\picscaley95"_s),
         u"\\picw8537\\pich3810\\picwgoal4840\\pichgoal2160"_s,
         u"\\wmetafile8"_s,
         u"\\blipupi371"_s,
         {7744, 3456},
         twoSizes},
        {"FormulaSeries",
         FormulaSeries,
         PngStart,
         u"\\picw8945\\pich1720\\picwgoal5071\\pichgoal975"_s,
         u"\\pngblip"_s,
         {},
         {338, 65},
         {}},
        {"FormulaParallel",
         FormulaParallel,
         PngStart,
         u"\\picw8230\\pich1429\\picwgoal4666\\pichgoal810"_s,
         u"\\pngblip"_s,
         {},
         {311, 54},
         {}},
    };
}

int word(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::int16_t>(b.constData() + at);
}

std::uint32_t dword(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}

// Walks the metafile's records and checks the header, the mapping, the fonts, and that every
// text run lies inside the window.
void checkMetafile(const QByteArray& wmf, const Picture& p)
{
    ASSERT_GE(wmf.size(), 24);
    EXPECT_EQ(word(wmf, 0), 1); // memory metafile, no placeable header
    EXPECT_EQ(word(wmf, 2), 9);
    EXPECT_EQ(word(wmf, 4), 0x0300);
    EXPECT_EQ(dword(wmf, 6) * 2, static_cast<std::uint32_t>(wmf.size()));
    const int objects = word(wmf, 10);
    const std::uint32_t maxRecord = dword(wmf, 12);

    std::map<int, int> settings; // function -> first parameter
    QSize extent;
    Heights heights;
    int created = 0;
    int lastFunction = -1;
    qsizetype at = 18;
    while (at + 6 <= wmf.size()) {
        const std::uint32_t words = dword(wmf, at);
        lastFunction = word(wmf, at + 4) & 0xFFFF;
        ASSERT_GE(words, 3u);
        ASSERT_LE(words, maxRecord);
        ASSERT_LE(at + words * 2, wmf.size());
        const qsizetype param = at + 6;
        if (lastFunction == 0x020C)
            extent = QSize(word(wmf, param + 2), word(wmf, param));
        else if (lastFunction == 0x02FB) {
            const QByteArray face = wmf.mid(param + 18).split('\0').first();
            const int charset = static_cast<unsigned char>(wmf.at(param + 13));
            EXPECT_EQ(charset, face == "Symbol" ? 2 : 204) << face.constData();
            heights[face].insert(std::abs(word(wmf, param)));
            ++created;
        } else if (lastFunction == 0x02FA) {
            ++created;
        } else if (lastFunction == 0x0A32) {
            const int y = word(wmf, param), x = word(wmf, param + 2), n = word(wmf, param + 4);
            int right = x;
            for (int i = 0; i < n; ++i)
                right += word(wmf, param + 8 + (n + 1) / 2 * 2 + 2 * i);
            EXPECT_TRUE(x >= 0 && right <= p.size.width() && y > 0 && y < p.size.height())
                << "text at " << x << ".." << right << ", " << y;
        } else if (!settings.count(lastFunction)) {
            settings[lastFunction] = word(wmf, param);
        }
        at += words * 2;
    }
    EXPECT_EQ(at, wmf.size());
    EXPECT_EQ(lastFunction, 0x0000); // end of file
    EXPECT_EQ(created, objects);
    EXPECT_EQ(settings[0x0103], 8);  // anisotropic
    EXPECT_EQ(settings[0x020B], 0);  // window origin
    EXPECT_EQ(settings[0x0102], 1);  // transparent
    EXPECT_EQ(settings[0x012E], 24); // baseline
    EXPECT_EQ(extent, p.size);
    EXPECT_EQ(heights, p.heights);
}

void checkPng(const QByteArray& png, const Picture& p, int goalWidth, int goalHeight)
{
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    QList<QByteArray> chunks;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const auto length = qFromBigEndian<std::uint32_t>(png.constData() + at);
        ASSERT_LE(at + 12 + length, png.size());
        const QByteArray typeAndData = png.mid(at + 4, 4 + length);
        const auto crc = qFromBigEndian<std::uint32_t>(png.constData() + at + 8 + length);
        EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(typeAndData.constData()),
                        static_cast<uInt>(typeAndData.size())),
                  crc)
            << typeAndData.left(4).constData();
        chunks << typeAndData;
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    ASSERT_GE(chunks.size(), 4);
    const QByteArray& header = chunks.at(0);
    EXPECT_TRUE(header.startsWith("IHDR"));
    EXPECT_EQ(qFromBigEndian<std::uint32_t>(header.constData() + 4), p.size.width());
    EXPECT_EQ(qFromBigEndian<std::uint32_t>(header.constData() + 8), p.size.height());
    EXPECT_EQ(header.mid(12, 5), QByteArray("\x08\x02\x00\x00\x00", 5)); // 8-bit RGB, plain
    EXPECT_EQ(chunks.at(1), QByteArray("sRGB\x00", 5));
    const QByteArray physical("pHYs\x00\x00\x0e\xc3\x00\x00\x0e\xc3\x01", 13); // 3779 per metre
    EXPECT_TRUE(chunks.contains(physical));
    EXPECT_EQ(chunks.last(), QByteArray("IEND"));

    // White ground, and the goal size is the pixel size at 15 twips a pixel.
    const QImage image = QImage::fromData(png, "PNG");
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_LE(std::abs(goalWidth - 15 * p.size.width()), 1);
    EXPECT_LE(std::abs(goalHeight - 15 * p.size.height()), 1);
}

} // namespace

TEST(FormulaPictures, WordsImagesAndDigests)
{
    static const QRegularExpression tail(
        u"^\\\\bliptag(-?\\d+)(\\\\blipupi-?\\d+)?\\{\\\\\\*\\\\blipuid ([0-9a-f]{32})\\}([0-9a-f]*)\\}\\}$"_s);
    static const QRegularExpression goal(u"picwgoal(\\d+)\\\\pichgoal(\\d+)"_s);
    for (const Picture& p : pictures()) {
        SCOPED_TRACE(p.name);
        const QString text = p.text();
        EXPECT_EQ(p.text(), text);
        const QString words = p.start + p.sizeWords + p.kindWords;
        ASSERT_TRUE(text.startsWith(words)) << text.left(words.size()).toStdString();
        const auto m = tail.match(text.mid(words.size()));
        ASSERT_TRUE(m.hasMatch()) << text.mid(words.size(), 120).toStdString();

        const QByteArray hex = m.captured(4).toLatin1();
        ASSERT_EQ(hex.size() % 2, 0);
        const QByteArray image = QByteArray::fromHex(hex);
        const QString uid =
            QString::fromLatin1(QCryptographicHash::hash(image, QCryptographicHash::Md4).toHex());
        EXPECT_EQ(m.captured(3), uid);
        EXPECT_EQ(m.captured(1).toInt(),
                  static_cast<std::int32_t>(uid.left(8).toUInt(nullptr, 16)));

        EXPECT_EQ(m.captured(2), p.upi);
        const auto g = goal.match(p.sizeWords);
        if (p.kindWords == u"\\pngblip"_s) {
            checkPng(image, p, g.captured(1).toInt(), g.captured(2).toInt());
        } else {
            // 1.6 units of the window a twip of the goal size.
            EXPECT_EQ(QSize(g.captured(1).toInt() * 8 / 5, g.captured(2).toInt() * 8 / 5), p.size);
            checkMetafile(image, p);
        }
    }
}
