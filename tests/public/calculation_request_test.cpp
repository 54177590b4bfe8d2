#include "common/errors.h"
#include "public/calculation_request.h"
#include "public/read_params.h"
#include "public/web_browser.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString Location = u"http://calc.example:8080"_s;

// The main window as it starts: class Ф1.1, scenario "1", every edit "0", every group on item 0.
MainFormInputs freshStart()
{
    MainFormInputs in;
    in.LENomScen = u"1"_s;
    for (QString* edit : {&in.QpEdit, &in.LabeledEdit1, &in.LabeledEdit4, &in.LabeledEdit6,
                          &in.LabeledEdit5, &in.LabeledEdit7, &in.Edit_Ne, &in.Edit_Nneev})
        *edit = u"0"_s;
    return in;
}

TZdanie freshRecord()
{
    TZdanie record;
    record.FireRoomAr = 1.0L;
    return record;
}

QString addressFor(const MainFormInputs& in)
{
    TZdanie record = freshRecord();
    ReadParams(in, record);
    return calculationAddress(Location, record);
}

// The value of one key of the query; "missing" when the key is not there.
QString queryValue(const QString& address, const QString& key)
{
    const QString query = address.mid(address.indexOf(u'?') + 1);
    for (const QString& pair : query.split(u'&'))
        if (pair.section(u'=', 0, 0) == key)
            return pair.section(u'=', 1);
    return u"missing"_s;
}

} // namespace

TEST(CalculationRequest, WholeAddresses)
{
    EXPECT_EQ(addressFor(freshStart()),
              Location + u"/Xeb/Xeb_our_f1.php?Qp=0&Rap=0.9&FClass=0&Ne=0&Nneev=0&Kfps=0&Kf=0&Kev=0"
                         u"&Tf=0&Tr=0&Tne=0&Tbl=0&Tsk=0&Robn=0.8&Rsoue=0.8&Rpdz=0.8&Ns=1"
                         u"&FireRoomAr=1"_s);

    // Ф3 shows neither the people nor the conditions, yet every key goes with what they hold.
    MainFormInputs f3 = freshStart();
    f3.RBFClass = 5;
    f3.LENomScen = u"12"_s;
    f3.QpEdit = u"0,0123"_s;
    f3.RadioGroup2 = 2;
    f3.Edit_Ne = u"120"_s;
    f3.Edit_Nneev = u"3"_s;
    f3.CBdislocation = true;
    f3.CBsredstvapoj = true;
    f3.CBputievac = true;
    f3.LabeledEdit1 = u"12,5"_s;
    f3.LabeledEdit4 = u"1.25"_s;
    f3.LabeledEdit6 = u"2"_s;
    f3.LabeledEdit5 = u"3"_s;
    f3.LabeledEdit7 = u"4"_s;
    f3.RadioGroup5 = 2;
    EXPECT_EQ(addressFor(f3),
              Location + u"/Xeb/Xeb_our_fn.php?Qp=0.0123&Rap=0&FClass=5&Ne=120&Nneev=3&Kfps=0.95"
                         u"&Kf=0&Kev=0.8&Tf=12.5&Tr=1.25&Tne=2&Tbl=3&Tsk=4&Robn=0.8&Rsoue=0.8"
                         u"&Rpdz=0&Ns=12&FireRoomAr=1"_s);
}

// One change to the fresh inputs or record, and the value one key of the query then carries.
template <class Changed> struct ParameterCase {
    const char* name;
    std::function<void(Changed&)> change;
    QString key;
    QString expected;
};

TEST(CalculationRequest, OneParameterFromTheInputs)
{
    const ParameterCase<MainFormInputs> cases[] = {
        {"statistics typed", [](auto& in) { in.QpEdit = u"0,3"_s; }, u"Qp"_s, u"0.3"_s},
        {"no statistics, whatever QpEdit shows",
         [](auto& in) {
             in.RadioGroup1 = 1;
             in.QpEdit = u"0,3"_s;
         },
         u"Qp"_s, u"0.04"_s},
        {"QpEdit emptied", [](auto& in) { in.QpEdit.clear(); }, u"Qp"_s, u"0.04"_s},
        {"АУП not required", [](auto& in) { in.RadioGroup2 = 1; }, u"Rap"_s, u"0.9"_s},
        {"АУП otherwise", [](auto& in) { in.RadioGroup2 = 2; }, u"Rap"_s, u"0"_s},
        {"Ф1.4, no condition", [](auto& in) { in.RBFClass = 3; }, u"Kf"_s, u"0.75"_s},
        {"Ф1.1 with the exits only", [](auto& in) { in.CBavarvih = true; }, u"Kf"_s, u"0"_s},
        {"Ф1.1 with the extinguishing means", [](auto& in) { in.CBsredstvapoj = true; }, u"Kf"_s,
         u"0.75"_s},
        {"Ф1.3 with the exits",
         [](auto& in) {
             in.RBFClass = 2;
             in.CBavarvih = true;
         },
         u"Kf"_s, u"0.75"_s},
        {"Ф1.3 with the extinguishing means",
         [](auto& in) {
             in.RBFClass = 2;
             in.CBsredstvapoj = true;
         },
         u"Kf"_s, u"0"_s},
        {"Ф2 with the brigade ticked under Ф1.1",
         [](auto& in) {
             in.CBdislocation = true;
             in.RBFClass = 4;
         },
         u"Kfps"_s, u"0.95"_s},
        {"Ф2: the script of the other classes", [](auto& in) { in.RBFClass = 4; }, u"FClass"_s,
         u"4"_s},
        {"СОУЭ not required", [](auto& in) { in.RadioGroup4 = 1; }, u"Rsoue"_s, u"0.8"_s},
        {"СОУЭ otherwise", [](auto& in) { in.RadioGroup4 = 2; }, u"Rsoue"_s, u"0"_s},
        {"АПС otherwise", [](auto& in) { in.RadioGroup3 = 2; }, u"Robn"_s, u"0"_s},
        {"scenario letters", [](auto& in) { in.LENomScen = u"abc"_s; }, u"Ns"_s, u"1"_s},
        {"scenario empty", [](auto& in) { in.LENomScen.clear(); }, u"Ns"_s, u"1"_s},
        {"scenario minus five", [](auto& in) { in.LENomScen = u"-5"_s; }, u"Ns"_s, u"-5"_s},
        {"scenario 007", [](auto& in) { in.LENomScen = u"007"_s; }, u"Ns"_s, u"7"_s},
        {"evacuation start from LabeledEdit6",
         [](auto& in) {
             in.LabeledEdit6 = u"6"_s;
             in.LabeledEdit5 = u"5"_s;
         },
         u"Tne"_s, u"6"_s},
        {"blocking time from LabeledEdit5",
         [](auto& in) {
             in.LabeledEdit6 = u"6"_s;
             in.LabeledEdit5 = u"5"_s;
         },
         u"Tbl"_s, u"5"_s},
        {"extended value", [](auto& in) { in.LabeledEdit1 = u"98765,4321"_s; }, u"Tf"_s,
         u"98765.4321"_s},
        {"empty edit", [](auto& in) { in.Edit_Nneev.clear(); }, u"Nneev"_s, u"0"_s},
    };
    for (const QChar separator : {u',', u'.'}) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& c : cases) {
            MainFormInputs in = freshStart();
            c.change(in);
            EXPECT_EQ(queryValue(addressFor(in), c.key), c.expected)
                << c.name << ", separator " << QString(separator).toStdString();
        }
        MainFormInputs half = freshStart();
        half.LabeledEdit4 = u"0"_s + separator + u'5';
        EXPECT_EQ(queryValue(addressFor(half), u"Tr"_s), u"0.5"_s);
    }
}

TEST(CalculationRequest, ValuesOnlyTheRecordCanHold)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const ParameterCase<TZdanie> cases[] = {
        {"no class chosen", [](auto& z) { z.FClass = -1; }, u"FClass"_s, u"-1"_s},
        {"area not a number", [](auto& z) { z.FireRoomAr = std::nanl(""); }, u"FireRoomAr"_s,
         u"NAN"_s},
        {"area infinite", [&](auto& z) { z.FireRoomAr = inf; }, u"FireRoomAr"_s, u"INF"_s},
        {"area minus infinite", [&](auto& z) { z.FireRoomAr = -inf; }, u"FireRoomAr"_s, u"-INF"_s},
        {"rounded at the 16th decimal", [](auto& z) { z.Par[ParSlot::Tsk] = 2.0L / 3.0L; },
         u"Tsk"_s, u"0.6666666666666667"_s},
    };
    for (const QChar separator : {u',', u'.'}) {
        ScopedDecimalSeparator scoped(separator);
        for (const auto& c : cases) {
            TZdanie record = freshRecord();
            c.change(record);
            EXPECT_EQ(queryValue(calculationAddress(Location, record), c.key), c.expected)
                << c.name;
        }
    }
    TZdanie unclassed = freshRecord();
    unclassed.FClass = -1;
    EXPECT_TRUE(
        calculationAddress(Location, unclassed).startsWith(Location + u"/Xeb/Xeb_our_fn.php?"_s));
}

TEST(ReadParams, AConversionErrorKeepsTheFieldsGatheredBefore)
{
    // The numeric edits in the order they are read, and where each lands.
    struct Field {
        QString MainFormInputs::*edit;
        std::function<long double(const TZdanie&)> stored;
    };
    const auto slot = [](int i) { return [i](const TZdanie& z) { return z.Par[i]; }; };
    const Field fields[] = {
        {&MainFormInputs::QpEdit, slot(ParSlot::Qp)},
        {&MainFormInputs::LabeledEdit1, slot(ParSlot::Tf)},
        {&MainFormInputs::LabeledEdit4, slot(ParSlot::Tr)},
        {&MainFormInputs::LabeledEdit6, slot(ParSlot::Tne)},
        {&MainFormInputs::LabeledEdit5, slot(ParSlot::Tbl)},
        {&MainFormInputs::LabeledEdit7, slot(ParSlot::Tsk)},
        {&MainFormInputs::Edit_Ne, [](const TZdanie& z) { return z.Ne; }},
        {&MainFormInputs::Edit_Nneev, [](const TZdanie& z) { return z.Nneev; }},
    };
    const std::size_t count = std::size(fields);
    ScopedDecimalSeparator scoped(u',');
    // A text that is no number, and a negative fire frequency, time or number of people.
    for (const QString& bad : {u","_s, u"-5"_s})
        for (std::size_t failing = 0; failing < count; ++failing) {
            MainFormInputs in = freshStart();
            in.LENomScen = u"3"_s;
            in.RBFClass = 6;
            in.RadioGroup3 = 2;
            in.CBputievac = true;
            for (std::size_t i = 0; i < count; ++i)
                in.*fields[i].edit = i == failing ? bad : QString::number(i + 1);
            TZdanie record = freshRecord();
            record.Par.fill(-7.0L);
            record.Ne = record.Nneev = -7.0L;
            try {
                ReadParams(in, record);
                ADD_FAILURE() << "no error for field " << failing;
            } catch (const EConvertError& error) {
                EXPECT_EQ(bad, u","_s);
                EXPECT_EQ(error.message(), u"',' is not a valid floating point value"_s);
            } catch (const ENegativeValue& error) {
                EXPECT_EQ(bad, u"-5"_s);
                EXPECT_EQ(error.message(), u"Значение не может быть отрицательным: -5"_s);
            }
            EXPECT_EQ(record.NomScen, 3);
            EXPECT_EQ(record.FClass, 6);
            for (std::size_t i = 0; i < count; ++i)
                EXPECT_EQ(fields[i].stored(record), i < failing ? i + 1.0L : -7.0L)
                    << "field " << i << " when field " << failing << " fails";
            EXPECT_EQ(record.Par[ParSlot::Robn], -7.0L);
            EXPECT_FALSE(record.PutiEvac);
        }
}

namespace
{

// Records what the request asks of the browser. `followsBlank`: whether the address it reports
// becomes the blank page as soon as that is asked for (Qt WebEngine) or lags behind.
class RecordingBrowser : public TWebBrowser
{
public:
    explicit RecordingBrowser(bool followsBlank) : m_followsBlank(followsBlank) {}

    void Navigate(const QString& address) override
    {
        if (failBlank)
            throw EBrowserError(u"refused"_s);
        calls << u"navigate "_s + address;
        if (m_followsBlank)
            m_location = address;
    }
    void Navigate(const QString& address, int flags) override
    {
        calls << u"navigate "_s + address + u" flags "_s + QString::number(flags);
        m_location = address;
    }
    void Refresh() override { calls << u"refresh"_s; }
    QString LocationURL() const override { return m_location; }

    QStringList calls;
    bool failBlank = false;

private:
    bool m_followsBlank;
    QString m_location;
};

} // namespace

TEST(CalculationRequest, BlankPageThenNavigateOrRefresh)
{
    const QString first = u"http://h/Xeb/Xeb_our_f1.php?Qp=0"_s;
    const QString second = u"http://h/Xeb/Xeb_our_f1.php?Qp=0.04"_s;
    const QString blank = u"navigate about:blank"_s;
    struct Case {
        const char* name;
        bool followsBlank;
        QStringList addresses;
        QStringList expected;
    };
    const Case cases[] = {
        {"same address, browser reports the blank page",
         true,
         {first, first},
         {blank, u"navigate "_s + first + u" flags 4"_s, blank,
          u"navigate "_s + first + u" flags 4"_s}},
        {"same address, browser still reports it",
         false,
         {first, first},
         {blank, u"navigate "_s + first + u" flags 4"_s, blank, u"refresh"_s}},
        {"new address, browser still reports the old",
         false,
         {first, second},
         {blank, u"navigate "_s + first + u" flags 4"_s, blank,
          u"navigate "_s + second + u" flags 4"_s}},
        {"case counts",
         false,
         {first, first.toUpper()},
         {blank, u"navigate "_s + first + u" flags 4"_s, blank,
          u"navigate "_s + first.toUpper() + u" flags 4"_s}},
    };
    for (const Case& c : cases) {
        RecordingBrowser browser(c.followsBlank);
        for (const QString& address : c.addresses)
            loadCalculationPage(browser, address);
        EXPECT_EQ(browser.calls, c.expected) << c.name;
    }

    RecordingBrowser refusing(false);
    refusing.failBlank = true;
    EXPECT_THROW(loadCalculationPage(refusing, first), EBrowserError);
    EXPECT_TRUE(refusing.calls.isEmpty());
}
