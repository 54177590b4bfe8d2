#include "public/ui/work_area_fit.h"

#include "common/platform.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace
{

constexpr const char* PlacementName = "FramePlacement";

QMargins frameMargins(const QWidget* form)
{
    const QWindow* window = form->windowHandle();
    return window ? window->frameMargins() : QMargins();
}

// A form's design size and whether it is fitted to the work area; places the form now and once
// more when the window manager has given its frame margins.
class FramePlacement : public QObject
{
public:
    FramePlacement(QWidget* form, const DesignSize& design)
        : QObject(form), m_form(form), m_design(design)
    {
        setObjectName(QLatin1String(PlacementName));
        form->installEventFilter(this);
    }

    static FramePlacement* of(QWidget* form)
    {
        return static_cast<FramePlacement*>(
            form->findChild<QObject*>(QLatin1String(PlacementName), Qt::FindDirectChildrenOnly));
    }

    void setDesign(const DesignSize& design)
    {
        m_design = design;
        apply();
    }

    void fitToWorkArea()
    {
        m_fit = true;
        apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_framed && watched == m_form && isGeometryEvent(event->type()) &&
            !frameMargins(m_form).isNull()) {
            m_framed = true;
            apply();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool isGeometryEvent(QEvent::Type type)
    {
        return type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize;
    }

    void apply()
    {
        TRect workArea;
        GetWorkArea(workArea);
        const TRect desktop = WindowRectRegion(platform::screenAreas().screen);
        const QMargins margins = frameMargins(m_form);
        const FormPlacement place = placeForm(desktop, workArea, m_design, margins, m_fit);
        // A dialog frame keeps the fixed size it was given.
        if (m_form->minimumSize() == m_form->maximumSize())
            m_form->setFixedSize(place.clientSize);
        else
            m_form->resize(place.clientSize);
        if (margins.isNull())
            m_form->move(place.framePos); // the frame's corner, wherever the platform puts it
        else
            m_form->setGeometry(
                QRect(place.framePos + QPoint(margins.left(), margins.top()), place.clientSize));
    }

    QWidget* m_form;
    DesignSize m_design;
    bool m_fit = false;
    bool m_framed = false;
};

} // namespace

void GetWorkArea(TRect& rect)
{
    const platform::ScreenAreas areas = platform::screenAreas();
    rect = workAreaOf(WindowRectRegion(areas.screen), WindowRectRegion(areas.available));
}

void setDesignSize(QWidget* form, const DesignSize& design)
{
    if (FramePlacement* placement = FramePlacement::of(form))
        placement->setDesign(design);
    else
        (new FramePlacement(form, design))->setDesign(design);
}

void FitToWorkArea(QWidget* form)
{
    FramePlacement* placement = FramePlacement::of(form);
    if (!placement)
        placement = new FramePlacement(form, DesignSize{form->size(), false});
    placement->fitToWorkArea();
}
