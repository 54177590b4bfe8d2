#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Chooser of the start-of-evacuation time for the add-design-point dialog's fourth field: a typed
// system response time or one of three fixed values. Nothing resets it; its state lasts for the
// program's lifetime.
// Made over its parent with the control it writes (Links); it reaches nothing else.
class TStartEvacForm : public QDialog
{
    Q_OBJECT
public:
    struct Links {
        QLineEdit* Edit4 = nullptr; // the start time of the add-design-point dialog
    };

    TStartEvacForm(const Links& links, QWidget* parent);

    void RadioButton1Click();
    void RadioButton2Click(); // bound to RadioButton2, RadioButton3 and RadioButton4
    void OKBtnClick();

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    // A radio button cannot wrap its caption: RadioButton4's caption is this label, which checks
    // the button when clicked.
    QLabel* RadioButton4Label = nullptr;
    QButtonGroup* Buttons = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Links m_links;
};
