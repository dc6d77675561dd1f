#include "solve/VerifieCommand.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>

#include "competition/BaremeClubs.h"
#include "competition/TiragesDuCode.h"
#include "engine/SolutionText.h"
#include "game/Calcul.h"
#include "game/PhrasesCalcul.h"
#include "solve/Citation.h"
#include "solve/SolveCommand.h"

namespace tolvan::solve {

namespace {

// How much of the calculation the text output shows back.
constexpr std::size_t LongueurCitee = 100;

struct DemandeVerif {
  TTirage tirage;
  std::string calcul;
  bool json = false;
};

std::optional<DemandeVerif> LitDemande(const LigneDeCommande& ligne, std::string& erreur) {
  DemandeVerif demande;
  demande.json = ligne.Donnee("--json");
  const std::vector<std::string>& valeurs = ligne.Mots();
  if (valeurs.size() != NbNombres + 2) {
    erreur = "--verifie attend six nombres, la cible et le calcul entre guillemets (reçu " +
             std::to_string(valeurs.size()) + " valeurs)";
    return std::nullopt;
  }
  for (int i = 0; i <= NbNombres; ++i) {
    const bool cible = i == NbNombres;
    const auto valeur = LitArgument(valeurs[i], cible ? 9999 : 999, cible ? "la cible" : "le nombre", erreur);
    if (!valeur) return std::nullopt;
    (cible ? demande.tirage.Resultat : demande.tirage.Nombres[i + 1]) = *valeur;
  }
  demande.calcul = valeurs.back();
  return demande;
}

std::vector<std::string> TextesLignes(const LectureCalcul& lecture) {
  std::vector<std::string> textes;
  for (const LigneCalcul& ligne : lecture.lignes) textes.push_back(TexteEtape(EtapeDe(ligne)));
  return textes;
}

void EcritJson(const LectureCalcul& lecture, int points, std::ostream& sortie) {
  if (!lecture.Acceptee()) {
    sortie << "{\"Valide\":false,\"Raison\":" << ChaineJson(PhraseRefus(*lecture.refus)) << "}\n";
    return;
  }
  sortie << "{\"Valide\":true,\"Resultat\":" << lecture.valeur << ",\"Lignes\":[";
  const std::vector<std::string> lignes = TextesLignes(lecture);
  for (std::size_t k = 0; k < lignes.size(); ++k) sortie << (k > 0 ? "," : "") << ChaineJson(lignes[k]);
  sortie << "],\"Points\":" << points << "}\n";
}

void EcritTexte(const DemandeVerif& demande, const LectureCalcul& lecture, int points, std::ostream& sortie) {
  sortie << "Tirage : " << TexteTirage(demande.tirage) << '\n';
  sortie << "Calcul : " << TexteSur(demande.calcul, LongueurCitee) << '\n';
  if (!lecture.Acceptee()) {
    sortie << "Refusé : " << PhraseRefus(*lecture.refus) << '\n';
    return;
  }
  for (const std::string& ligne : TextesLignes(lecture)) sortie << "  " << ligne << '\n';
  const longint ecart = std::abs(lecture.valeur - demande.tirage.Resultat);
  if (ecart == 0) {
    sortie << "Le compte est bon : " << lecture.valeur << '\n';
  } else {
    sortie << "Résultat : " << lecture.valeur << " (à " << ecart << " près)\n";
  }
  sortie << "Points : " << points << '\n';
}

int Verifie(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const std::optional<DemandeVerif> demande = LitDemande(ligne, erreur);
  if (!demande) return ligne.Refuse(erreur, erreurs);
  const std::vector<longint> enJeu(demande->tirage.Nombres.begin(), demande->tirage.Nombres.end());
  const LectureCalcul lecture = LitCalcul(demande->calcul, enJeu, demande->tirage.Resultat);
  if (lecture.refus && lecture.refus->raison == RaisonRefus::Vide) {
    return ligne.Refuse("--verifie attend un calcul, tel \"(75+25)x8+7\"", erreurs);
  }
  const int points = lecture.Acceptee() ? BaremeClubs(demande->tirage).Points(lecture.valeur) : 0;
  if (demande->json) {
    EcritJson(lecture, points, sortie);
  } else {
    EcritTexte(*demande, lecture, points, sortie);
  }
  return lecture.Acceptee() ? 0 : 1;
}

}  // namespace

ModeCommande ModeVerifie() { return {"--verifie", {{"--verifie"}, OptionJson}, true, Verifie}; }

}  // namespace tolvan::solve
