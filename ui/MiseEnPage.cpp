#include "MiseEnPage.h"

#include "Choix.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
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

void CentrerForm(QWidget* fenetre) {
    QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect zone = ecran->availableGeometry();
    // Before the first show the frame is unknown; its size then equals the client's.
    const QSize exterieur = fenetre->frameGeometry().size().expandedTo(fenetre->size());
    const Position p = PositionCentree(zone.x(), zone.y(), zone.width(), zone.height(), exterieur.width(),
                                       exterieur.height());
    fenetre->move(p.x, p.y);
}

QPixmap imageVorn() {
    // Loading by name goes through Qt's pixmap cache: decoded once per process.
    return QPixmap(QStringLiteral(":/vorn/vorn.png"));
}
