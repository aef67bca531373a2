#include "FrmPrincipaleVorn.h"

#include "Affichage.h"
#include "Couleurs.h"
#include "AccessibiliteVorn.h"
#include "EcritureFichier.h"
#include "FichierAgent.h"
#include "FrmChpExpérienceVorn.h"
#include "ImpressionVorn.h"
#include "MiseEnPage.h"
#include "Placement.h"
#include "Messages.h"
#include "ModuleVorn.h"
#include "NavigationVorn.h"
#include "Texte.h"
#include "ThemeVorn.h"
#include "TexteQt.h"
#include "UpDownNiv.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, int l, int t, int w, int h) {
    auto* e = new QLabel(texte, parent);
    nommer(e, nom, texte);
    placer(e, l, t, w, h);
    return e;
}

QComboBox* liste(QWidget* parent, const QString& nom, const QString& nomAccessible, int l, int t, int w, int h) {
    auto* c = new QComboBox(parent);
    nommer(c, nom, nomAccessible);
    c->setEditable(false);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    roueAuFocus(c);
    placer(c, l, t, w, h);
    return c;
}

QLineEdit* affichage(QWidget* parent, const QString& nom, const QString& nomAccessible, int l, int t, int w, int h,
                     bool gras = false) {
    auto* champ = champAffichage(parent, nom, nomAccessible, gras);
    placer(champ, l, t, w, h);
    return champ;
}

QListWidget* listeAffichage(QWidget* parent, const QString& nom, const QString& nomAccessible, int l, int t, int w,
                            int h) {
    auto* lst = new QListWidget(parent);
    nommer(lst, nom, nomAccessible);
    lst->setEnabled(false);
    lst->setFocusPolicy(Qt::NoFocus);
    lst->setSelectionMode(QAbstractItemView::NoSelection);
    lst->setUniformItemSizes(true);
    lisibleDesactive(lst);
    // At a fractional scale a style's frame line, centred on the widget's edge, loses its outer half to the clip, and
    // the viewport, rounded out to whole device pixels, covers the bottom line. A plain box fills whole rectangles
    // inside the widget; the list paints its own background under it and the viewport stays clear.
    lst->setFrameStyle(QFrame::Box | QFrame::Plain);
    lst->setLineWidth(1);
    if (!ContrasteEleve()) { // a grey line set off from the window; a high-contrast theme keeps its text colour
        QPalette p = lst->palette();
        const QColor fond = p.color(QPalette::Active, QPalette::Window);
        const QColor trait = fond.lightness() > 128 ? fond.darker(130) : fond.lighter(170);
        for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(groupe, QPalette::WindowText, trait);
        }
        lst->setPalette(p);
    }
    QPalette fond = lst->palette(); // the list's own background, under the frame, in the viewport's colour
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        fond.setColor(groupe, QPalette::Window, fond.color(QPalette::Active, QPalette::Base));
    }
    lst->setPalette(fond);
    lst->setAutoFillBackground(true);
    lst->viewport()->setAutoFillBackground(false);
    placer(lst, l, t, w, h);
    return lst;
}

void remplir(QListWidget* lst, const std::vector<std::string>& lignes) {
    bool identique = lst->count() == static_cast<int>(lignes.size());
    for (int i = 0; identique && i < lst->count(); ++i) {
        identique = lst->item(i)->text() == qs(lignes[static_cast<std::size_t>(i)]);
    }
    if (identique) return;
    lst->clear();
    for (const auto& l : lignes) lst->addItem(qs(l));
}
} // namespace

FrmPrincipaleVorn::FrmPrincipaleVorn(ModuleVorn& module, NavigationVorn& navigation, const std::string* agent)
    : FenetreVorn(module, navigation), feuille(module), agentOuvert_(agent) {
    setObjectName(QStringLiteral("FrmPrincipaleVorn"));
    setWindowTitle(QStringLiteral("Création - Vorn"));
    setWindowIcon(imageVorn());

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    zone_ = new QWidget(this);
    zone_->setAccessibleName(QStringLiteral("Feuille de personnage"));
    zone_->setFixedSize(tw(11880), tw(8040));
    disposition->addWidget(zone_);

    construireMenus();
    disposition->setMenuBar(barreMenus);
    construireEntete();
    construireCaracteristiques();
    construireCompetences();
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
    agentOuvert_ = nullptr;
}

void FrmPrincipaleVorn::construireMenus() {
    barreMenus = new QMenuBar(this);
    barreMenus->setObjectName(QStringLiteral("barreMenus"));
    barreMenus->setAccessibleName(QStringLiteral("Barre de menus"));
    MnuAgent = barreMenus->addMenu(QStringLiteral("&Agent"));
    nommer(MnuAgent, QStringLiteral("MnuAgent"), QStringLiteral("Agent"));
    MnuNouveau = MnuAgent->addAction(QStringLiteral("&Nouveau"));
    MnuNouveau->setObjectName(QStringLiteral("MnuNouveau"));
    MnuOuvrir = MnuAgent->addAction(QStringLiteral("&Ouvrir…"));
    MnuOuvrir->setObjectName(QStringLiteral("MnuOuvrir"));
    MnuOuvrir->setShortcut(QKeySequence::Open);
    MnuEnregistrer = MnuAgent->addAction(QStringLiteral("&Enregistrer"));
    MnuEnregistrer->setObjectName(QStringLiteral("MnuEnregistrer"));
    MnuEnregistrer->setShortcut(QKeySequence::Save);
    MnuEnregistrerSous = MnuAgent->addAction(QStringLiteral("Enregistrer &sous…"));
    MnuEnregistrerSous->setObjectName(QStringLiteral("MnuEnregistrerSous"));
    // Desktops without a binding of their own for "save as" get the common one.
    const QList<QKeySequence> sous = QKeySequence::keyBindings(QKeySequence::SaveAs);
    MnuEnregistrerSous->setShortcuts(sous.isEmpty() ? QList{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)} : sous);
    MnuTiretFichier = MnuAgent->addSeparator();
    MnuTiretFichier->setObjectName(QStringLiteral("MnuTiretFichier"));
    MnuImprimer = MnuAgent->addAction(QStringLiteral("&Imprimer…"));
    MnuImprimer->setObjectName(QStringLiteral("MnuImprimer"));
    MnuImprimer->setShortcut(QKeySequence::Print);
    MnuExporterPDF = MnuAgent->addAction(QStringLiteral("Exporter en &PDF…"));
    MnuExporterPDF->setObjectName(QStringLiteral("MnuExporterPDF"));
    MnuTiret = MnuAgent->addSeparator();
    MnuTiret->setObjectName(QStringLiteral("MnuTiret"));
    MnuQuitter = MnuAgent->addAction(QStringLiteral("&Quitter"));
    MnuQuitter->setObjectName(QStringLiteral("MnuQuitter"));
    MnuPtInt = barreMenus->addMenu(QStringLiteral("&?"));
    nommer(MnuPtInt, QStringLiteral("MnuPtInt"), QStringLiteral("Aide"));
    nommerEntreeMenu(MnuPtInt->menuAction(), QStringLiteral("Aide"));
    MnuAPropos = MnuPtInt->addAction(QStringLiteral("&À Propos"));
    MnuAPropos->setObjectName(QStringLiteral("MnuAPropos"));

    connect(MnuNouveau, &QAction::triggered, this, [this] { MnuNouveau_Click(); });
    connect(MnuOuvrir, &QAction::triggered, this, [this] { MnuOuvrir_Click(); });
    connect(MnuEnregistrer, &QAction::triggered, this, [this] { MnuEnregistrer_Click(); });
    connect(MnuEnregistrerSous, &QAction::triggered, this, [this] { MnuEnregistrerSous_Click(); });
    connect(MnuImprimer, &QAction::triggered, this, [this] { MnuImprimer_Click(); });
    connect(MnuExporterPDF, &QAction::triggered, this, [this] { MnuExporterPDF_Click(); });
    connect(MnuQuitter, &QAction::triggered, this, [this] { MnuQuitter_Click(); });
    connect(MnuAPropos, &QAction::triggered, this, [this] { MnuAPropos_Click(); });
}

void FrmPrincipaleVorn::construireEntete() {
    QWidget* z = zone_;
    LblNomJoueur = etiquette(z, QStringLiteral("LblNomJoueur"), QStringLiteral("Nom du Joueur"), 600, 0, 1215, 240);
    TxtNomJoueur =
        affichage(z, QStringLiteral("TxtNomJoueur"), QStringLiteral("Nom du Joueur"), 120, 240, 2175, 285, true);
    LblNomPerso = etiquette(z, QStringLiteral("LblNomPerso"), QStringLiteral("Nom du Personnage"), 2760, 0, 1815, 240);
    TxtNomPerso =
        affichage(z, QStringLiteral("TxtNomPerso"), QStringLiteral("Nom du Personnage"), 2520, 240, 2175, 285, true);
    LblSexe = etiquette(z, QStringLiteral("LblSexe"), QStringLiteral("Sexe"), 4920, 0, 735, 240);
    TxtSexe = affichage(z, QStringLiteral("TxtSexe"), QStringLiteral("Sexe"), 4920, 240, 855, 285);
    LblApparence = etiquette(z, QStringLiteral("LblApparence"), QStringLiteral("Apparence"), 6240, 0, 975, 240);
    CmbApparence = liste(z, QStringLiteral("CmbApparence"), QStringLiteral("Apparence"), 6000, 240, 1545, 315);
    LblTaille = etiquette(z, QStringLiteral("LblTaille"), QStringLiteral("Taille"), 8040, 0, 375, 240);
    CmbTaille = liste(z, QStringLiteral("CmbTaille"), QStringLiteral("Taille"), 7680, 240, 1215, 315);
    LblMètre = etiquette(z, QStringLiteral("LblMètre"), QStringLiteral("m"), 9000, 240, 255, 255);
    LblPoids = etiquette(z, QStringLiteral("LblPoids"), QStringLiteral("Poids"), 9600, 0, 495, 240);
    CmbPoids = liste(z, QStringLiteral("CmbPoids"), QStringLiteral("Poids"), 9360, 240, 1170, 315);
    LblKilo[0] = etiquette(z, indexe(QStringLiteral("LblKilo"), 0), QStringLiteral("kg"), 10560, 240, 255, 255);
    LblAge = etiquette(z, QStringLiteral("LblAge"), QStringLiteral("Age"), 11160, 0, 375, 240);
    CmbAge = liste(z, QStringLiteral("CmbAge"), QStringLiteral("Age"), 11040, 240, 615, 315);
    LblRang = etiquette(z, QStringLiteral("LblRang"), QStringLiteral("Rang"), 5160, 720, 735, 240);
    TxtRang = affichage(z, QStringLiteral("TxtRang"), QStringLiteral("Rang"), 5040, 960, 975, 285);
    LblPtGénération =
        etiquette(z, QStringLiteral("LblPtGénération"), QStringLiteral("Points de génération"), 6240, 720, 1680, 240);
    TxtPtGénération =
        affichage(z, QStringLiteral("TxtPtGénération"), QStringLiteral("Points de génération"), 6720, 960, 615, 285);
    LblPtCélébrité =
        etiquette(z, QStringLiteral("LblPtCélébrité"), QStringLiteral("Points de célébrité"), 7920, 720, 1500, 240);
    TxtPtCélébrité =
        affichage(z, QStringLiteral("TxtPtCélébrité"), QStringLiteral("Points de célébrité"), 8160, 960, 855, 285);
    LblProfession =
        etiquette(z, QStringLiteral("LblProfession"), QStringLiteral("Ancienne profession"), 9720, 720, 1575, 240);
    TxtProfession =
        affichage(z, QStringLiteral("TxtProfession"), QStringLiteral("Ancienne profession"), 9120, 960, 2655, 285);
    LblChampExp =
        etiquette(z, QStringLiteral("LblChampExp"), QStringLiteral("Champs d'expérience"), 5160, 1440, 1695, 240);
    LstChpExpérience = listeAffichage(z, QStringLiteral("LstChpExpérience"), QStringLiteral("Champs d'expérience"),
                                      5040, 1680, 1815, 1230);
    LblFaiblesse = etiquette(z, QStringLiteral("LblFaiblesse"), QStringLiteral("Faiblesse"), 7920, 1440, 855, 240);
    CmbFaiblesse = liste(z, QStringLiteral("CmbFaiblesse"), QStringLiteral("Faiblesse"), 6900, 1680, 3120, 315);
    // Its longest entry needs a slightly smaller face to show in full.
    CmbFaiblesse->setFont(policeEcran(6.25));
    LblCicatrices = etiquette(z, QStringLiteral("LblCicatrices"), QStringLiteral("Cicatrices"), 10440, 1440, 735, 240);
    LstCicatrices =
        listeAffichage(z, QStringLiteral("LstCicatrices"), QStringLiteral("Cicatrices"), 10080, 1680, 1695, 645);

    const std::array<std::pair<Description, QComboBox*>, 5> listes{{{Description::Apparence, CmbApparence},
                                                                    {Description::Age, CmbAge},
                                                                    {Description::Faiblesse, CmbFaiblesse},
                                                                    {Description::Taille, CmbTaille},
                                                                    {Description::Poids, CmbPoids}}};
    // Each caption names its list for screen readers.
    for (auto [legende, c] :
         {std::pair{LblApparence, CmbApparence}, std::pair{LblTaille, CmbTaille}, std::pair{LblPoids, CmbPoids},
          std::pair{LblAge, CmbAge}, std::pair{LblFaiblesse, CmbFaiblesse}}) {
        legende->setBuddy(c);
    }
    for (const auto& [d, c] : listes) {
        connect(c, &QComboBox::activated, this, [this, d = d](int index) {
            agir([&] { return feuille.ChoisirDescription(d, static_cast<std::int16_t>(index)); });
        });
    }
}

void FrmPrincipaleVorn::construireCaracteristiques() {
    FrmCaractéristiques = new QGroupBox(QStringLiteral("Caractéristiques:"), zone_);
    nommer(FrmCaractéristiques, QStringLiteral("FrmCaractéristiques"), QStringLiteral("Caractéristiques"));
    placer(FrmCaractéristiques, 120, 600, 4695, 2415);
    QWidget* f = FrmCaractéristiques;

    std::array<QComboBox**, 5> combos{&CmbFOR, &CmbDEX, &CmbVOL, &CmbPER, &CmbINT};
    for (int i = 0; i < 5; ++i) {
        const QString nom = qs(NomsCaract[static_cast<std::size_t>(i)]);
        LblCaract[static_cast<std::size_t>(i)] =
            etiquette(f, indexe(QStringLiteral("LblCaract"), i), nom, 240 + 900 * i, 300, 735, 240);
        *combos[static_cast<std::size_t>(i)] = liste(f, QStringLiteral("Cmb") + nom, nom, 180 + 900 * i, 540, 780, 315);
        LblCaract[static_cast<std::size_t>(i)]->setBuddy(*combos[static_cast<std::size_t>(i)]);
        const Caract x = ToutesCaract[static_cast<std::size_t>(i)];
        connect(combo(x), &QComboBox::activated, this, [this, x](int index) {
            agir([&] { return feuille.ChoisirCaract(x, static_cast<std::int16_t>(index)); });
        });
    }

    LblCaract[5] = etiquette(f, indexe(QStringLiteral("LblCaract"), 5), QStringLiteral("Vitesse"), 180, 1020, 840, 240);
    TxtVitesse = affichage(f, QStringLiteral("TxtVitesse"), QStringLiteral("Vitesse"), 180, 1260, 495, 285);
    LblCaract[6] =
        etiquette(f, indexe(QStringLiteral("LblCaract"), 6), QStringLiteral("Endurance"), 1080, 1020, 1020, 240);
    TxtEndurance =
        affichage(f, QStringLiteral("TxtEndurance"), QStringLiteral("Endurance en heures"), 1080, 1260, 495, 285);
    Lblheure = etiquette(f, QStringLiteral("Lblheure"), QStringLiteral("h"), 1620, 1275, 255, 255);
    LblCaract[7] =
        etiquette(f, indexe(QStringLiteral("LblCaract"), 7), QStringLiteral("Course/Nage"), 2160, 1020, 1140, 240);
    TxtCourse =
        affichage(f, QStringLiteral("TxtCourse"), QStringLiteral("Course/Nage en minutes"), 2160, 1260, 495, 285);
    Lblminutes = etiquette(f, QStringLiteral("Lblminutes"), QStringLiteral("mn"), 2700, 1275, 315, 255);
    LblCaract[8] = etiquette(f, indexe(QStringLiteral("LblCaract"), 8), QStringLiteral("Charge"), 3360, 1020, 900, 240);
    TxtCharge =
        affichage(f, QStringLiteral("TxtCharge"), QStringLiteral("Charge en kilogrammes"), 3360, 1260, 915, 285);
    LblKilo[1] = etiquette(f, indexe(QStringLiteral("LblKilo"), 1), QStringLiteral("kg"), 4320, 1275, 300, 255);
    LblCaract[9] = etiquette(f, indexe(QStringLiteral("LblCaract"), 9), QStringLiteral("Classe de Dégats à Mains Nues"),
                             180, 1875, 2640, 255);
    TxtClasse = affichage(f, QStringLiteral("TxtClasse"), QStringLiteral("Classe de Dégats à Mains Nues"), 2880, 1860,
                          495, 285);
}

void FrmPrincipaleVorn::construireCompetences() {
    FrmCompétences = new QGroupBox(QStringLiteral("Compétences:"), zone_);
    nommer(FrmCompétences, QStringLiteral("FrmCompétences"), QStringLiteral("Compétences"));
    placer(FrmCompétences, 120, 3120, 11655, 4815);
    QWidget* f = FrmCompétences;

    LblCompétence[0] = etiquette(f, indexe(QStringLiteral("LblCompétence"), 0),
                                 QStringLiteral("Formule                    Niveau      CB"), 3000, 240, 2655, 240);
    LblCompétence[1] =
        etiquette(f, indexe(QStringLiteral("LblCompétence"), 1),
                  QStringLiteral("Formule                         Niveau      CB"), 8640, 240, 2895, 240);
    for (auto* e : LblCompétence) e->setAccessibleName(QStringLiteral("Formule, Niveau, CB"));

    Line1 = new QFrame(f);
    Line1->setObjectName(QStringLiteral("Line1"));
    fondUni(Line1, ContrasteEleve() ? palette().color(QPalette::WindowText) : CouleursVorn::grisClair());
    Line1->setGeometry(tw(5820), tw(120), 1, tw(4800) - tw(120));
    marquerDecoratif(Line1);

    QWidget* precedent = nullptr;
    for (int i = 0; i < NbLignesCompetences; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const bool droite = i >= 12;
        const int haut = 480 + 360 * (i % 12);
        const QString nomComp = qs(Competences[u].nom);
        const bool libre = EstCompetenceLibre(i);

        auto* chk = new CaseDemande(libre ? QString() : nomComp, f);
        nommer(chk, indexe(QStringLiteral("ChkComp"), i), nomComp);
        // The captions get the room up to the formula column.
        placer(chk, droite ? 6120 : 240, haut, libre ? 255 : 2460, 255);
        if (libre) {
            chk->setTristate(true);
            chk->setCheckState(Qt::PartiallyChecked);
            chk->setEnabled(false);
        }
        ChkComp[u] = chk;

        LblFormule[u] = etiquette(f, indexe(QStringLiteral("LblFormule"), i), qs(FormuleCompetence(i)),
                                  droite ? 8400 : 2760, haut + 15, i == LigneSeduction ? 1335 : 1095, 255);
        LblFormule[u]->setAccessibleName(avecDe(QStringLiteral("Formule"), nomComp) + QStringLiteral(" : ") +
                                         LblFormule[u]->text());
        TxtFormule[u] = affichage(f, indexe(QStringLiteral("TxtFormule"), i), avecDe(QStringLiteral("Base"), nomComp),
                                  droite ? 9840 : 3960, haut, 375, 285);
        TxtNiveau[u] = affichage(f, indexe(QStringLiteral("TxtNiveau"), i), avecDe(QStringLiteral("Niveau"), nomComp),
                                 droite ? 10320 : 4440, haut, 360, 285);
        auto* spin = new UpDownNiv(f);
        nommer(spin, indexe(QStringLiteral("UpDownNiv"), i), avecDe(QStringLiteral("Niveau"), nomComp));
        placer(spin, droite ? 10680 : 4800, haut, 195, 285);
        spin->setBuddy(TxtNiveau[u]);
        spin->setRange(NiveauMin, NiveauMax);
        UpDownNivs[u] = spin;
        TxtCB[u] = affichage(f, indexe(QStringLiteral("TxtCB"), i), avecDe(QStringLiteral("CB"), nomComp),
                             droite ? 11040 : 5160, haut, 375, 285);

        connect(chk, &QCheckBox::clicked, this, [this, i](bool coche) { ChkComp_Click(i, !coche); });
        connect(spin, &UpDownNiv::upClick, this, [this, i] { agir([&] { return feuille.MonterNiveau(i); }); });
        connect(spin, &UpDownNiv::downClick, this, [this, i] { agir([&] { return feuille.BaisserNiveau(i); }); });

        if (precedent) setTabOrder(precedent, chk);
        setTabOrder(chk, spin);
        precedent = spin;
    }
    for (int i = 0; i < 2; ++i) {
        const int ligne = i == 0 ? LigneCharisme : LigneConduite;
        Label1[static_cast<std::size_t>(i)] =
            etiquette(f, indexe(QStringLiteral("Label1"), i), qs(Competences[static_cast<std::size_t>(ligne)].nom), 505,
                      480 + 360 * ligne, i == 0 ? 1575 : 2055, 255);
        QFont gras = Label1[static_cast<std::size_t>(i)]->font();
        gras.setBold(true);
        Label1[static_cast<std::size_t>(i)]->setFont(gras);
    }
}

QComboBox* FrmPrincipaleVorn::combo(Caract x) const {
    switch (x) {
    case Caract::FOR: return CmbFOR;
    case Caract::DEX: return CmbDEX;
    case Caract::VOL: return CmbVOL;
    case Caract::PER: return CmbPER;
    case Caract::INT: break;
    }
    return CmbINT;
}

QComboBox* FrmPrincipaleVorn::combo(Description d) const {
    switch (d) {
    case Description::Apparence: return CmbApparence;
    case Description::Age: return CmbAge;
    case Description::Faiblesse: return CmbFaiblesse;
    case Description::Taille: return CmbTaille;
    case Description::Poids: break;
    }
    return CmbPoids;
}

void FrmPrincipaleVorn::Form_Load() {
    CentrerForm(this);
    ConfirmerQuitter = 1;
    // An opened agent was checked before this sheet was made; replayed here onto the record.
    if (!agentOuvert_ || !OuvrirAgent(*agentOuvert_, m, feuille).empty()) feuille.Charger();
    agentEnregistre_ = EcrireAgent(feuille);
    Afficher();
}

bool FrmPrincipaleVorn::agentModifie() const { return EcrireAgent(feuille) != agentEnregistre_; }

void FrmPrincipaleVorn::Form_Activate() {
    feuille.ReconstruireChampsExpérience();
    afficherChampsExperience();
}

bool FrmPrincipaleVorn::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return FenetreVorn::event(e);
}

void FrmPrincipaleVorn::agir(const std::function<Action()>& operation) {
    // Under an open box the control may already show the new choice: it goes
    // back to the sheet's state, and the choice is not made.
    if (occupe()) {
        Afficher();
        return;
    }
    traiter(operation());
}

void FrmPrincipaleVorn::traiter(const Action& action) {
    QWidget* utilise = focusWidget();
    if (action.refusee()) {
        nav.messagerie().Afficher(this, qs(MessagePointsInsuffisants), qs(action.titre), Messagerie::Exclamation);
    }
    Afficher();
    // The new value and the points left, heard without leaving the control.
    if (!action.refusee() && utilise) annoncer(utilise);
    if (action.ouvrirChampsExp) {
        {
            FrmChpExpérienceVorn dialogue(m, nav, this);
            dialogue.exec();
        }
        // Platforms that send no activation when the dialog closes still see the choice.
        Form_Activate();
    }
    if (action.refusee() || action.ouvrirChampsExp) rendreFocus(utilise);
}

void FrmPrincipaleVorn::ChkComp_Click(int index, bool coche) {
    agir([&] { return coche ? feuille.PrendreCompetence(index) : feuille.LibererCompetence(index); });
}

void FrmPrincipaleVorn::MnuNouveau_Click() {
    ConfirmerQuitter = 0;
    const QString informatif = agentModifie() ? qs(ModificationsNonEnregistrees) : QString();
    m.Reponse =
        nav.messagerie().Afficher(this, qs(QuestionNouveau), qs(TitreNouveau), Messagerie::QuestionOuiNon, informatif);
    if (m.Reponse == Messagerie::Oui) {
        nav.NouvelAgent();
    } else {
        ConfirmerQuitter = 1;
        rendreFocus(focusWidget());
    }
}

void FrmPrincipaleVorn::MnuOuvrir_Click() {
    QWidget* utilise = focusWidget();
    if (agentModifie()) {
        m.Reponse = nav.messagerie().Afficher(this, qs(QuestionOuvrir), qs(TitreOuvrir), Messagerie::QuestionOuiNon,
                                              qs(ModificationsNonEnregistrees));
        if (m.Reponse != Messagerie::Oui) return rendreFocus(utilise);
    }
    const QString chemin = nav.fichiers().Ouvrir(this, QStringLiteral("Ouvrir un agent"), qs(FiltreAgents));
    // Opened, this sheet gives way to the agent's; refused, it stays as it was.
    if (chemin.isEmpty() || !nav.OuvrirAgent(this, chemin)) rendreFocus(utilise);
}

bool FrmPrincipaleVorn::enregistrer(const QString& chemin) {
    std::string texte = EcrireAgent(feuille);
    const QString echec = EcrireFichier(chemin, QByteArray::fromStdString(texte));
    if (!echec.isEmpty()) {
        const QString texteBoite = QStringLiteral("L'agent n'a pas pu être enregistré dans « %1 » : %2\n\n"
                                                  "Aucun fichier n'a été écrit ni modifié.")
                                       .arg(QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath()), echec);
        nav.messagerie().Afficher(this, texteBoite, qs(TitreEnregistrement), Messagerie::Exclamation);
        return false;
    }
    cheminAgent = chemin;
    agentEnregistre_ = std::move(texte);
    return true;
}

void FrmPrincipaleVorn::MnuEnregistrer_Click() {
    if (cheminAgent.isEmpty()) return MnuEnregistrerSous_Click();
    QWidget* utilise = focusWidget();
    enregistrer(cheminAgent);
    rendreFocus(utilise);
}

void FrmPrincipaleVorn::MnuEnregistrerSous_Click() {
    QWidget* utilise = focusWidget();
    const QString propose = cheminAgent.isEmpty() ? qs(NomFichierAgent(m.NomPerso)) : cheminAgent;
    const QString chemin =
        nav.fichiers().Enregistrer(this, QStringLiteral("Enregistrer l'agent"), propose, qs(FiltreAgents));
    if (!chemin.isEmpty()) enregistrer(chemin);
    rendreFocus(utilise);
}

void FrmPrincipaleVorn::MnuImprimer_Click() {
    const QString echec = ImprimerFiche(this, feuille, nav.impression());
    if (!echec.isEmpty()) {
        nav.messagerie().Afficher(this, echec, QStringLiteral("Erreur - Impression"), Messagerie::Exclamation);
    }
}

void FrmPrincipaleVorn::MnuExporterPDF_Click() {
    const QString echec = ExporterFichePdf(this, feuille, nav.fichiers());
    if (!echec.isEmpty()) {
        nav.messagerie().Afficher(this, echec, QStringLiteral("Erreur - Exportation"), Messagerie::Exclamation);
    }
}

void FrmPrincipaleVorn::MnuQuitter_Click() {
    // Answered No: without a window manager nobody else gives the keyboard back.
    if (!nav.ConfirmerQuitter(this)) rendreFocus(focusWidget());
}

void FrmPrincipaleVorn::MnuAPropos_Click() {
    QWidget* utilise = focusWidget();
    nav.APropos(this);
    rendreFocus(utilise);
}

bool FrmPrincipaleVorn::Form_Unload() {
    if (ConfirmerQuitter == 0) {
        ConfirmerQuitter = 1;
        return false;
    }
    return !nav.ConfirmerQuitter(this);
}

void FrmPrincipaleVorn::afficherListe(QComboBox* c, const ListeDeroulante& l) {
    const QSignalBlocker bloque(c);
    // A list's entries are set once, by the design or by the load, and never
    // change afterwards: their count tells whether the box is filled yet.
    if (c->count() != static_cast<int>(l.entrees.size())) {
        c->clear();
        for (const auto& e : l.entrees) c->addItem(qs(e));
        // The drop-down shows long entries in full even when the box is narrow.
        c->view()->setMinimumWidth(c->view()->sizeHintForColumn(0) + 24);
    }
    if (c->currentIndex() != l.index) c->setCurrentIndex(l.index);
}

void FrmPrincipaleVorn::afficherLigne(int i) {
    const auto u = static_cast<std::size_t>(i);
    const LigneCompetence& l = feuille.lignes[u];
    if (!EstCompetenceLibre(i)) {
        const Qt::CheckState etat = l.valeur == 1 ? Qt::Checked : Qt::Unchecked;
        if (ChkComp[u]->checkState() != etat) ChkComp[u]->setCheckState(etat);
    }
    // An untaken row is greyed with black digits whatever the desktop's colours, but for a high-contrast theme's.
    const QPalette& t = palette();
    const bool propres = !ContrasteEleve();
    const QColor fond = l.active() ? t.color(QPalette::Active, QPalette::Base)
                        : propres  ? CouleursVorn::gris()
                                   : t.color(QPalette::Active, QPalette::Window);
    const QColor texte = l.active() ? t.color(QPalette::Active, QPalette::Text)
                         : propres  ? QColor(Qt::black)
                                    : t.color(QPalette::Disabled, QPalette::WindowText);
    for (QLineEdit* champ : {TxtFormule[u], TxtNiveau[u], TxtCB[u]}) colorerFond(champ, fond, texte);
    const bool montrer = feuille.chargee;
    ecrire(TxtFormule[u], montrer ? QString::number(l.base) : QString());
    ecrire(TxtNiveau[u], montrer ? QString::number(l.niveau) : QString());
    ecrire(TxtCB[u], montrer ? QString::number(l.cb) : QString());
    UpDownNivs[u]->setValue(l.niveau);
    if (UpDownNivs[u]->isEnabled() != l.active()) UpDownNivs[u]->setEnabled(l.active());
}

void FrmPrincipaleVorn::afficherChampsExperience() { remplir(LstChpExpérience, feuille.LstChpExpérience); }

void FrmPrincipaleVorn::Afficher() {
    const SourdineAccessible redessin; // what changes besides the control used is read when asked
    const FeuilleVorn& f = feuille;
    ecrire(TxtNomJoueur, qs(f.TxtNomJoueur));
    ecrire(TxtNomPerso, qs(f.TxtNomPerso));
    ecrire(TxtSexe, qs(f.TxtSexe));
    ecrire(TxtRang, qs(f.TxtRang));
    ecrire(TxtProfession, qs(f.TxtProfession));
    ecrire(TxtPtGénération, qs(f.TxtPtGénération));
    ecrire(TxtPtCélébrité, qs(f.TxtPtCélébrité));
    ecrire(TxtVitesse, qs(f.TxtVitesse));
    ecrire(TxtEndurance, qs(f.TxtEndurance));
    ecrire(TxtCourse, qs(f.TxtCourse));
    ecrire(TxtCharge, qs(f.TxtCharge));
    ecrire(TxtClasse, qs(f.TxtClasse));
    for (const Caract x : ToutesCaract) afficherListe(combo(x), f.liste(x));
    for (const Description d : ToutesDescriptions) afficherListe(combo(d), f.liste(d));
    for (int i = 0; i < NbLignesCompetences; ++i) afficherLigne(i);
    // The points left ride on every purchase control, so the player hears them where they are.
    const QString reste = QStringLiteral("Points de génération restants : ") + TxtPtGénération->text();
    for (const Caract x : ToutesCaract) decrire(combo(x), reste);
    for (const Description d : ToutesDescriptions) decrire(combo(d), reste);
    for (std::size_t u = 0; u < ChkComp.size(); ++u) {
        const QString ligne = QStringLiteral("Base %1, CB %2. ").arg(TxtFormule[u]->text(), TxtCB[u]->text()) + reste;
        decrire(ChkComp[u], ligne);
        decrire(UpDownNivs[u], ligne);
    }
    remplir(LstCicatrices, f.LstCicatrices);
    afficherChampsExperience();
}
