// The code of a series for club play: a dozen letters and digits that carry
// everything two players far apart need to play the same draws, typed or
// pasted by hand, with a check character so that a mistyped code is refused
// rather than played.
//
// A code is 12 characters of Crockford's base 32 (0-9 and the capitals
// without I, L, O and U), written in groups of four: "1K3M-7QZD-0T5W". Read
// as a 60-bit number, big end first:
//   5 bits   the format's version (1: the first character is "1")
//   5 bits   the number of draws minus one (1 to 32)
//   9 bits   the clock, in seconds (10 to 300)
//   1 bit    exactly reachable draws only
//   35 bits  the seed of the draws
//   5 bits   the check character
// The check character makes the twelve digits, read as a polynomial over
// GF(32) (x^5 + x^2 + 1), vanish at x: every single changed character and
// every exchange of two different characters changes that value, so is
// refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "RefusCode.h"

namespace tolvan {

struct ParametresSerie {
  int tirages = 10;          // how many draws
  int temps = 40;            // the clock of each draw, in seconds
  bool realisables = false;  // only draws whose target can be reached exactly
  std::uint64_t graine = 0;  // the seed of the draws, below 2^35
  friend bool operator==(const ParametresSerie&, const ParametresSerie&) = default;
};

class CodeSerie {
 public:
  static constexpr int Version = 1;
  static constexpr int Longueur = 12;  // characters, hyphens left out
  static constexpr int TiragesMax = 32;
  static constexpr int TempsMin = 10;
  static constexpr int TempsMax = 300;
  static constexpr int BitsGraine = 35;
  static constexpr std::uint64_t GraineMax = (std::uint64_t{1} << BitsGraine) - 1;
  static constexpr std::string_view Alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

  // The code of these parameters; nothing, and `refus` says why, when one
  // is out of range.
  static std::optional<CodeSerie> Fait(const ParametresSerie& parametres, RefusCode& refus);
  // The same, with the reason in French.
  static std::optional<CodeSerie> Fait(const ParametresSerie& parametres, std::string& erreur);

  // A code typed or pasted by a player, read as Crockford says: case does
  // not matter, O is read as 0, I and L as 1, hyphens and white space (a
  // pasted line's end among it) are left out. What a word processor, a web
  // page or a chat puts in their place (typographic dashes and the minus
  // sign, no-break, thin and zero-width spaces, the byte-order mark) is
  // left out as well. Nothing, and `refus` says why, when it is malformed,
  // its check character is wrong or it is of an unknown version.
  static std::optional<CodeSerie> Lit(std::string_view texte, RefusCode& refus);
  // The same, with the reason in French.
  static std::optional<CodeSerie> Lit(std::string_view texte, std::string& erreur);

  // The code `texte` holds, as Texte writes it, however it was typed or
  // pasted: what a player copies to pass it on. Nothing, and `refus` says
  // why, when it holds none.
  static std::optional<std::string> TexteNormalise(std::string_view texte, RefusCode& refus);

  const ParametresSerie& Parametres() const { return parametres_; }
  int Tirages() const { return parametres_.tirages; }
  int Temps() const { return parametres_.temps; }
  bool Realisables() const { return parametres_.realisables; }
  std::uint64_t Graine() const { return parametres_.graine; }

  // The code in capitals, in three groups of four: "1K3M-7QZD-0T5W".
  std::string Texte() const;
  // "10 tirages de 40 s", then ", réalisables uniquement" when they are.
  std::string Description() const;

  friend bool operator==(const CodeSerie&, const CodeSerie&) = default;

 private:
  explicit CodeSerie(const ParametresSerie& parametres) : parametres_(parametres) {}

  ParametresSerie parametres_;
};

}  // namespace tolvan
