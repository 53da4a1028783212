#pragma once

class ZoneRules;

// Aborts unless the rules give, at any instant from the first to the last, an offset a zone
// may have, the same in its period, a standard offset a zone may have (the offset itself
// outside daylight time), and next changes that lie ahead and change the offset.
void checkZoneRules(const ZoneRules &rules);
