#include "common/key_filter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace
{

// The character a key press types, or QChar() for keys that type nothing we filter.
QChar typedCharacter(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    if (event->key() == Qt::Key_Backspace)
        return u'\b';
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return {};
    return text.at(0);
}

// Applies the filter to one key press: true when the event was consumed.
bool applyFilter(QObject* receiver, QKeyEvent* event, const KeyFilterFn& filter,
                 const QString& current)
{
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    const QChar result = filter(key, current);
    if (result == key)
        return false;
    if (!result.isNull() && result != u'\b') {
        QKeyEvent replacement(event->type(), 0, event->modifiers(), QString(result));
        QCoreApplication::sendEvent(receiver, &replacement);
    }
    return true;
}

class LineEditFilter : public QObject
{
public:
    LineEditFilter(QLineEdit* edit, KeyFilterFn filter)
        : QObject(edit), m_edit(edit), m_filter(std::move(filter))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && !m_sending) {
            m_sending = true;
            const bool consumed =
                applyFilter(watched, static_cast<QKeyEvent*>(event), m_filter, m_edit->text());
            m_sending = false;
            return consumed;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* m_edit;
    KeyFilterFn m_filter;
    bool m_sending = false;
};

// Watches the view for the key that starts editing and its viewport for cell editors.
class ViewFilter : public QObject
{
public:
    ViewFilter(QAbstractItemView* view, KeyFilterFn filter)
        : QObject(view), m_view(view), m_viewport(view->viewport()), m_filter(std::move(filter))
    {
        view->installEventFilter(this);
        m_viewport->installEventFilter(this);
    }

protected:
    // Never calls into the view for an event it does not take: the view's own destructor sends
    // events through here after its item-view part is gone.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildPolished && watched == m_viewport.data()) {
            auto* child = static_cast<QChildEvent*>(event)->child();
            if (auto* edit = qobject_cast<QLineEdit*>(child);
                edit && !edit->property(Mark).toBool()) {
                edit->setProperty(Mark, true);
                edit->installEventFilter(new LineEditFilter(edit, m_filter));
            }
            return false;
        }
        if (watched == m_view && event->type() == QEvent::KeyPress) {
            const QModelIndex current = m_view->currentIndex();
            const QString text = current.data(Qt::EditRole).toString();
            return applyFilter(watched, static_cast<QKeyEvent*>(event), m_filter, text);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr const char* Mark = "keyFilterInstalled";
    QAbstractItemView* m_view;
    QPointer<QWidget> m_viewport;
    KeyFilterFn m_filter;
};

} // namespace

void installKeyFilter(QLineEdit* edit, KeyFilterFn filter)
{
    edit->installEventFilter(new LineEditFilter(edit, std::move(filter)));
}

void installKeyFilter(QAbstractItemView* view, KeyFilterFn filter)
{
    new ViewFilter(view, std::move(filter));
}
