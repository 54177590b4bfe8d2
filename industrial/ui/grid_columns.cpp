#include "industrial/ui/grid_columns.h"

#include "common/string_grid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <numeric>

namespace
{

// Room beside the longest word: the grid line and a few pixels either side.
constexpr int WordMargin = 7;

std::vector<int> columnWidths(const StringGrid& grid)
{
    std::vector<int> widths;
    for (int col = 0; col < grid.columnCount(); ++col)
        widths.push_back(grid.columnWidth(col));
    return widths;
}

void setColumnWidths(StringGrid& grid, const std::vector<int>& widths)
{
    for (int col = 0; col < grid.columnCount() && col < static_cast<int>(widths.size()); ++col)
        grid.setColumnWidth(col, widths[static_cast<std::size_t>(col)]);
}

// Shrinks the columns into the viewport when they overflow it; columns that fit stay as they are.
void fitIntoView(StringGrid& grid)
{
    const std::vector<int> widths = columnWidths(grid);
    const int available = grid.viewport()->width();
    if (std::accumulate(widths.begin(), widths.end(), 0) > available)
        setColumnWidths(grid, fitWidths(widths, headingWordWidths(grid), available));
}

class KeepColumnsInView : public QObject
{
public:
    explicit KeepColumnsInView(StringGrid* grid)
        : QObject(grid), m_grid(grid), m_viewport(grid->viewport())
    {
        m_viewport->installEventFilter(this);
    }

protected:
    // The viewport is compared by the pointer kept: while the grid is destroyed, its viewport
    // still sends events here, and the grid is no longer one to ask.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_viewport && event->type() == QEvent::Resize)
            fitIntoView(*m_grid);
        return false;
    }

private:
    StringGrid* m_grid;
    QWidget* m_viewport;
};

} // namespace

std::vector<int> fitWidths(const std::vector<int>& preferred, const std::vector<int>& least,
                           int available)
{
    std::vector<int> widths = preferred;
    long long slack = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const int floor = i < least.size() ? least[i] : 0;
        widths[i] = std::max(widths[i], floor);
        slack += widths[i] - floor;
    }
    const long long excess = std::accumulate(widths.begin(), widths.end(), 0LL) - available;
    if (excess <= 0 || slack <= 0)
        return widths;
    // Cumulative shares: the cuts add up to exactly what is taken, none beyond its column's slack.
    const long long cut = std::min(excess, slack);
    long long seen = 0;
    long long given = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const int floor = i < least.size() ? least[i] : 0;
        seen += widths[i] - floor;
        const long long upTo = cut * seen / slack;
        widths[i] -= static_cast<int>(upTo - given);
        given = upTo;
    }
    return widths;
}

std::vector<int> headingWordWidths(const StringGrid& grid)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QFontMetrics metrics(grid.font());
    std::vector<int> widths;
    for (int col = 0; col < grid.columnCount(); ++col) {
        int widest = 0;
        for (int row = 0; row < grid.fixedRows(); ++row)
            for (const QString& word : grid.cells(col, row).split(blanks, Qt::SkipEmptyParts))
                widest = std::max(widest, metrics.horizontalAdvance(word));
        widths.push_back(widest > 0 ? widest + WordMargin : 0);
    }
    return widths;
}

void keepColumnsInView(StringGrid* grid)
{
    new KeepColumnsInView(grid);
}

void fitColumns(StringGrid* grid, const std::vector<int>& preferred)
{
    setColumnWidths(*grid, fitWidths(preferred, headingWordWidths(*grid), INT_MAX));
    // Before the window is first shown the viewport has no width of its own yet: its first
    // resize fits the columns then.
    if (grid->isVisible())
        fitIntoView(*grid);
}
