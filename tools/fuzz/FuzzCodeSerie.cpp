// libFuzzer target for the series codes players type and paste: whatever
// the bytes, reading never crashes; a code read is written back in its
// canonical form, which reads as the same code; a refusal says why in a
// short French text that holds only visible, valid UTF-8.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "competition/CodeSerie.h"
#include "engine/Utf8.h"

namespace {

using namespace tolvan;

// Aborts, naming the property broken, so that libFuzzer keeps the input.
void Exige(bool condition, int ligne = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "FuzzCodeSerie.cpp:%d: property broken\n", ligne);
  std::abort();
}

// "1K3M-7QZD-0T5W": three groups of four characters of the alphabet.
bool Canonique(const std::string& texte) {
  if (texte.size() != 14) return false;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const bool tiret = i == 4 || i == 9;
    if (tiret != (texte[i] == '-')) return false;
    if (!tiret && CodeSerie::Alphabet.find(texte[i]) == std::string_view::npos) return false;
  }
  return true;
}

// Valid UTF-8 without a control character, as a message box or a terminal
// shows it.
bool Lisible(std::string_view texte) {
  while (!texte.empty()) {
    char32_t caractere = 0;
    const std::size_t longueur = SequenceUtf8(texte, caractere);
    if (longueur == 0 || caractere < 0x20 || (caractere >= 0x7F && caractere <= 0x9F)) return false;
    texte.remove_prefix(longueur);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
  RefusCode refus;
  const std::optional<CodeSerie> code = CodeSerie::Lit(texte, refus);
  if (!code) {
    const std::string francais = TexteRefus(refus);
    Exige(!francais.empty() && francais.size() < 160);
    Exige(Lisible(francais));
    Exige(!CodeSerie::TexteNormalise(texte, refus));
    return 0;
  }
  const std::string canonique = code->Texte();
  Exige(Canonique(canonique));
  Exige(CodeSerie::TexteNormalise(texte, refus) == canonique);
  const std::optional<CodeSerie> relu = CodeSerie::Lit(canonique, refus);
  Exige(relu && *relu == *code);
  return 0;
}
