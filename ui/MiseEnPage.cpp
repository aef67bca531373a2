#include "MiseEnPage.h"

#include <QDir>
#include <QFontDatabase>
#include <QImageReader>
#include <QPixmapCache>
#include <QWidget>

void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur) {
    w->setGeometry(tw(gauche), tw(haut), tw(largeur), tw(hauteur));
}

void nommer(QWidget* w, const QString& nom, const QString& nomAccessible) {
    w->setObjectName(nom);
    w->setAccessibleName(nomAccessible);
}

QString indexe(const QString& nom, int index) { return QStringLiteral("%1(%2)").arg(nom).arg(index); }

namespace {
QString& familleIntegree() {
    static QString famille;
    return famille;
}
} // namespace

void integrerPolices() {
    const QDir dossier(QStringLiteral(":/polices"));
    for (const QString& nom : dossier.entryList(QDir::Files)) {
        const int police = QFontDatabase::addApplicationFont(dossier.filePath(nom));
        const QStringList familles = QFontDatabase::applicationFontFamilies(police);
        if (!familles.isEmpty()) familleIntegree() = familles.first();
    }
}

QFont policeSansSerif(qreal points, bool gras) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (!familleIntegree().isEmpty()) f.setFamily(familleIntegree());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

QPixmap imageVorn() {
    // Decoded once per process, then shared through Qt's pixmap cache.
    const QString chemin = QStringLiteral(":/vorn/vorn.png");
    QPixmap image;
    if (QPixmapCache::find(chemin, &image)) return image;
    // The format named and content sniffing off: Qt's own PNG reader answers
    // at once instead of every image-format plugin being loaded and asked first.
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    image = QPixmap::fromImage(lecteur.read());
    QPixmapCache::insert(chemin, image);
    return image;
}
