#include "SaisieTirage.h"

#include <charconv>

namespace tolvan {

namespace {

bool LitEntier(const std::string& texte, longint& valeur) {
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  return erreur == std::errc() && fin == texte.data() + texte.size();
}

}  // namespace

std::variant<TTirage, int> LitSaisie(const std::array<std::string, NbChamps>& champs, const TTirage& ancien) {
  TTirage tirage = ancien;
  for (int k = 0; k < NbChamps; ++k) {
    const std::string& champ = champs[static_cast<std::size_t>(k)];
    if (champ.empty()) continue;
    longint& valeur = k < NbNombres ? tirage.Nombres[k + 1] : tirage.Resultat;
    if (!LitEntier(champ, valeur)) return k;
  }
  for (longint& nombre : tirage.Nombres) {
    if (nombre == 0) nombre = 1;
  }
  return tirage;
}

}  // namespace tolvan
