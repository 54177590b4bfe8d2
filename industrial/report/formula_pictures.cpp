#include "industrial/report/formula_pictures.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSize>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The image's words from `kindWords` on (%1 standing for \bliptag's value) and its bytes in
// hexadecimal. \blipuid is the MD4 digest of the bytes, \bliptag its first eight hexadecimal
// digits read as a signed 32-bit number.
QString imageWords(const QString& name, const QString& kindWords)
{
    QFile file(u":/formulas/"_s + name);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const QByteArray uid = QCryptographicHash::hash(bytes, QCryptographicHash::Md4).toHex();
    const auto tag = static_cast<std::int32_t>(uid.left(8).toUInt(nullptr, 16));
    return kindWords.arg(tag) + u"{\\*\\blipuid "_s + QString::fromLatin1(uid) + u'}' +
           QString::fromLatin1(bytes.toHex());
}

// Scale, crop and size words: the size in hundredths of a millimetre, the goal in twips.
QString sizeWords(QSize scale, QSize size, QSize goal)
{
    return u"\\picscalex%1\\picscaley%2\\piccropl0\\piccropr0\\piccropt0\\piccropb0"
           "\\picw%3\\pich%4\\picwgoal%5\\pichgoal%6"_s.arg(scale.width())
               .arg(scale.height())
               .arg(size.width())
               .arg(size.height())
               .arg(goal.width())
               .arg(goal.height());
}

const QString ShapeStart = u"{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn fFlipH}{\\sv 0}}"
                           "{\\sp{\\sn fFlipV}{\\sv 0}}"_s;

struct Metafile {
    QString name;
    QString lowering; // lowering and revision words, ending in a space
    int shapeId;
    QString fill; // an extra property group, or none
    QSize scale, size, goal;
    int blipUpi;
};

QString metafilePicture(const Metafile& m)
{
    return u"{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 "_s + m.lowering +
           u"{\\pict{\\*\\picprop\\shplid"_s + QString::number(m.shapeId) + ShapeStart +
           u"{\\sp{\\sn pibFlags}{\\sv 64}}"_s + m.fill +
           u"{\\sp{\\sn fLine}{\\sv 0}}{\\sp{\\sn fPreferRelativeResize}{\\sv 1}}"
           "{\\sp{\\sn fLayoutInCell}{\\sv 1}}}"_s +
           sizeWords(m.scale, m.size, m.goal) +
           imageWords(m.name, u"\\wmetafile8\\bliptag%1\\blipupi"_s + QString::number(m.blipUpi)) +
           u"}}"_s;
}

QString pngPicture(const QString& name, QSize size, QSize goal)
{
    return u"{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025"_s + ShapeStart +
           u"{\\sp{\\sn fRotateText}{\\sv 1}}{\\sp{\\sn pictureGray}{\\sv 0}}"
           "{\\sp{\\sn pictureBiLevel}{\\sv 0}}{\\sp{\\sn fFilled}{\\sv 0}}"
           "{\\sp{\\sn fLine}{\\sv 0}}{\\sp{\\sn wzName}}{\\sp{\\sn fHidden}{\\sv 0}}"
           "{\\sp{\\sn fLayoutInCell}{\\sv 1}}}"_s +
           sizeWords({100, 100}, size, goal) + imageWords(name, u"\\pngblip\\bliptag%1"_s) +
           u"}}"_s;
}

} // namespace

QString FormulaHarmProb()
{
    static const QString text =
        metafilePicture({u"harm_prob.wmf"_s,
                         u"\\dn14\\cgrid0\\insrsid14885478\\charrsid14885478 "_s,
                         1025,
                         {},
                         {110, 108},
                         {3775, 706},
                         {2140, 400},
                         -359});
    return text;
}

QString FormulaProtection()
{
    static const QString text =
        metafilePicture({u"protection.wmf"_s,
                         u"\\dn28\\cgrid0\\insrsid1383313\\charrsid1921644 "_s,
                         1027,
                         {},
                         {110, 108},
                         {3316, 1199},
                         {1880, 680},
                         -338});
    return text;
}

QString FormulaRouteEvac()
{
    static const QString text = metafilePicture({u"route_evac.wmf"_s,
                                                 u"\\dn102\\insrsid16720134\\charrsid13901556 "_s,
                                                 1027,
                                                 u"{\\sp{\\sn fillColor}{\\sv 268435473}}"_s,
                                                 {95, 95},
                                                 {8537, 3810},
                                                 {4840, 2160},
                                                 371});
    return text;
}

QString FormulaSeries()
{
    static const QString text = pngPicture(u"series.png"_s, {8945, 1720}, {5071, 975});
    return text;
}

QString FormulaParallel()
{
    static const QString text = pngPicture(u"parallel.png"_s, {8230, 1429}, {4666, 810});
    return text;
}
