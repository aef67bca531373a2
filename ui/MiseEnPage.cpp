#include "MiseEnPage.h"

#include "Embleme.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QWidget>

#include <algorithm>
#include <cmath>

double zoomEcran() {
    // The desktop's own face, which the program's fixed one replaces: read before any widget exists.
    static const double zoom = [] {
        const QFont bureau = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        const qreal points = bureau.pointSizeF() > 0 ? bureau.pointSizeF() : bureau.pixelSize() * 0.75;
        // Desktops ship a 9- or 10-point face: the design's size. Up to 4 times, beyond which nothing fits.
        return std::clamp(points / 10.0, 1.0, 4.0);
    }();
    return zoom;
}

int tw(int twips) {
    const double z = zoomEcran();
    return z == 1.0 ? (twips + 7) / 15 : static_cast<int>(std::lround(twips * z / 15.0));
}

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

QFont policeEcran(qreal points, bool gras) {
    // Text does not grow quite linearly with its size (hinting rounds each letter): enlarged, it keeps a little room.
    const double z = zoomEcran();
    return policeSansSerif(z == 1.0 ? points : points * z * 0.92, gras);
}

QPixmap imageVorn() {
    // Drawn once per process and scale, then shared through Qt's pixmap cache.
    const qreal echelle = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString cle = QStringLiteral("vorn-embleme-%1").arg(echelle);
    QPixmap image;
    if (QPixmapCache::find(cle, &image)) return image;
    // 78 x 79 opaque pixels at scale 1: the 78-pixel emblem at the top of a light grey square.
    QImage dessin(QSize(78, 79) * echelle, QImage::Format_RGB32);
    dessin.setDevicePixelRatio(echelle);
    dessin.fill(QColor(224, 224, 224));
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    DessinerEmbleme(p, QRectF(0, 0, 78, 78));
    p.end();
    image = QPixmap::fromImage(dessin);
    QPixmapCache::insert(cle, image);
    return image;
}

QPixmap imageEcran() {
    const QPixmap image = imageVorn();
    const double z = zoomEcran();
    return z == 1.0 ? image : image.scaled(image.size() * z, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
