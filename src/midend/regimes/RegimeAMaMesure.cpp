#include "RegimeAMaMesure.h"

#include "midend/MaCote.h"

namespace tolvan {

void RegimeAMaMesure::Suivante(Table& table) {
  // A game on the board is played to its end first.
  if (table.manche().PartieEnJeu()) return;
  DonneDansLaBande(table, BandeDuJoueur(cote().Parties()));
}

Conclusion RegimeAMaMesure::Conclut(Table&, const FinDePartie& fin, PartieJouee& partie) {
  partie.mode = ModePartie::Entrainement;
  if (!fin.trouve) return {};
  return {Manche::LigneEntrainement(fin.secondes), Suite::Aucune};
}

}  // namespace tolvan
