// File-dialog filters are written the way the game has always stored them,
// "Fichiers Tirage *.tir|*.tir": description and pattern in turn, separated
// by "|". Qt wants "Fichiers Tirage *.tir (*.tir)".
#pragma once

#include <QFileDialog>
#include <QString>

#include "Plateforme.h"

namespace tolvan {

QString FiltreQt(const QString& filtre);

// Sets up an open or save dialog. A save dialog adds the default extension
// itself, so that its question before overwriting names the real file.
void PrepareDialogue(QFileDialog& choix, const DialogueFichier& dialogue, QFileDialog::AcceptMode mode);

}  // namespace tolvan
