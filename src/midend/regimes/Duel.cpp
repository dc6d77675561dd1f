#include "Duel.h"

#include <cmath>
#include <cstdlib>

#include "competition/BaremeClubs.h"
#include "competition/TiragesDuCode.h"

namespace tolvan {

Duel::Duel(ReglageDuel reglage) : reglage_(std::move(reglage)) {}

void Duel::NouveauTirage(const TTirage& tirage) {
  TirageDuel nouveau;
  nouveau.tirage = tirage;
  // Between two players, each starts every other draw; the computer's go
  // is known from the deal and never comes first.
  nouveau.premier = ContreOrdinateur() ? 0 : static_cast<int>(tirages_.size() % 2);
  tirages_.push_back(std::move(nouveau));
}

void Duel::Joue(int joueur, Tour tour) {
  if (tirages_.empty() || joueur < 0 || joueur > 1) return;
  TirageDuel& courant = tirages_.back();
  tour.points = PointsDuDuel(tour.resultat, courant.tirage.Resultat);
  // Both players' times to the tenth, as the summary shows them.
  tour.secondes = std::round(tour.secondes * 10) / 10;
  courant.tours[static_cast<std::size_t>(joueur)] = std::move(tour);
}

std::optional<int> Duel::AuTrait() const {
  if (Fini()) return std::nullopt;
  if (TirageTermine()) return ContreOrdinateur() ? 0 : static_cast<int>(tirages_.size() % 2);
  const TirageDuel& courant = *Courant();
  const int attendu = courant.tours[static_cast<std::size_t>(courant.premier)] ? 1 - courant.premier : courant.premier;
  if (ContreOrdinateur() && attendu == 1) return std::nullopt;
  return attendu;
}

bool Duel::EntreDeuxTours() const {
  const TirageDuel* courant = Courant();
  return courant && courant->tours[0].has_value() != courant->tours[1].has_value();
}

std::array<int, 2> Duel::Points() const {
  std::array<int, 2> points{};
  for (const TirageDuel& tirage : tirages_) {
    if (!tirage.Joue()) continue;
    for (std::size_t j = 0; j < 2; ++j) points[j] += tirage.tours[j]->points;
  }
  return points;
}

std::array<double, 2> Duel::Temps() const {
  std::array<double, 2> temps{};
  for (const TirageDuel& tirage : tirages_) {
    if (!tirage.Joue()) continue;
    for (std::size_t j = 0; j < 2; ++j) temps[j] += tirage.tours[j]->secondes;
  }
  return temps;
}

std::optional<int> Duel::Vainqueur() const {
  if (!Fini()) return std::nullopt;
  const std::array<int, 2> points = Points();
  if (points[0] != points[1]) return points[0] > points[1] ? 0 : 1;
  // In tenths, so that sums of tenths compare as they read.
  const std::array<double, 2> temps = Temps();
  const long long dixiemes[2] = {std::llround(temps[0] * 10), std::llround(temps[1] * 10)};
  if (dixiemes[0] != dixiemes[1]) return dixiemes[0] < dixiemes[1] ? 0 : 1;
  return std::nullopt;
}

int PointsDuDuel(std::optional<longint> resultat, longint cible) {
  if (!resultat) return 0;
  return BaremeClubs::PointsOrdinaires(std::llabs(static_cast<long long>(*resultat) - cible));
}

std::array<QString, 2> NomsDuDuel(const ReglageDuel& reglage, const TextesMessages& textes) {
  if (reglage.force) {
    const std::array<const QString*, 5> forces = {&textes.MsgDuelForce1, &textes.MsgDuelForce2, &textes.MsgDuelForce3,
                                                  &textes.MsgDuelForce4, &textes.MsgDuelForce5};
    const int force = std::clamp(*reglage.force, 1, 5);
    return {textes.MsgDuelVous, *forces[static_cast<std::size_t>(force - 1)]};
  }
  const auto nom = [&reglage](std::size_t j, const QString& sinon) {
    const QString donne = reglage.joueurs[j].trimmed();
    return donne.isEmpty() ? sinon : donne;
  };
  return {nom(0, textes.MsgDuelJoueur1), nom(1, textes.MsgDuelJoueur2)};
}

namespace {

// Seconds as the summary says them: whole, or to the tenth with the
// language's comma.
QString Secondes(double secondes, const TextesMessages& textes) {
  const double dixiemes = std::round(secondes * 10) / 10;
  QString texte = QString::number(dixiemes, 'f', dixiemes == std::floor(dixiemes) ? 0 : 1);
  return texte.replace(QLatin1Char('.'), textes.MsgVirgule);
}

QString Invitation(const Duel& duel, int joueur, const std::array<QString, 2>& noms, const TextesMessages& textes) {
  return duel.ContreOrdinateur() ? textes.MsgDuelAVous : textes.MsgDuelAuTourDe.arg(noms[static_cast<std::size_t>(joueur)]);
}

QString LigneDuScore(const Duel& duel, const std::array<QString, 2>& noms, const TextesMessages& textes) {
  const std::array<int, 2> points = duel.Points();
  return textes.MsgDuelScore.arg(noms[0], QString::number(points[0]), noms[1], QString::number(points[1]));
}

// A go in its column of the sheet: "303 en 2,7 s, 10 points", "rien, 0 point".
QString CaseDuTour(const Tour& tour, const TextesMessages& textes) {
  const QString points = TexteCompte(tour.points, textes.MsgDuelPoint, textes.MsgDuelPoints, textes);
  return tour.resultat ? textes.MsgDuelCase.arg(QString::number(*tour.resultat), Secondes(tour.secondes, textes), points)
                       : textes.MsgDuelCaseRien.arg(points);
}

void AjouteTour(QStringList& lignes, const QString& nom, const Tour& tour, const TextesMessages& textes) {
  const QString points = TexteCompte(tour.points, textes.MsgDuelPoint, textes.MsgDuelPoints, textes);
  lignes.append(tour.resultat
                    ? textes.MsgDuelResultat.arg(nom, QString::number(*tour.resultat), Secondes(tour.secondes, textes), points)
                    : textes.MsgDuelRien.arg(nom, points));
  // The lines on one row under it, so that a draw's summary stays short.
  QStringList ecrites;
  for (const std::string& ligne : tour.lignes) ecrites.append(QString::fromStdString(ligne));
  if (!ecrites.isEmpty()) lignes.append(ecrites.join(QStringLiteral(", ")));
}

}  // namespace

QStringList BilanDuDuel(const Duel& duel, const TextesMessages& textes) {
  const std::array<QString, 2> noms = NomsDuDuel(duel.Reglage(), textes);
  const int nbTirages = duel.Reglage().nbTirages;
  const int numero = static_cast<int>(duel.Tirages().size());
  const TirageDuel* courant = duel.Courant();
  QStringList lignes;
  // Before a go: whose turn it is, the other's lines kept out of sight.
  if (!duel.TirageTermine()) {
    lignes.append(textes.MsgDuelTirage.arg(numero).arg(nbTirages));
    // The computer's answer, known from the deal, is not said to have been given.
    if (!duel.ContreOrdinateur()) lignes.append(textes.MsgDuelCache.arg(noms[static_cast<std::size_t>(courant->premier)]));
    lignes.append(Invitation(duel, *duel.AuTrait(), noms, textes));
    return lignes;
  }
  if (!courant) {
    lignes.append(textes.MsgDuelTirage.arg(1).arg(nbTirages));
    lignes.append(Invitation(duel, *duel.AuTrait(), noms, textes));
    return lignes;
  }
  // A draw played by both: its results, lines and points, the running score.
  lignes.append(duel.Fini() ? textes.MsgDuelFin : textes.MsgDuelTirage.arg(numero).arg(nbTirages));
  QStringList nombres;
  for (int i = 1; i <= NbNombres; ++i) nombres.append(QString::number(courant->tirage.Nombres[i]));
  lignes.append(textes.MsgDeuxPoints.arg(QString::number(courant->tirage.Resultat), nombres.join(QLatin1Char(' '))));
  for (const int j : {courant->premier, 1 - courant->premier}) {
    AjouteTour(lignes, noms[static_cast<std::size_t>(j)], *courant->tours[static_cast<std::size_t>(j)], textes);
  }
  if (!duel.Fini()) {
    lignes.append(LigneDuScore(duel, noms, textes));
    lignes.append(textes.MsgDeuxPoints.arg(textes.MsgDuelTirage.arg(numero + 1).arg(nbTirages),
                                           Invitation(duel, *duel.AuTrait(), noms, textes)));
    return lignes;
  }
  return lignes + IssueDuDuel(duel, textes);
}

QStringList IssueDuDuel(const Duel& duel, const TextesMessages& textes) {
  const std::array<QString, 2> noms = NomsDuDuel(duel.Reglage(), textes);
  QStringList lignes{LigneDuScore(duel, noms, textes)};
  const std::optional<int> vainqueur = duel.Vainqueur();
  if (!vainqueur) {
    lignes.append(textes.MsgDuelEgalite);
    return lignes;
  }
  lignes.append(duel.ContreOrdinateur() && *vainqueur == 0 ? textes.MsgDuelVousGagnez
                                                           : textes.MsgDuelGagne.arg(noms[static_cast<std::size_t>(*vainqueur)]));
  const std::array<int, 2> points = duel.Points();
  if (points[0] == points[1]) {
    const std::array<double, 2> temps = duel.Temps();
    const std::size_t v = static_cast<std::size_t>(*vainqueur);
    lignes.append(textes.MsgDuelAuTemps.arg(Secondes(temps[v], textes), Secondes(temps[1 - v], textes)));
  }
  return lignes;
}

Feuille FeuilleDuDuel(const Duel& duel, int secondes, const TextesMessages& textes) {
  const std::array<QString, 2> noms = NomsDuDuel(duel.Reglage(), textes);
  const int nbTirages = duel.Reglage().nbTirages;
  const QString partie = TexteCompte(nbTirages, textes.MsgCodeUnTirage, textes.MsgCodeTirages, textes).arg(secondes);
  Feuille feuille{textes.MsgFeuilleDeMarque,
                  {textes.MsgDuelFeuille.arg(noms[0], noms[1], partie)},
                  {QString(), textes.MsgColonneTirage, noms[0], noms[1]},
                  {},
                  IssueDuDuel(duel, textes),
                  {}};
  int numero = 0;
  for (const TirageDuel& tirage : duel.Tirages()) {
    QStringList rangee{QStringLiteral("%1.").arg(++numero), QString::fromStdString(TexteTirage(tirage.tirage))};
    for (const std::optional<Tour>& tour : tirage.tours) rangee.append(tour ? CaseDuTour(*tour, textes) : QString());
    feuille.rangees.push_back(rangee);
  }
  return feuille;
}

}  // namespace tolvan
