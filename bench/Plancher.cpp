// The start-up floor (vorn_lanceur vorn_plancher): Qt alone showing one window
// of the welcome screen's make-up (picture, texts, name box, two buttons) with
// the same locale, translation, font and icon set-up, and no rules.

#include "Mesures.h"

#include <QSvgRenderer>
#include <QtWidgets>

constexpr int tw(int twips) { return (twips + 7) / 15; }
static void placer(QWidget* w, int l, int t, int largeur, int hauteur) {
    w->setGeometry(tw(l), tw(t), tw(largeur), tw(hauteur));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduction);
    }
    // The emblem drawn from its SVG, as the program does.
    QImage dessin(78, 79, QImage::Format_RGB32);
    dessin.fill(QColor(224, 224, 224));
    QPainter peintre(&dessin);
    peintre.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/vorn/zazuvurevorn.svg")).render(&peintre, QRectF(0, 0, 78, 78));
    peintre.end();
    const QPixmap image = QPixmap::fromImage(dessin);
    QApplication::setWindowIcon(image);
    QFont police = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(7.5);
    QApplication::setFont(police);
    police.setPointSizeF(9.75);

    QWidget w(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    w.setObjectName(QStringLiteral("Plancher"));
    w.setWindowTitle(QStringLiteral("Plancher"));
    w.setFixedSize(tw(5430), tw(3225));

    auto* img = new QLabel(&w);
    img->setPixmap(image);
    img->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(img, 240, 240, 1230, 1245);

    auto* texte = new QLabel(
        QStringLiteral("Bienvenue dans ce programme d'essai, qui montre les mêmes widgets sans règle derrière."), &w);
    QFont gras = police;
    gras.setBold(true);
    texte->setFont(gras);
    texte->setWordWrap(true);
    texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texte->setAutoFillBackground(true);
    QPalette fond = texte->palette();
    fond.setColor(QPalette::Window, QColor(224, 224, 224));
    fond.setColor(QPalette::WindowText, Qt::black);
    texte->setPalette(fond);
    placer(texte, 1920, 360, 3255, 1095);

    auto* etiquette = new QLabel(QStringLiteral("Nom du joueur:"), &w);
    placer(etiquette, 480, 1920, 1215, 255);
    auto* nom = new QLineEdit(&w);
    nom->setFont(police);
    placer(nom, 1920, 1800, 3015, 375);
    etiquette->setBuddy(nom);

    auto* continuer = new QPushButton(QStringLiteral("&Continuer"), &w);
    placer(continuer, 840, 2640, 1335, 375);
    continuer->setDefault(true);
    placer(new QPushButton(QStringLiteral("&Quitter"), &w), 3240, 2640, 1335, 375);

    w.setWindowIcon(image);
    if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        w.move(zone.x() + (zone.width() - w.width()) / 2, zone.y() + (zone.height() - w.height()) / 2);
    }
    nom->setFocus();
    return mesure::demarrage(w.objectName(), [&w] { w.show(); });
}
