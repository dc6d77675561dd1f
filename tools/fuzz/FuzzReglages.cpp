// libFuzzer target for the settings file: whatever the bytes, reading never
// crashes; what is written is read back, what is not written reads as the
// first read gave it (or is gone with a file that held no settings), and
// every file written passes the store's own check. The first bytes choose
// what is written: the values read again as read, and one value changed.
#include <algorithm>
#include <cstdint>

#include "Reglages.h"
#include "SoutienFuzz.h"
#include "platform/MagasinQSettings.h"

using namespace tolvan;
using namespace tolvan::fuzz;

namespace {

// What the input asks to write, and the file it starts from.
struct Demande {
  int changee = -1;  // the value given a new text, -1 for none
  unsigned recopiees = 0;  // one bit per value written again as read
  QString texte;
  QByteArray fichier;
};

std::optional<Demande> LitDemande(const std::uint8_t* donnees, std::size_t taille) {
  if (taille < 4) return std::nullopt;
  Demande demande;
  demande.changee = donnees[0] < NbReglages ? donnees[0] : -1;
  demande.recopiees = donnees[1] | (donnees[2] << 8);
  const std::size_t longueur = std::min<std::size_t>(donnees[3], taille - 4);
  demande.texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees) + 4, static_cast<qsizetype>(longueur));
  // The time stays a whole number, which is all it may be.
  if (demande.changee == static_cast<int>(Reglage::Temps)) demande.texte = QString::number(demande.texte.size());
  demande.fichier = QByteArray(reinterpret_cast<const char*>(donnees) + 4 + longueur,
                               static_cast<qsizetype>(taille - 4 - longueur));
  return demande;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  DemarreQt();
  static Fichiers fichiers;
  fichiers.Efface();
  const std::optional<Demande> demande = LitDemande(donnees, taille);
  if (!demande) return 0;
  const QString chemin = fichiers.Nouveau(demande->fichier, ".ini");
  const bool reglages = EstFichierIni(demande->fichier);

  MagasinQSettings magasin(chemin);
  const LectureReglages premiere = LisReglages(magasin);
  Exige(reglages || (premiere.echec && premiere.valeurs == decltype(premiere.valeurs){}));
  std::array<std::optional<QString>, NbReglages> ecrites;
  for (int i = 0; i < NbReglages; ++i) {
    if (demande->recopiees & (1u << i)) ecrites[static_cast<std::size_t>(i)] = premiere.valeurs[static_cast<std::size_t>(i)];
  }
  if (demande->changee >= 0) ecrites[static_cast<std::size_t>(demande->changee)] = demande->texte;
  if (!EcritReglages(magasin, ecrites)) {
    // Only a value Qt cannot give back is refused, and then nothing is written.
    Exige(std::any_of(ecrites.begin(), ecrites.end(), [](const auto& v) { return v && v->contains(QChar(0xFEFF)); }));
    Exige(fichiers.Contenu(chemin) == demande->fichier);
    return 0;
  }
  const bool ecrit = std::any_of(ecrites.begin(), ecrites.end(), [](const auto& v) { return v.has_value(); });
  Exige(EstFichierIni(fichiers.Contenu(chemin)) == (reglages || ecrit));

  MagasinQSettings relu(chemin);
  const LectureReglages seconde = LisReglages(relu);
  for (std::size_t i = 0; i < ecrites.size(); ++i) {
    const std::optional<QString> attendue = ecrites[i] ? ecrites[i] : (reglages ? premiere.valeurs[i] : std::nullopt);
    Exige(seconde.valeurs[i] == attendue);
  }
  // Writing makes no value bad.
  Exige(premiere.echec || !seconde.echec);
  return 0;
}
