#include "SaisieTirage.h"

#include "engine/Entier.h"

namespace tolvan {

std::variant<TTirage, int> LitSaisie(const std::array<std::string, NbChamps>& champs, const TTirage& ancien) {
  TTirage tirage = ancien;
  for (int k = 0; k < NbChamps; ++k) {
    const std::string& champ = champs[static_cast<std::size_t>(k)];
    if (champ.empty()) continue;
    const std::optional<longint> valeur = LitEntier(champ);
    if (!valeur) return k;
    (k < NbNombres ? tirage.Nombres[k + 1] : tirage.Resultat) = *valeur;
  }
  for (longint& nombre : tirage.Nombres) {
    if (nombre == 0) nombre = 1;
  }
  return tirage;
}

}  // namespace tolvan
