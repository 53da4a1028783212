#pragma once

#include <QString>

// A zone's text as typed text is compared with it: letter case folded, accents dropped
// ("Côte" as "cote", "Åland" as "aland", "Føroyar" as "foroyar"), "_" as a blank.
QString comparableZoneText(const QString &text);

// Whether a zone's display text, "(UTC+05:30) Asia/Kolkata", holds what the user typed:
// anywhere in the text, ignoring letter case and accents, with "_" and a blank counting as
// the same ("new y" finds America/New_York). An empty text matches every zone.
bool zoneTextMatches(const QString &displayText, const QString &typed);
