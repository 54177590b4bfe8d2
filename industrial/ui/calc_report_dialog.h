#pragma once

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

class QPushButton;
class QToolButton;
class ValueListEditor;

// Results dialog: the list of the last calculation's results and the report button. The list is
// filled by the calculation command; edits made in it are read by nothing.
class TCalcReport : public QDialog
{
    Q_OBJECT
public:
    explicit TCalcReport(QWidget* parent = nullptr);

    // Clears the list, then appends the rows (parameter, value) in order.
    void showResults(const std::vector<std::pair<QString, QString>>& rows);

    // "Отчёт": writes the report of the last calculation and opens it; the dialog stays open.
    void SpeedButton1Click();

    ValueListEditor* ValueListEditor1 = nullptr;
    QPushButton* OKButton = nullptr;
    QToolButton* SpeedButton1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
