#include "FiltresFichiers.h"

#include <QStringList>

namespace tolvan {

QString FiltreQt(const QString& filtre) {
  const QStringList morceaux = filtre.split(QLatin1Char('|'));
  QStringList filtres;
  for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
    const QString motifs = QString(morceaux[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    filtres.append(morceaux[i] + QStringLiteral(" (") + motifs + QLatin1Char(')'));
  }
  return filtres.join(QStringLiteral(";;"));
}

void PrepareDialogue(QFileDialog& choix, const DialogueFichier& dialogue, QFileDialog::AcceptMode mode) {
  choix.setWindowTitle(dialogue.titre);
  choix.setNameFilter(FiltreQt(dialogue.filtre));
  // The descriptions name their patterns already ("Fichiers Tirage *.tir").
  choix.setOption(QFileDialog::HideNameFilterDetails);
  choix.setAcceptMode(mode);
  choix.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (mode == QFileDialog::AcceptSave) choix.setDefaultSuffix(dialogue.extension);
  if (!dialogue.dossier.isEmpty()) choix.setDirectory(dialogue.dossier);
}

}  // namespace tolvan
