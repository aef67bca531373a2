#include "FrmChoixVorn.h"

#include "ChampNomFiltre.h"
#include "Choix.h"
#include "FichierAgent.h"
#include "Messages.h"
#include "MiseEnPage.h"
#include "Placement.h"
#include "AccessibiliteVorn.h"
#include "ModuleVorn.h"
#include "NavigationVorn.h"
#include "Tables.h"
#include "TexteQt.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {
QGroupBox* cadre(QWidget* parent, const QString& nom, const QString& titre) {
    auto* c = new QGroupBox(titre, parent);
    nommer(c, nom, titre.chopped(1));
    return c;
}

// Tab into a group of options lands on the chosen one, as players expect: the
// others are no tab stops (the arrows still walk them), so the focus, and a
// screen reader with it, never stops on an option that is not chosen.
void tabulerSurChoisie(QRadioButton* o) { o->setFocusPolicy(o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus); }

QRadioButton* option(QGroupBox* parent, const QString& nom, int index, std::string_view legende) {
    auto* o = new QRadioButton(qs(legende), parent);
    nommer(o, indexe(nom, index), qs(legende).simplified());
    QObject::connect(o, &QRadioButton::toggled, o, [o] { tabulerSurChoisie(o); });
    return o;
}
} // namespace

FrmChoixVorn::FrmChoixVorn(ModuleVorn& module, NavigationVorn& navigation) : FenetreVorn(module, navigation) {
    setObjectName(QStringLiteral("FrmChoixVorn"));
    setWindowTitle(QStringLiteral("Choix - Vorn"));
    setWindowIcon(imageVorn());
    setFixedSize(tw(7230), tw(5445));

    LblNomPerso = new QLabel(QStringLiteral("Nom du personnage:"), this);
    nommer(LblNomPerso, QStringLiteral("LblNomPerso"), LblNomPerso->text());
    placer(LblNomPerso, 1080, 360, 1980, 255); // wider than drawn: the Linux face is wider

    TxtNomPerso = new ChampNomFiltre(m, this);
    nommer(TxtNomPerso, QStringLiteral("TxtNomPerso"), QStringLiteral("Nom du personnage"));
    TxtNomPerso->setFont(policeEcran(9.75));
    placer(TxtNomPerso, 3120, 240, 2655, 375);
    LblNomPerso->setBuddy(TxtNomPerso);

    FrameRangChoix = cadre(this, QStringLiteral("FrameRangChoix"), QStringLiteral("Rang du personnage:"));
    placer(FrameRangChoix, 120, 840, 3615, 2175);
    for (int i = 0; i < 3; ++i) {
        OptRang[i] = option(FrameRangChoix, QStringLiteral("OptRang"), i, Rangs[static_cast<std::size_t>(i)].legende);
        placer(OptRang[i], 360, 480 + 600 * i, 3195, 255);
        connect(OptRang[i], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche) OptRang_Click(i);
        });
    }

    FrameSexeChoix = cadre(this, QStringLiteral("FrameSexeChoix"), QStringLiteral("Sexe du personnage:"));
    placer(FrameSexeChoix, 120, 3240, 3615, 1335);
    for (int i = 0; i < 2; ++i) {
        OptSexe[i] = option(FrameSexeChoix, QStringLiteral("OptSexe"), i, LegendesSexe[static_cast<std::size_t>(i)]);
        placer(OptSexe[i], 360, 360 + 480 * i, 1815, 255);
        connect(OptSexe[i], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche) OptSexe_Click(i);
        });
    }

    FrameProfession = cadre(this, QStringLiteral("FrameProfession"), QStringLiteral("Ancienne profession:"));
    placer(FrameProfession, 3960, 840, 3135, 3735);
    for (int i = 0; i < 7; ++i) {
        OptProfession[i] =
            option(FrameProfession, QStringLiteral("OptProfession"), i, Professions[static_cast<std::size_t>(i)]);
        placer(OptProfession[i], 240, 360 + 480 * i, 2835, 375);
        connect(OptProfession[i], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche) OptProfession_Click(i);
        });
    }

    BtnContinuerChoix = new QPushButton(QStringLiteral("&Continuer"), this);
    nommer(BtnContinuerChoix, QStringLiteral("BtnContinuerChoix"), QStringLiteral("Continuer"));
    placer(BtnContinuerChoix, 1800, 4920, 1455, 375);
    BtnQuitterChoix = new QPushButton(QStringLiteral("&Quitter"), this);
    nommer(BtnQuitterChoix, QStringLiteral("BtnQuitterChoix"), QStringLiteral("Quitter"));
    placer(BtnQuitterChoix, 3960, 4920, 1455, 375);
    // An agent saved earlier starts from its sheet: in the free corner right of "&Quitter", the same size.
    BtnOuvrirChoix = new QPushButton(QStringLiteral("&Ouvrir…"), this);
    nommer(BtnOuvrirChoix, QStringLiteral("BtnOuvrirChoix"), QStringLiteral("Ouvrir un agent"));
    placer(BtnOuvrirChoix, 5640, 4920, 1455, 375);
    connect(BtnOuvrirChoix, &QPushButton::clicked, this, [this] { BtnOuvrirChoix_Click(); });
    connect(BtnContinuerChoix, &QPushButton::clicked, this, [this] { BtnContinuerChoix_Click(); });
    connect(BtnQuitterChoix, &QPushButton::clicked, this, [this] { BtnQuitterChoix_Click(); });

    QWidget* precedent = TxtNomPerso;
    auto suivant = [&precedent, this](QWidget* w) {
        setTabOrder(precedent, w);
        precedent = w;
    };
    for (auto* o : OptRang) suivant(o);
    suivant(BtnContinuerChoix);
    suivant(BtnQuitterChoix);
    for (auto* o : OptSexe) suivant(o);
    for (auto* o : OptProfession) suivant(o);
    suivant(BtnOuvrirChoix);

    Form_Load();
    TxtNomPerso->setFocus();
}

void FrmChoixVorn::Form_Load() {
    ChargerChoix(m);
    CentrerForm(this);
    // The record already holds the defaults; the buttons only show them.
    const auto rang = std::find_if(Rangs.begin(), Rangs.end(),
                                   [this](const RangVorn& r) { return r.ptGeneration == m.PtGeneration; });
    for (QRadioButton* o :
         {OptRang.at(static_cast<std::size_t>(rang - Rangs.begin())), OptSexe.at(static_cast<std::size_t>(m.Sexe)),
          OptProfession.at(static_cast<std::size_t>(m.Profession))}) {
        const QSignalBlocker bloque(o);
        o->setChecked(true);
    }
    for (QRadioButton* o : findChildren<QRadioButton*>()) tabulerSurChoisie(o);
    ConfirmerQuitter = 1;
}

void FrmChoixVorn::OptRang_Click(int index) { ChoisirRang(m, index); }
void FrmChoixVorn::OptSexe_Click(int index) { ChoisirSexe(m, index); }
void FrmChoixVorn::OptProfession_Click(int index) { ChoisirProfession(m, index); }

void FrmChoixVorn::BtnContinuerChoix_Click() {
    if (TxtNomPerso->text().isEmpty()) {
        nav.messagerie().Afficher(this, qs(MessageNomPerso), qs(TitreNomPerso), Messagerie::Exclamation);
        rendreFocus(TxtNomPerso);
        return;
    }
    ValiderChoix(m, ss(TxtNomPerso->text()), nav.des());
    nav.ChoixContinue();
}

void FrmChoixVorn::BtnQuitterChoix_Click() {
    if (!nav.ConfirmerQuitter(this)) rendreFocus(TxtNomPerso);
}

void FrmChoixVorn::BtnOuvrirChoix_Click() {
    QWidget* utilise = focusWidget();
    const QString chemin = nav.fichiers().Ouvrir(this, QStringLiteral("Ouvrir un agent"), qs(FiltreAgents));
    // Opened, the agent's sheet takes this screen's place; otherwise the choice goes on here.
    if (chemin.isEmpty() || !nav.OuvrirAgent(this, chemin)) rendreFocus(utilise);
}

bool FrmChoixVorn::Form_Unload() {
    if (ConfirmerQuitter == 0) {
        ConfirmerQuitter = 1;
        return false;
    }
    if (nav.ConfirmerQuitter(this)) return false;
    rendreFocus(TxtNomPerso);
    return true;
}
