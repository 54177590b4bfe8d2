#include "common/error_place.h"

#include "common/errors.h"
#include "common/labeled_edit.h"
#include "common/radio_group.h"
#include "common/string_grid.h"
#include "common/value_list_editor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A caption as a heading: without the blanks and the colon that lead into the field.
QString heading(QString text)
{
    text = text.simplified();
    while (text.endsWith(u':'))
        text = text.chopped(1).trimmed();
    return text;
}

// A control of window itself, not of a dialog that window owns: dialogs are windows of their own
// and may hold controls of the same names.
QWidget* controlOf(QWidget* window, const QString& name)
{
    QWidgetList level{window};
    while (!level.isEmpty()) {
        QWidgetList next;
        for (QWidget* widget : level)
            for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->isWindow())
                    continue;
                if (child->objectName() == name)
                    return child;
                next << child;
            }
        level = next;
    }
    return nullptr;
}

QWidget* findControl(QWidget* owner, const ErrorPlace& place)
{
    QWidgetList windows;
    if (owner && place.window.isEmpty())
        windows << owner->window();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (!windows.contains(top) && (place.window.isEmpty() || top->objectName() == place.window))
            windows << top;
    for (QWidget* window : windows) {
        if (window->objectName() == place.control)
            return window;
        if (QWidget* found = controlOf(window, place.control))
            return found;
    }
    return nullptr;
}

// The caption a user reads beside a field: its label, the label whose buddy it is, its name for
// assistive tools, or the title of the group it stands in.
QString fieldCaption(QWidget* control)
{
    if (auto* labeled = qobject_cast<LabeledEdit*>(control))
        return heading(labeled->label()->text());
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return heading(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return heading(group->title());
    for (QLabel* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control)
            return heading(label->text());
    if (!control->accessibleName().isEmpty())
        return heading(control->accessibleName());
    for (QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (auto* group = qobject_cast<QGroupBox*>(up);
            group && !group->title().trimmed().isEmpty())
            return heading(group->title());
    return {};
}

// The headings are texts the user typed, a design point's name among them: cut as bad texts are.
QString cellPlace(const QString& rowHeading, int rowNumber, const QString& columnHeading)
{
    QString text = rowHeading.isEmpty() ? u"Строка "_s + QString::number(rowNumber)
                                        : u"Строка «"_s + shownText(rowHeading) + u'»';
    if (!columnHeading.isEmpty())
        text += u", столбец «"_s + shownText(columnHeading) + u'»';
    return text;
}

QString headerText(const QTableWidget* table, int column)
{
    const QTableWidgetItem* item = table->horizontalHeaderItem(column);
    return item ? heading(item->text()) : QString();
}

// The description of a grid's cell; the view's own row and column of it through viewRow/viewCol.
QString gridPlace(QWidget* control, const ErrorPlace& place, int& viewRow, int& viewCol)
{
    if (auto* grid = qobject_cast<StringGrid*>(control)) {
        viewRow = place.row;
        viewCol = place.column;
        const QString column = grid->fixedRows() > 0 ? heading(grid->cells(place.column, 0))
                                                     : headerText(grid, place.column);
        const QString row = grid->fixedCols() > 0 ? heading(grid->cells(0, place.row)) : QString();
        return cellPlace(row, place.row - grid->fixedRows() + 1, column);
    }
    if (auto* list = qobject_cast<ValueListEditor*>(control)) {
        viewRow = place.row - 1;
        viewCol = 1;
        return cellPlace(heading(list->key(place.row)), place.row, headerText(list, 1));
    }
    return {};
}

void giveFocus(QWidget* control, int viewRow, int viewCol)
{
    if (!control->isVisible())
        return;
    QWidget* target = control;
    if (auto* labeled = qobject_cast<LabeledEdit*>(control))
        target = labeled->edit();
    if (auto* group = qobject_cast<RadioGroup*>(control); group && group->count() > 0)
        target = group->button(std::max(group->itemIndex(), 0));
    if (auto* table = qobject_cast<QTableWidget*>(control);
        table && viewRow >= 0 && viewRow < table->rowCount() && viewCol >= 0 &&
        viewCol < table->columnCount())
        table->setCurrentCell(viewRow, viewCol);
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    for (QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(up))
            scroll->ensureWidgetVisible(control);
}

} // namespace

void resolveErrorPlace(QWidget* owner, AppError& error)
{
    const ErrorPlace& place = error.place();
    if (place.control.isEmpty())
        return;
    QWidget* control = findControl(owner, place);
    if (!control)
        return;
    int viewRow = -1;
    int viewCol = -1;
    if (place.text.isEmpty()) {
        QString text = place.row >= 0 ? gridPlace(control, place, viewRow, viewCol) : QString();
        if (text.isEmpty()) {
            const QString caption = fieldCaption(control);
            if (!caption.isEmpty())
                text = u"Поле «"_s + caption + u'»';
        }
        if (!text.isEmpty())
            error.describePlace(text);
    }
    giveFocus(control, viewRow, viewCol);
}
