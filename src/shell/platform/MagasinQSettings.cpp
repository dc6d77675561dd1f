#include "MagasinQSettings.h"

namespace tolvan {

MagasinQSettings::MagasinQSettings(const QString& chemin)
    : reglages_(chemin.isEmpty() ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                               QStringLiteral("Tolvan"), QStringLiteral("Tolvan"))
                                 : std::make_unique<QSettings>(chemin, QSettings::IniFormat)) {}

std::optional<QString> MagasinQSettings::Lit(const QString& cle, const QString& nom) {
  const QString chemin = cle + QLatin1Char('/') + nom;
  if (!reglages_->contains(chemin)) return std::nullopt;
  return reglages_->value(chemin).toString();
}

bool MagasinQSettings::Ecrit(const QString& cle, const QString& nom, const QString& valeur) {
  reglages_->setValue(cle + QLatin1Char('/') + nom, valeur);
  reglages_->sync();
  return reglages_->status() == QSettings::NoError;
}

}  // namespace tolvan
