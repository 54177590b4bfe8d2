#pragma once

#include "common/number_parse.h"
#include "common/platform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/resource.h>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Sets the process-wide decimal separator for one test and restores it afterwards.
class ScopedDecimalSeparator
{
public:
    explicit ScopedDecimalSeparator(QChar separator) : m_saved(decimalSeparator())
    {
        setDecimalSeparator(separator);
    }
    ~ScopedDecimalSeparator() { setDecimalSeparator(m_saved); }
    ScopedDecimalSeparator(const ScopedDecimalSeparator&) = delete;
    ScopedDecimalSeparator& operator=(const ScopedDecimalSeparator&) = delete;

private:
    QChar m_saved;
};

// Points TMPDIR somewhere else for one test.
class ScopedTmpDir
{
public:
    explicit ScopedTmpDir(const QString& path)
        : m_wasSet(qEnvironmentVariableIsSet("TMPDIR")), m_saved(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(path));
    }
    // An empty TMPDIR is not an unset one: programs started later would find no temporary folder.
    ~ScopedTmpDir()
    {
        if (m_wasSet)
            qputenv("TMPDIR", m_saved);
        else
            qunsetenv("TMPDIR");
    }
    ScopedTmpDir(const ScopedTmpDir&) = delete;
    ScopedTmpDir& operator=(const ScopedTmpDir&) = delete;

private:
    bool m_wasSet;
    QByteArray m_saved;
};

// A full disk for one test, without privileges: files may not grow past `bytes`, and writing
// past it fails with "File too large" instead of ending the process.
class ScopedFileSizeLimit
{
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

// Replaces the desktop's boxes and shell with recorders for one test.
class DesktopRecorder
{
public:
    DesktopRecorder()
    {
        auto& h = platform::hooks();
        m_saved = h;
        h.askYesNo = [this](QWidget*, const QString& title, const QString& text) {
            questions << title + u'|' + text;
            return answerYes;
        };
        h.showError = [this](QWidget*, const QString& title, const QString& text) {
            errors << title + u'|' + text;
        };
        h.openDocument = [this](const QString& path) { opened << path; };
    }
    ~DesktopRecorder() { platform::hooks() = m_saved; }
    DesktopRecorder(const DesktopRecorder&) = delete;
    DesktopRecorder& operator=(const DesktopRecorder&) = delete;

    bool answerYes = true;
    QStringList questions; // "title|text"
    QStringList errors;    // "title|text"
    QStringList opened;

private:
    platform::Hooks m_saved;
};

// The bytes of a file, or a marker that no file content can equal.
inline QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Shows a window and waits until it is the active one, as it is when the user works in it.
inline void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// The buttons of `window` that show no caption and that assistive tools do not name by their
// hint ("name|hint" each): a picture button is read out by its hint, not its group's caption.
inline QStringList pictureButtonsNotNamedByTheirHints(QWidget* window)
{
    QStringList faults;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // Radio buttons and check boxes with their captions beside them in labels; Qt's own
        // buttons (a grid's corner, a tool bar's extension).
        if (!button->text().isEmpty() || button->isCheckable() ||
            button->objectName().startsWith(QStringLiteral("qt_")) ||
            qobject_cast<QAbstractItemView*>(button->parentWidget()))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
        if (button->toolTip().isEmpty() || name != button->toolTip())
            faults << QString::fromLatin1(button->metaObject()->className()) + u' ' +
                          button->objectName() + u':' + name + u'|' + button->toolTip();
    }
    return faults;
}
