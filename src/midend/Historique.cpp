#include "Historique.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include "library/ChampsCsv.h"

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
    QStringList{QStringLiteral("ALTER TABLE parties ADD COLUMN solutions_vues INTEGER NOT NULL DEFAULT 0")},
    QStringList{QStringLiteral("ALTER TABLE parties ADD COLUMN adversaire TEXT")},
    QStringList{QStringLiteral("ALTER TABLE parties ADD COLUMN code TEXT")},
    // Left empty for the games before: the rating reads them as it can.
    QStringList{QStringLiteral("ALTER TABLE parties ADD COLUMN temps_donne INTEGER"),
                QStringLiteral("ALTER TABLE parties ADD COLUMN efforts TEXT"),
                QStringLiteral("ALTER TABLE parties ADD COLUMN notee INTEGER"),
                QStringLiteral("ALTER TABLE parties ADD COLUMN cote_avant REAL"),
                QStringLiteral("ALTER TABLE parties ADD COLUMN ecart_avant REAL"),
                QStringLiteral("ALTER TABLE parties ADD COLUMN chance REAL")},
};

const QStringList Colonnes = {QStringLiteral("fin"),     QStringLiteral("mode"),       QStringLiteral("nombres"),
                              QStringLiteral("resultat"), QStringLiteral("trouve"),     QStringLiteral("secondes"),
                              QStringLiteral("lignes"),   QStringLiteral("indices"),    QStringLiteral("points"),
                              QStringLiteral("difficulte"), QStringLiteral("rejouee"), QStringLiteral("jour"),
                              QStringLiteral("solutions_vues"), QStringLiteral("adversaire"),
                              QStringLiteral("code"), QStringLiteral("temps_donne"), QStringLiteral("efforts"),
                              QStringLiteral("notee"), QStringLiteral("cote_avant"), QStringLiteral("ecart_avant"),
                              QStringLiteral("chance")};

// The columns read as empty when a file lacks them: text, and what may not
// be known; the others hold numbers, 0 when missing.
const QStringList Textuelles = {QStringLiteral("fin"),         QStringLiteral("mode"),       QStringLiteral("nombres"),
                                QStringLiteral("jour"),        QStringLiteral("adversaire"), QStringLiteral("code"),
                                QStringLiteral("temps_donne"), QStringLiteral("efforts"),    QStringLiteral("notee"),
                                QStringLiteral("cote_avant"),  QStringLiteral("ecart_avant"), QStringLiteral("chance")};

QVariant Nulle(QMetaType::Type type) { return QVariant(QMetaType(type)); }

template <class T>
std::optional<T> Facultative(const QVariant& valeur) {
  if (valeur.isNull()) return std::nullopt;
  return valeur.value<T>();
}

// SQLite's primary result codes this store tells apart.
enum CodeSQLite {
  Occupe = 5,
  Verrouille = 6,
  LectureSeuleSQLite = 8,
  ErreurDisque = 10,
  Corrompu = 11,
  Plein = 13,
  NonOuvrable = 14,
  PasUneBase = 26
};

int Code(const QSqlError& erreur) { return erreur.nativeErrorCode().toInt() & 0xff; }

bool Endommage(int code) { return code == Corrompu || code == PasUneBase; }

// What SQLite's code means for the player, in French: its own messages are
// English and say nothing a player can act on.
QString RaisonSQLite(int code) {
  switch (code) {
    case Occupe:
    case Verrouille: return QStringLiteral("le fichier est occupé par un autre programme");
    case LectureSeuleSQLite: return QStringLiteral("lecture seule");
    case ErreurDisque: return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
    case Corrompu: return QStringLiteral("le fichier est endommagé");
    case Plein: return QStringLiteral("disque plein");
    case NonOuvrable: return QStringLiteral("le fichier ne peut pas être ouvert");
    case PasUneBase: return QStringLiteral("ce fichier n'est pas un historique de parties");
    case 0: return QStringLiteral("erreur inattendue de la base de données");
    default: return QStringLiteral("erreur inattendue de la base de données (SQLite n° %1)").arg(code);
  }
}

QString Raison(const QSqlError& erreur) { return RaisonSQLite(Code(erreur)); }

QString Liste(const QStringList& noms) {
  QStringList cites;
  for (const QString& nom : noms) cites.append(QStringLiteral("« %1 »").arg(nom));
  return cites.join(QStringLiteral(", "));
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
  p.solutionsVues = q.value(12).toInt() != 0;
  p.adversaire = q.value(13).toString();
  p.code = q.value(14).toString();
  p.tempsDonne = Facultative<int>(q.value(15));
  p.efforts = q.value(16).toString();
  if (const std::optional<int> notee = Facultative<int>(q.value(17))) p.notee = *notee != 0;
  if (p.notee == true && !q.value(18).isNull()) {
    p.note = NoteDeCote{q.value(18).toDouble(), q.value(19).toDouble(), q.value(20).toDouble()};
  }
  return p;
}

// The values of a game, in the order of Colonnes.
QVariantList Valeurs(const PartieJouee& p) {
  return {TexteFin(p.fin), TexteMode(p.mode), TexteNombres(p.nombres), p.resultat, int{p.trouve}, p.secondes, p.lignes,
          p.indices, p.points, p.difficulte, int{p.rejouee},
          p.jour.isValid() ? QVariant(p.jour.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString)),
          int{p.solutionsVues},
          p.adversaire.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(p.adversaire),
          p.code.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(p.code),
          p.tempsDonne ? QVariant(*p.tempsDonne) : Nulle(QMetaType::Int),
          p.efforts.isEmpty() ? Nulle(QMetaType::QString) : QVariant(p.efforts),
          p.notee ? QVariant(int{*p.notee}) : Nulle(QMetaType::Int),
          p.note ? QVariant(p.note->cote) : Nulle(QMetaType::Double),
          p.note ? QVariant(p.note->ecart) : Nulle(QMetaType::Double),
          p.note ? QVariant(p.note->chance) : Nulle(QMetaType::Double)};
}

// Each value one field that a spreadsheet shows as written: a name such as
// "Anne;=1+1" keeps its columns in place and is never computed.
QString LigneCsv(const QVariantList& valeurs) {
  std::vector<std::string> champs;
  for (const QVariant& valeur : valeurs) champs.push_back(valeur.toString().toStdString());
  return QString::fromStdString(tolvan::LigneCsv(champs));
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
    case ModePartie::Duel: return QStringLiteral("duel");
    case ModePartie::Code: return QStringLiteral("code");
    case ModePartie::DuelAutreJoueur: return QStringLiteral("duel, autre joueur");
    case ModePartie::Entrainement: break;
  }
  return QStringLiteral("entraînement");
}

ModePartie ModeDuTexte(const QString& texte) {
  for (const ModePartie mode :
       {ModePartie::Jour, ModePartie::Competition, ModePartie::Duel, ModePartie::Code, ModePartie::DuelAutreJoueur}) {
    if (texte == TexteMode(mode)) return mode;
  }
  return ModePartie::Entrainement;
}

Historique::Historique(std::chrono::milliseconds attente) : attente_(attente) {
  static std::atomic<int> compteur{0};
  connexion_ = QStringLiteral("historique-%1").arg(++compteur);
}

Historique::~Historique() { Ferme(); }

void Historique::Ferme() {
  if (ouvert_) EcritEnAttente();
  FermeConnexion();
}

void Historique::FermeConnexion() {
  ouvert_ = false;
  if (!QSqlDatabase::contains(connexion_)) return;
  QSqlDatabase::database(connexion_, false).close();
  QSqlDatabase::removeDatabase(connexion_);
}

Historique::Ouverture Historique::Ouvre(const QString& chemin) {
  Ferme();
  chemin_ = chemin;
  lectureSeule_ = false;
  Ouverture ouverture;
  const QFileInfo fichier(chemin_);
  // A file that cannot be written is read as it is: SQLite would create its
  // journals beside it as read-only as itself, and they would stop every
  // later write even once the file is writable again.
  Acces acces = fichier.exists() && !fichier.isWritable() ? Acces::Lecture : Acces::Ecriture;
  std::optional<Echec> echec = PrepareEnAttendant(acces);
  if (echec && acces == Acces::Ecriture && fichier.exists() &&
      (echec->code == LectureSeuleSQLite || echec->code == NonOuvrable)) {
    FermeConnexion();
    acces = Acces::Lecture;
    echec = PrepareEnAttendant(acces);
  }
  if (echec && echec->endommage) {
    ouverture.detail = echec->detail;
    FermeConnexion();
    if (MetDeCote(ouverture)) {
      acces = Acces::Ecriture;
      echec = PrepareEnAttendant(acces);
    }
  }
  if (echec) {
    FermeConnexion();
    ouverture.etat = Ouverture::Impossible;
    ouverture.detail = echec->detail;
    return ouverture;
  }
  ouvert_ = true;
  lectureSeule_ = acces == Acces::Lecture;
  const QStringList manquantes = LitColonnes();
  if (lectureSeule_) {
    ouverture.etat = Ouverture::LectureSeule;
    ouverture.detail = QStringLiteral("lecture seule");
  } else if (!manquantes.isEmpty() && ouverture.etat == Ouverture::Ouvert) {
    ouverture.etat = Ouverture::Incomplet;
    ouverture.detail = (manquantes.size() == 1 ? QStringLiteral("il manque à sa table des parties la colonne %1")
                                               : QStringLiteral("il manque à sa table des parties les colonnes %1"))
                           .arg(Liste(manquantes));
  }
  return ouverture;
}

std::optional<Historique::Echec> Historique::PrepareEnAttendant(Acces acces) {
  // Two windows creating a new file together: the one that waits for the
  // other's creation waits here, for as long as a write would.
  const auto limite = std::chrono::steady_clock::now() + std::max(attente_, std::chrono::milliseconds(5000));
  for (;;) {
    std::optional<Echec> echec = Prepare(acces);
    if (!echec || (echec->code != Occupe && echec->code != Verrouille) || std::chrono::steady_clock::now() > limite) {
      return echec;
    }
    FermeConnexion();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::optional<Historique::Echec> Historique::Prepare(Acces acces) {
  if (acces == Acces::Ecriture && !QDir().mkpath(QFileInfo(chemin_).absolutePath())) {
    return Echec{false, 0, QStringLiteral("le dossier %1 ne peut pas être créé").arg(QFileInfo(chemin_).absolutePath())};
  }
  QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion_);
  if (!base.isValid()) return Echec{false, 0, QStringLiteral("le pilote SQLite de Qt est absent")};
  QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(attente_.count());
  if (acces == Acces::Lecture) {
    // Immutable: no lock and no journal file is made beside it.
    base.setDatabaseName(QStringLiteral("%1?immutable=1").arg(QUrl::fromLocalFile(chemin_).toString(QUrl::FullyEncoded)));
    options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
  } else {
    base.setDatabaseName(chemin_);
  }
  base.setConnectOptions(options);
  if (!base.open()) return Echec{false, Code(base.lastError()), Raison(base.lastError())};
  const auto echec = [](const QSqlQuery& q) {
    return Echec{Endommage(Code(q.lastError())), Code(q.lastError()), Raison(q.lastError())};
  };
  // A file that is no database, or a damaged one, says so here.
  QSqlQuery verification(base);
  if (!verification.exec(QStringLiteral("PRAGMA quick_check")) || !verification.next()) return echec(verification);
  if (const QString verdict = verification.value(0).toString(); verdict != QLatin1String("ok")) {
    return Echec{true, Corrompu, RaisonSQLite(Corrompu)};
  }
  if (acces == Acces::Lecture) return std::nullopt;
  // A game is written without waiting for the disk to flush: a crash of the
  // machine may lose the last games, never the file. Readers and a writer
  // do not block each other.
  for (const char* reglage : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL"}) {
    if (!verification.exec(QString::fromLatin1(reglage))) return echec(verification);
  }
  return Migre();
}

std::optional<Historique::Echec> Historique::Migre() {
  QSqlDatabase base = QSqlDatabase::database(connexion_, false);
  QSqlQuery q(base);
  const auto abandonne = [&q]() -> std::optional<Echec> {
    const int code = Code(q.lastError());
    q.exec(QStringLiteral("ROLLBACK"));
    return Echec{Endommage(code), code, RaisonSQLite(code)};
  };
  // The version is read under the write lock: two windows opening a new
  // file together create it once.
  if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return abandonne();
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

QStringList Historique::LitColonnes() {
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  QStringList presentes;
  if (q.exec(QStringLiteral("PRAGMA table_info(parties)"))) {
    while (q.next()) presentes.append(q.value(1).toString());
  }
  // A table made by hand or by another program may lack some: they are read
  // as empty rather than losing every row to one failed query.
  QStringList manquantes, selection;
  colonnesPresentes_.clear();
  for (const QString& colonne : Colonnes) {
    const bool presente = presentes.contains(colonne, Qt::CaseInsensitive);
    (presente ? colonnesPresentes_ : manquantes).append(colonne);
    selection.append(presente ? colonne : QStringLiteral("%1 AS %2").arg(Textuelles.contains(colonne) ? "NULL" : "0", colonne));
  }
  source_ = manquantes.isEmpty() ? QStringLiteral("parties")
                                 : QStringLiteral("(SELECT id, %1 FROM parties)").arg(selection.join(QStringLiteral(", ")));
  return manquantes;
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

bool Historique::Enregistre(const PartieJouee& partie, QString* erreur) {
  if (!ouvert_) return false;
  enAttente_.push_back(partie);
  if (!EcritEnAttente() && erreur) *erreur = raisonEnAttente_;
  return true;
}

void Historique::AjouteEnAttente(const std::vector<PartieJouee>& parties) {
  enAttente_.insert(enAttente_.end(), parties.begin(), parties.end());
  EcritEnAttente();
}

void Historique::RouvreSiModifiable() {
  if (!QFileInfo(chemin_).isWritable()) return;
  FermeConnexion();
  if (Prepare(Acces::Ecriture)) {
    FermeConnexion();
    Prepare(Acces::Lecture);
  } else {
    lectureSeule_ = false;
    LitColonnes();
  }
  ouvert_ = true;
}

bool Historique::EcritEnAttente() {
  if (!ouvert_) return enAttente_.empty();
  if (lectureSeule_ && !enAttente_.empty()) RouvreSiModifiable();
  if (lectureSeule_) {
    if (!enAttente_.empty()) raisonEnAttente_ = RaisonSQLite(LectureSeuleSQLite);
    return enAttente_.empty();
  }
  while (!enAttente_.empty()) {
    if (!Insere(enAttente_.front())) return false;
    enAttente_.pop_front();
  }
  raisonEnAttente_.clear();
  return true;
}

bool Historique::Insere(const PartieJouee& p) {
  // One statement, so one transaction of its own: the statement itself then
  // reports a failure to commit with SQLite's code (a full disk shows only
  // when the game is written out). Qt's commit() keeps the text of such a
  // failure but loses its code.
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  QStringList marques;
  for (int i = 0; i < colonnesPresentes_.size(); ++i) marques.append(QStringLiteral("?"));
  q.prepare(QStringLiteral("INSERT INTO parties (%1) VALUES (%2)")
                .arg(colonnesPresentes_.join(QStringLiteral(", ")), marques.join(QStringLiteral(", "))));
  const QVariantList valeurs = Valeurs(p);
  for (qsizetype c = 0; c < Colonnes.size(); ++c) {
    if (colonnesPresentes_.contains(Colonnes[c])) q.addBindValue(valeurs[c]);
  }
  if (q.exec()) return true;
  raisonEnAttente_ = Raison(q.lastError());
  return false;
}

bool Historique::JourJoue(QDate jour) const {
  for (const PartieJouee& p : enAttente_) {
    if (p.mode == ModePartie::Jour && p.jour == jour) return true;
  }
  if (!ouvert_) return false;
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  q.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE mode = ? AND jour = ? LIMIT 1").arg(source_));
  q.addBindValue(TexteMode(ModePartie::Jour));
  q.addBindValue(jour.toString(Qt::ISODate));
  return q.exec() && q.next();
}

void Historique::CompleteEfforts(const std::vector<PartieJouee>& parties) {
  if (!ouvert_ || lectureSeule_ || !colonnesPresentes_.contains(QStringLiteral("efforts"))) return;
  QSqlDatabase base = QSqlDatabase::database(connexion_, false);
  if (!base.transaction()) return;
  QSqlQuery q(base);
  q.prepare(QStringLiteral("UPDATE parties SET efforts = ? WHERE fin = ? AND nombres = ? AND efforts IS NULL"));
  for (const PartieJouee& partie : parties) {
    q.addBindValue(partie.efforts);
    q.addBindValue(TexteFin(partie.fin));
    q.addBindValue(TexteNombres(partie.nombres));
    // A write that fails only costs the next start a search again.
    if (!q.exec()) break;
  }
  base.commit();
}

std::vector<PartieJouee> Historique::Dernieres(int nombre, QString* erreur) const {
  std::vector<PartieJouee> parties(enAttente_.rbegin(), enAttente_.rend());
  if (static_cast<int>(parties.size()) > nombre) parties.resize(static_cast<std::size_t>(std::max(0, nombre)));
  if (!ouvert_ || static_cast<int>(parties.size()) >= nombre) return parties;
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  q.setForwardOnly(true);
  q.prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY id DESC LIMIT ?").arg(Colonnes.join(QStringLiteral(", ")), source_));
  q.addBindValue(nombre - static_cast<int>(parties.size()));
  if (!q.exec()) {
    if (erreur) *erreur = Raison(q.lastError());
    return parties;
  }
  while (q.next()) parties.push_back(PartieDeLaRangee(q));
  return parties;
}

BilanParties Historique::Bilan(QDate aujourdhui) const {
  BilanParties bilan;
  bilan.enAttente = EnAttente();
  const QDate debut = aujourdhui.addDays(1 - JoursRecents);
  for (int i = 0; i < JoursRecents; ++i) bilan.derniersJours.push_back({debut.addDays(i), 0, 0});
  if (!ouvert_) return bilan;
  // The player's own games: not the goes of a duel's second player.
  const QString source =
      QStringLiteral("(SELECT * FROM %1 WHERE mode <> '%2')").arg(source_, TexteMode(ModePartie::DuelAutreJoueur));
  QSqlQuery q(QSqlDatabase::database(connexion_, false));
  q.setForwardOnly(true);
  // A query that fails says why, rather than counting nothing.
  const auto lit = [&q, &bilan](bool reussie) {
    if (!reussie && bilan.erreur.isEmpty()) bilan.erreur = Raison(q.lastError());
    return reussie;
  };
  if (lit(q.exec(QStringLiteral("SELECT count(*), total(trouve) FROM %1").arg(source))) && q.next()) {
    bilan.parties = q.value(0).toInt();
    bilan.trouvees = q.value(1).toInt();
  }
  q.prepare(QStringLiteral("SELECT substr(fin, 1, 10), total(trouve), count(*) FROM %1 "
                           "WHERE fin >= ? AND fin < ? GROUP BY 1").arg(source));
  q.addBindValue(debut.toString(Qt::ISODate));
  q.addBindValue(aujourdhui.addDays(1).toString(Qt::ISODate));
  if (lit(q.exec())) {
    while (q.next()) {
      const qint64 i = debut.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
      if (i < 0 || i >= JoursRecents) continue;
      JourDeParties& jour = bilan.derniersJours[static_cast<std::size_t>(i)];
      jour.trouvees = q.value(1).toInt();
      jour.ratees = q.value(2).toInt() - jour.trouvees;
    }
  }
  std::array<std::vector<int>, MarquesTrouvables> temps;
  if (lit(q.exec(QStringLiteral("SELECT difficulte, secondes FROM %1 WHERE trouve = 1 AND secondes >= 0 AND difficulte BETWEEN 1 AND %2 "
                                "ORDER BY difficulte, secondes").arg(source).arg(MarquesTrouvables)))) {
    while (q.next()) temps[static_cast<std::size_t>(q.value(0).toInt() - 1)].push_back(q.value(1).toInt());
  }
  for (std::size_t m = 0; m < temps.size(); ++m) bilan.medianes[m] = Mediane(temps[m]);
  std::vector<std::pair<QDate, bool>> premiersEssais;
  q.prepare(QStringLiteral("SELECT jour, max(trouve) FROM %1 WHERE mode = ? AND rejouee = 0 AND jour IS NOT NULL "
                           "GROUP BY jour ORDER BY jour").arg(source));
  q.addBindValue(TexteMode(ModePartie::Jour));
  if (lit(q.exec())) {
    while (q.next()) premiersEssais.emplace_back(QDate::fromString(q.value(0).toString(), Qt::ISODate), q.value(1).toInt() != 0);
  }
  bilan.series = CompteSeries(premiersEssais, aujourdhui);
  return bilan;
}

QStringList Historique::LignesCsv(QString* erreur) const {
  // The draw's efforts are the rating's own shorthand, nothing a spreadsheet reads.
  const qsizetype efforts = Colonnes.indexOf(QStringLiteral("efforts"));
  const auto sansEfforts = [efforts](QVariantList valeurs) {
    valeurs.removeAt(efforts);
    return LigneCsv(valeurs);
  };
  QStringList titres = Colonnes;
  titres.removeAt(efforts);
  QStringList lignes{titres.join(QLatin1Char(';'))};
  if (ouvert_) {
    QSqlQuery q(QSqlDatabase::database(connexion_, false));
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY id").arg(Colonnes.join(QStringLiteral(", ")), source_))) {
      while (q.next()) {
        QVariantList valeurs;
        for (qsizetype c = 0; c < Colonnes.size(); ++c) valeurs.append(q.value(static_cast<int>(c)));
        lignes.append(sansEfforts(valeurs));
      }
    } else if (erreur) {
      *erreur = Raison(q.lastError());
    }
  }
  // The games not written yet are the player's all the same.
  for (const PartieJouee& p : enAttente_) lignes.append(sansEfforts(Valeurs(p)));
  return lignes;
}

}  // namespace tolvan
