#include "MiseEnPage.h"

#include <QFontDatabase>
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
    // Loading by name goes through Qt's pixmap cache: decoded once per process.
    return QPixmap(QStringLiteral(":/vorn/vorn.png"));
}
