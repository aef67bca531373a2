#include "Affichage.h"

#include "Couleurs.h"
#include "MiseEnPage.h"
#include "ThemeVorn.h"

#include <QLineEdit>
#include <QPalette>

#include <QEvent>

#include <limits>

namespace {
class RoueAuFocus final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Wheel || static_cast<QWidget*>(o)->hasFocus()) return false;
        e->ignore(); // passed on to the parent
        return true;
    }
};
} // namespace

QLineEdit* champAffichage(QWidget* parent, const QString& nom, const QString& nomAccessible, bool gras) {
    auto* champ = new QLineEdit(parent);
    nommer(champ, nom, nomAccessible);
    champ->setEnabled(false);
    champ->setFocusPolicy(Qt::NoFocus);
    champ->setContextMenuPolicy(Qt::NoContextMenu);
    champ->setTextMargins(0, 0, 0, 0);
    champ->setMaxLength(std::numeric_limits<int>::max());
    QFont f = champ->font();
    f.setBold(gras);
    champ->setFont(f);
    lisibleDesactive(champ);
    return champ;
}

void lisibleDesactive(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, p.color(QPalette::Active, QPalette::Text));
    p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Active, QPalette::Base));
    w->setPalette(p);
}

void fondUni(QWidget* w, const QColor& fond) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fond);
    w->setPalette(p);
}

void fondGrisClair(QWidget* w) {
    if (ContrasteEleve()) return; // the theme's own colours
    fondUni(w, CouleursVorn::grisClair());
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(p);
}

void ecrire(QLineEdit* champ, const QString& texte) {
    if (champ->text() != texte) {
        champ->setText(texte);
        champ->setCursorPosition(0);
    }
}

void colorerFond(QWidget* champ, const QColor& fond, const QColor& texte) {
    QPalette p = champ->palette();
    if (p.color(QPalette::Disabled, QPalette::Base) == fond && p.color(QPalette::Disabled, QPalette::Text) == texte) {
        return;
    }
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(groupe, QPalette::Base, fond);
        p.setColor(groupe, QPalette::Text, texte);
    }
    champ->setPalette(p);
}

void roueAuFocus(QWidget* w) {
    w->setFocusPolicy(Qt::StrongFocus); // the wheel does not take the focus either
    w->installEventFilter(new RoueAuFocus(w));
}
