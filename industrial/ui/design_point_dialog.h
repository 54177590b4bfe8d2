#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class RadioGroup;
class StringGrid;
class TEvacForm;
class TStartEvacForm;

// Add-design-point dialog: four values and the fire-room mark, appended as one row of the main
// window's design-point grid. It validates nothing; the calculation parses the cells later.
// Made over its parent with the controls it writes or reads and functions for the rest (Links);
// it reaches nothing else.
class TForm6 : public QDialog
{
    Q_OBJECT
public:
    struct Links {
        StringGrid* StringGrid1 = nullptr;       // the design-point grid it adds to
        const RadioGroup* RadioGroup6 = nullptr; // the СОУЭ choice: preselects the start time
        // The start time of the record's design point; the two choosers, made by the owner.
        std::function<long double()> StartEvacTime;
        std::function<TEvacForm*()> EvacForm;
        std::function<TStartEvacForm*()> StartEvacForm;
    };

    TForm6(const Links& links, QWidget* parent);

    void SpeedButton1Click();
    void SpeedButton2Click();
    void CheckBox1Click();
    void BitBtn1Click();

    // The "Новый" reset: box unchecked (its rule runs), then the four fields "0".
    void resetFields();

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Links m_links;
};
