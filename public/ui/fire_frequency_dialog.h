#pragma once

#include "common/platform.h"
#include "public/ui/table_dialog.h"

// "Статистические данные о частоте возникновения пожара в зданиях": the fire-frequency table
// "table2.rrt"; "Готово" puts the chosen cell into the main window's QpEdit.
class TODlg1 : public TableDialog
{
    Q_OBJECT
public:
    explicit TODlg1(QWidget* parent, const QString& tableFolder = platform::programFolder());
    ~TODlg1() override;

    void OKBtnClick() override;

private:
    void FormCreate();
};
