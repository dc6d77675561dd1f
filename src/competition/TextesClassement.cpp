#include "TextesClassement.h"

#include <algorithm>

#include "TiragesDuCode.h"
#include "game/Formule.h"
#include "library/ChampsCsv.h"

namespace tolvan {

namespace {

// Characters, not bytes, so that columns line up under accented names.
std::size_t Largeur(const std::string& texte) {
  return static_cast<std::size_t>(
      std::count_if(texte.begin(), texte.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<std::string> EnColonnes(const Cellules& cellules) {
  std::vector<std::size_t> largeurs;
  for (const auto& rangee : cellules) {
    largeurs.resize(std::max(largeurs.size(), rangee.size()), 0);
    for (std::size_t c = 0; c < rangee.size(); ++c) largeurs[c] = std::max(largeurs[c], Largeur(rangee[c]));
  }
  std::vector<std::string> lignes;
  for (const auto& rangee : cellules) {
    std::string ligne;
    for (std::size_t c = 0; c < rangee.size(); ++c) {
      ligne += rangee[c];
      if (c + 1 < rangee.size()) ligne += std::string(largeurs[c] - Largeur(rangee[c]) + 2, ' ');
    }
    lignes.push_back(ligne);
  }
  return lignes;
}

void AjouteAvis(std::vector<std::string>& lignes, const std::string& titre, const std::vector<Avis>& avis,
                const PhrasesArbitrage& mots) {
  if (avis.empty()) return;
  lignes.push_back({});
  lignes.push_back(titre);
  for (const Avis& a : avis) lignes.push_back(Formule(mots.avis, {TexteProvenance(a.ou, mots), a.raison}));
}

std::string TexteResultat(const JoueurClasse& joueur, std::size_t tirage, const PhrasesArbitrage& mots) {
  if (!joueur.ligne.resultats) return mots.nonDonne;
  const std::optional<longint>& resultat = (*joueur.ligne.resultats)[tirage];
  return resultat ? std::to_string(*resultat) : mots.rien;
}

// 0 for the first player, 1 for the second, -1 when neither was nearer.
int PlusPres(const JoueurClasse& a, const JoueurClasse& b, std::size_t tirage) {
  const auto ecart = [tirage](const JoueurClasse& j) -> std::optional<longint> {
    if (j.verdicts.empty() || !j.verdicts[tirage] || !j.verdicts[tirage]->possible) return std::nullopt;
    return j.verdicts[tirage]->ecart;
  };
  const std::optional<longint> ecartA = ecart(a), ecartB = ecart(b);
  if (ecartA && ecartB && *ecartA != *ecartB) return *ecartA < *ecartB ? 0 : 1;
  if (ecartA && ecartB) return -1;
  if (a.points[tirage] == b.points[tirage]) return -1;
  return a.points[tirage] > b.points[tirage] ? 0 : 1;
}

std::string Vainqueur(const JoueurClasse& premier, const JoueurClasse& second, const PhrasesArbitrage& mots) {
  const std::string total = std::to_string(premier.total);
  if (premier.rang == second.rang) return Formule(mots.egalite, {total});
  if (premier.total == second.total) return Formule(mots.gagneAuDepartage, {premier.ligne.nom, total});
  return Formule(mots.gagne, {premier.ligne.nom, total, std::to_string(second.total)});
}

}  // namespace

Cellules TableauClassement(const Classement& classement, const PhrasesArbitrage& mots) {
  Cellules cellules = {{mots.colonneRang, mots.colonneNom, mots.colonneTotal, mots.colonneExacts, mots.colonneGroupe}};
  for (const JoueurClasse& joueur : classement.joueurs) {
    cellules.push_back({std::to_string(joueur.rang), joueur.ligne.nom, std::to_string(joueur.total),
                        std::to_string(joueur.exacts), joueur.groupe});
  }
  return cellules;
}

std::vector<std::string> LignesClassement(const Classement& classement, const PhrasesArbitrage& mots) {
  std::vector<std::string> lignes;
  if (classement.code) lignes.push_back(Formule(mots.titre, {classement.code->Texte(), classement.code->Description()}));
  if (classement.joueurs.empty()) {
    lignes.push_back(mots.personne);
  } else {
    const std::vector<std::string> tableau = EnColonnes(TableauClassement(classement, mots));
    lignes.insert(lignes.end(), tableau.begin(), tableau.end());
  }
  AjouteAvis(lignes, mots.refusees, classement.refusees, mots);
  AjouteAvis(lignes, mots.alertes, classement.alertes, mots);
  return lignes;
}

std::vector<std::string> LignesCsvClassement(const Classement& classement, const PhrasesArbitrage& mots) {
  const std::size_t tirages = classement.code ? static_cast<std::size_t>(classement.code->Tirages()) : 0;
  std::vector<std::string> titres = {mots.colonneRang, mots.colonneGroupe, mots.colonneNom, mots.colonneTotal,
                                     mots.colonneExacts};
  for (const std::string* motif : {&mots.colonnePoints, &mots.colonneResultat}) {
    for (std::size_t i = 1; i <= tirages; ++i) titres.push_back(Formule(*motif, {std::to_string(i)}));
  }
  std::vector<std::string> lignes = {LigneCsv(titres)};
  for (const JoueurClasse& joueur : classement.joueurs) {
    std::vector<std::string> champs = {std::to_string(joueur.rang), joueur.groupe, joueur.ligne.nom,
                                       std::to_string(joueur.total), std::to_string(joueur.exacts)};
    for (const int points : joueur.points) champs.push_back(std::to_string(points));
    for (std::size_t i = 0; i < tirages; ++i) {
      const bool connu = joueur.ligne.resultats && (*joueur.ligne.resultats)[i];
      champs.push_back(connu ? std::to_string(*(*joueur.ligne.resultats)[i]) : std::string());
    }
    lignes.push_back(LigneCsv(champs));
  }
  return lignes;
}

std::vector<std::string> LignesFaceAFace(const Classement& classement, const std::vector<ControleTirage>& controles,
                                         const PhrasesArbitrage& mots) {
  if (classement.joueurs.size() != 2 || !classement.code) return {};
  const JoueurClasse& a = classement.joueurs[0];
  const JoueurClasse& b = classement.joueurs[1];
  std::vector<std::string> lignes = {Formule(mots.titreFaceAFace, {a.ligne.nom, b.ligne.nom, classement.code->Texte()})};
  for (std::size_t i = 0; i < controles.size(); ++i) {
    const auto joueur = [&](const JoueurClasse& j) {
      return Formule(mots.joueurFaceAFace, {j.ligne.nom, TexteResultat(j, i, mots), TextePointsArbitrage(j.points[i], mots)});
    };
    const int pres = PlusPres(a, b, i);
    const std::string nearer = pres < 0 ? mots.aEgalite : Formule(mots.plusPres, {(pres == 0 ? a : b).ligne.nom});
    lignes.push_back(Formule(mots.tirageFaceAFace,
                             {std::to_string(i + 1), TexteTirage(controles[i].Tirage()), joueur(a), joueur(b), nearer}));
  }
  lignes.push_back(Vainqueur(a, b, mots));
  return lignes;
}

}  // namespace tolvan
