#include "industrial/report/rtf_blocks.h"

using namespace Qt::Literals::StringLiterals;

namespace
{

// Font table, colour table, stylesheet, revision table, generator and information groups, the
// document and section settings, outline numbering and the paragraph defaults, as one text.
const QString Header =
    u"{\\rtf1\\ansi\\ansicpg1251\\uc1\\deff0\\stshfdbch37\\stshfloch37"
    "\\stshfhich37\\stshfbi37\\deflang1049\\deflangfe1049"
    "{\\fonttbl"
    "{\\f0\\froman\\fcharset204\\fprq2{\\*\\panose 02020603050405020304}"
    "Times New Roman;}"
    "{\\f37\\froman\\fcharset204\\fprq2{\\*\\panose 00000000000000000000};}"
    "{\\f83\\froman\\fcharset0\\fprq2 Times New Roman;}"
    "{\\f81\\froman\\fcharset238\\fprq2 Times New Roman CE;}"
    "{\\f84\\froman\\fcharset161\\fprq2 Times New Roman Greek;}"
    "{\\f85\\froman\\fcharset162\\fprq2 Times New Roman Tur;}"
    "{\\f86\\froman\\fcharset177\\fprq2 Times New Roman (Hebrew);}"
    "{\\f87\\froman\\fcharset178\\fprq2 Times New Roman (Arabic);}"
    "{\\f88\\froman\\fcharset186\\fprq2 Times New Roman Baltic;}"
    "{\\f89\\froman\\fcharset163\\fprq2 Times New Roman (Vietnamese);}"
    "}"
    "{\\colortbl;"
    "\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
    "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;"
    "\\red255\\green255\\blue0;\\red255\\green255\\blue255;"
    "\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;"
    "\\red128\\green0\\blue128;\\red128\\green0\\blue0;\\red128\\green128\\blue0;"
    "\\red128\\green128\\blue128;\\red192\\green192\\blue192;"
    "}"
    "{\\stylesheet"
    "{\\ql \\li0\\ri0\\widctlpar\\aspalpha\\aspnum\\faauto\\adjustright\\rin0"
    "\\lin0\\itap0 \\fs24\\lang1049\\langfe1049\\cgrid\\langnp1049"
    "\\langfenp1049 \\snext0 Normal;}"
    "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}"
    "{\\*\\ts11\\tsrowd\\trftsWidthB3\\trpaddl108\\trpaddr108\\trpaddfl3"
    "\\trpaddft3\\trpaddfb3\\trpaddfr3\\trcbpat1\\trcfpat1\\tscellwidthfts0"
    "\\tsvertalt\\tsbrdrt\\tsbrdrl\\tsbrdrb\\tsbrdrr\\tsbrdrdgl\\tsbrdrdgr"
    "\\tsbrdrh\\tsbrdrv\\ql \\li0\\ri0\\widctlpar\\aspalpha\\aspnum\\faauto"
    "\\adjustright\\rin0\\lin0\\itap0 \\fs20\\lang1024\\langfe1024\\cgrid"
    "\\langnp1024\\langfenp1024 \\snext11 \\ssemihidden Normal Table;}"
    "}"
    "{\\*\\rsidtbl \\rsid1\\rsid15864250}"
    "{\\*\\generator Microsoft Word 10.0.2627;}"
    "{\\info"
    "{\\creatim\\yr2007\\mo7\\dy10\\hr19\\min34}"
    "{\\revtim\\yr2007\\mo7\\dy10\\hr19\\min34}"
    "{\\version2}{\\edmins0}{\\nofpages1}{\\nofwords1}{\\nofchars12}"
    "{\\nofcharsws12}{\\vern16437}"
    "}"
    "\\margl1701\\margr850\\margt1134\\margb1134\\widowctrl\\ftnbj\\aenddoc"
    "\\noxlattoyen\\expshrtn\\noultrlspc\\dntblnsbdb\\nospaceforul\\hyphcaps0"
    "\\horzdoc\\dghspace120\\dgvspace120\\dghorigin1701\\dgvorigin1984"
    "\\dghshow0\\dgvshow3\\jcompress\\viewkind1\\viewscale100\\nolnhtadjtbl"
    "\\rsidroot15864250 \\fet0\\sectd\\linex0\\sectdefaultcl\\sftnbj "
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang {\\pntxta .}}"
    "{\\*\\pnseclvl2\\pnucltr\\pnstart1\\pnindent720\\pnhang {\\pntxta .}}"
    "{\\*\\pnseclvl3\\pndec\\pnstart1\\pnindent720\\pnhang {\\pntxta .}}"
    "{\\*\\pnseclvl4\\pnlcltr\\pnstart1\\pnindent720\\pnhang {\\pntxta )}}"
    "{\\*\\pnseclvl5\\pndec\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}"
    "{\\pntxta )}}"
    "{\\*\\pnseclvl6\\pnlcltr\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}"
    "{\\pntxta )}}"
    "{\\*\\pnseclvl7\\pnlcrm\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}"
    "{\\pntxta )}}"
    "{\\*\\pnseclvl8\\pnlcltr\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}"
    "{\\pntxta )}}"
    "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang {\\pntxtb (}"
    "{\\pntxta )}}"
    "\\pard\\plain \\ql \\li0\\ri0\\nowidctlpar\\faauto\\rin0\\lin0\\itap0"
    "\\fs24\\lang1049\\langfe1049\\cgrid\\langnp1049\\langfenp1049"_s;

QString eqField(const QString& text, const QString& font, const QString& size)
{
    return u"{\\field{\\*\\fldinst{\\"_s + size + u'\\' + font + u"\\insrsid1 EQ "_s + text +
           u"}}}"_s;
}

// 10000 / cells rounded to the nearest integer, a tie to the even one.
std::int32_t spreadStep(std::int32_t cells)
{
    std::int32_t step = 10000 / cells;
    const std::int32_t twiceRest = 2 * (10000 % cells);
    if (twiceRest > cells || (twiceRest == cells && step % 2 != 0))
        ++step;
    return step;
}

} // namespace

QString RtfHeader()
{
    return Header;
}

QString RtfEnd()
{
    return u"}"_s;
}

QString RtfPara(const QString& text, const QString& align, const QString& font, const QString& size)
{
    return u"{\\pard\\"_s + align + u'\\' + size + u'\\' + font + u' ' + text + u'}';
}

QString RtfEqPara(const QString& text, const QString& align, const QString& font,
                  const QString& size)
{
    return u"{\\pard\\"_s + align + u' ' + eqField(text, font, size) + u"{\\par}}"_s;
}

QString RtfEq(const QString& text, const QString& /*align*/, const QString& font,
              const QString& size)
{
    return eqField(text, font, size);
}

QString RtfEmptyPara()
{
    return u"{\\lang1\\langfe1\\langnp1\\insrsid1 \\par}"_s;
}

QString RtfTableRow(std::int32_t cells, std::int32_t borderWidth, std::int32_t cellWidth)
{
    const QString b = QString::number(borderWidth);
    QString row = u"{\\trbrdrt\\brdrs\\brdrw"_s + b +
                  u"\\trautofit1\\trpaddl1\\trpaddr108\\trpaddf1\\trpaddfr3\\aspalpha\\aspnum"_s;
    if (cells <= 0)
        return row + u"\\row}"_s;
    const std::int32_t step = cellWidth >= 0 ? cellWidth : spreadStep(cells);
    for (std::int32_t i = 1; i <= cells; ++i) {
        // The edge is a 32-bit product, wrapping as the original's did.
        const auto edge = static_cast<std::int32_t>(static_cast<std::uint32_t>(step) *
                                                    static_cast<std::uint32_t>(i));
        row += u"\\clvertalt\\clbrdrt\\brdrs\\brdrw"_s + b + u"\\clbrdrl\\brdrs\\brdrw"_s + b +
               u"\\clbrdrb\\brdrs\\brdrw"_s + b + u"\\clbrdrr\\brdrs\\brdrw"_s + b + u"\\cellx"_s +
               QString::number(edge);
    }
    return row + u"\\row}"_s;
}
