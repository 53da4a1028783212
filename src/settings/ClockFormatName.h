#pragma once

#include "settings/ClockFormat.h"

#include <QString>

// The names of the formats as the panel's options give them, for the panel and for the
// clock's menu that names the format in use.
namespace ClockFormatName {

// "Hour, minutes, seconds, AM PM", "Hour, minutes, AM PM" or "Hour, minutes", translated; the
// 24-hour time with seconds is the panel's "Hour, minutes"; empty for no format.
QString of(ClockFormat format);

}
