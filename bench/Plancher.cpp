// The toolkit's floor: welcome, choice and sheet windows with the same kinds
// and numbers of widgets as ours, the same locale, translation and font set-up,
// and no rules. What it costs is what Qt alone asks for our screens.
//
//   vorn_plancher demarrage    start to the welcome window's first frame
//   vorn_plancher feuille      the choice's "&Continuer" to the sheet window's first frame
//   vorn_plancher inventaire   the choice and sheet windows' widgets by class

#include "Mesures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <string>

using mesure::GuetPeinture;
using mesure::maintenantNs;

namespace {

constexpr int tw(int twips) { return (twips + 7) / 15; }
void placer(QWidget* w, int l, int t, int largeur, int hauteur) {
    w->setGeometry(tw(l), tw(t), tw(largeur), tw(hauteur));
}

constexpr Qt::WindowFlags Drapeaux = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                     Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                     Qt::CustomizeWindowHint;

QFont police(qreal points, bool gras = false) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

QPixmap image() { return QPixmap(QStringLiteral(":/vorn/vorn.png")); }

void preparer(QApplication& app) {
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto* traduction = new QTranslator(&app);
    if (traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(traduction);
    }
    QApplication::setWindowIcon(image());
    QApplication::setFont(police(7.5));
}

void centrer(QWidget* fenetre) {
    if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre->move(zone.x() + (zone.width() - fenetre->width()) / 2,
                      zone.y() + (zone.height() - fenetre->height()) / 2);
    }
}

void lisible(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, p.color(QPalette::Active, QPalette::Text));
    p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Active, QPalette::Base));
    w->setPalette(p);
}

QLabel* etiquette(QWidget* parent, const QString& texte, int l, int t, int w, int h) {
    auto* e = new QLabel(texte, parent);
    placer(e, l, t, w, h);
    return e;
}

QLineEdit* affichage(QWidget* parent, const QString& texte, int l, int t, int w, int h, bool gras = false) {
    auto* c = new QLineEdit(parent);
    c->setEnabled(false);
    c->setFocusPolicy(Qt::NoFocus);
    c->setContextMenuPolicy(Qt::NoContextMenu);
    c->setTextMargins(0, 0, 0, 0);
    QFont f = c->font();
    f.setBold(gras);
    c->setFont(f);
    lisible(c);
    c->setText(texte);
    c->setCursorPosition(0);
    placer(c, l, t, w, h);
    return c;
}

QComboBox* liste(QWidget* parent, int entrees, int l, int t, int w, int h, int premier = 1) {
    auto* c = new QComboBox(parent);
    c->setEditable(false);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    placer(c, l, t, w, h);
    for (int i = 0; i < entrees; ++i) c->addItem(QString::number(premier + i));
    c->view()->setMinimumWidth(c->view()->sizeHintForColumn(0) + 24);
    c->setCurrentIndex(0);
    return c;
}

QListWidget* listeAffichage(QWidget* parent, const QStringList& lignes, int l, int t, int w, int h) {
    auto* lst = new QListWidget(parent);
    lst->setEnabled(false);
    lst->setFocusPolicy(Qt::NoFocus);
    lst->setSelectionMode(QAbstractItemView::NoSelection);
    lst->setUniformItemSizes(true);
    lisible(lst);
    placer(lst, l, t, w, h);
    lst->addItems(lignes);
    return lst;
}

QWidget* accueil(const std::function<void()>& continuer) {
    auto* w = new QWidget(nullptr, Drapeaux);
    w->setObjectName(QStringLiteral("Accueil"));
    w->setWindowTitle(QStringLiteral("Accueil"));
    w->setFixedSize(tw(5430), tw(3225));

    auto* img = new QLabel(w);
    img->setPixmap(image());
    img->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(img, 240, 240, 1230, 1245);

    auto* texte = new QLabel(QStringLiteral("Bienvenue dans ce programme d'essai, qui montre les mêmes widgets sans "
                                            "aucune règle derrière eux."),
                             w);
    texte->setFont(police(9.75, true));
    texte->setWordWrap(true);
    texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texte->setAutoFillBackground(true);
    QPalette fond = texte->palette();
    fond.setColor(QPalette::Window, QColor(224, 224, 224));
    fond.setColor(QPalette::WindowText, Qt::black);
    texte->setPalette(fond);
    placer(texte, 1920, 360, 3255, 1095);

    auto* lblNom = etiquette(w, QStringLiteral("Nom du joueur:"), 480, 1920, 1215, 255);
    auto* nom = new QLineEdit(w);
    nom->setFont(police(9.75));
    placer(nom, 1920, 1800, 3015, 375);
    lblNom->setBuddy(nom);

    auto* ok = new QPushButton(QStringLiteral("&Continuer"), w);
    ok->setObjectName(QStringLiteral("Continuer"));
    placer(ok, 840, 2640, 1335, 375);
    ok->setDefault(true);
    auto* quitter = new QPushButton(QStringLiteral("&Quitter"), w);
    placer(quitter, 3240, 2640, 1335, 375);
    QObject::connect(ok, &QPushButton::clicked, w, continuer);
    QObject::connect(quitter, &QPushButton::clicked, w, [] { QCoreApplication::exit(0); });

    w->setWindowIcon(image());
    centrer(w);
    nom->setFocus();
    return w;
}

// Between the two, a window of the choice screen's make-up, so that the sheet
// window opens after the same widget kinds have been used once, as ours does.
QWidget* choix(const std::function<void()>& continuer) {
    auto* w = new QWidget(nullptr, Drapeaux);
    w->setObjectName(QStringLiteral("Choix"));
    w->setWindowTitle(QStringLiteral("Choix"));
    w->setWindowIcon(image());
    w->setFixedSize(tw(7230), tw(5445));

    auto* lblNom = etiquette(w, QStringLiteral("Nom du personnage:"), 1080, 360, 1980, 255);
    auto* nom = new QLineEdit(w);
    nom->setFont(police(9.75));
    placer(nom, 3120, 240, 2655, 375);
    lblNom->setBuddy(nom);
    nom->setText(QStringLiteral("AGENT"));

    struct Groupe { int l, t, w, h, options, ecart; };
    int g = 0;
    for (const Groupe& c : {Groupe{120, 840, 3615, 2175, 3, 600}, Groupe{120, 3240, 3615, 1335, 2, 480},
                            Groupe{3960, 840, 3135, 3735, 7, 480}}) {
        auto* cadre = new QGroupBox(QStringLiteral("Groupe %1:").arg(++g), w);
        placer(cadre, c.l, c.t, c.w, c.h);
        for (int i = 0; i < c.options; ++i) {
            auto* o = new QRadioButton(QStringLiteral("Option numéro %1").arg(i), cadre);
            placer(o, 360, 480 + c.ecart * i, c.w - 420, 255);
            o->setChecked(i == 0);
        }
    }

    auto* ok = new QPushButton(QStringLiteral("&Continuer"), w);
    ok->setObjectName(QStringLiteral("Continuer"));
    placer(ok, 1800, 4920, 1455, 375);
    auto* quitter = new QPushButton(QStringLiteral("&Quitter"), w);
    placer(quitter, 3960, 4920, 1455, 375);
    QObject::connect(ok, &QPushButton::clicked, w, continuer);
    QObject::connect(quitter, &QPushButton::clicked, w, [] { QCoreApplication::exit(0); });

    centrer(w);
    nom->setFocus();
    return w;
}

QWidget* feuille() {
    auto* w = new QWidget(nullptr, Drapeaux);
    w->setObjectName(QStringLiteral("Feuille"));
    w->setWindowTitle(QStringLiteral("Feuille"));
    w->setWindowIcon(image());
    auto* disposition = new QVBoxLayout(w);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    auto* z = new QWidget(w);
    z->setFixedSize(tw(11880), tw(8040));
    disposition->addWidget(z);

    auto* barre = new QMenuBar(w);
    QMenu* menu = barre->addMenu(QStringLiteral("&Fichier"));
    menu->addAction(QStringLiteral("&Nouveau"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Quitter"));
    barre->addMenu(QStringLiteral("&?"))->addAction(QStringLiteral("&À propos"));
    disposition->setMenuBar(barre);

    // Header: 16 labels, 7 fields, 5 drop-down lists, 2 display lists.
    struct Cadre { int l, t, w, h; };
    const Cadre etiquettes[]{{600, 0, 1215, 240},    {2760, 0, 1815, 240},  {4920, 0, 735, 240},
                             {6240, 0, 975, 240},    {8040, 0, 375, 240},   {9000, 240, 255, 255},
                             {9600, 0, 495, 240},    {10560, 240, 255, 255}, {11160, 0, 375, 240},
                             {5160, 720, 735, 240},  {6240, 720, 1455, 240}, {7920, 720, 1500, 240},
                             {9720, 720, 1575, 240}, {5160, 1440, 1695, 240}, {7920, 1440, 855, 240},
                             {10440, 1440, 735, 240}};
    int n = 0;
    for (const Cadre& c : etiquettes) etiquette(z, QStringLiteral("Étiquette %1").arg(++n), c.l, c.t, c.w, c.h);
    const Cadre champs[]{{120, 240, 2175, 285}, {2520, 240, 2175, 285}, {4920, 240, 855, 285},
                         {5040, 960, 975, 285}, {6720, 960, 615, 285},  {8160, 960, 855, 285},
                         {9120, 960, 2655, 285}};
    n = 0;
    for (const Cadre& c : champs) {
        ++n;
        affichage(z, QStringLiteral("Champ %1").arg(n), c.l, c.t, c.w, c.h, n <= 2); // two bold names
    }
    liste(z, 7, 6000, 240, 1455, 315);
    liste(z, 10, 7680, 240, 1215, 315);
    liste(z, 10, 9360, 240, 1095, 315);
    liste(z, 6, 11040, 240, 615, 315);
    liste(z, 13, 6900, 1680, 3120, 315)->setFont(police(6.25));
    listeAffichage(z, {QStringLiteral("(aucun)")}, 5040, 1680, 1815, 1230);
    listeAffichage(z, {QStringLiteral("Ligne 1"), QStringLiteral("Ligne 2"), QStringLiteral("Ligne 3")}, 10080, 1680,
                   1695, 645);

    // Characteristics: 5 lists of 11 entries, 5 derived fields, 13 labels.
    auto* caract = new QGroupBox(QStringLiteral("Groupe 1:"), z);
    placer(caract, 120, 600, 4695, 2415);
    for (int i = 0; i < 5; ++i) {
        etiquette(caract, QStringLiteral("C%1").arg(i), 240 + 900 * i, 300, 735, 240);
        liste(caract, 11, 180 + 900 * i, 540, 780, 315, 5);
    }
    struct Derivee { int l, etiquette, champ; };
    for (const Derivee& d : {Derivee{180, 840, 495}, {1080, 1020, 495}, {2160, 1140, 495}, {3360, 900, 915}}) {
        etiquette(caract, QStringLiteral("Dérivée"), d.l, 1020, d.etiquette, 240);
        affichage(caract, QStringLiteral("10"), d.l, 1260, d.champ, 285);
    }
    etiquette(caract, QStringLiteral("h"), 1620, 1275, 255, 255);
    etiquette(caract, QStringLiteral("mn"), 2700, 1275, 315, 255);
    etiquette(caract, QStringLiteral("kg"), 4320, 1275, 300, 255);
    etiquette(caract, QStringLiteral("Une étiquette de la longueur d'une ligne"), 180, 1875, 2640, 255);
    affichage(caract, QStringLiteral("1D6"), 2880, 1860, 495, 285);

    // Skills: 24 rows of a check box, a label, three fields and a two-button spin.
    auto* comp = new QGroupBox(QStringLiteral("Groupe 2:"), z);
    placer(comp, 120, 3120, 11655, 4815);
    etiquette(comp, QStringLiteral("Colonne                    Colonne      Col"), 3000, 240, 2655, 240);
    etiquette(comp, QStringLiteral("Colonne                         Colonne      Col"), 8640, 240, 2895, 240);
    auto* trait = new QFrame(comp);
    trait->setAutoFillBackground(true);
    QPalette gris = trait->palette();
    gris.setColor(QPalette::Window, QColor(224, 224, 224));
    trait->setPalette(gris);
    trait->setGeometry(tw(5820), tw(120), 1, tw(4800) - tw(120));
    const QColor grisLigne(192, 192, 192);
    struct Champ { int l, largeur; QString texte; };
    for (int i = 0; i < 24; ++i) {
        const int d = i >= 12 ? 5880 : 0; // the right-hand column
        const int haut = 480 + 360 * (i % 12);
        // Two rows are ticked in advance, greyed, with a bold caption beside them.
        const bool libre = i == 2 || i == 5;
        auto* chk = new QCheckBox(libre ? QString() : QStringLiteral("Ligne numéro %1").arg(i), comp);
        placer(chk, 240 + d, haut, libre ? 255 : 2460, 255);
        if (libre) {
            chk->setTristate(true);
            chk->setCheckState(Qt::PartiallyChecked);
            chk->setEnabled(false);
        }
        etiquette(comp, QStringLiteral("(AAA+BBB)/2"), i >= 12 ? 8400 : 2760, haut + 15, 1095, 255);
        for (const Champ& c : {Champ{3960, 375, QStringLiteral("7")}, Champ{4440, 360, QString::number(libre)},
                               Champ{5160, 375, QStringLiteral("7")}}) {
            QLineEdit* e = affichage(comp, c.texte, c.l + d, haut, c.largeur, 285);
            if (libre) continue;
            QPalette p = e->palette();
            for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                p.setColor(groupe, QPalette::Base, grisLigne);
            e->setPalette(p);
        }
        auto* spin = new QWidget(comp);
        placer(spin, 4800 + d, haut, 195, 285);
        spin->setEnabled(libre);
        const int moitie = spin->height() / 2;
        for (const bool monter : {true, false}) {
            auto* b = new QToolButton(spin);
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoRepeat(true);
            b->setArrowType(monter ? Qt::UpArrow : Qt::DownArrow);
            b->setGeometry(0, monter ? 0 : moitie, spin->width(), monter ? moitie : spin->height() - moitie);
        }
    }
    for (const int ligne : {2, 5}) {
        QLabel* e = etiquette(comp, QStringLiteral("Ligne libre"), 505, 480 + 360 * ligne, 1575, 255);
        QFont gras = e->font();
        gras.setBold(true);
        e->setFont(gras);
    }
    disposition->setSizeConstraint(QLayout::SetFixedSize);
    centrer(w);
    return w;
}

// Welcome, fenChoix and fenFeuille windows handed over as our screens are.
struct Plancher {
    GuetPeinture guet;
    QWidget* fenFeuille = nullptr;
    QPointer<QWidget> fenChoix;
    QWidget* fenAccueil = accueil([this] {
        fenAccueil->hide();
        fenChoix = choix([this] {
            fenChoix->close();
            fenChoix->deleteLater();
            fenFeuille = feuille();
            fenFeuille->show();
        });
        fenChoix->show();
    });

    // Welcome and fenChoix windows painted, then from the fenChoix's Continuer click
    // to the fenFeuille's first frame.
    Plancher() {
        guet.viser(QStringLiteral("Accueil"));
        fenAccueil->show();
        guet.attendre();
        guet.viser(QStringLiteral("Choix"));
        fenAccueil->findChild<QPushButton*>(QStringLiteral("Continuer"))->click();
        guet.attendre();
    }
    ~Plancher() {
        delete fenFeuille;
        delete fenChoix.data();
        delete fenAccueil;
    }
    // From the choice's Continuer click to the sheet's first frame.
    mesure::Duree continuer() {
        guet.viser(QStringLiteral("Feuille"));
        const long long cpu0 = mesure::cpuNs();
        const long long t0 = maintenantNs();
        fenChoix->findChild<QPushButton*>(QStringLiteral("Continuer"))->click();
        guet.attendre();
        const mesure::Duree d{guet.instantNs() - t0, guet.cpuNs() - cpu0};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return d;
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    preparer(app);
    if (mode == "demarrage") {
        GuetPeinture guet;
        double peint = -1;
        double cpu = -1;
        guet.viser(QStringLiteral("Accueil"), [&peint, &cpu] {
            peint = mesure::msDepuisLancement();
            cpu = mesure::ms(mesure::cpuNs());
            QCoreApplication::exit(0);
        });
        QWidget* w = accueil([] {});
        w->show();
        const int code = QApplication::exec();
        std::printf("peint_ms=%.3f\ncpu_ms=%.3f\n", peint, cpu);
        delete w;
        return code;
    }
    if (mode == "feuille" || mode == "inventaire") {
        Plancher p;
        if (mode == "inventaire") {
            mesure::inventaire("choix", p.fenChoix);
            p.continuer();
            mesure::inventaire("feuille", p.fenFeuille);
            return 0;
        }
        const mesure::Duree d = p.continuer();
        std::printf("feuille_ms=%.3f\nfeuille_cpu_ms=%.3f\n", mesure::ms(d.murNs), mesure::ms(d.cpuNs));
        return 0;
    }
    std::fprintf(stderr, "usage: %s demarrage|feuille|inventaire\n", argv[0]);
    return 2;
}
