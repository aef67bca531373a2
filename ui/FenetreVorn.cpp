#include "FenetreVorn.h"

#include "AccessibiliteVorn.h"
#include "Commun.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

FenetreVorn::FenetreVorn(ModuleVorn& module, NavigationVorn& navigation, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m(module), nav(navigation) {
    InstallerAccessibilite();
}

void FenetreVorn::closeEvent(QCloseEvent* e) {
    if (nav.termine() || !Form_Unload()) {
        e->accept();
    } else {
        e->ignore();
    }
}

void FenetreVorn::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // A window manager activates a new screen; without one nobody would, and the keyboard would not reach it.
    if (!e->spontaneous()) activateWindow();
}

void FenetreVorn::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        if (auto* bouton = qobject_cast<QPushButton*>(focusWidget()); bouton && bouton->isEnabled()) {
            bouton->click();
            return;
        }
        if (parDefaut_ && parDefaut_->isEnabled()) {
            parDefaut_->click();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void FenetreVorn::definirBoutonParDefaut(QPushButton* bouton) {
    parDefaut_ = bouton;
    bouton->setDefault(true);
}
