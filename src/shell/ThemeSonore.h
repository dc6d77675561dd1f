// The seven event sounds and the theme files (".son") that store them.
#pragma once

#include <array>

#include <QString>

#include "TextesMessages.h"
#include "platform/Plateforme.h"

namespace tolvan {

// A sound name is a system sound name or the path of a WAV file.
struct SonsDuJeu {
  QString SonClick = QStringLiteral("MenuPopup");
  QString SonResult = QStringLiteral("MenuCommand");
  QString SonErreur = QStringLiteral("AppGPFault");
  QString SonAnnul = QStringLiteral("Minimize");
  QString SonNewGame = QStringLiteral("RestoreUp");
  QString SonTrouve = QStringLiteral("SystemQuestion");
  QString SonTemps = QStringLiteral("SystemExclamation");

  static constexpr int Nombre = 7;
  // The seven names in the order of a theme file's lines.
  std::array<QString*, Nombre> DansLOrdreDuTheme();
  std::array<const QString*, Nombre> DansLOrdreDuTheme() const;
};

// Reads a theme: its seven lines become the seven names (a missing line
// gives an empty name). A file that cannot be opened asks Retry/Cancel;
// after Cancel nothing has changed.
void ChargeTheme(const QString& chemin, SonsDuJeu& sons, Plateforme& plateforme, const TextesMessages& textes);

// Writes the seven names as a theme, whole or not at all.
void SauveTheme(const QString& chemin, const SonsDuJeu& sons, Plateforme& plateforme,
                const TextesMessages& textes);

}  // namespace tolvan
