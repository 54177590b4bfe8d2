#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QPushButton;
class QToolButton;
class ValueListEditor;

// Results dialog: the list of the last calculation's results and the report button. The list is
// filled by the calculation command; edits made in it are read by nothing.
// Made over its parent with the report command as a function (Links); it reaches nothing else.
class TCalcReport : public QDialog
{
    Q_OBJECT
public:
    struct Links {
        std::function<void()> BuildReport; // writes the last calculation's report and opens it
    };

    TCalcReport(const Links& links, QWidget* parent);

    // Clears the list, then appends the rows (parameter, value) in order.
    void showResults(const std::vector<std::pair<QString, QString>>& rows);

    // "Отчёт": writes the report of the last calculation and opens it; the dialog stays open.
    void SpeedButton1Click();

    ValueListEditor* ValueListEditor1 = nullptr;
    QPushButton* OKButton = nullptr;
    QToolButton* SpeedButton1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Links m_links;
};
