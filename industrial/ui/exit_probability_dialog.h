#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class RadioGroup;

// Chooser of a fixed exit probability for the add-design-point dialog's first field.
// Made over its parent with the control it writes (Links); it reaches nothing else.
class TEvacForm : public QDialog
{
    Q_OBJECT
public:
    struct Links {
        QLineEdit* Edit1 = nullptr; // the exit probability of the add-design-point dialog
    };

    TEvacForm(const Links& links, QWidget* parent);

    void OKBtnClick();

    // The "Новый" reset: the first choice.
    void resetFields();

    RadioGroup* RadioGroup1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Links m_links;
};
