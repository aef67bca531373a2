#include "FenetreVorn.h"

#include "NavigationVorn.h"
#include "AccessibiliteVorn.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

namespace {
// A modal window takes the mouse release from a button held down under it,
// so an auto-repeating arrow would go on firing inside the box. Every held
// button is let go as soon as a modal window shows, before its event loop
// can run the button's repeat timer.
class RelacheSousModal final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isModal()) {
            RelacherBoutonsTenus();
        }
        return false;
    }
};
} // namespace

void InstallerRelacheSousModal(QApplication& app) { app.installEventFilter(new RelacheSousModal(&app)); }

void RelacherBoutonsTenus() {
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (!dansFenetreVorn(fenetre)) continue; // Qt's own dialogs keep their buttons
        for (auto* bouton : fenetre->findChildren<QAbstractButton*>()) {
            if (bouton->isDown()) bouton->setDown(false);
        }
    }
}

FenetreVorn::FenetreVorn(ModuleVorn& module, NavigationVorn& navigation, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m(module), nav(navigation) {
    marquerFenetreVorn(this);
}

bool FenetreVorn::occupe() const {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
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
    // The keypad's Enter comes with the keypad modifier: it acts as Return.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
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
