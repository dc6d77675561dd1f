// An argument of the command line quoted back in an error message: what a
// terminal shows as it is, whatever was typed or pasted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvan::solve {

// The text with each control character (C0, DEL, C1) and each byte that is
// not valid UTF-8 shown as "?", cut to `maximum` characters with "…" after
// it when longer.
std::string TexteSur(std::string_view texte, std::size_t maximum = 40);

// "« texte »", made safe and short by TexteSur.
std::string Cite(std::string_view texte);

}  // namespace tolvan::solve
