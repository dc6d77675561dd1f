#include "Formule.h"

namespace tolvan {

std::string Formule(std::string_view motif, const std::vector<std::string>& liste) {
  std::string texte;
  texte.reserve(motif.size());
  for (std::size_t i = 0; i < motif.size(); ++i) {
    const bool place = motif[i] == '%' && i + 1 < motif.size() && motif[i + 1] >= '1' && motif[i + 1] <= '9';
    const std::size_t rang = place ? static_cast<std::size_t>(motif[i + 1] - '1') : liste.size();
    if (rang < liste.size()) {
      texte += liste[rang];
      ++i;
    } else {
      texte += motif[i];
    }
  }
  return texte;
}

std::string Compte(int nombre, std::string_view singulier, std::string_view pluriel) {
  return Formule(nombre > 1 ? pluriel : singulier, {std::to_string(nombre)});
}

}  // namespace tolvan
