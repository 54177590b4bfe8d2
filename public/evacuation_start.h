#pragma once

#include <QString>

// The area of the room of fire origin, m², as the evacuation-start dialog reads its edit: with the
// locale's number reader only; a text that is no number, 0 or a negative number counts as 1.
long double fireRoomArea(const QString& text);

// The evacuation start time of the room of fire origin, minutes: (0.01·area + 5) / 60, as the
// dialog shows it ("0.###": at most 3 decimals, the locale's separator).
long double fireRoomStartTime(long double area);
QString fireRoomStartText(long double area);
