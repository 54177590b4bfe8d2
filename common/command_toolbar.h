#pragma once

#include <functional>

class QAction;
class QMainWindow;
class QToolBar;

// The command toolbar that both main windows carry, across the top: "Новый" | "Открыть",
// "Сохранить" | "Рассчитать" | "Справка", "Выход"; captions under the pictures, buttons of equal
// width, neither movable nor closable. The window binds the commands it offers.
struct CommandToolbar {
    QToolBar* toolbar = nullptr;
    QAction* newItem = nullptr;
    QAction* load = nullptr;
    QAction* save = nullptr;
    QAction* calculate = nullptr;
    QAction* help = nullptr;
    QAction* exit = nullptr;
};

CommandToolbar addCommandToolbar(QMainWindow* window);

// The handlers of the toolbar's commands; each runs in the command guard of the window.
struct CommandHandlers {
    std::function<void()> newItem, load, save, calculate, help, exit;
};

void bindCommandToolbar(QMainWindow* window, const CommandToolbar& toolbar,
                        const CommandHandlers& handlers);
