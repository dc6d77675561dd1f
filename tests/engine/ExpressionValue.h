// Reads a one-line solution text back as arithmetic, the way a player reads
// it: x and / before + and -, otherwise left to right; (), [] and {} group.
#pragma once

#include <optional>
#include <string_view>

namespace tolvan::test {

// The exact value of the expression, or nullopt when it is not a whole
// number or the text is not well formed.
std::optional<long long> ExpressionValue(std::string_view text);

}  // namespace tolvan::test
