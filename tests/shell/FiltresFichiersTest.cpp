#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ImpressionQt.h"

#include "shell/platform/FiltresFichiers.h"

namespace tolvan::test {
namespace {

TEST(FiltresFichiers, StoredFiltersBecomeQtFilters) {
  EXPECT_EQ(FiltreQt("Fichiers Tirage *.tir|*.tir"), "Fichiers Tirage *.tir (*.tir)");
  EXPECT_EQ(FiltreQt("Fichier WAV|*.wav"), "Fichier WAV (*.wav)");
  EXPECT_EQ(FiltreQt("Sons|*.wav;*.WAV|Tous|*.*"), "Sons (*.wav *.WAV);;Tous (*.*)");
  EXPECT_EQ(FiltreQt(""), "");
}

// The save dialog itself completes a bare name, so that an existing
// "mon.son" is asked about before being overwritten by "mon".
TEST(FiltresFichiers, SaveDialogsAddTheirExtensionBeforeClosing) {
  QTemporaryDir dossier;
  const DialogueFichier theme{"Sauvegarder un fichier SON", "Fichiers Sons|*.son", "son"};
  for (const auto& [tape, attendu] : std::vector<std::pair<QString, QString>>{
           {"mon", "mon.son"}, {"mon.son", "mon.son"}, {"mon.txt", "mon.txt"}}) {
    QFileDialog choix;
    choix.setOption(QFileDialog::DontUseNativeDialog);
    PrepareDialogue(choix, theme, QFileDialog::AcceptSave);
    choix.setDirectory(dossier.path());
    choix.selectFile(tape);
    EXPECT_EQ(choix.selectedFiles().value(0), dossier.filePath(attendu)) << tape.toStdString();
  }
  QFileDialog ouverture;
  PrepareDialogue(ouverture, theme, QFileDialog::AcceptOpen);
  EXPECT_EQ(ouverture.fileMode(), QFileDialog::ExistingFile);
}

}  // namespace
}  // namespace tolvan::test
