#include "MagasinQSettings.h"

#include <filesystem>

#include <QFile>
#include <QStringDecoder>

namespace tolvan {

namespace {

QString CheminParDefaut() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tolvan"), QStringLiteral("Tolvan"))
      .fileName();
}

}  // namespace

bool EstFichierIni(const QByteArray& contenu) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString texte = utf8(contenu);
  if (utf8.hasError()) return false;
  for (QString ligne : texte.split(QLatin1Char('\n'))) {
    ligne = ligne.trimmed();
    for (const QChar c : ligne) {
      // The settings files write every control character below a space
      // escaped; DEL and the C1 controls a file name may hold stay as they are.
      if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r')) return false;
    }
    const bool section = ligne.startsWith(QLatin1Char('[')) && ligne.endsWith(QLatin1Char(']'));
    const bool commentaire = ligne.startsWith(QLatin1Char(';')) || ligne.startsWith(QLatin1Char('#'));
    if (!ligne.isEmpty() && !section && !commentaire && ligne.indexOf(QLatin1Char('=')) <= 0) return false;
  }
  return true;
}

MagasinQSettings::MagasinQSettings(const QString& chemin) : chemin_(chemin.isEmpty() ? CheminParDefaut() : chemin) {}

QSettings& MagasinQSettings::Ouvre() {
  if (!reglages_) {
    QFile fichier(chemin_);
    if (fichier.exists() && (!fichier.open(QIODevice::ReadOnly) || !EstFichierIni(fichier.read(1 << 20)))) {
      throw ErreurReglages("the settings file is not an INI file");
    }
    reglages_ = std::make_unique<QSettings>(chemin_, QSettings::IniFormat);
  }
  if (reglages_->status() != QSettings::NoError) throw ErreurReglages("the settings cannot be read");
  return *reglages_;
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
  if (valeur.typeId() != QMetaType::QString) throw ErreurReglages("a value is not a string");
  return valeur.toString();
}

void MagasinQSettings::Ecrit(const QString& cle, const QString& nom, const QString& valeur) {
  if (!reglages_) {
    // A file that is no settings file is replaced, not merged with.
    try {
      Ouvre();
    } catch (const ErreurReglages&) {
      reglages_ = std::make_unique<QSettings>(chemin_ + QStringLiteral(".nouveau"), QSettings::IniFormat);
      reglages_->clear();
    }
  }
  reglages_->setValue(cle + QLatin1Char('/') + nom, valeur);
}

void MagasinQSettings::Enregistre() {
  if (!reglages_) return;
  // Written in one go through a temporary file: whole or not at all.
  reglages_->sync();
  if (reglages_->status() != QSettings::NoError) throw ErreurReglages("the settings cannot be written");
  const QString ecrit = reglages_->fileName();
  if (ecrit != chemin_) {
    // The new file takes the place of the garbage in one step.
    std::error_code erreur;
    std::filesystem::rename(ecrit.toStdString(), chemin_.toStdString(), erreur);
    if (erreur) throw ErreurReglages("the settings cannot be written");
    reglages_ = std::make_unique<QSettings>(chemin_, QSettings::IniFormat);
  }
}

}  // namespace tolvan
