#include "Historique.h"

#include <array>
#include <atomic>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace tolvan {

namespace {

// Each step brings the schema from the version before it to its own.
const std::array<QStringList, Historique::VersionSchema> Etapes = {
    QStringList{QStringLiteral("CREATE TABLE parties (id INTEGER PRIMARY KEY, fin TEXT NOT NULL, mode TEXT NOT NULL, "
                               "nombres TEXT NOT NULL, resultat INTEGER NOT NULL, trouve INTEGER NOT NULL, "
                               "secondes INTEGER NOT NULL, lignes INTEGER NOT NULL, indices INTEGER NOT NULL, "
                               "points INTEGER NOT NULL, difficulte INTEGER NOT NULL, rejouee INTEGER NOT NULL)")},
    // The draw of the day counts for its own date, even when it ends after
    // midnight; the games of version 1 ended on the day they were dealt.
    QStringList{QStringLiteral("ALTER TABLE parties ADD COLUMN jour TEXT"),
                QStringLiteral("UPDATE parties SET jour = substr(fin, 1, 10) WHERE mode = 'jour'"),
                QStringLiteral("CREATE INDEX parties_fin ON parties (fin)"),
                QStringLiteral("CREATE INDEX parties_jour ON parties (mode, jour)")},
};

const QString Colonnes = QStringLiteral("fin, mode, nombres, resultat, trouve, secondes, lignes, indices, points, "
                                        "difficulte, rejouee, jour");

// Two windows may wait on each other's writes for this long.
const QString AttenteVerrou = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");

// SQLite's "database disk image is malformed" and "file is not a database".
bool Endommage(const QSqlError& erreur) {
  const QString code = erreur.nativeErrorCode();
  return code == QLatin1String("11") || code == QLatin1String("26");
}

QString TexteFin(const QDateTime& fin) {
  // With its offset from UTC, so that the local day reads off its start.
  return fin.toOffsetFromUtc(fin.offsetFromUtc()).toString(Qt::ISODate);
}

QString TexteNombres(const std::array<int, 6>& nombres) {
  QStringList textes;
  for (const int n : nombres) textes.append(QString::number(n));
  return textes.join(QLatin1Char(' '));
}

std::array<int, 6> NombresDuTexte(const QString& texte) {
  std::array<int, 6> nombres{};
  const QStringList textes = texte.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int i = 0; i < std::min<int>(6, static_cast<int>(textes.size())); ++i) {
    nombres[static_cast<std::size_t>(i)] = textes[i].toInt();
  }
  return nombres;
}

PartieJouee PartieDeLaRangee(const QSqlQuery& q) {
  PartieJouee p;
  p.fin = QDateTime::fromString(q.value(0).toString(), Qt::ISODate);
  p.mode = ModeDuTexte(q.value(1).toString());
  p.nombres = NombresDuTexte(q.value(2).toString());
  p.resultat = q.value(3).toInt();
  p.trouve = q.value(4).toInt() != 0;
  p.secondes = q.value(5).toInt();
  p.lignes = q.value(6).toInt();
  p.indices = q.value(7).toInt();
  p.points = q.value(8).toInt();
  p.difficulte = q.value(9).toInt();
  p.rejouee = q.value(10).toInt() != 0;
  p.jour = QDate::fromString(q.value(11).toString(), Qt::ISODate);
  return p;
}

// Where a damaged file goes: beside it, named after the moment it was found.
QString NomMisDeCote(const QString& chemin) {
  const QFileInfo fichier(chemin);
  const QString base = fichier.dir().filePath(fichier.completeBaseName() + QStringLiteral("-endommage-") +
                                              QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
  QString nom = base + QStringLiteral(".sqlite");
  for (int n = 2; QFileInfo::exists(nom); ++n) nom = base + QStringLiteral("-%1.sqlite").arg(n);
  return nom;
}

}  // namespace

QString TexteMode(ModePartie mode) {
  switch (mode) {
    case ModePartie::Jour: return QStringLiteral("jour");
    case ModePartie::Competition: return QStringLiteral("compétition");
    case ModePartie::Entrainement: break;
  }
  return QStringLiteral("entraînement");
}

ModePartie ModeDuTexte(const QString& texte) {
  for (const ModePartie mode : {ModePartie::Jour, ModePartie::Competition}) {
    if (texte == TexteMode(mode)) return mode;
  }
  return ModePartie::Entrainement;
}

Historique::Historique() {
  static std::atomic<int> compteur{0};
  connexion_ = QStringLiteral("historique-%1").arg(++compteur);
}

Historique::~Historique() { Ferme(); }

void Historique::Ferme() {
  ouvert_ = false;
  if (!QSqlDatabase::contains(connexion_)) return;
  QSqlDatabase::database(connexion_, false).close();
  QSqlDatabase::removeDatabase(connexion_);
}

Historique::Ouverture Historique::Ouvre(const QString& chemin) {
  Ferme();
  chemin_ = chemin;
  Ouverture ouverture;
  std::optional<Echec> echec = Prepare();
  if (echec && echec->endommage) {
    ouverture.detail = echec->detail;
    Ferme();
    echec = MetDeCote(ouverture) ? Prepare() : echec;
  }
  if (echec) {
    Ferme();
    ouverture.etat = Ouverture::Impossible;
    ouverture.detail = echec->detail;
    return ouverture;
  }
  ouvert_ = true;
  return ouverture;
}

std::optional<Historique::Echec> Historique::Prepare() {
  if (!QDir().mkpath(QFileInfo(chemin_).absolutePath())) {
    return Echec{false, QStringLiteral("le dossier %1 ne peut pas être créé").arg(QFileInfo(chemin_).absolutePath())};
  }
  QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion_);
  if (!base.isValid()) return Echec{false, QStringLiteral("le pilote SQLite de Qt est absent")};
  base.setDatabaseName(chemin_);
  base.setConnectOptions(AttenteVerrou);
  if (!base.open()) return Echec{false, base.lastError().text()};
  // A file that is no database, or a damaged one, says so here.
  QSqlQuery verification(base);
  if (!verification.exec(QStringLiteral("PRAGMA quick_check")) || !verification.next()) {
    return Echec{Endommage(verification.lastError()), verification.lastError().text()};
  }
  if (const QString verdict = verification.value(0).toString(); verdict != QLatin1String("ok")) {
    return Echec{true, verdict};
  }
  // A game is written without waiting for the disk to flush: a crash of the
  // machine may lose the last games, never the file. Readers and a writer
  // do not block each other.
  for (const char* reglage : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL"}) {
    if (!verification.exec(QString::fromLatin1(reglage))) return Echec{Endommage(verification.lastError()), verification.lastError().text()};
  }
  return Migre();
}

std::optional<Historique::Echec> Historique::Migre() {
  QSqlDatabase base = QSqlDatabase::database(connexion_, false);
  QSqlQuery q(base);
  // The version is read under the write lock: two windows opening a new
  // file together create it once.
  if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return Echec{Endommage(q.lastError()), q.lastError().text()};
  const auto abandonne = [&q]() -> std::optional<Echec> {
    Echec echec{Endommage(q.lastError()), q.lastError().text()};
    q.exec(QStringLiteral("ROLLBACK"));
    return echec;
  };
  if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return abandonne();
  const int version = q.value(0).toInt();
  // A newer Tolvan's file is used as it is: its columns include these.
  for (int etape = version; etape < VersionSchema; ++etape) {
    for (const QString& instruction : Etapes[static_cast<std::size_t>(etape)]) {
      if (!q.exec(instruction)) return abandonne();
    }
  }
  if (version < VersionSchema && !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(VersionSchema))) {
    return abandonne();
  }
  if (!q.exec(QStringLiteral("COMMIT"))) return abandonne();
  return std::nullopt;
}

bool Historique::MetDeCote(Ouverture& ouverture) {
  const QString nom = NomMisDeCote(chemin_);
  if (!QFile::rename(chemin_, nom)) return false;
  // The journals left beside it belong with it.
  for (const QString& journal : {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
    if (QFileInfo::exists(chemin_ + journal)) QFile::rename(chemin_ + journal, nom + journal);
  }
  ouverture.etat = Ouverture::MisDeCote;
  ouverture.misDeCote = nom;
  return true;
}

bool Historique::Enregistre(const PartieJouee& p, QString* erreur) {
  if (!ouvert_) return false;
  QSqlDatabase base = QSqlDatabase::database(connexion_, false);
  QSqlQuery q(base);
  const auto echoue = [&](const QSqlError& e) {
    if (erreur) *erreur = e.text();
    return false;
  };
  if (!base.transaction()) return echoue(base.lastError());
  q.prepare(QStringLiteral("INSERT INTO parties (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(Colonnes));
  for (const QVariant& valeur : {QVariant(TexteFin(p.fin)), QVariant(TexteMode(p.mode)), QVariant(TexteNombres(p.nombres)),
                                 QVariant(p.resultat), QVariant(int{p.trouve}), QVariant(p.secondes), QVariant(p.lignes),
                                 QVariant(p.indices), QVariant(p.points), QVariant(p.difficulte),
                                 QVariant(int{p.rejouee}),
                                 p.jour.isValid() ? QVariant(p.jour.toString(Qt::ISODate))
                                                  : QVariant(QMetaType(QMetaType::QString))}) {
    q.addBindValue(valeur);
  }
  if (!q.exec()) {
    const QSqlError e = q.lastError();
    base.rollback();
    return echoue(e);
  }
  if (!base.commit()) {
    const QSqlError e = base.lastError();
    base.rollback();
    return echoue(e);
  }
  return true;
}

bool Historique::JourJoue(QDate jour) const {
  if (!ouvert_) return false;
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  q.prepare(QStringLiteral("SELECT 1 FROM parties WHERE mode = ? AND jour = ? LIMIT 1"));
  q.addBindValue(TexteMode(ModePartie::Jour));
  q.addBindValue(jour.toString(Qt::ISODate));
  return q.exec() && q.next();
}

std::vector<PartieJouee> Historique::Dernieres(int nombre) const {
  std::vector<PartieJouee> parties;
  if (!ouvert_) return parties;
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  q.setForwardOnly(true);
  q.prepare(QStringLiteral("SELECT %1 FROM parties ORDER BY id DESC LIMIT ?").arg(Colonnes));
  q.addBindValue(nombre);
  if (!q.exec()) return parties;
  while (q.next()) parties.push_back(PartieDeLaRangee(q));
  return parties;
}

BilanParties Historique::Bilan(QDate aujourdhui) const {
  BilanParties bilan;
  const QDate debut = aujourdhui.addDays(1 - JoursRecents);
  for (int i = 0; i < JoursRecents; ++i) bilan.derniersJours.push_back({debut.addDays(i), 0, 0});
  if (!ouvert_) return bilan;
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  q.setForwardOnly(true);
  if (q.exec(QStringLiteral("SELECT count(*), total(trouve) FROM parties")) && q.next()) {
    bilan.parties = q.value(0).toInt();
    bilan.trouvees = q.value(1).toInt();
  }
  q.prepare(QStringLiteral("SELECT substr(fin, 1, 10), total(trouve), count(*) FROM parties "
                           "WHERE fin >= ? AND fin < ? GROUP BY 1"));
  q.addBindValue(debut.toString(Qt::ISODate));
  q.addBindValue(aujourdhui.addDays(1).toString(Qt::ISODate));
  if (q.exec()) {
    while (q.next()) {
      const qint64 i = debut.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
      if (i < 0 || i >= JoursRecents) continue;
      JourDeParties& jour = bilan.derniersJours[static_cast<std::size_t>(i)];
      jour.trouvees = q.value(1).toInt();
      jour.ratees = q.value(2).toInt() - jour.trouvees;
    }
  }
  std::array<std::vector<int>, MarquesTrouvables> temps;
  if (q.exec(QStringLiteral("SELECT difficulte, secondes FROM parties WHERE trouve = 1 AND secondes >= 0 AND difficulte BETWEEN 1 AND %1 "
                            "ORDER BY difficulte, secondes").arg(MarquesTrouvables))) {
    while (q.next()) temps[static_cast<std::size_t>(q.value(0).toInt() - 1)].push_back(q.value(1).toInt());
  }
  for (std::size_t m = 0; m < temps.size(); ++m) bilan.medianes[m] = Mediane(temps[m]);
  std::vector<std::pair<QDate, bool>> premiersEssais;
  q.prepare(QStringLiteral("SELECT jour, max(trouve) FROM parties WHERE mode = ? AND rejouee = 0 AND jour IS NOT NULL "
                           "GROUP BY jour ORDER BY jour"));
  q.addBindValue(TexteMode(ModePartie::Jour));
  if (q.exec()) {
    while (q.next()) premiersEssais.emplace_back(QDate::fromString(q.value(0).toString(), Qt::ISODate), q.value(1).toInt() != 0);
  }
  bilan.series = CompteSeries(premiersEssais, aujourdhui);
  return bilan;
}

QStringList Historique::LignesCsv() const {
  QStringList lignes{QString(Colonnes).remove(QLatin1Char(' ')).replace(QLatin1Char(','), QLatin1Char(';'))};
  if (!ouvert_) return lignes;
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT %1 FROM parties ORDER BY id").arg(Colonnes))) return lignes;
  const int nbColonnes = static_cast<int>(Colonnes.count(QLatin1Char(',')) + 1);
  while (q.next()) {
    QStringList champs;
    for (int c = 0; c < nbColonnes; ++c) champs.append(q.value(c).toString());
    lignes.append(champs.join(QLatin1Char(';')));
  }
  return lignes;
}

}  // namespace tolvan
