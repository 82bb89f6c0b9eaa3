#pragma once

#include <string>

namespace brinox {

// "januari" .. "december" (the tenth spelled "october"); empty outside 1..12.
std::string monthName(int month);

// "zondag" (1) .. "zaterdag" (7); empty outside 1..7.
std::string dayName(int dayOfWeek);

}  // namespace brinox
