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

// Kestrum as start-up makes it: the main window, then the two table dialogs, which read their
// tables from a folder of the test's own. The desktop's boxes are recorded.
struct KestrumWindow : ::testing::Test {
    DesktopRecorder desktop;
    QTemporaryDir dir;
    TMainForm form;
    TODlg1* dlg1 = nullptr;
    TODlg2* dlg2 = nullptr;

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

    // Writes the tables (unless told not to) and makes the dialogs as start-up does.
    void start(bool withTables = true)
    {
        setApplicationTitle(publicAppTitle());
        if (withTables) {
            writeTable(QStringLiteral("table2.rrt"), frequencyTable());
            writeTable(QStringLiteral("table1.rrt"), startTable());
        }
        const QString folder = dir.path() + QLatin1Char('/');
        dlg1 = new TODlg1(&form, folder);
        dlg2 = new TODlg2(&form, folder);
        showActive(form);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
};
