// "Рассчитать": the inputs into the record, the record into the request, the answer into Form4.
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "public/calculation_request.h"
#include "public/read_params.h"
#include "public/service_location.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "public/ui/result_window.h"
#include "public/ui/web_engine_browser.h"

#include <QCheckBox>
#include <QLineEdit>

void TMainForm::ReadParams()
{
    MainFormInputs in;
    in.LENomScen = LENomScen->text();
    in.RBFClass = RBFClass->itemIndex();
    in.RadioGroup1 = RadioGroup1->itemIndex();
    in.QpEdit = QpEdit->text();
    in.RadioGroup2 = RadioGroup2->itemIndex();
    in.LabeledEdit1 = LabeledEdit1->text();
    in.LabeledEdit4 = LabeledEdit4->text();
    in.LabeledEdit6 = LabeledEdit6->text();
    in.LabeledEdit5 = LabeledEdit5->text();
    in.LabeledEdit7 = LabeledEdit7->text();
    in.Edit_Ne = Edit_Ne->text();
    in.Edit_Nneev = Edit_Nneev->text();
    in.RadioGroup3 = RadioGroup3->itemIndex();
    in.RadioGroup4 = RadioGroup4->itemIndex();
    in.RadioGroup5 = RadioGroup5->itemIndex();
    in.CBdislocation = CBdislocation->isChecked();
    in.CBsredstvapoj = CBsredstvapoj->isChecked();
    in.CBavarvih = CBavarvih->isChecked();
    in.CBputievac = CBputievac->isChecked();
    ::ReadParams(in, *Zdanie);
}

void TMainForm::RequestCalculation()
{
    // Made on first use: start-up then starts no browser process.
    if (!Form4)
        Form4 = new TForm4(this);
    loadCalculationPage(*Form4->WebBrowser1,
                        calculationAddress(calculationServiceLocation(), *Zdanie));
    Form4->exec();
}

void TMainForm::TBXItem1Click()
{
    ReadParams();
    RequestCalculation();
}
