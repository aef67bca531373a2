#include "FrmChpExpérienceVorn.h"

#include "Affichage.h"
#include "Messages.h"
#include "MiseEnPage.h"
#include "Placement.h"
#include "NavigationVorn.h"
#include "AccessibiliteVorn.h"
#include "Tables.h"
#include "TexteQt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmChpExpérienceVorn::FrmChpExpérienceVorn(ModuleVorn& module, NavigationVorn& navigation, QWidget* parent)
    : QDialog(parent), champs(module), nav_(navigation) {
    marquerFenetreVorn(this);
    setObjectName(QStringLiteral("FrmChpExpérienceVorn"));
    setWindowTitle(QStringLiteral("Champs d'Expérience - Vorn"));
    setModal(true);

    auto* disposition = new QVBoxLayout(this);

    LblNbChoixExp = new QLabel(qs(champs.LblNbChoixExp), this);
    nommer(LblNbChoixExp, QStringLiteral("LblNbChoixExp"), LblNbChoixExp->text());
    disposition->addWidget(LblNbChoixExp);

    auto* ligneReste = new QHBoxLayout;
    LblExp1[0] = new QLabel(QStringLiteral("Il vous reste"), this);
    nommer(LblExp1[0], indexe(QStringLiteral("LblExp1"), 0), LblExp1[0]->text());
    TxtExp = champAffichage(this, QStringLiteral("TxtExp"), QStringLiteral("Champs d'Expérience à choisir"));
    TxtExp->setFixedWidth(tw(495));
    TxtExp->setAlignment(Qt::AlignCenter);
    LblExp1[1] = new QLabel(QStringLiteral("Champs d'Expérience à choisir."), this);
    nommer(LblExp1[1], indexe(QStringLiteral("LblExp1"), 1), LblExp1[1]->text());
    ligneReste->addWidget(LblExp1[0]);
    ligneReste->addWidget(TxtExp);
    ligneReste->addWidget(LblExp1[1]);
    ligneReste->addStretch();
    disposition->addLayout(ligneReste);

    FrmChpExpProf = new QGroupBox(QStringLiteral("Champs d'Expérience Professionnels:"), this);
    nommer(FrmChpExpProf, QStringLiteral("FrmChpExpProf"), QStringLiteral("Champs d'Expérience Professionnels"));
    auto* grilleProf = new QGridLayout(FrmChpExpProf);
    for (int i = 0; i < ChampsExperienceVorn::NbProf; ++i) {
        const auto u = static_cast<std::size_t>(i);
        auto* c = new CaseDemande(qs(champs.legendesProf[u]), FrmChpExpProf);
        nommer(c, indexe(QStringLiteral("ChkExpProf"), i), c->text());
        grilleProf->addWidget(c, i / 3, i % 3);
        // A hidden box keeps its place so that the rows stay in threes.
        QSizePolicy politique = c->sizePolicy();
        politique.setRetainSizeWhenHidden(true);
        c->setSizePolicy(politique);
        c->setVisible(champs.visibleProf[u]);
        connect(c, &QCheckBox::clicked, this, [this, i](bool coche) { ChkExp_Click(true, i, !coche); });
        ChkExpProf[u] = c;
    }
    disposition->addWidget(FrmChpExpProf);

    FrmChpExpGen = new QGroupBox(QStringLiteral("Champs d'Expérience Généraux:"), this);
    nommer(FrmChpExpGen, QStringLiteral("FrmChpExpGen"), QStringLiteral("Champs d'Expérience Généraux"));
    auto* grilleGen = new QGridLayout(FrmChpExpGen);
    for (int i = 0; i < ChampsExperienceVorn::NbGen; ++i) {
        const auto u = static_cast<std::size_t>(i);
        auto* c = new CaseDemande(qs(ChampsGeneraux[u]), FrmChpExpGen);
        nommer(c, indexe(QStringLiteral("ChkExpGen"), i), c->text());
        grilleGen->addWidget(c, i % 4, i / 4);
        connect(c, &QCheckBox::clicked, this, [this, i](bool coche) { ChkExp_Click(false, i, !coche); });
        ChkExpGen[u] = c;
    }
    disposition->addWidget(FrmChpExpGen);

    BtnOkExpérience = new QPushButton(QStringLiteral("&Ok"), this);
    nommer(BtnOkExpérience, QStringLiteral("BtnOkExpérience"), QStringLiteral("Ok"));
    BtnOkExpérience->setMinimumWidth(tw(1335));
    disposition->addWidget(BtnOkExpérience, 0, Qt::AlignHCenter);
    connect(BtnOkExpérience, &QPushButton::clicked, this, [this] { BtnOkExpérience_Click(); });

    // The count is read within its sentence: the caption before it carries the whole, and the
    // field and the caption after it are left out for screen readers.
    marquerDecoratif(TxtExp);
    marquerDecoratif(LblExp1[1]);
    afficherReste();
    setWindowIcon(imageVorn());
    adjustSize();
    setFixedSize(size());
    CentrerForm(this);
}

void FrmChpExpérienceVorn::ChkExp_Click(bool professionnel, int index, bool coche) {
    QCheckBox* boite =
        professionnel ? ChkExpProf.at(static_cast<std::size_t>(index)) : ChkExpGen.at(static_cast<std::size_t>(index));
    if (coche && !champs.Cocher(professionnel, index)) {
        nav_.messagerie().Afficher(this, qs(MessagePlusDeChamps), qs(TitreChampsExp), Messagerie::Exclamation);
        rendreFocus(boite);
        return;
    }
    if (!coche) champs.Decocher(professionnel, index);
    boite->setChecked(coche);
    afficherReste();
    annoncer(boite);
}

void FrmChpExpérienceVorn::afficherReste() {
    TxtExp->setText(qs(champs.TxtExp));
    const QString phrase = QStringLiteral("%1 %2 %3").arg(LblExp1[0]->text(), TxtExp->text(), LblExp1[1]->text());
    LblExp1[0]->setAccessibleName(phrase);
    // Heard again with each box, and after each tick.
    for (auto* c : ChkExpProf) decrire(c, phrase);
    for (auto* c : ChkExpGen) decrire(c, phrase);
}

void FrmChpExpérienceVorn::BtnOkExpérience_Click() {
    champs.Valider();
    accept();
}
