#include "public/read_params.h"

#include "common/number_parse.h"
#include "public/building_record.h"

namespace
{

constexpr long double NoStatisticsQp = 0.04L;
constexpr long double AupProbability = 0.9L;
constexpr long double SystemProbability = 0.8L;

// Equipped as the norms require, or not required by them: the fixed probability.
long double probabilityOf(int choice, long double fixed)
{
    return choice == 0 || choice == 1 ? fixed : 0.0L;
}

} // namespace

void ReadParams(const MainWindowInputs& inputs, TZdanie& record)
{
    int scenario = 0;
    record.NomScen = tryStrToInt(inputs.NomScen, scenario) ? scenario : 1;
    record.FClass = inputs.FClass;
    record.Par[ParSlot::Qp] =
        inputs.QpChoice != 0 || inputs.Qp.isEmpty() ? NoStatisticsQp : str2r(inputs.Qp);
    record.Par[ParSlot::Rap] = probabilityOf(inputs.RapChoice, AupProbability);
    record.Par[ParSlot::Tf] = str2r(inputs.Tf);
    record.Par[ParSlot::Tr] = str2r(inputs.Tr);
    record.Par[ParSlot::Tne] = str2r(inputs.Tne);
    record.Par[ParSlot::Tbl] = str2r(inputs.Tbl);
    record.Par[ParSlot::Tsk] = str2r(inputs.Tsk);
    record.Ne = str2r(inputs.Ne);
    record.Nneev = str2r(inputs.Nneev);
    record.Par[ParSlot::Robn] = probabilityOf(inputs.RobnChoice, SystemProbability);
    record.Par[ParSlot::Rsoue] = probabilityOf(inputs.RsoueChoice, SystemProbability);
    record.Par[ParSlot::Rpdz] = probabilityOf(inputs.RpdzChoice, SystemProbability);
    record.Dislocation = inputs.Dislocation;
    record.SredstvaPoj = inputs.SredstvaPoj;
    record.AvarVih = inputs.AvarVih;
    record.PutiEvac = inputs.PutiEvac;
}
