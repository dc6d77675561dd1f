#include "TiragesDuJoueur.h"

#include "game/Tirages.h"
#include "library/RangeeTirage.h"

namespace tolvan {

TiragesDuJoueur::Origine TiragesDuJoueur::Tire(Solveur& solveur) {
  if (options_.genre == GenreTirage::Fichier) return TireDeLaListe(solveur) ? Origine::Liste : Origine::Aucune;
  return TireDeDifficulte(solveur) ? Origine::Hasard : Origine::Aucune;
}

bool TiragesDuJoueur::TireDeLaListe(Solveur& solveur) {
  const std::optional<int> ligne = liste_.LigneAuHasard();
  if (!ligne) return false;
  MetLigne(*ligne, solveur);
  liste_.Modele().CocheLigne(*ligne);
  return true;
}

TiragesDuJoueur::Origine TiragesDuJoueur::PrendLigne(int ligne, Solveur& solveur) {
  if (ligne < 0) return Origine::Aucune;
  MetLigne(ligne, solveur);
  return Origine::Liste;
}

void TiragesDuJoueur::MetLigne(int ligne, Solveur& solveur) {
  // A row that holds no draw throws here, before anything changes.
  solveur.ChangeTirage(TirageDeRangee(liste_.Modele().Rangee(ligne)));
  liste_.Modele().DefinitLigneCourante(ligne);
}

std::optional<int> TiragesDuJoueur::Saisit(const std::array<std::string, NbChamps>& champs, Solveur& solveur) {
  const std::variant<TTirage, int> saisie = LitSaisie(champs, solveur.Tirage);
  // Nothing is taken: the player mends the field and plays again.
  if (const int* fautif = std::get_if<int>(&saisie)) return *fautif;
  solveur.ChangeTirage(std::get<TTirage>(saisie));
  solveur.OublieResultats();
  return std::nullopt;
}

bool TiragesDuJoueur::TireDeDifficulte(Solveur& solveur) {
  const OptionsTirage tirage{options_.fous, options_.premiers, options_.solutionsAuto,
                             options_.genre == GenreTirage::Realisables};
  const Hasard hasard = [this](int n) { return services_.Aleatoire(n); };
  if (options_.difficulte == 0) {
    TireAuHasard(solveur, tirage, hasard);
    return true;
  }
  if (!recherche_) recherche_ = std::make_unique<Solveur>(evenements_);
  rechercheEnCours_ = true;
  const bool trouve = TireAuHasardDeDifficulte(*recherche_, tirage, options_.difficulte, hasard, [this](int essais) {
    vue_.RechercheDeTirage(essais);
    return rechercheEnCours_;
  });
  const bool aboutie = trouve && rechercheEnCours_;
  rechercheEnCours_ = false;
  vue_.RechercheDeTirage(0);
  if (aboutie) solveur.ChangeTirage(recherche_->Tirage);
  return aboutie;
}

}  // namespace tolvan
