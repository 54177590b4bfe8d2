#pragma once

#include "industrial/protection_effect.h"
#include "industrial/report/report.h"
#include "industrial/risk_calculation.h"

#include "support/test_support.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

// One calculation and its report, from the worked example on: 8 hours, 247 days, production
// buildings, АПС 0.6, СОУЭ 0.8, АУПТ not considered, СПДЗ 0 and one design point; "," as the
// locale's separator.
struct ReportCase {
    ScopedDecimalSeparator comma{u','};
    TZdanie record;
    WindowInputs in = [] {
        WindowInputs in;
        in.hoursPerDay = u"8"_s;
        in.daysPerYear = u"247"_s;
        in.freqMethod = 2;
        in.systemItems = {0, 0, 5, 3}; // АПС, СОУЭ, АУПТ, СПДЗ
        in.designPoints = {{QString(), u"0,03"_s, u"1"_s, u"2,5"_s, u"2"_s, QString()}};
        return in;
    }();

    void areas(const QStringList& texts)
    {
        in.freqMethod = 0;
        in.areaTexts = texts;
    }

    // The system computed from devices with these probabilities, in series unless told.
    void computed(ProtectionSystem system, const QStringList& probabilities,
                  const QStringList& names = {}, std::uint8_t mode = 0)
    {
        static const std::array<TDeviceList TZdanie::*, 4> lists = {
            &TZdanie::ApsDevices, &TZdanie::SoueDevices, &TZdanie::AuptDevices,
            &TZdanie::SpdzDevices};
        const auto i = static_cast<size_t>(system);
        in.systemItems.at(i) = ComputeItem(system);
        TDeviceList& list = record.*lists[i];
        list.Count = static_cast<std::uint8_t>(probabilities.size());
        list.Mode = mode;
        for (int row = 1; row <= probabilities.size(); ++row) {
            list.cell(TDeviceList::Name, row) = names.value(row - 1);
            list.cell(TDeviceList::Mtbf, row) = u"1000"_s;
            list.cell(TDeviceList::Probability, row) = probabilities.at(row - 1);
        }
    }

    // The inputs as the window shows them: building kinds "Здание 1", ... and points "Точка 1", ...
    WindowInputs window() const
    {
        WindowInputs w = in;
        for (int i = 0; i < in.areaTexts.size(); ++i)
            w.areaKinds << u"Здание "_s + QString::number(i + 1);
        int n = 0;
        for (DesignPointRow& row : w.designPoints)
            row[0] = u"Точка "_s + QString::number(++n);
        return w;
    }

    // Calculates, then reports.
    QString text()
    {
        CalculateRisk(record, in);
        return ReportText(record, window());
    }
};
