#include "common/cp1251.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

TEST(Cp1251, EncodesCyrillicAndPunctuation)
{
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {u"Расчетная точка 1"_s,
         QByteArray("\xD0\xE0\xF1\xF7\xE5\xF2\xED\xE0\xFF\x20\xF2\xEE\xF7\xEA\xE0\x20\x31")},
        {u"ЁёАЯая"_s, QByteArray("\xA8\xB8\xC0\xDF\xE0\xFF")},
        {u"·№€—"_s, QByteArray("\xB7\xB9\x88\x97")},
        {u"中"_s, QByteArray("?")},
        {u"a\U0001F600b"_s, QByteArray("a?b")}, // one "?" for a pair of surrogates
        {u"\u001A"_s, QByteArray("\x1A")},
        {u""_s, QByteArray()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(toCp1251(c.text), c.bytes);
    }
}

TEST(Cp1251, EveryByteRoundTrips)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    const QString text = fromCp1251(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0xB7), QChar(0x00B7));
    EXPECT_EQ(text.at(0xC0), QChar(0x0410));
    EXPECT_EQ(toCp1251(text), all);
}
