#include "FichierTexte.h"

#include <array>

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

namespace tolvan {

namespace {

constexpr char RetourChariot = '\r';
constexpr char SautDeLigne = '\n';
constexpr char FinDeFichier = '\x1a';

// The 256 characters of the code page, taken from the system's converter
// (Latin-1 where it has none), and the way back.
class PageDeCode {
 public:
  PageDeCode() {
    QByteArray octets(256, '\0');
    for (int i = 0; i < 256; ++i) octets[i] = static_cast<char>(i);
    QStringDecoder decodeur("windows-1252");
    const QString caracteres = decodeur.isValid() ? decodeur.decode(octets) : QString::fromLatin1(octets);
    for (int i = 0; i < 256; ++i) {
      // An undefined byte of the code page decodes as itself.
      const QChar c = (caracteres.size() == 256) ? caracteres.at(i) : QChar(i);
      versUnicode_[static_cast<std::size_t>(i)] = c;
      if (!versOctet_.contains(c)) versOctet_.insert(c, static_cast<char>(i));
    }
  }

  QString Decode(const QByteArray& octets) const {
    QString texte(octets.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < octets.size(); ++i) {
      texte[i] = versUnicode_[static_cast<unsigned char>(octets[i])];
    }
    return texte;
  }

  QByteArray Encode(const QString& texte) const {
    QByteArray octets;
    octets.reserve(texte.size());
    for (const QChar c : texte) octets.append(versOctet_.value(c, '?'));
    return octets;
  }

 private:
  std::array<QChar, 256> versUnicode_{};
  QHash<QChar, char> versOctet_;
};

const PageDeCode& Windows1252() {
  static const PageDeCode page;
  return page;
}

}  // namespace

QString DepuisWindows1252(const QByteArray& octets) { return Windows1252().Decode(octets); }

QByteArray VersWindows1252(const QString& texte) { return Windows1252().Encode(texte); }

QStringList DecoupeLignes(const QByteArray& contenu) {
  QStringList lignes;
  QByteArray ligne;
  bool ligneOuverte = false;  // something since the last line end
  for (qsizetype i = 0; i < contenu.size(); ++i) {
    const char c = contenu[i];
    if (c == FinDeFichier) break;
    if (c == RetourChariot) {
      lignes.append(DepuisWindows1252(ligne));
      ligne.clear();
      ligneOuverte = false;
      if (i + 1 < contenu.size() && contenu[i + 1] == SautDeLigne) ++i;
      continue;
    }
    ligne.append(c);
    ligneOuverte = true;
  }
  if (ligneOuverte) lignes.append(DepuisWindows1252(ligne));
  return lignes;
}

LectureTexte LitFichierTexte(const QString& chemin) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) return {LectureTexte::OuvertureImpossible, {}};
  const QByteArray contenu = fichier.readAll();
  if (fichier.error() != QFileDevice::NoError) return {LectureTexte::LectureImpossible, {}};
  return {LectureTexte::Lu, DecoupeLignes(contenu)};
}

EcritureTexte EcritFichierTexte(const QString& chemin, const QStringList& lignes) {
  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly)) return EcritureTexte::OuvertureImpossible;
  QByteArray contenu;
  for (const QString& ligne : lignes) {
    contenu.append(VersWindows1252(ligne));
    contenu.append("\r\n");
  }
  if (fichier.write(contenu) != contenu.size() || !fichier.commit()) return EcritureTexte::EcritureImpossible;
  return EcritureTexte::Ecrit;
}

}  // namespace tolvan
