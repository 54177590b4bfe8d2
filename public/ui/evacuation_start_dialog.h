#pragma once

#include "common/platform.h"
#include "public/ui/table_dialog.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class LabeledEdit;

// "Данные для определения времени начала эвакуации": the evacuation start times "table1.rrt".
// "Готово" puts the chosen cell into the start-time edit or, with "Помещение с очагом пожара"
// ticked (or nothing selected), the start time computed from the area of the room of fire origin,
// and stores that area.
// Made with its Links (the controls it writes, functions for the rest) and parent; nothing else.
class TODlg2 : public TableDialog
{
    Q_OBJECT
public:
    struct Links {
        QLineEdit* LabeledEdit6 = nullptr;                // the evacuation start time
        std::function<void(long double)> storeFireRoomAr; // the area, into the building record
    };

    TODlg2(const Links& links, QWidget* parent,
           const QString& tableFolder = platform::programFolder());

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

    Links m_links;
};
