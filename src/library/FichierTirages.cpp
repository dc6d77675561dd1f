#include "FichierTirages.h"

#include "engine/Entier.h"

namespace tolvan {

namespace {

constexpr int NbNombresDeLigne = 9;  // the target, the six numbers, the count and the steps
constexpr char Tabulation = '\t';

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<RangeeTirage> TXT_to_LVitem(std::string_view ligne) {
  RangeeTirage rangee;
  std::size_t i = 0;
  for (int champ = 0; champ < NbNombresDeLigne; ++champ) {
    const std::size_t debut = std::min(i, ligne.size());
    std::size_t fin = debut;
    while (fin < ligne.size() && EstChiffre(ligne[fin])) ++fin;
    const std::string_view chiffres = ligne.substr(debut, fin - debut);
    if (!LitEntier(chiffres)) return std::nullopt;
    rangee.cellules[static_cast<std::size_t>(champ)] = std::string(chiffres);
    i = fin + 1;  // whatever ends the number is its separator
  }
  // The mark is read by its first letter and taken to be three long.
  const bool trouve = i < ligne.size() && (ligne[i] == 'O' || ligne[i] == 'o');
  rangee.cellules[CelluleTrouve] = trouve ? Trouve : PasTrouve;
  const std::size_t debutSolution = std::min(i + 4, ligne.size());
  const std::size_t finSolution = std::min(ligne.find(Tabulation, debutSolution), ligne.size());
  rangee.cellules[CelluleSolution] = Utf8DepuisWindows1252(ligne.substr(debutSolution, finSolution - debutSolution));
  return rangee;
}

std::string OctetsFichierTirages(const std::vector<RangeeTirage>& rangees) {
  std::string octets;
  for (const RangeeTirage& rangee : rangees) octets += OctetsTexte({LigneTirage(rangee)}, FinsDeLigneTirages);
  return octets;
}

std::string MessageConversion(std::string_view ligne) {
  // A file that is no draws file may hold a line of megabytes: a message shows its start.
  constexpr std::size_t Montre = 200;
  const std::string debut = Utf8DepuisWindows1252(ligne.substr(0, Montre));
  return "Erreur de conversion text => entier sur la ligne :\r" + debut + (ligne.size() > Montre ? "…" : "");
}

std::string MessageConversions(int autresLignes) {
  return "Erreur de conversion text => entier sur " + std::to_string(autresLignes) +
         (autresLignes > 1 ? " autres lignes" : " autre ligne") + " : elles sont ignorées.";
}

IssueLecture LitTirages(const std::string& chemin, const SuiviLecture& suivi) {
  LecteurLignes lecteur(LecteurLignes::OctetsMaxParDefaut, std::size_t{1} << 16, FinsDeLigneTirages);
  if (!lecteur.Ouvre(chemin)) return IssueLecture::OuvertureImpossible;
  for (bool premiere = true;; premiere = false) {
    std::optional<std::string> ligne = lecteur.Suivante();
    if (lecteur.ErreurDeLecture()) return IssueLecture::LectureImpossible;
    if (!ligne && !premiere) break;
    if (!ligne) ligne.emplace();  // the end is only tested after a line
    std::optional<RangeeTirage> rangee = TXT_to_LVitem(*ligne);
    if (!rangee) {
      suivi.rejetee(*ligne);
    } else if (!suivi.ajoute(std::move(*rangee))) {
      return IssueLecture::ListePleine;
    }
    suivi.ligneLue();
  }
  return lecteur.Tronque() ? IssueLecture::TropVolumineux : IssueLecture::Lu;
}

}  // namespace tolvan
