#include "FeuilleDeMarque.h"

#include "BaremeClubs.h"
#include "LigneClub.h"

namespace tolvan {

namespace {

constexpr int PointsMax = 10;

}  // namespace

std::string TextePoints(int points) { return std::to_string(points) + (points > 1 ? " points" : " point"); }

FeuilleDeMarque::FeuilleDeMarque(const CodeSerie& code, std::string joueur) : code_(code), joueur_(std::move(joueur)) {}

void FeuilleDeMarque::Note(const Corrige& corrige, std::optional<longint> resultat) {
  lignes_.push_back({corrige, resultat, BaremeClubs(corrige.tirage).Points(resultat)});
}

int FeuilleDeMarque::Total() const {
  int total = 0;
  for (const LigneFeuille& ligne : lignes_) total += ligne.points;
  return total;
}

int FeuilleDeMarque::TotalPossible() const { return PointsMax * static_cast<int>(lignes_.size()); }

std::vector<std::string> FeuilleDeMarque::Texte() const {
  std::vector<std::string> texte = {
      "Partie par code " + code_.Texte() + " : " + code_.Description(),
      "Joueur : " + joueur_,
  };
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    const LigneFeuille& ligne = lignes_[i];
    const std::string trouve = ligne.resultat ? std::to_string(*ligne.resultat) : "rien";
    const std::string meilleur = ligne.corrige.solution.empty() ? "aucun calcul possible" : ligne.corrige.solution;
    texte.push_back(std::to_string(i + 1) + ". " + TexteTirage(ligne.corrige.tirage) + " : " + trouve + ", " +
                    TextePoints(ligne.points) + ". Meilleur : " + meilleur);
  }
  texte.push_back("Total : " + TextePoints(Total()) + " sur " + std::to_string(TotalPossible()));
  return texte;
}

std::string FeuilleDeMarque::LigneClub() const {
  tolvan::LigneClub ligne{code_, joueur_, Total(), {}, std::vector<std::optional<longint>>{}};
  for (const LigneFeuille& l : lignes_) {
    ligne.points.push_back(l.points);
    ligne.resultats->push_back(l.resultat);
  }
  return EcritLigneClub(ligne);
}

}  // namespace tolvan
