#include "public/key_filters.h"
#include "public/path_elide.h"
#include "public/work_area.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Readable rectangles in failure messages.
static void PrintTo(const TRect& r, std::ostream* out)
{
    *out << '{' << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << '}';
}
static void PrintTo(const QRect& r, std::ostream* out)
{
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

TEST(NumericEditKey, DigitsAndOneSeparatorUnderEitherLocale)
{
    struct Case {
        QChar separator;
        QChar key;
        QString text;
        QChar expected; // QChar(): dropped
    };
    const Case cases[] = {
        {u',', u'7', u"12"_s, u'7'},      {u',', u'\b', u"12"_s, u'\b'},
        {u',', u'.', u"12"_s, u','},      {u',', u',', u"12"_s, u','},
        {u',', u'.', u"12,"_s, QChar()},  {u',', u',', u"1,2"_s, QChar()},
        {u',', u'.', u"1.2"_s, u','}, // only the locale's separator counts as one
        {u'.', u',', u"12"_s, u'.'},      {u'.', u'.', u"1.2"_s, QChar()},
        {u'.', u',', QString(), u'.'},    {u',', u'a', QString(), QChar()},
        {u',', u'-', QString(), QChar()}, {u',', u' ', QString(), QChar()},
        {u',', u'e', u"1"_s, QChar()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numericEditKey(c.key, c.text, c.separator), c.expected)
            << "separator " << QString(c.separator).toStdString() << ", key "
            << QString(c.key).toStdString() << ", text " << c.text.toStdString();
}

TEST(WorkArea, ScreenLessTheTaskbarStrip)
{
    struct Case {
        const char* name;
        QRect screen;
        QRect available;
        TRect expected;
    };
    const Case cases[] = {
        {"no taskbar", {0, 0, 1024, 768}, {0, 0, 1024, 768}, {0, 0, 1024, 768}},
        {"taskbar left, 40 px", {0, 0, 1024, 768}, {40, 0, 984, 768}, {40, 0, 1024, 768}},
        {"taskbar top", {0, 0, 1024, 768}, {0, 30, 1024, 738}, {0, 30, 1024, 768}},
        {"taskbar right", {0, 0, 1024, 768}, {0, 0, 990, 768}, {0, 0, 990, 768}},
        {"taskbar bottom", {0, 0, 800, 600}, {0, 0, 800, 570}, {0, 0, 800, 570}},
        {"screen not at the origin",
         {1024, 0, 800, 600},
         {1024, 0, 800, 560},
         {1024, 0, 1824, 560}},
        // Panels on two or more edges: the available geometry itself, never an empty box.
        {"panels left and top", {0, 0, 1024, 768}, {40, 25, 984, 743}, {40, 25, 1024, 768}},
        {"panels top and bottom", {0, 0, 1024, 768}, {0, 25, 1024, 713}, {0, 25, 1024, 738}},
    };
    for (const Case& c : cases) {
        const TRect screen = WindowRectRegion(c.screen);
        const TRect available = WindowRectRegion(c.available);
        EXPECT_EQ(workAreaOf(screen, available), c.expected) << c.name;
    }
    // The taskbar is a strip of one edge only.
    const TRect screen{0, 0, 1024, 768};
    EXPECT_EQ(taskbarStrip(screen, {40, 0, 1024, 768}), (TRect{0, 0, 40, 768}));
    EXPECT_EQ(taskbarStrip(screen, {0, 0, 1024, 730}), (TRect{0, 730, 1024, 768}));
    EXPECT_FALSE(taskbarStrip(screen, screen));
    EXPECT_FALSE(taskbarStrip(screen, {40, 25, 1024, 768}));
}

TEST(WorkArea, BoundingBoxOfARegionLessAnother)
{
    const TRect d{0, 0, 1024, 768};
    struct Case {
        const char* name;
        TRect cut;
        TRect expected;
    };
    const Case cases[] = {
        {"left strip", {0, 0, 40, 768}, {40, 0, 1024, 768}},
        {"bottom strip", {0, 728, 1024, 768}, {0, 0, 1024, 728}},
        {"strip reaching past the screen", {-2, 0, 3, 768}, {3, 0, 1024, 768}},
        {"disjoint", {1024, 0, 1100, 768}, d},
        {"touching corner only", {-10, -10, 0, 0}, d},
        {"hole in the middle", {100, 100, 200, 200}, d},
        {"band across the middle", {0, 300, 1024, 400}, d},
        {"corner block", {0, 0, 40, 40}, d},
        {"everything", {-5, -5, 2000, 2000}, {0, 0, 0, 0}},
        {"exactly the screen", d, {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(regionDifferenceBox(d, c.cut), c.expected) << c.name;
    EXPECT_EQ(regionDifferenceBox({5, 5, 5, 10}, {0, 0, 1, 1}), (TRect{0, 0, 0, 0}));
}

TEST(WorkArea, FittingComparesAndSetsTheOuterFrame)
{
    const QSize client(578, 583);
    struct Case {
        const char* name;
        TRect work;
        std::optional<QRect> expected;
    };
    const Case cases[] = {
        {"1024 x 768 less a 40 px taskbar on the left", {40, 0, 1024, 768}, std::nullopt},
        {"exactly the client size", {0, 0, 578, 583}, std::nullopt},
        {"one pixel too low", {0, 0, 1024, 582}, QRect(5, 5, 1019, 567)},
        {"one pixel too narrow", {0, 0, 577, 768}, QRect(5, 5, 572, 753)},
        {"small screen, taskbar at the bottom", {0, 0, 800, 570}, QRect(5, 5, 795, 555)},
        {"work area off the origin: still left 5, top 5",
         {40, 25, 600, 480},
         QRect(5, 5, 555, 440)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fittedFrame(c.work, client), c.expected) << c.name;

    EXPECT_EQ(desktopCentred({0, 0, 1024, 768}, client), QPoint(223, 92));
    EXPECT_EQ(desktopCentred({1024, 0, 2048, 768}, QSize(100, 101)), QPoint(1486, 333));
}

TEST(WorkArea, FormsPlacedByTheirFramesOnceTheMarginsAreKnown)
{
    const QMargins none;
    const QMargins wm(1, 20, 1, 5); // a window manager's frame: thin sides, a title bar
    const DesignSize mainWindow{QSize(578, 583), true};
    const DesignSize dialog{QSize(600, 499), false};
    const TRect screen1024{0, 0, 1024, 768};
    const TRect screen800{0, 0, 800, 600};
    struct Case {
        const char* name;
        TRect desktop;
        TRect work;
        DesignSize design;
        QMargins margins;
        bool fit;
        FormPlacement expected;
    };
    const Case cases[] = {
        {"outer size, not yet framed",
         screen1024,
         screen1024,
         mainWindow,
         none,
         true,
         {{223, 92}, {578, 583}}},
        {"outer size framed: the frame keeps its place, the client shrinks",
         screen1024,
         screen1024,
         mainWindow,
         wm,
         true,
         {{223, 92}, {576, 558}}},
        {"client size framed: centred by the frame",
         screen1024,
         screen1024,
         dialog,
         wm,
         true,
         {{211, 122}, {600, 499}}},
        {"800 x 600: the outer size fits",
         screen800,
         screen800,
         mainWindow,
         wm,
         true,
         {{111, 8}, {576, 558}}},
        {"800 x 600 less a 30 px panel: fitted, the client inside the frame",
         screen800,
         {0, 0, 800, 570},
         mainWindow,
         wm,
         true,
         {{5, 5}, {793, 530}}},
        {"the client fits, the frame does not",
         screen1024,
         {0, 0, 1024, 520},
         dialog,
         wm,
         true,
         {{5, 5}, {1017, 480}}},
        {"the same before framing",
         screen1024,
         {0, 0, 1024, 520},
         dialog,
         none,
         true,
         {{212, 134}, {600, 499}}},
        {"not fitted (its table failed): centred, larger than the work area",
         screen1024,
         {0, 0, 1024, 520},
         dialog,
         wm,
         false,
         {{211, 122}, {600, 499}}},
    };
    for (const Case& c : cases) {
        const FormPlacement placed = placeForm(c.desktop, c.work, c.design, c.margins, c.fit);
        EXPECT_EQ(placed.framePos, c.expected.framePos) << c.name;
        EXPECT_EQ(placed.clientSize, c.expected.clientSize) << c.name;
    }
}

TEST(PathElide, KeepsTheBeginningAndTheFileName)
{
    // One unit of width per character.
    const TextWidth count = [](const QString& text) { return static_cast<int>(text.size()); };
    const QString saved = u"Параметры сохранены в: /home/user/projects/school/object.rro"_s;
    struct Case {
        QString text;
        int width;
        QString shown;
    };
    const Case cases[] = {
        {saved, 100, saved},
        {saved, static_cast<int>(saved.size()), saved},
        {saved, 40, u"Параметры сохранены в: /home…/object.rro"_s},
        {saved, 12, u"…/object.rro"_s},
        // Not even the file name fits: the two ends of the whole text.
        {saved, 11, u"Парам…t.rro"_s},
        {u"/a/averyveryverylongname.rro"_s, 10, u"/a/av….rro"_s},
        {u"no separator at all"_s, 7, u"no …all"_s},
        {u"abc"_s, 1, u"…"_s},
        {u"abc"_s, 0, QString()},
        {QString(), 0, QString()},
        // A character outside the 16-bit range is never cut in two.
        {u"/x/\U0001F525\U0001F525/file"_s, 11, u"/x/\U0001F525…/file"_s},
        {u"/x/\U0001F525\U0001F525/file"_s, 10, u"/x/…/file"_s},
    };
    for (const Case& c : cases) {
        const QString shown = elidePathMiddle(c.text, c.width, count);
        EXPECT_EQ(shown, c.shown) << c.text.toStdString() << " in " << c.width;
        EXPECT_LE(shown.size(), std::max(c.width, 0));
    }
}
