#include "ReserveHistorique.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Historique.h"

namespace tolvan {

namespace {

const QStringList Journaux = {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};

// The reserve under the name only this window knows, journals with it.
bool Prend(const QString& reserve, const QString& prise) {
  if (!QFile::rename(reserve, prise)) return false;
  for (const QString& journal : Journaux) {
    if (QFileInfo::exists(reserve + journal)) QFile::rename(reserve + journal, prise + journal);
  }
  return true;
}

void Efface(const QString& chemin) {
  QFile::remove(chemin);
  for (const QString& journal : Journaux) QFile::remove(chemin + journal);
}

}  // namespace

QString CheminReserve(const QString& historique) {
  const QFileInfo fichier(historique);
  return fichier.dir().filePath(fichier.completeBaseName() + QStringLiteral("-en-attente.sqlite"));
}

Garde GardeParties(const QString& historique, const std::vector<PartieJouee>& parties) {
  Garde garde;
  if (parties.empty()) return garde;
  Historique reserve;
  const Historique::Ouverture ouverture = reserve.Ouvre(CheminReserve(historique));
  if (!reserve.EstOuvert() || reserve.EnLectureSeule()) {
    garde.raison = ouverture.detail;
    return garde;
  }
  reserve.AjouteEnAttente(parties);
  // Closing tries once more; what is still waiting then is lost with the window.
  reserve.Ferme();
  garde.gardees = static_cast<int>(parties.size()) - reserve.EnAttente();
  garde.raison = reserve.RaisonEnAttente();
  return garde;
}

Reprise ReprendParties(const QString& historique) {
  Reprise reprise;
  const QString chemin = CheminReserve(historique);
  const QString prise = chemin + QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
  if (!QFileInfo::exists(chemin) || !Prend(chemin, prise)) return reprise;
  bool aRendre = false;
  {
    Historique reserve;
    const Historique::Ouverture ouverture = reserve.Ouvre(prise);
    // A damaged reserve was set aside by the opening, under a name that says so.
    if (ouverture.etat == Historique::Ouverture::MisDeCote) {
      reprise.erreur = ouverture.detail;
    } else if (!reserve.EstOuvert()) {
      reprise.erreur = ouverture.detail;
      aRendre = true;
    } else {
      reprise.parties = reserve.Dernieres(std::numeric_limits<int>::max(), &reprise.erreur);
      std::reverse(reprise.parties.begin(), reprise.parties.end());
      aRendre = !reprise.erreur.isEmpty();
    }
  }
  if (aRendre) {
    // Left where it was found, for the next start.
    reprise.parties.clear();
    Prend(prise, chemin);
    return reprise;
  }
  Efface(prise);
  return reprise;
}

}  // namespace tolvan
