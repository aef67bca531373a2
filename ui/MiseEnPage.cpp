#include "MiseEnPage.h"

#include "Embleme.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
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

QFont policeSansSerif(qreal points, bool gras) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
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
