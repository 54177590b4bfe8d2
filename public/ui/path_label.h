#pragma once

#include <QLabel>

// A label for a text that ends in a path, such as the status bar's: a text wider than the label
// shows its beginning and the file name, with "…" for the middle of the path (public/path_elide.h);
// the whole text is its tool tip. text() gives the whole text.
class PathLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // What the label shows.
    QString shownText() const { return QLabel::text(); }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();

    QString m_text;
};
