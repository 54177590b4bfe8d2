#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Add-design-point dialog: four values and the fire-room mark, appended as one row of the main
// window's design-point grid. It validates nothing; the calculation parses the cells later.
class TForm6 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

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
};
