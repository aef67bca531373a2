// Every control a user reads or operates carries a French accessible name,
// on every screen, so that screen readers announce it.
#include "OutilsTest.h"

#include "FrmAProposVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "UpDownNiv.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
bool lisibleOuActionnable(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QListWidget*>(w) || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w) ||
           qobject_cast<const UpDownNiv*>(w) || w->focusPolicy() != Qt::NoFocus;
}

// The widgets of a screen that a user meets, without the toolkit's own parts
// (a drop-down's popup, a scroll area's bars), which Qt names itself.
QStringList sansNom(QWidget* ecran) {
    QStringList manquants;
    QList<QWidget*> widgets = ecran->findChildren<QWidget*>();
    widgets.prepend(ecran);
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QStringLiteral("qt_")) || !lisibleOuActionnable(w)) continue;
        bool interne = false;
        for (QWidget* p = w->parentWidget(); p && p != ecran; p = p->parentWidget()) {
            interne = interne || qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractScrollArea*>(p);
        }
        if (interne || w->isWindow() != (w == ecran)) continue;
        // Qt would fall back on an enclosing frame's title, which names the
        // frame, not the control: only the control's own name or caption counts.
        QString nom = w->accessibleName();
        if (const auto* b = qobject_cast<const QAbstractButton*>(w); nom.isEmpty() && b) nom = b->text();
        if (const auto* l = qobject_cast<const QLabel*>(w); nom.isEmpty() && l) nom = l->text();
        if (nom.trimmed().isEmpty()) {
            manquants << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
        }
    }
    return manquants;
}
} // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT
private slots:
    void chaqueEcranNommeSesControles() {
        ProgrammeTest p;
        QCOMPARE(sansNom(p.app->accueil()), QStringList());
        p.allerAuChoix();
        QCOMPARE(sansNom(p.app->choix()), QStringList());
        FrmPrincipaleVorn* feuille = p.allerALaFeuille();
        QCOMPARE(sansNom(feuille), QStringList());

        p.module.Profession = 5;
        FrmChpExpérienceVorn champs(p.module, *p.app, feuille);
        QCOMPARE(sansNom(&champs), QStringList());
        FrmAProposVorn apropos(feuille);
        QCOMPARE(sansNom(&apropos), QStringList());
    }

    void lesNomsSontCeuxDesLegendes() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        QCOMPARE((QStringList{f->ChkComp[21]->accessibleName(), f->TxtNiveau[21]->accessibleName(),
                              f->TxtPtGénération->accessibleName(), f->CmbFOR->accessibleName()}),
                 (QStringList{"Séduction", "Niveau de Séduction", "Points de génération", "FOR"}));
        auto lu = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
        // What a screen reader is told: elided names, lists by caption with their entry, no decoration.
        QCOMPARE((QStringList{lu(f->UpDownNivs[0])->text(QAccessible::Name), lu(f->TxtFormule[10])->text(QAccessible::Name),
                              lu(f->TxtCB[23])->text(QAccessible::Name), lu(f->CmbFOR)->text(QAccessible::Name),
                              lu(f->CmbFOR)->text(QAccessible::Value), lu(f->MnuPtInt->menuAction())->text(QAccessible::Name)}),
                 (QStringList{"Niveau d'Agilité", "Base d'Électronique", "CB d'Usages Locaux", "FOR", "5", "Aide"}));
        QCOMPARE(lu(f->FrmCompétences)->indexOfChild(lu(f->Line1)), -1);
    }

    // The level control is a spin button whose steps are purchases, told on the control itself.
    void leNiveauEstUnCompteurQuiAchete() {
        ProgrammeTest p;
        FrmPrincipaleVorn* f = p.allerALaFeuille();
        QAccessibleInterface* niv = QAccessible::queryAccessibleInterface(f->UpDownNivs[2]);
        QAccessibleValueInterface* v = niv->valueInterface();
        QCOMPARE((QVariantList{niv->role(), niv->childCount(), v->currentValue(), v->minimumValue(), v->maximumValue()}),
                 (QVariantList{QAccessible::SpinBox, 0, 1, 1, 15}));
        const int avant = f->TxtPtGénération->text().toInt();
        niv->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE((QStringList{f->TxtNiveau[2]->text(), f->TxtPtGénération->text()}), (QStringList{"2", QString::number(avant - 20)}));
        v->setCurrentValue(15);
        QCOMPARE(f->TxtPtGénération->text().toInt(), avant - 280);
        QVERIFY2(niv->text(QAccessible::Description).contains(QString::number(avant - 280)), qPrintable(niv->text(QAccessible::Description)));
        niv->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
        v->setCurrentValue(0);
        QCOMPARE((QVariantList{v->currentValue(), f->TxtPtGénération->text().toInt()}), (QVariantList{1, avant}));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
