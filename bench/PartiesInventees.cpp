#include "PartiesInventees.h"

#include "game/SplitMix64.h"
#include "game/Tirages.h"

namespace tolvan {

std::vector<PartieJouee> PartiesInventees(int nombre, int jours, QDate dernierJour, std::uint64_t graine) {
  SplitMix64 g(graine);
  const Hasard hasard = [&g](int n) { return g.Entre(n); };
  std::vector<PartieJouee> parties;
  const QDate premierJour = dernierJour.addDays(1 - jours);
  QDate jourPrecedent;
  for (int i = 0; i < nombre; ++i) {
    PartieJouee p;
    const QDate jour = premierJour.addDays(static_cast<qint64>(i) * jours / nombre);
    p.fin = QDateTime(jour, QTime(8 + i % 14, g.Entre(60), g.Entre(60)));
    TTirage tirage;
    TireSixNombres(tirage, hasard);
    TireCible(tirage, hasard);
    for (int k = 1; k <= NbNombres; ++k) p.nombres[static_cast<std::size_t>(k - 1)] = static_cast<int>(tirage.Nombres[k]);
    p.resultat = static_cast<int>(tirage.Resultat);
    if (jour != jourPrecedent) {
      p.mode = ModePartie::Jour;
      p.jour = jour;
      p.difficulte = 1 + g.Entre(4);
      p.trouve = g.Entre(5) != 0;
    } else {
      p.mode = g.Entre(5) == 0 ? ModePartie::Competition : ModePartie::Entrainement;
      p.difficulte = 1 + g.Entre(5);
      p.trouve = p.difficulte < 5 && g.Entre(10) < 7;
    }
    jourPrecedent = jour;
    p.secondes = p.trouve ? 5 + g.Entre(20 + 40 * p.difficulte) : 60 + g.Entre(240);
    p.lignes = p.trouve ? 1 + g.Entre(5) : g.Entre(5);
    p.points = p.mode == ModePartie::Competition && p.trouve ? 20 + g.Entre(60) : 0;
    parties.push_back(p);
  }
  return parties;
}

}  // namespace tolvan
