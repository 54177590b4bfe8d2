#pragma once

#include "common/command_guard.h"
#include "common/cp1251.h"
#include "public/ui/evacuation_start_dialog.h"
#include "public/ui/fire_frequency_dialog.h"
#include "public/ui/globals.h"
#include "public/ui/main_window.h"
#include "support/test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// The two table files in a folder of the test's own; the desktop's boxes are recorded.
struct KestrumTables : ::testing::Test {
    DesktopRecorder desktop;
    QTemporaryDir dir;

    // "Частота" table: 2 columns × 3 rows; "Время" table: 3 columns × 3 rows, the last row empty.
    static QByteArray frequencyTable()
    {
        return "2\r\n3\r\nЗдание\r\nШкола\r\nАптека\r\nЧастота\r\n0,0116\r\n0,0203\r\n";
    }
    static QByteArray startTable()
    {
        return "3\r\n3\r\nКласс\r\nФ1.1\r\n\r\nЛюди\r\nспят\r\n\r\nВремя\r\n6,0\r\n\r\n";
    }

    void writeTable(const QString& name, const QByteArray& utf8)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(toCp1251(QString::fromUtf8(utf8)));
    }
    void writeTables()
    {
        writeTable(QStringLiteral("table2.rrt"), frequencyTable());
        writeTable(QStringLiteral("table1.rrt"), startTable());
    }

    QString tableFolder() const { return dir.path() + QLatin1Char('/'); }
    QString path(const QString& name) const { return dir.filePath(name); }
};

// Kestrum as start-up makes it: the main window, then the two table dialogs, which read their
// tables from the test's folder.
struct KestrumWindow : KestrumTables {
    TMainForm form;
    TODlg1* dlg1 = nullptr;
    TODlg2* dlg2 = nullptr;

    // Writes the tables (unless told not to) and makes the dialogs as start-up does.
    void start(bool withTables = true)
    {
        setApplicationTitle(publicAppTitle());
        if (withTables)
            writeTables();
        form.createTableDialogs(tableFolder());
        dlg1 = form.ODlg1;
        dlg2 = form.ODlg2;
        showActive(form);
    }
};
