// The time limits of training games.
#pragma once

#include <array>

namespace tolvan {

// Seconds allowed for each choice of "Temps :", in list order ("illimité"
// is one hour).
inline constexpr std::array<int, 9> DureesTemps = {3600, 20, 40, 50, 60, 90, 120, 180, 300};

}  // namespace tolvan
