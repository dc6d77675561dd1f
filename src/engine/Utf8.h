// Text inside the program is UTF-8, but what a player types or pastes and
// what a command line holds may not be: a stray byte, a sequence cut short,
// a character written in too many bytes. Every place that looks at text
// character by character reads it here, the same strict way, so that no
// malformed input is taken for a character it is not.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvan {

// The length of the valid UTF-8 sequence at the start of `texte`, with its
// character in `caractere`; 0 when `texte` starts with none (a stray byte,
// a sequence cut short, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t SequenceUtf8(std::string_view texte, char32_t& caractere);

// The character at `i`, `i` moved past it; a byte that starts no valid
// sequence is read alone, as U+FFFD, the character that stands for it.
char32_t LitCaractereUtf8(std::string_view texte, std::size_t& i);

// `caractere` appended to `texte` in UTF-8.
void AjouteUtf8(std::string& texte, char32_t caractere);

}  // namespace tolvan
