#include "PartieEnLigne.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "engine/Entier.h"

namespace tolvan {

namespace {

std::vector<std::string_view> Champs(std::string_view ligne) {
  std::vector<std::string_view> champs;
  constexpr std::string_view blancs = " \t";
  for (std::size_t debut = ligne.find_first_not_of(blancs); debut != std::string_view::npos;) {
    const std::size_t fin = std::min(ligne.find_first_of(blancs, debut), ligne.size());
    champs.push_back(ligne.substr(debut, fin - debut));
    debut = ligne.find_first_not_of(blancs, fin);
  }
  return champs;
}

std::optional<longint> LitEntre(std::string_view texte, longint max) {
  const std::optional<longint> valeur = LitEntier(texte);
  if (!valeur || *valeur < 0 || *valeur > max) return std::nullopt;
  return valeur;
}

}  // namespace

std::optional<double> LitDecimal(std::string_view texte) {
  std::string point(texte);
  std::replace(point.begin(), point.end(), ',', '.');
  double valeur = 0;
  const auto [fin, erreur] = std::from_chars(point.data(), point.data() + point.size(), valeur);
  if (point.empty() || erreur != std::errc() || fin != point.data() + point.size() || !std::isfinite(valeur)) {
    return std::nullopt;
  }
  return valeur;
}

std::optional<double> LitDecimalEntre(std::string_view texte, double min, double max) {
  const std::optional<double> valeur = LitDecimal(texte);
  if (!valeur || *valeur < min || *valeur > max) return std::nullopt;
  return valeur;
}

std::string TexteDecimal(double valeur) {
  char texte[400];  // the longest double written out in full
  const auto fin = std::to_chars(texte, texte + sizeof texte, valeur, std::chars_format::fixed).ptr;
  return std::string(texte, fin);
}

std::optional<PartieEnLigne> LitPartieEnLigne(std::string_view ligne) {
  if (ligne.size() > LongueurMaxPartieEnLigne) return std::nullopt;
  const std::vector<std::string_view> champs = Champs(ligne);
  if (champs.size() < 9 || champs.size() > 10) return std::nullopt;
  PartieEnLigne partie{};
  for (int i = 1; i <= NbNombres; ++i) {
    const std::optional<longint> nombre = LitEntre(champs[static_cast<std::size_t>(i - 1)], 999);
    if (!nombre) return std::nullopt;
    partie.tirage.Nombres[i] = *nombre;
  }
  const std::optional<longint> cible = LitEntre(champs[6], 9999);
  const std::optional<double> temps = LitDecimalEntre(champs[7], SecondesDonneesMin, SecondesDonneesMax);
  if (!cible || !temps || (champs[8] != "0" && champs[8] != "1")) return std::nullopt;
  partie.tirage.Resultat = *cible;
  partie.secondesDonnees = *temps;
  partie.trouvee = champs[8] == "1";
  if (champs.size() == 10) {
    const std::optional<double> secondes = LitDecimalEntre(champs[9], 0.0, *temps);
    if (!secondes) return std::nullopt;
    partie.secondes = *secondes;
  } else if (partie.trouvee) {
    return std::nullopt;  // when it was found is what a found game tells
  }
  return partie;
}

std::string TextePartieEnLigne(const PartieEnLigne& partie) {
  std::string texte;
  for (const longint n : partie.tirage.Nombres) texte += std::to_string(n) + ' ';
  texte += std::to_string(partie.tirage.Resultat) + ' ' + TexteDecimal(partie.secondesDonnees) + ' ' +
           (partie.trouvee ? "1 " : "0 ") + TexteDecimal(partie.secondes);
  return texte;
}

}  // namespace tolvan
