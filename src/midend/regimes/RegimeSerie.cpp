#include "RegimeSerie.h"

#include "RegimeCompetition.h"
#include "library/RangeeTirage.h"
#include "midend/Bibliotheque.h"
#include "midend/Competition.h"

namespace tolvan {

void RegimeSerie::Commence(Table& table) {
  competition_.serie().Commence(liste_.Modele().NbLignes());
  DonneLigne(table);
}

void RegimeSerie::Suivante(Table& table) {
  if (TirageSuivantPret()) DonneLigne(table);
}

void RegimeSerie::DonneLigne(Table& table) {
  const int ligne = competition_.serie().LigneAuHasard([&table](int n) { return table.Aleatoire(n); });
  table.solveurDuTirage().ChangeTirage(TirageDeRangee(liste_.Modele().Rangee(ligne)));
  liste_.Modele().DefinitLigneCourante(ligne);
  table.Joue();
}

bool RegimeSerie::TirageSuivantPret() const { return competition_.serie().EnCours(); }

bool RegimeSerie::EnCours() const { return competition_.serie().EnCours(); }

bool RegimeSerie::Arrete() {
  competition_.serie().Arrete();
  return false;
}

std::optional<Cadence> RegimeSerie::CadenceDesParties(const Options&) const {
  // Every draw gets the whole time the coefficient allows; a level's clock
  // is never the player's choice.
  return Cadence{competition_.serie().TempsAccorde(), GenreHorloge::Rebours};
}

Permissions RegimeSerie::Permis() const { return PermisDuNiveau(competition_.serie()); }

Conclusion RegimeSerie::Conclut(Table&, const FinDePartie& fin, PartieJouee& partie) {
  Serie& serie = competition_.serie();
  partie.mode = ModePartie::Competition;
  // The first draw not found ends the series, even one stopped meanwhile.
  if (!fin.trouve) return {std::nullopt, Suite::FinDeSerie};
  // A draw found after the series was stopped counts as in training.
  if (!serie.EnCours()) return {Manche::LigneEntrainement(fin.secondes), Suite::Aucune};
  partie.points = serie.Points(fin.secondes);
  return {serie.CompteTrouve(fin.secondes), Suite::TirageSuivant};
}

std::optional<Feuille> RegimeSerie::Termine(Table&) {
  competition_.TermineSerie();
  return std::nullopt;
}

}  // namespace tolvan
