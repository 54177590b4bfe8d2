#pragma once

#include <QDialog>

class QPushButton;
class RadioGroup;

// Chooser of a fixed exit probability for the add-design-point dialog's first field.
class TEvacForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEvacForm(QWidget* parent = nullptr);

    void OKBtnClick();

    // The "Новый" reset: the first choice.
    void resetFields();

    RadioGroup* RadioGroup1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
