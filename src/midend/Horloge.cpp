#include "Horloge.h"

#include <algorithm>
#include <array>

#include "game/DureesTemps.h"

namespace tolvan {

Cadence CadenceDuChoix(int choix) {
  if (choix == 0) return {DureesTemps[0], GenreHorloge::Chrono};
  if (choix > 0 && choix < static_cast<int>(DureesTemps.size())) {
    return {DureesTemps[static_cast<std::size_t>(choix)], GenreHorloge::Rebours};
  }
  // The times of British play and of television, after the nine of old.
  switch (choix) {
    case 9: return {30, GenreHorloge::Rebours};
    case 10: return {45, GenreHorloge::Rebours};
    case ChoixChronoCache: return {DureesTemps[0], GenreHorloge::Cache};
    case ChoixSansChrono: return {DureesTemps[0], GenreHorloge::Aucune};
    default: return {};
  }
}

QString NomDuChoixTemps(int choix, const TextesMessages& textes) {
  const Cadence cadence = CadenceDuChoix(choix);
  switch (cadence.genre) {
    case GenreHorloge::Chrono: return textes.MsgIllimite;
    case GenreHorloge::Cache: return textes.MsgChronoCache;
    case GenreHorloge::Aucune: return textes.MsgSansChrono;
    case GenreHorloge::Rebours: break;
  }
  const int secondes = cadence.limite;
  if (secondes < 60) return textes.MsgSecondes.arg(secondes);
  if (secondes == 60) return textes.MsgUneMinute;
  if (secondes == 90) return textes.MsgMinuteTrente;
  return textes.MsgMinutes.arg(secondes / 60);
}

QString MinutesSecondes(int secondes) {
  return QStringLiteral("%1:%2").arg(secondes / 60).arg(secondes % 60, 2, 10, QLatin1Char('0'));
}

void Horloge::Regle(Manche& manche, const Cadence& cadence) {
  cadence_ = cadence;
  manche.ChangeLimite(cadence.limite);
  Repart();
}

void Horloge::Repart() { repere_ = services_.Instant(); }

int Horloge::SecondesPassees() {
  const qint64 maintenant = services_.Instant();
  // A clock set back (another run's value, a test) restarts the count.
  if (maintenant < repere_) repere_ = maintenant;
  const qint64 secondes = (maintenant - repere_) / 1000;
  repere_ += secondes * 1000;
  return static_cast<int>(std::min<qint64>(secondes, 24 * 3600));
}

double Horloge::AuDixieme(int seconde, const Manche& manche) const {
  // In whole tenths, cut as the clock cuts its seconds.
  const qint64 reste = std::max<qint64>(0, services_.Instant() - repere_);
  qint64 dixiemes = qint64{seconde} * 10 + reste / 100;
  if (cadence_.CompteARebours()) dixiemes = std::min<qint64>(dixiemes, qint64{manche.Limite()} * 10);
  return static_cast<double>(dixiemes) / 10;
}

QString Horloge::Texte(const Manche& manche, const TextesMessages& textes) const {
  switch (cadence_.genre) {
    case GenreHorloge::Rebours:
      return textes.MsgIlReste + QLatin1Char(' ') + MinutesSecondes(std::max(0, manche.Limite() - manche.Ecoule()));
    case GenreHorloge::Chrono: return textes.MsgChrono + QLatin1Char(' ') + MinutesSecondes(manche.Ecoule());
    case GenreHorloge::Cache:
      if (manche.PartieEnJeu()) return {};
      return textes.MsgChrono + QLatin1Char(' ') + MinutesSecondes(manche.Ecoule());
    case GenreHorloge::Aucune: return {};
  }
  return {};
}

std::optional<QString> Horloge::TexteDuBilan(const Manche& manche, const TextesMessages& textes) const {
  if (cadence_.genre != GenreHorloge::Cache || manche.DerniereIssue() == Manche::Issue::Aucune) return std::nullopt;
  return textes.MsgChrono + QLatin1Char(' ') + MinutesSecondes(manche.Ecoule());
}

std::optional<int> Horloge::TempsRetenu(int seconde, int depart) const {
  if (!Compte()) return std::nullopt;
  if (cadence_.CompteARebours()) return seconde;
  return std::max(0, seconde - depart);
}

}  // namespace tolvan
