// The per-user configuration store, kept by Qt in an INI file under the
// user's configuration directory (~/.config/Tolvan/Tolvan.ini).
#pragma once

#include <memory>

#include <QSettings>

#include "Plateforme.h"

namespace tolvan {

class MagasinQSettings : public MagasinReglages {
 public:
  // The default file of the user, or `chemin` when given (tests).
  explicit MagasinQSettings(const QString& chemin = {});

  std::optional<QString> Lit(const QString& cle, const QString& nom) override;
  bool Ecrit(const QString& cle, const QString& nom, const QString& valeur) override;

 private:
  std::unique_ptr<QSettings> reglages_;
};

}  // namespace tolvan
