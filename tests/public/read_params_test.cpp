#include "common/errors.h"
#include "public/building_record.h"
#include "public/read_params.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(ReadParams, FallbacksFixedProbabilitiesAndOrder)
{
    ScopedDecimalSeparator comma(u',');
    struct Case {
        QString nomScen;
        int qpChoice;
        QString qp;
        int systemChoice; // of every protection group
        int nomScenOut;
        long double qpOut;
        long double rap;
        long double robn;
    };
    const Case cases[] = {
        {u"1"_s, 0, u"0"_s, 0, 1, 0.0L, 0.9L, 0.8L},
        {u"ab"_s, 1, u"0,3"_s, 1, 1, 0.04L, 0.9L, 0.8L},
        {QString(), 0, QString(), 2, 1, 0.04L, 0.0L, 0.0L},
        {u"-5"_s, 0, u"0.05"_s, -1, -5, 0.05L, 0.0L, 0.0L},
        {u" 007"_s, 0, u"1,5"_s, 0, 7, 1.5L, 0.9L, 0.8L},
    };
    for (const Case& c : cases) {
        MainWindowInputs in;
        in.NomScen = c.nomScen;
        in.QpChoice = c.qpChoice;
        in.Qp = c.qp;
        in.RapChoice = in.RobnChoice = in.RsoueChoice = in.RpdzChoice = c.systemChoice;
        TZdanie record;
        ReadParams(in, record);
        EXPECT_EQ(record.NomScen, c.nomScenOut) << c.nomScen.toStdString();
        EXPECT_EQ(record.Par[ParSlot::Qp], c.qpOut) << c.qp.toStdString();
        EXPECT_EQ(record.Par[ParSlot::Rap], c.rap) << c.systemChoice;
        for (int slot : {ParSlot::Robn, ParSlot::Rsoue, ParSlot::Rpdz})
            EXPECT_EQ(record.Par[slot], c.robn) << c.systemChoice;
    }

    // A text that is no number stops the gathering there: later fields keep their values, and
    // the fields that are never gathered are not touched.
    MainWindowInputs in;
    in.FClass = 5;
    in.Tf = u"12,5"_s;
    in.Tr = u","_s;
    in.PutiEvac = true;
    TZdanie record;
    record.Par[ParSlot::Tne] = 9.0L;
    record.FireRoomAr = 40.0L;
    EXPECT_THROW(ReadParams(in, record), EConvertError);
    EXPECT_EQ(record.FClass, 5);
    EXPECT_EQ(record.Par[ParSlot::Tf], 12.5L);
    EXPECT_EQ(record.Par[ParSlot::Tne], 9.0L);
    EXPECT_FALSE(record.PutiEvac);
    in.Tr.clear();
    ReadParams(in, record);
    EXPECT_EQ(record.Par[ParSlot::Tne], 0.0L);
    EXPECT_TRUE(record.PutiEvac);
    EXPECT_EQ(record.FireRoomAr, 40.0L);
}
