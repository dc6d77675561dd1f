#include "RegimeRevoirRates.h"

#include <algorithm>
#include <map>

#include "engine/Difficulte.h"

namespace tolvan {

namespace {

// A draw whatever the order its numbers were dealt in.
using CleDuTirage = std::pair<std::array<int, 6>, int>;

CleDuTirage Cle(const PartieJouee& partie) {
  std::array<int, 6> nombres = partie.nombres;
  std::sort(nombres.begin(), nombres.end());
  return {nombres, partie.resultat};
}

struct Suivi {
  const PartieJouee* premierRate = nullptr;
  std::vector<QDate> jours;  // the days it was played on
};

}  // namespace

std::vector<TTirage> RatesARevoir(const std::vector<PartieJouee>& parties, QDate aujourdhui) {
  std::map<CleDuTirage, Suivi> suivis;
  for (const PartieJouee& partie : parties) {
    Suivi& suivi = suivis[Cle(partie)];
    suivi.jours.push_back(partie.fin.date());
    const bool rate = !partie.trouve && partie.difficulte < DifficulteMax && partie.mode != ModePartie::Duel;
    if (rate && (!suivi.premierRate || partie.fin < suivi.premierRate->fin)) suivi.premierRate = &partie;
  }
  std::vector<std::pair<QDate, TTirage>> dus;
  for (const auto& [cle, suivi] : suivis) {
    if (!suivi.premierRate) continue;
    const QDate rate = suivi.premierRate->fin.date();
    std::vector<QDate> revisions;
    for (const QDate& jour : suivi.jours) {
      if (jour > rate && std::find(revisions.begin(), revisions.end(), jour) == revisions.end()) revisions.push_back(jour);
    }
    if (revisions.size() >= JoursDeRevision.size()) continue;
    const QDate prochaine = rate.addDays(JoursDeRevision[revisions.size()]);
    if (prochaine > aujourdhui) continue;
    TTirage tirage;
    for (int i = 1; i <= NbNombres; ++i) tirage.Nombres[i] = suivi.premierRate->nombres[static_cast<std::size_t>(i - 1)];
    tirage.Resultat = suivi.premierRate->resultat;
    dus.push_back({prochaine, tirage});
  }
  std::stable_sort(dus.begin(), dus.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TTirage> tirages;
  for (const auto& [jour, tirage] : dus) tirages.push_back(tirage);
  return tirages;
}

void RegimeRevoirRates::Suivante(Table& table) {
  if (table.manche().PartieEnJeu() || !TirageSuivantPret()) return;
  table.solveurDuTirage().ChangeTirage(aRevoir_[donnes_++]);
  table.Joue();
}

Conclusion RegimeRevoirRates::Conclut(Table&, const FinDePartie& fin, PartieJouee& partie) {
  partie.mode = ModePartie::Entrainement;
  std::optional<LigneScore> ligne;
  if (fin.trouve) ligne = Manche::LigneEntrainement(fin.secondes);
  return {ligne, donnes_ < aRevoir_.size() ? Suite::TirageSuivant : Suite::FinDeSerie};
}

void RegimeRevoirRates::CompleteBilan(Bilan& bilan, const TextesMessages& textes) const {
  if (donnes_ > 0) bilan.lignes.append(textes.MsgRevisionSur.arg(donnes_).arg(aRevoir_.size()));
}

}  // namespace tolvan
