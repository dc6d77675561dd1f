// Sound theme files (".son"): the seven event sounds, one a line.
#pragma once

#include <array>

#include <QString>

#include "EvenementsSonores.h"
#include "TextesMessages.h"
#include "Services.h"

namespace tolvan {

// Reads a theme: its seven lines become the seven names (a missing line
// gives an empty name). A file that cannot be opened asks Retry/Cancel;
// after Cancel nothing has changed.
void ChargeTheme(const QString& chemin, SonsDuJeu& sons, Services& plateforme, const TextesMessages& textes);

// Writes the seven names as a theme, whole or not at all.
void SauveTheme(const QString& chemin, const SonsDuJeu& sons, Services& plateforme,
                const TextesMessages& textes);

}  // namespace tolvan
