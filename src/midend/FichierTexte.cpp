#include "FichierTexte.h"

#include <cerrno>

#include <QSaveFile>

#include "library/TexteWindows.h"
#include "RaisonEchec.h"

namespace tolvan {

namespace {

constexpr std::size_t OctetsMaxTexte = std::size_t{1} << 20;

QString Decode(std::string_view octets) { return QString::fromStdString(Utf8DepuisWindows1252(octets)); }

}  // namespace

LectureTexte LitFichierTexte(const QString& chemin, FinsDeLigne fins) {
  LecteurLignes lecteur(OctetsMaxTexte, std::size_t{1} << 16, fins);
  if (!lecteur.Ouvre(chemin.toStdString())) return {LectureTexte::OuvertureImpossible, {}, RaisonLecture(chemin)};
  QStringList lignes;
  while (const std::optional<std::string> ligne = lecteur.Suivante()) lignes.append(Decode(*ligne));
  if (lecteur.ErreurDeLecture()) return {LectureTexte::LectureImpossible, lignes};
  return {LectureTexte::Lu, lignes};
}

ResultatEcriture EcritFichierOctets(const QString& chemin, const QByteArray& contenu) {
  QSaveFile fichier(chemin);
  // Unbuffered: a buffered write that fails only when the file is closed
  // would go unnoticed, and the incomplete file would replace the old one.
  errno = 0;
  if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return {EcritureTexte::OuvertureImpossible, RaisonEcriture(chemin, errno)};
  }
  if (fichier.write(contenu) != contenu.size() || !fichier.commit()) {
    return {EcritureTexte::EcritureImpossible, RaisonEcriture(chemin, errno)};
  }
  return {};
}

ResultatEcriture EcritFichierTexte(const QString& chemin, const QStringList& lignes) {
  std::vector<std::string> utf8;
  for (const QString& ligne : lignes) utf8.push_back(ligne.toStdString());
  return EcritFichierOctets(chemin, QByteArray::fromStdString(OctetsTexte(utf8)));
}

}  // namespace tolvan
