#include "MagasinQSettings.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "midend/RaisonEchec.h"

namespace tolvan {

namespace {

// A settings file is small: one over a megabyte holds none of the game's.
constexpr qint64 OctetsMax = qint64{1} << 20;

QString CheminParDefaut() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tolvan"), QStringLiteral("Tolvan"))
      .fileName();
}

const QString PasDesReglages = QStringLiteral("ce n'est pas un fichier de réglages");
const QString EcritureIncomplete = QStringLiteral("écriture incomplète");

}  // namespace

bool EstFichierIni(const QByteArray& contenu) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString texte = utf8(contenu);
  if (utf8.hasError()) return false;
  // A file saved by a Windows editor may begin with a byte order mark.
  if (texte.startsWith(QChar(0xFEFF))) texte.remove(0, 1);
  for (QString ligne : texte.split(QLatin1Char('\n'))) {
    ligne = ligne.trimmed();
    for (const QChar c : ligne) {
      // The settings files write every control character below a space
      // escaped; DEL and the C1 controls a file name may hold stay as they are.
      if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r')) return false;
    }
    const bool section = ligne.startsWith(QLatin1Char('[')) && ligne.endsWith(QLatin1Char(']'));
    const bool commentaire = ligne.startsWith(QLatin1Char(';')) || ligne.startsWith(QLatin1Char('#'));
    if (!ligne.isEmpty() && !section && !commentaire && !ligne.contains(QLatin1Char('='))) return false;
  }
  return true;
}

MagasinQSettings::MagasinQSettings(const QString& chemin) : chemin_(chemin.isEmpty() ? CheminParDefaut() : chemin) {}

MagasinQSettings::~MagasinQSettings() = default;

void MagasinQSettings::Echoue(const QString& raison) {
  dernierEchec_ = LigneEchec(chemin_, raison);
  throw ErreurReglages(dernierEchec_.toStdString());
}

std::unique_ptr<MagasinQSettings::Copie> MagasinQSettings::CopieDe(const QByteArray& contenu) {
  auto copie = std::make_unique<Copie>();
  const QString chemin = copie->dossier.filePath(QStringLiteral("Tolvan.ini"));
  QFile fichier(chemin);
  errno = 0;
  if (!copie->dossier.isValid() || !fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size()) {
    Echoue(RaisonSysteme(errno, Acces::Ecriture));
  }
  fichier.close();
  copie->reglages = std::make_unique<QSettings>(chemin, QSettings::IniFormat);
  return copie;
}

std::optional<QByteArray> MagasinQSettings::Contenu() {
  QFile fichier(chemin_);
  if (!fichier.exists()) return QByteArray();
  // A file that cannot be read is not replaced: what it holds may be good.
  if (!fichier.open(QIODevice::ReadOnly)) Echoue(RaisonLecture(chemin_));
  if (fichier.size() > OctetsMax) return std::nullopt;
  return fichier.readAll();
}

QSettings& MagasinQSettings::Ouvre() {
  if (!lue_) {
    const std::optional<QByteArray> contenu = Contenu();
    if (!contenu || !EstFichierIni(*contenu)) Echoue(PasDesReglages);
    lue_ = CopieDe(*contenu);
  }
  // A line Qt finds out of form is skipped by Qt, as it always was.
  if (lue_->reglages->status() == QSettings::AccessError) Echoue(RaisonLecture(chemin_));
  return *lue_->reglages;
}

bool MagasinQSettings::CleExiste(const QString& cle) {
  QSettings& reglages = Ouvre();
  reglages.beginGroup(cle);
  const bool existe = !reglages.allKeys().isEmpty();
  reglages.endGroup();
  return existe;
}

std::optional<QString> MagasinQSettings::Lit(const QString& cle, const QString& nom) {
  QSettings& reglages = Ouvre();
  const QString chemin = cle + QLatin1Char('/') + nom;
  if (!reglages.contains(chemin)) return std::nullopt;
  const QVariant valeur = reglages.value(chemin);
  if (valeur.typeId() != QMetaType::QString) Echoue(QStringLiteral("valeur illisible : ") + chemin);
  return valeur.toString();
}

void MagasinQSettings::Ecrit(const QString& cle, const QString& nom, const QString& valeur) {
  enAttente_.emplace_back(cle + QLatin1Char('/') + nom, valeur);
}

QByteArray MagasinQSettings::NouveauContenu(const std::optional<QByteArray>& actuel) {
  const std::unique_ptr<Copie> copie = CopieDe(actuel && EstFichierIni(*actuel) ? *actuel : QByteArray());
  for (const auto& [cle, valeur] : enAttente_) copie->reglages->setValue(cle, valeur);
  errno = 0;
  copie->reglages->sync();
  if (copie->reglages->status() == QSettings::AccessError) Echoue(RaisonSysteme(errno, Acces::Ecriture));
  QFile fait(copie->reglages->fileName());
  if (!fait.open(QIODevice::ReadOnly)) Echoue(RaisonSysteme(errno, Acces::Ecriture));
  const QByteArray nouveau = fait.readAll();
  if (!EstFichierIni(nouveau)) Echoue(EcritureIncomplete);
  // Qt 6.4 also loses a U+FEFF that follows an escaped character: a value
  // it cannot give back is not stored at all.
  const std::unique_ptr<Copie> relue = CopieDe(nouveau);
  for (const auto& [cle, valeur] : enAttente_) {
    const QVariant lue = relue->reglages->value(cle);
    if (lue == valeur) continue;
    Echoue(lue.isValid() ? QStringLiteral("valeur impossible à enregistrer : ") + cle : EcritureIncomplete);
  }
  return nouveau;
}

void MagasinQSettings::Enregistre() {
  if (enAttente_.empty()) return;
  const QByteArray nouveau = NouveauContenu(Contenu());
  // Whole or not at all: a temporary file beside it, renamed over it once complete.
  QDir().mkpath(QFileInfo(chemin_).absolutePath());
  QSaveFile fichier(chemin_);
  errno = 0;
  if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Echoue(RaisonSysteme(errno, Acces::Ecriture));
  if (fichier.write(nouveau) != nouveau.size()) Echoue(RaisonSysteme(errno, Acces::Ecriture));
  if (!fichier.commit()) Echoue(RaisonSysteme(errno, Acces::Ecriture));
  enAttente_.clear();
  // The next read sees the file as it is now.
  lue_.reset();
}

}  // namespace tolvan
