#pragma once

#include "common/platform.h"
#include "public/ui/table_dialog.h"

class QLineEdit;

// "Статистические данные о частоте возникновения пожара в зданиях": the fire-frequency table
// "table2.rrt"; "Готово" puts the chosen cell into the fire-frequency edit.
// Made with its Links (the controls it writes, functions for the rest) and parent; nothing else.
class TODlg1 : public TableDialog
{
    Q_OBJECT
public:
    struct Links {
        QLineEdit* QpEdit = nullptr; // the fire frequency
    };

    TODlg1(const Links& links, QWidget* parent,
           const QString& tableFolder = platform::programFolder());

    void OKBtnClick() override;

private:
    void FormCreate();

    Links m_links;
};
