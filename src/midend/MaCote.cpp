#include "MaCote.h"

#include <cmath>

#include "Dates.h"
#include "game/ResumeEfforts.h"

namespace tolvan {

namespace {

// The clocks of "Temps :" that run out, shortest first.
constexpr std::array<int, 10> HorlogesQuiFinissent = {20, 30, 40, 45, 50, 60, 90, 120, 180, 300};
// The opponent's clock, which the model was calibrated at.
constexpr int HorlogeDeReference = 40;
// "illimité" counts up within the hour: a game that reached it was no miss.
constexpr int Heure = 3600;

// The names the computer's strengths had, in French: a duel's opponent
// among them was the computer, whatever the language then.
bool ContreOrdinateur(const PartieJouee& partie) {
  static const TextesMessages francais;
  for (const QString* nom : {&francais.MsgDuelForce1, &francais.MsgDuelForce2, &francais.MsgDuelForce3,
                             &francais.MsgDuelForce4, &francais.MsgDuelForce5}) {
    if (partie.adversaire == *nom) return true;
  }
  return false;
}

// One decimal, with the language's own mark.
QString Decimal(double valeur, const TextesMessages& t) {
  return QString::number(valeur, 'f', 1).replace(QLatin1Char('.'), t.MsgVirgule);
}

}  // namespace

std::optional<double> HorlogeDeLaPartie(const PartieJouee& partie) {
  if (partie.tempsDonne) return *partie.tempsDonne;
  if (partie.notee) return std::nullopt;  // kept, and none: a clock that counts up
  if (!partie.trouve) {
    if (partie.secondes <= 0 || partie.secondes >= Heure) return std::nullopt;
    return partie.secondes;
  }
  for (const int horloge : HorlogesQuiFinissent) {
    if (horloge >= std::max(partie.secondes, HorlogeDeReference)) return horloge;
  }
  return std::nullopt;
}

bool CompteePourLaCote(const PartieJouee& partie) {
  if (partie.notee) return *partie.notee;
  const bool sansAide = partie.indices == 0 && !partie.solutionsVues;
  // A duel counts against the computer only: not a friend's go, nor against a friend.
  const bool duel = partie.mode == ModePartie::Duel || partie.mode == ModePartie::DuelAutreJoueur;
  const bool seul = partie.pourLaCote && (!duel || ContreOrdinateur(partie));
  return sansAide && seul && !partie.rejouee && partie.secondes != SansTemps && HorlogeDeLaPartie(partie);
}

void MaCote::Reconstruit(std::vector<PartieJouee>& parties, Solveur& solveur) {
  *this = MaCote();
  for (PartieJouee& partie : parties) {
    if (!CompteePourLaCote(partie)) continue;
    if (partie.efforts.isEmpty()) {
      TTirage tirage;
      for (int i = 1; i <= NbNombres; ++i) tirage.Nombres[i] = partie.nombres[static_cast<std::size_t>(i - 1)];
      tirage.Resultat = partie.resultat;
      solveur.ChangeTirage(tirage);
      solveur.ChercheSol(0);
      partie.efforts = QString::fromStdString(ResumeEfforts::De(solveur).Texte());
    }
    Apprend(partie, *HorlogeDeLaPartie(partie));
  }
}

void MaCote::Note(PartieJouee& partie) {
  partie.notee = partie.tempsDonne && !partie.efforts.isEmpty() && CompteePourLaCote(partie);
  if (!*partie.notee) return;
  const std::optional<ResumeEfforts> resume = ResumeEfforts::Lit(partie.efforts.toStdString());
  partie.note = NoteDeCote{cote_.Moyenne(), cote_.Ecart(), cote_.ChancePredite(resume.value_or(ResumeEfforts()), *partie.tempsDonne)};
  Apprend(partie, *partie.tempsDonne);
}

void MaCote::Apprend(const PartieJouee& partie, double horloge) {
  const std::optional<ResumeEfforts> resume = ResumeEfforts::Lit(partie.efforts.toStdString());
  if (!resume) return;
  const double chance = cote_.ChancePredite(*resume, horloge);
  cote_.Ajoute({*resume, horloge, partie.trouve, static_cast<double>(partie.secondes), DateDe(partie.fin.date())});
  CaseDeCalibration& case_ = calibration_[static_cast<std::size_t>(std::clamp(static_cast<int>(chance * 10), 0, 9))];
  ++case_.parties;
  if (partie.trouve) ++case_.trouvees;
  evolution_.push_back({partie.fin, cote_.Moyenne(), cote_.Ecart()});
}

QString TexteDeLaCote(const MaCote& cote, const TextesMessages& t) {
  if (cote.Parties() == 0) return t.MsgCoteAVenir;
  const double moyenne = cote.cote().Moyenne();
  const std::array<const QString*, 5> noms = {&t.MsgDuelForce1, &t.MsgDuelForce2, &t.MsgDuelForce3, &t.MsgDuelForce4,
                                              &t.MsgDuelForce5};
  const double proche = std::round(moyenne);
  QString forces;
  if (std::abs(moyenne - proche) < 0.05) {
    forces = *noms[static_cast<std::size_t>(proche) - 1];
  } else {
    const auto bas = static_cast<std::size_t>(std::floor(moyenne));
    forces = t.MsgEntreForces.arg(*noms[bas - 1], *noms[bas]);
  }
  return t.MsgMaCote.arg(Decimal(moyenne, t), Decimal(cote.cote().Ecart(), t), forces);
}

QString TextePourcentage(double part) { return QStringLiteral("%1 %").arg(std::lround(100 * part)); }

}  // namespace tolvan
