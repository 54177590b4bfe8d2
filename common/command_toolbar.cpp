#include "common/command_toolbar.h"

#include "common/command_guard.h"
#include "common/icons.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace
{

void equalizeButtonWidths(QToolBar* toolbar)
{
    int width = 0;
    for (QAction* action : toolbar->actions())
        if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action)))
            width = qMax(width, button->sizeHint().width());
    for (QAction* action : toolbar->actions())
        if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action)))
            button->setFixedWidth(width);
}

} // namespace

CommandToolbar addCommandToolbar(QMainWindow* window)
{
    window->setContextMenuPolicy(Qt::NoContextMenu); // the toolbar cannot be hidden
    CommandToolbar commands;
    QToolBar* toolbar = commands.toolbar = new QToolBar(u"Панель инструментов"_s, window);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->toggleViewAction()->setVisible(false);
    window->addToolBar(Qt::TopToolBarArea, toolbar);

    commands.newItem = toolbar->addAction(newFileIcon(), u"Новый"_s);
    toolbar->addSeparator();
    commands.load = toolbar->addAction(openFileIcon(), u"Открыть"_s);
    commands.save = toolbar->addAction(saveFileIcon(), u"Сохранить"_s);
    toolbar->addSeparator();
    commands.calculate = toolbar->addAction(calculateIcon(), u"Рассчитать"_s);
    toolbar->addSeparator();
    commands.help = toolbar->addAction(helpIcon(), u"Справка"_s);
    commands.exit = toolbar->addAction(exitIcon(), u"Выход"_s);
    equalizeButtonWidths(toolbar);
    return commands;
}

void bindCommandToolbar(QMainWindow* window, const CommandToolbar& toolbar,
                        const CommandHandlers& handlers)
{
    const std::pair<QAction*, const std::function<void()>&> bound[] = {
        {toolbar.newItem, handlers.newItem}, {toolbar.load, handlers.load},
        {toolbar.save, handlers.save},       {toolbar.calculate, handlers.calculate},
        {toolbar.help, handlers.help},       {toolbar.exit, handlers.exit}};
    for (const auto& [action, handler] : bound)
        QObject::connect(action, &QAction::triggered, window, guarded(window, handler));
}
