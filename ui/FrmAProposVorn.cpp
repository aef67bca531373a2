#include "FrmAProposVorn.h"

#include "Affichage.h"
#include "MiseEnPage.h"
#include "Placement.h"
#include "TexteQt.h"
#include "AccessibiliteVorn.h"
#include "VersionVorn.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, int l, int t, int w, int h) {
    auto* e = new QLabel(texte, parent);
    nommer(e, nom, texte);
    e->setWordWrap(true);
    e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(e, l, t, w, h);
    return e;
}

QFrame* trait(QWidget* parent, int index, const QColor& couleur, int x1, int y, int x2, int epaisseur) {
    auto* f = new QFrame(parent);
    f->setObjectName(indexe(QStringLiteral("Line1"), index));
    fondUni(f, couleur);
    f->setGeometry(tw(x1), tw(y), tw(x2) - tw(x1), epaisseur);
    marquerDecoratif(f);
    return f;
}
} // namespace

FrmAProposVorn::FrmAProposVorn(QWidget* parent) : QDialog(parent) {
    marquerFenetreVorn(this);
    setObjectName(QStringLiteral("FrmAProposVorn"));
    setWindowTitle(QStringLiteral("À propos - Vorn"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setModal(true);
    setFixedSize(tw(5115), tw(4470));

    picIcon = new QLabel(this);
    nommer(picIcon, QStringLiteral("picIcon"), QStringLiteral("Emblème de Vorn"));
    picIcon->setPixmap(imageEcran());
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(picIcon, 240, 240, 1230, 1245);

    LblTitreAPropos = etiquette(this, QStringLiteral("LblTitreAPropos"), QStringLiteral("Titre de l'application"), 1770,
                                120, 2925, 480);
    QFont grand = LblTitreAPropos->font();
    grand.setBold(true);
    LblTitreAPropos->setFont(grand);
    LblVersionAPropos =
        etiquette(this, QStringLiteral("LblVersionAPropos"), QStringLiteral("Version"), 1770, 660, 2925, 225);
    LblAuteru = etiquette(this, QStringLiteral("LblAuteru"), QStringLiteral("Contact : l'équipe ZazUvureVorn"), 1800,
                          1200, 2895, 255);
    lblDescription = etiquette(
        this, QStringLiteral("lblDescription"),
        QStringLiteral("Description du programme: Ce programme destiné à vous faciliter la création des personnages "
                       "du jeu de rôle Vorn utilise toutes les règles optionnelles définies dans le Manuel."),
        240, 1800, 4605, 810);
    fondGrisClair(lblDescription);
    Line1[1] = trait(this, 1, QColor(128, 128, 128), -15, 2790, 5210, 1);
    Line1[0] = trait(this, 0, Qt::white, 0, 2805, 5210, 2);
    lblDisclaimer = etiquette(this, QStringLiteral("lblDisclaimer"), QStringLiteral(" "), 240, 2985, 4575, 825);
    lblDisclaimer->setAccessibleName(QStringLiteral("Avertissement"));
    fondGrisClair(lblDisclaimer);
    // An empty grey box: nothing to read.
    marquerDecoratif(lblDisclaimer);

    BtnOkAPropos = new QPushButton(QStringLiteral("OK"), this);
    nommer(BtnOkAPropos, QStringLiteral("BtnOkAPropos"), QStringLiteral("OK"));
    placer(BtnOkAPropos, 1920, 3960, 1260, 345);
    BtnOkAPropos->setDefault(true);
    BtnOkAPropos->setFocus();
    connect(BtnOkAPropos, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load();
    // Opened over the sheet, in its middle.
    if (parent) CentrerSur(this, parent->window());
}

void FrmAProposVorn::Form_Load() {
    LblVersionAPropos->setText(QStringLiteral("Version: %1.%2.%3")
                                   .arg(VersionVorn::Majeure)
                                   .arg(VersionVorn::Mineure)
                                   .arg(VersionVorn::Revision));
    LblTitreAPropos->setText(QStringLiteral("Application: ") + qs(VersionVorn::Titre));
    // Read aloud with the French space before the colon: screen readers read the lines of three
    // words or more when a box opens, and these two then count as such.
    for (QLabel* l : {LblTitreAPropos, LblVersionAPropos}) {
        l->setAccessibleName(QString(l->text()).replace(QStringLiteral(": "), QStringLiteral(" : ")));
    }
}
