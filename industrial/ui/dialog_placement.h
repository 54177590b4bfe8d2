#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Dialogs are placed anew each time they are shown, before they appear (call from showEvent).

inline void centreOnScreen(QWidget* dialog)
{
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

inline void centreOver(QWidget* dialog, const QWidget* owner)
{
    if (owner && owner->isVisible())
        dialog->move(owner->frameGeometry().center() - dialog->rect().center());
    else
        centreOnScreen(dialog);
}
