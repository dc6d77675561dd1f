#include "Regime.h"

#include "game/DureesTemps.h"

namespace tolvan {

std::optional<Cadence> RegimeEntrainement::CadenceDesParties(const Options& options) const {
  // No entry chosen (a stored choice out of the list): the limit stays.
  if (options.temps < 0) return std::nullopt;
  return CadenceDuChoix(options.temps);
}

std::optional<Cadence> RegimeDuJour::CadenceDesParties(const Options&) const {
  return Cadence{DureesTemps[0], GenreHorloge::Chrono};
}

std::optional<Cadence> RegimeSerie::CadenceDesParties(const Options&) const {
  // Every draw gets the whole time the coefficient allows; a level's clock
  // is never the player's choice.
  return Cadence{serie_.TempsAccorde(), GenreHorloge::Rebours};
}

Permissions RegimeSerie::Permis() const {
  // The hints band only, when the level allows it.
  Permissions permis = Permissions::LeTableauSeul();
  permis.aides = !serie_.AideInterdite();
  return permis;
}

Gain RegimeSerie::Gagne(int seconde) {
  // A draw found after the series was stopped counts as in training.
  if (!serie_.EnCours()) return {0, Manche::LigneEntrainement(seconde)};
  const int points = serie_.Points(seconde);
  return {points, serie_.CompteTrouve(seconde)};
}

Suite RegimeSerie::ApresPartie(bool trouve) const {
  // The first draw not found ends the series, even one given up.
  return trouve ? Suite::TirageSuivant : Suite::FinDeSerie;
}

}  // namespace tolvan
