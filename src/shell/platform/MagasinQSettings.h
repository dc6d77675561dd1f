// The per-user configuration store, kept by Qt in an INI file under the
// user's configuration folder (~/.config/Tolvan/Tolvan.ini).
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QSettings>
#include <QTemporaryDir>

#include "Plateforme.h"

namespace tolvan {

class MagasinQSettings : public MagasinReglages {
 public:
  // The default file of the user, or `chemin` when given (tests).
  explicit MagasinQSettings(const QString& chemin = {});
  ~MagasinQSettings() override;

  bool CleExiste(const QString& cle) override;
  std::optional<QString> Lit(const QString& cle, const QString& nom) override;
  void Ecrit(const QString& cle, const QString& nom, const QString& valeur) override;
  // Merges the values written into what the file holds by then (another
  // copy of the game may have written it since it was read), and replaces
  // the file whole; a file that is no settings file is replaced, not
  // merged with.
  void Enregistre() override;
  QString DernierEchec() const override { return dernierEchec_; }

 private:
  // Qt reads and writes copies of the file, each under a new name: it
  // caches the files it has seen and, in Qt 6.4, writes part of a file on
  // a full disk without a word, so what it writes is checked before it
  // replaces the player's file.
  struct Copie {
    QTemporaryDir dossier;
    std::unique_ptr<QSettings> reglages;
  };
  std::unique_ptr<Copie> CopieDe(const QByteArray& contenu);

  QSettings& Ouvre();
  [[noreturn]] void Echoue(const QString& raison);
  // The file's bytes as they are now; empty when there is no file, nothing
  // when it is too large to hold settings.
  std::optional<QByteArray> Contenu();
  // The file Qt makes of `actuel` with the values written, checked.
  QByteArray NouveauContenu(const std::optional<QByteArray>& actuel);

  QString chemin_;
  std::unique_ptr<Copie> lue_;
  std::vector<std::pair<QString, QString>> enAttente_;  // "key/name" and value, in writing order
  QString dernierEchec_;
};

// Whether a file holds INI text as Qt writes it: section lines, lines with
// an "=" (Qt writes an empty name as a bare "="), comments and blank lines,
// nothing else. Qt reads anything leniently, so garbage would otherwise
// pass for settings.
bool EstFichierIni(const QByteArray& contenu);

}  // namespace tolvan
