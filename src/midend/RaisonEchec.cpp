#include "RaisonEchec.h"

#include <cerrno>
#include <cstring>

#include <QFileInfo>

namespace tolvan {

QString RaisonSysteme(int erreur, Acces acces) {
  const bool ecriture = acces == Acces::Ecriture;
  switch (erreur) {
    case 0: return {};
    case ENOSPC:
    case EDQUOT: return QStringLiteral("disque plein");
    case EFBIG: return QStringLiteral("fichier trop volumineux");
    case EROFS: return QStringLiteral("lecture seule");
    // Refused a write, a file or its folder is read-only to the player.
    case EACCES:
    case EPERM: return ecriture ? QStringLiteral("lecture seule") : QStringLiteral("accès refusé");
    // A file written is created: what is missing is its folder.
    case ENOENT: return ecriture ? QStringLiteral("dossier introuvable") : QStringLiteral("fichier introuvable");
    case ENOTDIR: return QStringLiteral("dossier introuvable");
    case EISDIR: return QStringLiteral("c'est un dossier");
    case EIO: return QStringLiteral("erreur du disque");
    case ENAMETOOLONG: return QStringLiteral("nom trop long");
    default: return QString::fromLocal8Bit(std::strerror(erreur));
  }
}

QString RaisonLecture(const QString& chemin) {
  const QFileInfo fichier(chemin);
  if (!fichier.exists()) {
    return QFileInfo(fichier.absolutePath()).isDir() ? QStringLiteral("fichier introuvable")
                                                     : QStringLiteral("dossier introuvable");
  }
  if (fichier.isDir()) return QStringLiteral("c'est un dossier");
  if (!fichier.isFile()) return QStringLiteral("ce n'est pas un fichier");
  if (!fichier.isReadable()) return QStringLiteral("accès refusé");
  return {};
}

QString RaisonEcriture(const QString& chemin, int erreur) {
  if (QString raison = RaisonSysteme(erreur, Acces::Ecriture); !raison.isEmpty()) return raison;
  const QFileInfo fichier(chemin);
  const QFileInfo dossier(fichier.absolutePath());
  if (!dossier.isDir()) return QStringLiteral("dossier introuvable");
  if (fichier.isDir()) return QStringLiteral("c'est un dossier");
  if (!dossier.isWritable() || (fichier.exists() && !fichier.isWritable())) return QStringLiteral("lecture seule");
  return {};
}

QString LigneEchec(const QString& chemin, const QString& raison) {
  return raison.isEmpty() ? chemin : chemin + QStringLiteral(" : ") + raison;
}

}  // namespace tolvan
