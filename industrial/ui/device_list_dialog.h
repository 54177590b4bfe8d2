#pragma once

#include <QDialog>

struct TDeviceList;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class RadioGroup;
class StringGrid;

// Device-list dialog: one instance serves the four protection systems. EditDeviceList (below)
// copies all 20 rows of a list in (the list keeps its rows above its count, so a raised count shows
// that list's own rows) and, on "Готово", rows 1 to the count back out.
// An MTBF the engineer changes empties its row's probability, which came from the old one.
// Made over its parent alone: it writes only the list that EditDeviceList hands it.
class TEffectCalcForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEffectCalcForm(QWidget* parent = nullptr);

    void BitBtn1Click();
    void SpeedButton1Click();
    void OKBtnClick();

    // The "Новый" reset: series connection, count "2"; the grid is left as it is.
    void resetFields();

    RadioGroup* RadioGroup1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    StringGrid* StringGrid1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override; // FormShow

private:
    void FormCreate();
};

// Shows `form` modally for one list and stores the dialog's contents back on "Готово".
void EditDeviceList(TEffectCalcForm& form, TDeviceList& list);
