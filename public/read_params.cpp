#include "public/read_params.h"

#include "common/errors.h"
#include "common/number_parse.h"

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr long double RapFixed = 0.9L;
constexpr long double DetectionFixed = 0.8L; // АПС, СОУЭ and СПДЗ alike

// Items 0 and 1 (equipped as required; not required) both count as working; item 2 as absent.
long double systemProbability(int item, long double fixed)
{
    return item == 0 || item == 1 ? fixed : 0.0L;
}

// str2r of the text of the control named `control`; a failure names that control.
long double fieldValue(const QString& control, const QString& text)
{
    return atPlace(ErrorPlace::field(control), [&text] { return str2r(text); });
}

// A fire frequency, a time or a number of people: a negative one, pasted past the key filter,
// would be sent to the service, or saved into an object file that no load then takes.
long double notNegative(const QString& control, const QString& text)
{
    const long double value = fieldValue(control, text);
    if (value < 0.0L)
        atPlace(ErrorPlace::field(control), [&text] { throw ENegativeValue(text); });
    return value;
}

} // namespace

void ReadParams(const MainFormInputs& in, TZdanie& record)
{
    int scenario = 0;
    record.NomScen = tryStrToInt(in.LENomScen, scenario) ? scenario : 1;
    record.FClass = in.RBFClass;
    record.Par[ParSlot::Qp] = in.RadioGroup1 != 0 || in.QpEdit.isEmpty()
                                  ? QpWithoutStatistics
                                  : notNegative(u"QpEdit"_s, in.QpEdit);
    record.Par[ParSlot::Rap] = systemProbability(in.RadioGroup2, RapFixed);
    // Each field is stored before the next is read: a failure keeps the earlier ones.
    record.Par[ParSlot::Tf] = notNegative(u"LabeledEdit1"_s, in.LabeledEdit1);
    record.Par[ParSlot::Tr] = notNegative(u"LabeledEdit4"_s, in.LabeledEdit4);
    record.Par[ParSlot::Tne] = notNegative(u"LabeledEdit6"_s, in.LabeledEdit6);
    record.Par[ParSlot::Tbl] = notNegative(u"LabeledEdit5"_s, in.LabeledEdit5);
    record.Par[ParSlot::Tsk] = notNegative(u"LabeledEdit7"_s, in.LabeledEdit7);
    record.Ne = notNegative(u"Edit_Ne"_s, in.Edit_Ne);
    record.Nneev = notNegative(u"Edit_Nneev"_s, in.Edit_Nneev);
    record.Par[ParSlot::Robn] = systemProbability(in.RadioGroup3, DetectionFixed);
    record.Par[ParSlot::Rsoue] = systemProbability(in.RadioGroup4, DetectionFixed);
    record.Par[ParSlot::Rpdz] = systemProbability(in.RadioGroup5, DetectionFixed);
    record.Dislocation = in.CBdislocation;
    record.SredstvaPoj = in.CBsredstvapoj;
    record.AvarVih = in.CBavarvih;
    record.PutiEvac = in.CBputievac;
}
