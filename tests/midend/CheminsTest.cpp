#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include "midend/Chemins.h"

namespace tolvan::test {
namespace {

TEST(Chemins, SplitAtTheLastSlashOrBackslash) {
  struct Cas {
    QString chemin, nom, repertoire;
  };
  const std::vector<Cas> cas = {
      {"C:\\Sons\\clic.wav", "clic.wav", "C:\\Sons\\"},
      {"MenuPopup", "MenuPopup", ""},
      {"C:\\Jeux\\prog.exe", "prog.exe", "C:\\Jeux\\"},
      {"C:\\prog.exe\\prog.exe", "prog.exe", "C:\\prog.exe\\"},
      {"/home/joueur/sons/bip.wav", "bip.wav", "/home/joueur/sons/"},
      {"/home/joueur/sons/", "", "/home/joueur/sons/"},
      {"D:\\mixte/dossier\\fin.son", "fin.son", "D:\\mixte/dossier\\"},
      {"", "", ""},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(NomDeFichier(c.chemin), c.nom) << c.chemin.toStdString();
    EXPECT_EQ(RepertoireDe(c.chemin), c.repertoire) << c.chemin.toStdString();
  }
}

}  // namespace
}  // namespace tolvan::test
