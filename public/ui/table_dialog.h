#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QPushButton;
class QVBoxLayout;
class TableGrid;

// What the two reference-table dialogs share: the grid that fills the window above a panel with
// "Готово" and "Отмена", the table file beside the program, and the memory of the cell the user
// selected last. Each dialog is created once at start-up and lives until the program ends; it is
// handed what it writes when it is made.
class TableDialog : public QDialog
{
    Q_OBJECT
public:
    // State kept from creation to the end of the program.
    QString TablePath;
    int SelCol = 0;
    int SelRow = 0;
    bool CellSelected = false;

    void StringGrid1SelectCell(int col, int row);

    TableGrid* StringGrid1 = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    // tableFolder ends with a separator.
    TableDialog(QWidget* parent, const QString& caption, const QSize& clientSize,
                const QString& tableFolder);

    // Runs the creation handler. A failure (a missing or bad table file) shows the error box and
    // skips the rest of the handler; start-up goes on with what the grid holds.
    void runFormCreate(const std::function<void()>& formCreate);
    // TablePath := the table folder + fileName; the grid is filled from it.
    void loadTable(const QString& fileName);
    // The width inside the grid's frame and beside its vertical scroll bar.
    int gridClientWidth() const;
    // Controls the panel holds above the buttons.
    QVBoxLayout* panelLayout() const { return m_panelLayout; }

    // "Готово": writes through the dialog's links; the dialog then closes with OK.
    virtual void OKBtnClick() = 0;

private:
    QString m_tableFolder;
    QVBoxLayout* m_panelLayout = nullptr;
};
