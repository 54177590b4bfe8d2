#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <initializer_list>
#include <utility>

// Gives each component its design name as object name: the place of a failure names its control
// by it (common/errors.h).
inline void nameComponents(std::initializer_list<std::pair<QObject*, QString>> components)
{
    for (const auto& [component, name] : components)
        component->setObjectName(name);
}

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

// The confirming button and "Отмена" of a dialog, in the desktop's order; "Отмена" rejects.
inline QDialogButtonBox* okCancelButtons(QDialog* dialog, const QString& okCaption,
                                         QPushButton*& ok, QPushButton*& cancel)
{
    ok = new QPushButton(dialog->style()->standardIcon(QStyle::SP_DialogOkButton), okCaption,
                         dialog);
    cancel = new QPushButton(dialog->style()->standardIcon(QStyle::SP_DialogCancelButton),
                             QStringLiteral("Отмена"), dialog);
    auto* box = new QDialogButtonBox(dialog);
    box->addButton(ok, QDialogButtonBox::AcceptRole);
    box->addButton(cancel, QDialogButtonBox::RejectRole);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return box;
}
