#include "public/ui/work_area_fit.h"

#include "common/platform.h"

#include <QWidget>

void GetWorkArea(TRect& rect)
{
    const platform::ScreenAreas areas = platform::screenAreas();
    rect = workAreaOf(WindowRectRegion(areas.screen), WindowRectRegion(areas.available));
}

void centreOnDesktop(QWidget* form)
{
    const TRect desktop = WindowRectRegion(platform::screenAreas().screen);
    form->move(desktopCentred(desktop, form->frameGeometry().size()));
}

void FitToWorkArea(QWidget* form)
{
    TRect workArea;
    GetWorkArea(workArea);
    const std::optional<QRect> frame = fittedFrame(workArea, form->size());
    if (!frame)
        return;
    const QSize frameMargins = form->frameGeometry().size() - form->size();
    form->resize(frame->size() - frameMargins);
    form->move(frame->topLeft()); // the frame's corner; no centring from here on
}
