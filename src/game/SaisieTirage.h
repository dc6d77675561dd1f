// A draw typed in the entry panel: six numbers and a target, each field
// left empty keeping the value it had.
#pragma once

#include <array>
#include <string>
#include <variant>

#include "engine/Records.h"

namespace tolvan {

inline constexpr int NbChamps = NbNombres + 1;  // the six numbers, then the target

// The typed draw, numbers of 0 played as 1; or, when a field holds no whole
// number (a pasted "12a"), the index (0 to 6) of the first such field, and
// then none of them is taken.
std::variant<TTirage, int> LitSaisie(const std::array<std::string, NbChamps>& champs, const TTirage& ancien);

}  // namespace tolvan
