#include "Classement.h"

#include <algorithm>
#include <array>
#include <map>
#include <numeric>

#include "game/Formule.h"

namespace tolvan {

namespace {

constexpr int PointsExact = 10;

// A distinct line and every place it was met, in order.
struct Lue {
  LigneClub ligne;
  std::vector<Provenance> places;
};
// By the text the line is written as: two lines are identical when they
// write the same, whatever spaces or quotes they were read with.
using LignesDistinctes = std::map<std::string, Lue>;

std::string TexteDuProbleme(ProblemeFichier probleme, const PhrasesArbitrage& mots) {
  switch (probleme) {
    case ProblemeFichier::Illisible: return mots.fichierIllisible;
    case ProblemeFichier::PasDuTexte: return mots.pasDuTexte;
    case ProblemeFichier::Vide: return mots.fichierVide;
    case ProblemeFichier::TropLong: return mots.fichierTropLong;
  }
  return {};
}

// The code the most distinct lines carry; the first in alphabetical order among equals.
std::optional<CodeSerie> CodeMajoritaire(const LignesDistinctes& distinctes) {
  std::map<std::string, std::pair<int, const CodeSerie*>> parCode;
  for (const auto& [texte, lue] : distinctes) {
    auto& [nombre, code] = parCode[lue.ligne.code.Texte()];
    ++nombre;
    code = &lue.ligne.code;
  }
  const std::pair<int, const CodeSerie*>* meilleur = nullptr;
  for (const auto& [texte, compte] : parCode) {
    if (!meilleur || compte.first > meilleur->first) meilleur = &compte;
  }
  if (!meilleur) return std::nullopt;
  return *meilleur->second;
}

LignesDistinctes Distinctes(const std::vector<EntreeClub>& entrees) {
  LignesDistinctes distinctes;
  for (const EntreeClub& entree : entrees) {
    if (!entree.ligne) continue;
    Lue& lue = distinctes.try_emplace(EcritLigneClub(*entree.ligne), Lue{*entree.ligne, {}}).first->second;
    lue.places.push_back(entree.ou);
  }
  for (auto& [texte, lue] : distinctes) {
    std::sort(lue.places.begin(), lue.places.end());
    lue.places.erase(std::unique(lue.places.begin(), lue.places.end()), lue.places.end());
  }
  return distinctes;
}

std::string TexteDesPlaces(const std::vector<const Lue*>& lues, const PhrasesArbitrage& mots) {
  std::vector<Provenance> places;
  for (const Lue* lue : lues) places.insert(places.end(), lue->places.begin(), lue->places.end());
  std::sort(places.begin(), places.end());
  std::string texte;
  for (const Provenance& place : places) texte += (texte.empty() ? "" : ", ") + TexteProvenance(place, mots);
  return texte;
}

// The line kept among a name's different lines: the one the arbiter kept,
// the others refused; none kept, all are refused, named together.
const Lue* Departage(const std::string& nom, const std::vector<const Lue*>& lues,
                     const std::map<std::string, Provenance>& gardees, std::vector<Avis>& refusees,
                     const PhrasesArbitrage& mots) {
  const auto choix = gardees.find(nom);
  const auto gardee = std::find_if(lues.begin(), lues.end(), [&](const Lue* lue) {
    return choix != gardees.end() &&
           std::find(lue->places.begin(), lue->places.end(), choix->second) != lue->places.end();
  });
  const std::string raison = gardee == lues.end()
                                 ? Formule(mots.conflit, {nom, TexteDesPlaces(lues, mots)})
                                 : Formule(mots.ecartee, {nom, TexteProvenance((*gardee)->places.front(), mots)});
  for (const Lue* lue : lues) {
    if (gardee != lues.end() && lue == *gardee) continue;
    for (const Provenance& place : lue->places) refusees.push_back({place, raison, nom});
  }
  return gardee == lues.end() ? nullptr : *gardee;
}

// For each draw whose target cannot be reached, the distances of the
// room's results that score.
std::vector<std::vector<longint>> EcartsSalle(const std::vector<const Lue*>& retenues,
                                              const std::vector<ControleTirage>& controles) {
  std::vector<std::vector<longint>> ecarts(controles.size());
  for (std::size_t i = 0; i < controles.size(); ++i) {
    if (controles[i].CibleAtteignable()) continue;
    std::vector<longint> annonces;
    for (const Lue* lue : retenues) {
      if (lue->ligne.resultats && (*lue->ligne.resultats)[i]) annonces.push_back(*(*lue->ligne.resultats)[i]);
    }
    ecarts[i] = EcartsDeLaSalle(controles[i], annonces);
  }
  return ecarts;
}

// Says what disagrees on one player's line, in the words of the moment.
class Alertes {
 public:
  Alertes(const JoueurClasse& joueur, std::vector<Avis>& alertes, const PhrasesArbitrage& mots)
      : joueur_(joueur), alertes_(alertes), mots_(mots) {}
  const PhrasesArbitrage& Mots() const { return mots_; }
  void Dit(const std::string& motif, std::vector<std::string> valeurs) {
    valeurs.insert(valeurs.begin(), joueur_.ligne.nom);
    alertes_.push_back({joueur_.ou, Formule(motif, valeurs)});
  }

 private:
  const JoueurClasse& joueur_;
  std::vector<Avis>& alertes_;
  const PhrasesArbitrage& mots_;
};

// Each result of a line scored again into `joueur`: on the plates' scale,
// which the player's own sheet used and the written points are checked
// against, and on the room's when the desk chose it. Returns the total of
// the player's own sheet.
int RecompteResultats(JoueurClasse& joueur, const std::vector<ControleTirage>& controles,
                      const std::vector<std::vector<longint>>* ecartsSalle, Alertes& alertes) {
  const LigneClub& ligne = joueur.ligne;
  int totalDuJoueur = 0;
  joueur.verdicts.resize(controles.size());
  for (std::size_t i = 0; i < controles.size(); ++i) {
    const std::optional<longint>& resultat = (*ligne.resultats)[i];
    const std::string tirage = std::to_string(i + 1);
    int pointsDuJoueur = 0;
    joueur.points[i] = 0;
    if (resultat) {
      const ControleTirage::Verdict verdict = controles[i].Verifie(*resultat);
      if (!verdict.possible) alertes.Dit(alertes.Mots().impossible, {tirage, std::to_string(*resultat)});
      pointsDuJoueur = verdict.points;
      joueur.verdicts[i] = ecartsSalle ? controles[i].Verifie(*resultat, (*ecartsSalle)[i]) : verdict;
      joueur.points[i] = joueur.verdicts[i]->points;
    }
    if (ligne.points[i] != pointsDuJoueur) {
      alertes.Dit(alertes.Mots().pointsFaux, {tirage, std::to_string(ligne.points[i]), std::to_string(pointsDuJoueur)});
    }
    totalDuJoueur += pointsDuJoueur;
  }
  return totalDuJoueur;
}

// The player of a line kept: points scored again from the results when it
// has them, the written ones otherwise; what disagrees goes to `alertes`.
JoueurClasse Note(const Lue& lue, const std::vector<ControleTirage>& controles,
                  const std::vector<std::vector<longint>>* ecartsSalle, std::vector<Avis>& alertes,
                  const PhrasesArbitrage& mots) {
  const LigneClub& ligne = lue.ligne;
  JoueurClasse joueur{0, {}, ligne, lue.places.front(), ligne.points, 0, 0, {}};
  Alertes alerte(joueur, alertes, mots);
  int totalRecalcule = std::accumulate(ligne.points.begin(), ligne.points.end(), 0);
  if (ligne.resultats) {
    totalRecalcule = RecompteResultats(joueur, controles, ecartsSalle, alerte);
  } else {
    alerte.Dit(mots.nonVerifiable, {});
  }
  if (ligne.total != totalRecalcule) alerte.Dit(mots.totalFaux, {std::to_string(ligne.total), std::to_string(totalRecalcule)});
  joueur.total = std::accumulate(joueur.points.begin(), joueur.points.end(), 0);
  joueur.exacts = static_cast<int>(std::count(joueur.points.begin(), joueur.points.end(), PointsExact));
  return joueur;
}

// The lines of the ranking's code, one a name; the others are refused,
// with why.
std::vector<const Lue*> Retenues(const LignesDistinctes& distinctes, const CodeSerie& code,
                                 const ReglesClassement& regles, std::vector<Avis>& refusees,
                                 const PhrasesArbitrage& mots) {
  std::map<std::string, std::vector<const Lue*>> parNom;
  for (const auto& [texte, lue] : distinctes) {
    if (lue.ligne.code == code) {
      parNom[lue.ligne.nom].push_back(&lue);
      continue;
    }
    const std::string raison = Formule(mots.autreCode, {lue.ligne.code.Texte(), code.Texte()});
    for (const Provenance& place : lue.places) refusees.push_back({place, raison});
  }
  std::vector<const Lue*> retenues;
  for (const auto& [nom, lues] : parNom) {
    const Lue* retenue = lues.size() == 1 ? lues.front() : Departage(nom, lues, regles.gardees, refusees, mots);
    if (retenue) retenues.push_back(retenue);
  }
  return retenues;
}

void NoteLesJoueurs(const std::vector<const Lue*>& retenues, const std::vector<ControleTirage>& controles,
                    bool approcheSalle, Classement& classement, const PhrasesArbitrage& mots) {
  classement.ecartsSalle = approcheSalle ? EcartsSalle(retenues, controles)
                                         : std::vector<std::vector<longint>>(controles.size());
  const auto* ecartsSalle = approcheSalle ? &classement.ecartsSalle : nullptr;
  for (const Lue* lue : retenues) classement.joueurs.push_back(Note(*lue, controles, ecartsSalle, classement.alertes, mots));
}

// Better first: the total, the most draws at 10, then the last draw's
// points, the one before, and so on.
std::strong_ordering CompareJeu(const JoueurClasse& a, const JoueurClasse& b) {
  if (a.total != b.total) return b.total <=> a.total;
  if (a.exacts != b.exacts) return b.exacts <=> a.exacts;
  return std::lexicographical_compare_three_way(b.points.rbegin(), b.points.rend(), a.points.rbegin(),
                                                a.points.rend());
}

// A name as it is sorted: lower case, and the accented letters of Western
// European languages after their plain letter, as a reader of the list
// expects ("Émile" among the E).
std::string CleDeNom(std::string_view nom) {
  // U+00C0 to U+00FF, in order.
  static constexpr std::array<const char*, 64> Latin1 = {
      "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
      "d", "n", "o", "o", "o", "o", "o", "\xC3\x97", "o", "u", "u", "u", "u", "y", "th", "ss",
      "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
      "d", "n", "o", "o", "o", "o", "o", "\xC3\xB7", "o", "u", "u", "u", "u", "y", "th", "y"};
  std::string cle;
  for (std::size_t i = 0; i < nom.size(); ++i) {
    const auto octet = static_cast<unsigned char>(nom[i]);
    const auto suivant = i + 1 < nom.size() ? static_cast<unsigned char>(nom[i + 1]) : 0;
    if (octet == 0xC3 && suivant >= 0x80 && suivant <= 0xBF) {
      cle += Latin1[suivant - 0x80];
      ++i;
    } else if (octet == 0xC5 && (suivant == 0x92 || suivant == 0x93)) {  // Œ, œ
      cle += "oe";
      ++i;
    } else {
      cle += static_cast<char>(octet >= 'A' && octet <= 'Z' ? octet - 'A' + 'a' : octet);
    }
  }
  return cle;
}

void RangeEtGroupe(std::vector<JoueurClasse>& joueurs, int tailleGroupes) {
  std::vector<std::pair<std::string, JoueurClasse*>> parNom;
  std::sort(joueurs.begin(), joueurs.end(), [](const JoueurClasse& a, const JoueurClasse& b) {
    if (const auto ordre = CompareJeu(a, b); ordre != 0) return ordre < 0;
    const std::string cleA = CleDeNom(a.ligne.nom), cleB = CleDeNom(b.ligne.nom);
    return cleA != cleB ? cleA < cleB : a.ligne.nom < b.ligne.nom;
  });
  for (std::size_t i = 0; i < joueurs.size(); ++i) {
    const bool exAequo = i > 0 && CompareJeu(joueurs[i - 1], joueurs[i]) == 0;
    joueurs[i].rang = exAequo ? joueurs[i - 1].rang : static_cast<int>(i) + 1;
    joueurs[i].groupe = NomDeGroupe((joueurs[i].rang - 1) / std::max(1, tailleGroupes));
  }
}

// By file and line, in the order found at one place. A place met twice
// (a file given twice) gives the same reason twice: it is said once.
void Ordonne(std::vector<Avis>& avis) {
  std::stable_sort(avis.begin(), avis.end(), [](const Avis& a, const Avis& b) { return a.ou < b.ou; });
  avis.erase(std::unique(avis.begin(), avis.end()), avis.end());
}

}  // namespace

std::vector<EntreeClub> LitEntrees(const Rassemblement& rassemblement, const PhrasesArbitrage& mots) {
  std::vector<EntreeClub> entrees;
  entrees.reserve(rassemblement.lignes.size());
  for (const LigneRassemblee& ligne : rassemblement.lignes) {
    EntreeClub entree{ligne.ou, std::nullopt};
    entree.ligne = LitLigneClub(ligne.texte, entree.raison, mots);
    entrees.push_back(std::move(entree));
  }
  return entrees;
}

std::optional<CodeSerie> CodeDesLignes(const std::vector<EntreeClub>& entrees) {
  return CodeMajoritaire(Distinctes(entrees));
}

const std::vector<ControleTirage>& ControlesParCode::De(const CodeSerie& code) {
  if (code_ != code) {
    controles_ = ControlesDuCode(code);
    code_ = code;
  }
  return controles_;
}

Classement Classe(const std::vector<EntreeClub>& entrees, const std::vector<FichierRefuse>& fichiers,
                  const ReglesClassement& regles, ControlesParCode& controles, const PhrasesArbitrage& mots) {
  Classement classement;
  for (const FichierRefuse& fichier : fichiers) classement.refusees.push_back({fichier.ou, TexteDuProbleme(fichier.probleme, mots)});
  for (const EntreeClub& entree : entrees) {
    if (!entree.ligne) classement.refusees.push_back({entree.ou, entree.raison});
  }
  const LignesDistinctes distinctes = Distinctes(entrees);
  classement.code = regles.code ? regles.code : CodeMajoritaire(distinctes);
  if (classement.code) {
    const std::vector<const Lue*> retenues = Retenues(distinctes, *classement.code, regles, classement.refusees, mots);
    NoteLesJoueurs(retenues, controles.De(*classement.code), regles.approcheSalle, classement, mots);
  }
  RangeEtGroupe(classement.joueurs, regles.tailleGroupes);
  Ordonne(classement.refusees);
  Ordonne(classement.alertes);
  return classement;
}

std::string TexteProvenance(const Provenance& ou, const PhrasesArbitrage& mots) {
  return ou.ligne == 0 ? ou.fichier : Formule(mots.lieu, {ou.fichier, std::to_string(ou.ligne)});
}

std::string NomDeGroupe(int numero) {
  std::string nom;
  for (int n = numero + 1; n > 0; n = (n - 1) / 26) nom.insert(nom.begin(), static_cast<char>('A' + (n - 1) % 26));
  return nom;
}

}  // namespace tolvan
