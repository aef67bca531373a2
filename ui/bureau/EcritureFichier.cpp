#include "EcritureFichier.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
// The data reach the disk before the rename makes them the file: a failure the
// kernel reports only when it writes back (a full disk on some file systems, a
// removed medium) is caught here rather than after the old file is gone.
QString synchroniser(QSaveFile& fichier) {
    const int fd = fichier.handle();
    if (fd < 0) return {};
#ifdef Q_OS_WIN
    const int echec = _commit(fd);
#else
    const int echec = ::fsync(fd);
    // Some special files and file systems cannot be synced; that is no write error.
    if (echec != 0 && (errno == EINVAL || errno == EROFS || errno == ENOTSUP)) return {};
#endif
    return echec == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

QString EcrireFichier(const QString& chemin, const ProductionFichier& produire) {
    QSaveFile fichier(chemin);
    // Never write in place: either the complete new file or the old one.
    fichier.setDirectWriteFallback(false);
    if (!fichier.open(QIODevice::WriteOnly)) return fichier.errorString();

    // On any failure the temporary file is dropped; the target is untouched.
    const auto abandonner = [&fichier](const QString& raison) {
        fichier.cancelWriting();
        fichier.commit(); // removes the temporary file, reports the cancel
        return raison;
    };
    const QString produit = produire(fichier);
    if (fichier.error() != QFileDevice::NoError) return abandonner(fichier.errorString());
    if (!produit.isEmpty()) return abandonner(produit);
    // commit() would rename even when its own final flush fails: flush first.
    if (!fichier.flush()) return abandonner(fichier.errorString());
    if (const QString raison = synchroniser(fichier); !raison.isEmpty()) return abandonner(raison);
    if (!fichier.commit()) return fichier.errorString();
    return {};
}

QString EcrireFichier(const QString& chemin, const QByteArray& contenu) {
    return EcrireFichier(chemin, [&contenu](QIODevice& sortie) {
        // A short write is a failure even when the device names no error.
        return sortie.write(contenu) == contenu.size() ? QString() : sortie.errorString();
    });
}
