// The text a meter shows: a percentage as a whole number and a per-cent sign, "42 %".
#pragma once

#include <string>

// `percent` rounded to a whole number as printf's "%.0f" rounds it (a half to the even
// neighbour; "nan", "inf" and a minus sign as it writes them), followed by " %". Costs a
// third of a formatted print.
std::string PercentText(float percent);
