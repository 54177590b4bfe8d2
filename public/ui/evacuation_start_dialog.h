#pragma once

#include "common/platform.h"
#include "public/ui/table_dialog.h"

class QCheckBox;
class LabeledEdit;

// "Данные для определения времени начала эвакуации": the evacuation start times "table1.rrt".
// "Готово" puts the chosen cell into the main window's LabeledEdit6 or, with "Помещение с очагом
// пожара" ticked (or nothing selected), the start time computed from the area of the room of fire
// origin, and stores that area in the building record.
class TODlg2 : public TableDialog
{
    Q_OBJECT
public:
    explicit TODlg2(QWidget* parent, const QString& tableFolder = platform::programFolder());
    ~TODlg2() override;

    void OKBtnClick() override;
    void CBClick();
    void FormShow();
    void LabeledEdit1KeyPress(QChar& key);

    QCheckBox* CB = nullptr;
    LabeledEdit* LabeledEdit1 = nullptr; // area of the room of fire origin, m²

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // The grid shows the remembered cell as chosen while CellSelected holds, and nothing else:
    // "Готово" writes what the dialog shows.
    void showChoice();
};
