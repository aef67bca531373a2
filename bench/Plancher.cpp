// The toolkit's floor: welcome, choice and sheet windows with the same kinds
// and numbers of widgets as ours, the same locale, translation and font set-up,
// and no rules. What it costs is what Qt alone asks for our screens.
//
//   vorn_plancher demarrage    start to the welcome window's first frame
//   vorn_plancher feuille      the choice's "&Continuer" to the sheet window's first frame
//   vorn_plancher actions [N]  N single user actions of each kind on the sheet window
//   vorn_plancher seule GENRE N  N actions of one kind only (age, niveau...), untimed, for an
//                                instruction counter
//   vorn_plancher changements  what each action rewrites on the sheet window
//   vorn_plancher inventaire   the choice and sheet windows' and the dialog's widgets by class

#include "Mesures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using mesure::GuetPeinture;
using mesure::maintenantNs;
using mesure::Chauffe;
using mesure::serie;

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

// The sheet window's widgets that its actions rewrite.
struct Poignees {
    struct Ligne {
        QCheckBox* coche = nullptr;
        std::array<QLineEdit*, 3> champs{}; // base, level, bonus
        QWidget* spin = nullptr;
        std::array<QToolButton*, 2> fleches{}; // up, down
    };
    std::array<QLineEdit*, 7> entete{};
    QComboBox* premiere = nullptr; // the first characteristic's list
    std::array<QLineEdit*, 5> derivees{};
    std::array<Ligne, 24> lignes{};
    QComboBox* age = nullptr;
    int ecritures = 0; // what makes each rewritten text new
};

// Rewrites a display field as ours does: new text, shown from its start.
void ecrire(QLineEdit* champ, const QString& texte) {
    champ->setText(texte);
    champ->setCursorPosition(0);
}

const QColor GrisLigne(192, 192, 192); // an inactive row's fields

void colorer(QLineEdit* champ, const QColor& fond) {
    QPalette p = champ->palette();
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(groupe, QPalette::Base, fond);
    champ->setPalette(p);
}

// A dialog of the fields-of-experience dialog's make-up, made, shown modal and
// destroyed at each call: a counter row, seven boxes in threes of which four
// are shown, twelve in columns of four, an "&Ok" button.
void dialogue(QWidget* parent) {
    QDialog d(parent);
    d.setObjectName(QStringLiteral("Dialogue"));
    d.setWindowTitle(QStringLiteral("Dialogue"));
    d.setModal(true);
    auto* disposition = new QVBoxLayout(&d);
    disposition->addWidget(new QLabel(QStringLiteral("Vous pouvez cocher 4 cases ci-dessous."), &d));

    auto* ligne = new QHBoxLayout;
    auto* reste = affichage(&d, QStringLiteral("4"), 0, 0, 0, 0);
    reste->setFixedWidth(tw(495));
    reste->setAlignment(Qt::AlignCenter);
    ligne->addWidget(new QLabel(QStringLiteral("Il vous reste"), &d));
    ligne->addWidget(reste);
    ligne->addWidget(new QLabel(QStringLiteral("cases à cocher ci-dessous."), &d));
    ligne->addStretch();
    disposition->addLayout(ligne);

    const auto compter = [reste](bool) { reste->setText(QString::number(reste->text().toInt() - 1)); };
    auto* prof = new QGroupBox(QStringLiteral("Champs d'Expérience Professionnels:"), &d);
    auto* grilleProf = new QGridLayout(prof);
    for (int i = 0; i < 7; ++i) {
        // A field the profession lacks has no caption and is hidden, keeping its place.
        auto* c = new QCheckBox(i < 4 ? QStringLiteral("Case numéro %1").arg(i) : QString(), prof);
        grilleProf->addWidget(c, i / 3, i % 3);
        QSizePolicy politique = c->sizePolicy();
        politique.setRetainSizeWhenHidden(true);
        c->setSizePolicy(politique);
        c->setVisible(i < 4);
        QObject::connect(c, &QCheckBox::clicked, &d, compter);
    }
    disposition->addWidget(prof);

    auto* gen = new QGroupBox(QStringLiteral("Champs d'Expérience Généraux:"), &d);
    auto* grilleGen = new QGridLayout(gen);
    for (int i = 0; i < 12; ++i) {
        auto* c = new QCheckBox(QStringLiteral("Case numéro %1").arg(i), gen);
        grilleGen->addWidget(c, i % 4, i / 4);
        QObject::connect(c, &QCheckBox::clicked, &d, compter);
    }
    disposition->addWidget(gen);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), &d);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setMinimumWidth(tw(1335));
    disposition->addWidget(ok, 0, Qt::AlignHCenter);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);

    d.setWindowIcon(image());
    d.adjustSize();
    d.setFixedSize(d.size());
    centrer(&d);
    d.exec();
}

// The sheet window; its actions rewrite only the texts, colours and states that
// ours changes for the same action (compare `changements` of both programs), with
// no rules behind them.
QWidget* feuille(Poignees& p) {
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
        p.entete[static_cast<std::size_t>(n - 1)] =
            affichage(z, QStringLiteral("Champ %1").arg(n), c.l, c.t, c.w, c.h, n <= 2); // two bold names
    }
    liste(z, 7, 6000, 240, 1455, 315);
    liste(z, 10, 7680, 240, 1215, 315);
    liste(z, 10, 9360, 240, 1095, 315);
    p.age = liste(z, 6, 11040, 240, 615, 315);
    liste(z, 13, 6900, 1680, 3120, 315)->setFont(police(6.25));
    listeAffichage(z, {QStringLiteral("(aucun)")}, 5040, 1680, 1815, 1230);
    listeAffichage(z, {QStringLiteral("Ligne 1"), QStringLiteral("Ligne 2"), QStringLiteral("Ligne 3")}, 10080, 1680,
                   1695, 645);

    // Characteristics: 5 lists of 11 entries, 5 derived fields, 13 labels.
    auto* caract = new QGroupBox(QStringLiteral("Groupe 1:"), z);
    placer(caract, 120, 600, 4695, 2415);
    for (int i = 0; i < 5; ++i) {
        etiquette(caract, QStringLiteral("C%1").arg(i), 240 + 900 * i, 300, 735, 240);
        QComboBox* c = liste(caract, 11, 180 + 900 * i, 540, 780, 315, 5);
        if (i == 0) p.premiere = c;
    }
    struct Derivee { int l, etiquette, champ; };
    n = 0;
    for (const Derivee& d : {Derivee{180, 840, 495}, {1080, 1020, 495}, {2160, 1140, 495}, {3360, 900, 915}}) {
        etiquette(caract, QStringLiteral("Dérivée"), d.l, 1020, d.etiquette, 240);
        p.derivees[static_cast<std::size_t>(n++)] = affichage(caract, QStringLiteral("10"), d.l, 1260, d.champ, 285);
    }
    etiquette(caract, QStringLiteral("h"), 1620, 1275, 255, 255);
    etiquette(caract, QStringLiteral("mn"), 2700, 1275, 315, 255);
    etiquette(caract, QStringLiteral("kg"), 4320, 1275, 300, 255);
    etiquette(caract, QStringLiteral("Une étiquette de la longueur d'une ligne"), 180, 1875, 2640, 255);
    p.derivees[4] = affichage(caract, QStringLiteral("1D6"), 2880, 1860, 495, 285);

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
    struct Champ { int l, largeur; QString texte; };
    for (int i = 0; i < 24; ++i) {
        Poignees::Ligne& ligne = p.lignes[static_cast<std::size_t>(i)];
        const int d = i >= 12 ? 5880 : 0; // the right-hand column
        const int haut = 480 + 360 * (i % 12);
        // Two rows are ticked in advance, greyed, with a bold caption beside them.
        const bool libre = i == 2 || i == 5;
        auto* chk = new QCheckBox(libre ? QString() : QStringLiteral("Ligne numéro %1").arg(i), comp);
        ligne.coche = chk;
        placer(chk, 240 + d, haut, libre ? 255 : 2460, 255);
        if (libre) {
            chk->setTristate(true);
            chk->setCheckState(Qt::PartiallyChecked);
            chk->setEnabled(false);
        }
        etiquette(comp, QStringLiteral("(AAA+BBB)/2"), i >= 12 ? 8400 : 2760, haut + 15, 1095, 255);
        std::size_t k = 0;
        for (const Champ& c : {Champ{3960, 375, QStringLiteral("7")}, Champ{4440, 360, QString::number(libre)},
                               Champ{5160, 375, QStringLiteral("7")}}) {
            QLineEdit* e = affichage(comp, c.texte, c.l + d, haut, c.largeur, 285);
            ligne.champs[k++] = e;
            if (libre) continue;
            colorer(e, GrisLigne);
        }
        auto* spin = new QWidget(comp);
        ligne.spin = spin;
        placer(spin, 4800 + d, haut, 195, 285);
        spin->setEnabled(libre);
        const int moitie = spin->height() / 2;
        for (const bool monter : {true, false}) {
            auto* b = new QToolButton(spin);
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoRepeat(true);
            b->setArrowType(monter ? Qt::UpArrow : Qt::DownArrow);
            b->setGeometry(0, monter ? 0 : moitie, spin->width(), monter ? moitie : spin->height() - moitie);
            ligne.fleches[monter ? 0 : 1] = b;
        }
    }

    // The header's points field, which every action rewrites.
    QLineEdit* points = p.entete[4];
    // Three digits at least: never one of the initial texts, so every write is a change.
    const auto nouveau = [&p] { return QStringLiteral("%1").arg(++p.ecritures, 3, 10, QLatin1Char('0')); };
    // The first characteristic: the points, two derived fields and the base and
    // bonus of the four rows it feeds in ours, so that the same places are repainted.
    QObject::connect(p.premiere, &QComboBox::activated, w, [&p, points, nouveau](int) {
        ecrire(points, nouveau());
        ecrire(p.derivees[3], nouveau());
        ecrire(p.derivees[4], nouveau());
        for (const std::size_t i : {0, 1, 4, 19}) {
            ecrire(p.lignes[i].champs[0], nouveau());
            ecrire(p.lignes[i].champs[2], nouveau());
        }
    });
    for (Poignees::Ligne& ligne : p.lignes) {
        // A row taken or released: its colours, level and bonus, its arrows.
        QObject::connect(ligne.coche, &QCheckBox::clicked, w, [&ligne, points, nouveau, w](bool coche) {
            ecrire(points, nouveau());
            const QColor fond = coche ? w->palette().color(QPalette::Active, QPalette::Base) : GrisLigne;
            for (QLineEdit* champ : ligne.champs) colorer(champ, fond);
            ecrire(ligne.champs[1], nouveau());
            ecrire(ligne.champs[2], nouveau());
            // The arrows follow their spin control's enabled state, as ours do.
            ligne.spin->setEnabled(coche);
        });
        // A level up or down: the points, the level and the bonus.
        for (QToolButton* b : ligne.fleches) {
            QObject::connect(b, &QToolButton::clicked, w, [&ligne, points, nouveau] {
                ecrire(ligne.champs[1], nouveau());
                ecrire(points, nouveau());
                ecrire(ligne.champs[2], nouveau());
            });
        }
    }
    // An age: the points and the fame, then the dialog, made anew each time.
    QObject::connect(p.age, &QComboBox::activated, w, [&p, points, nouveau, w](int) {
        ecrire(points, nouveau());
        ecrire(p.entete[5], nouveau());
        dialogue(w);
    });
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
    Poignees poignees;
    QWidget* fenFeuille = nullptr;
    QPointer<QWidget> fenChoix;
    QWidget* fenAccueil = accueil([this] {
        fenAccueil->hide();
        fenChoix = choix([this] {
            fenChoix->close();
            fenChoix->deleteLater();
            fenFeuille = feuille(poignees);
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

// The sheet window's four user actions as bench/Mesure.cpp performs ours, each
// in two alternating directions by the parity of k.
struct Actions {
    explicit Actions(Plancher& plancher) : p(plancher), f(plancher.poignees) {}
    Plancher& p;
    Poignees& f;
    int repondus = 0;
    // Runs once the dialog's first frame is complete, before its "&Ok".
    std::function<void(QWidget*)> avantOk;

    void caracteristique(int k) {
        const int index = k % 2 ? 0 : 7;
        f.premiere->setCurrentIndex(index);
        emit f.premiere->activated(index);
    }
    void competence(int) { f.lignes[0].coche->click(); }
    // The second free row's level, up then down.
    void niveau(int k) { f.lignes[5].fleches[k % 2 ? 1 : 0]->click(); }
    // Answered "&Ok" once the dialog's first frame is complete.
    void age(int k) {
        p.guet.viser(QStringLiteral("Dialogue"), [this] {
            QWidget* d = QApplication::activeModalWidget();
            if (d && d->objectName() == QLatin1String("Dialogue")) {
                if (avantOk) avantOk(d);
                d->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
                ++repondus;
            }
        });
        const int index = 1 - k % 2;
        f.age->setCurrentIndex(index);
        emit f.age->activated(index);
    }
    // The actions by the names the figures carry, in the order they are measured.
    std::vector<std::pair<std::string, std::function<void(int)>>> genres() {
        return {{"caracteristique", [this](int k) { caracteristique(k); }},
                {"competence", [this](int k) { competence(k); }},
                {"niveau", [this](int k) { niveau(k); }},
                {"age", [this](int k) { age(k); }}};
    }
    bool verifier(int ages) const {
        if (repondus == ages) return true;
        std::fprintf(stderr, "%d of %d age picks answered their dialog\n", repondus, ages);
        return false;
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
    if (mode == "feuille") {
        Plancher p;
        const mesure::Duree d = p.continuer();
        std::printf("feuille_ms=%.3f\nfeuille_cpu_ms=%.3f\n", mesure::ms(d.murNs), mesure::ms(d.cpuNs));
        return 0;
    }
    if (mode == "inventaire") {
        Plancher p;
        mesure::inventaire("choix", p.fenChoix);
        p.continuer();
        mesure::inventaire("feuille", p.fenFeuille);
        Actions a(p);
        a.avantOk = mesure::inventaireDialogue;
        a.age(0);
        QApplication::processEvents();
        return a.verifier(1) ? 0 : 1;
    }
    if (mode == "actions") {
        const int n = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000;
        Plancher p;
        p.continuer();
        Actions a(p);
        for (const auto& [nom, action] : a.genres()) serie(nom.c_str(), n, action);
        return a.verifier(Chauffe + n) ? 0 : 1;
    }
    if (mode == "seule" && argc > 3) {
        const std::string genre = argv[2];
        const int n = std::max(1, std::atoi(argv[3]));
        Plancher p;
        p.continuer();
        Actions a(p);
        return mesure::seules(a, genre, n);
    }
    if (mode == "changements") {
        Plancher p;
        p.continuer();
        Actions a(p);
        return mesure::changementsDesActions(a, p.fenFeuille);
    }
    std::fprintf(stderr, "usage: %s demarrage|feuille|actions [N]|seule GENRE N|changements|inventaire\n", argv[0]);
    return 2;
}
