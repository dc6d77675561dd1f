// The per-user configuration store, kept by Qt in an INI file under the
// user's configuration folder (~/.config/Tolvan/Tolvan.ini).
#pragma once

#include <memory>

#include <QSettings>

#include "Plateforme.h"

namespace tolvan {

class MagasinQSettings : public MagasinReglages {
 public:
  // The default file of the user, or `chemin` when given (tests).
  explicit MagasinQSettings(const QString& chemin = {});

  bool CleExiste(const QString& cle) override;
  std::optional<QString> Lit(const QString& cle, const QString& nom) override;
  void Ecrit(const QString& cle, const QString& nom, const QString& valeur) override;
  void Enregistre() override;

 private:
  QSettings& Ouvre();

  QString chemin_;
  std::unique_ptr<QSettings> reglages_;
};

// Whether a file holds INI text: section lines, "name=value" lines,
// comments and blank lines, nothing else. Qt reads anything leniently, so
// garbage would otherwise pass for settings.
bool EstFichierIni(const QByteArray& contenu);

}  // namespace tolvan
