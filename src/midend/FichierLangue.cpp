#include "FichierLangue.h"

#include <algorithm>

#include "library/TexteWindows.h"
#include "midend/RaisonEchec.h"

namespace tolvan {

namespace {

// A language file is small: what lies beyond its first megabyte is not read.
constexpr std::size_t OctetsMaxLangue = std::size_t{1} << 20;

}  // namespace

bool LigneBinaire(std::string_view octets) {
  return std::any_of(octets.begin(), octets.end(), [](char c) {
    const auto octet = static_cast<unsigned char>(c);
    return (octet < 0x20 && c != '\n') || octet == 0x7F;
  });
}

LectureLangue LitFichierLangue(const QString& chemin) {
  LecteurLignes lecteur(OctetsMaxLangue);
  if (!lecteur.Ouvre(chemin.toStdString())) return {LectureLangue::OuvertureImpossible, {}, RaisonLecture(chemin)};
  LectureLangue lecture;
  bool binaire = false;
  bool vide = true;
  while (const std::optional<std::string> ligne = lecteur.Suivante()) {
    vide = false;
    binaire = binaire || LigneBinaire(*ligne);
    if (lecture.lignes.size() < NbLignesFichierLangue) {
      lecture.lignes.append(QString::fromStdString(Utf8DepuisWindows1252(*ligne)));
    }
  }
  if (lecteur.ErreurDeLecture()) {
    lecture.etat = LectureLangue::LectureImpossible;
  } else if (vide) {
    lecture = {LectureLangue::Refusee, {}, QStringLiteral("fichier vide")};
  } else if (binaire || lecteur.SuiteApresCtrlZ()) {
    // A Ctrl-Z ends a text file; one with more after it ends no text.
    lecture = {LectureLangue::Refusee, {}, QStringLiteral("ce n'est pas un fichier texte")};
  }
  return lecture;
}

QString TexteAbsent(int ligne) {
  if (ligne < NbLignesLangue || ligne >= NbLignesFichierLangue) return {};
  return LignesPropres[ligne - NbLignesLangue].lit(TextesMessages{});
}

}  // namespace tolvan
