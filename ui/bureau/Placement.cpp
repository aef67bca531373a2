#include "Placement.h"

#include "PositionCentree.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
// The frame that the window manager last put around one of our windows:
// the best guess for a window not shown yet, whose frame is still unknown.
QMargins cadreConnu;

// The screen's free area, or the owner's outer rectangle for a box opened over it.
QRect zoneDe(const QWidget* fenetre, const QWidget* proprietaire) {
    if (proprietaire) return proprietaire->frameGeometry();
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry() : QRect();
}

// The window's content moved into a scroll area, which then takes the window's place; the menu bar stays above it.
QScrollArea* defilement(QWidget* fenetre) {
    const QString nom = QStringLiteral("qt_defilement");
    if (auto* d = fenetre->findChild<QScrollArea*>(nom, Qt::FindDirectChildrenOnly)) return d;
    QSize taille = fenetre->size();
    QLayout* ancienne = fenetre->layout();
    QMenuBar* barre = ancienne ? qobject_cast<QMenuBar*>(ancienne->menuBar()) : nullptr;
    if (barre) {
        taille.rheight() -= barre->height();
        ancienne->setMenuBar(nullptr);
    }
    // Created inside the window, so that the keyboard's order through the controls is kept.
    auto* contenu = new QWidget(fenetre);
    const QObjectList enfants = fenetre->children();
    if (ancienne) contenu->setLayout(ancienne);
    for (QObject* o : enfants) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == contenu || w == barre || w->isWindow() || w->parentWidget() != fenetre) continue;
        const bool cache = w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
        const QRect g = w->geometry();
        w->setParent(contenu);
        w->setGeometry(g);
        w->setVisible(!cache);
    }
    contenu->setFixedSize(taille);
    auto* d = new QScrollArea(fenetre);
    d->setObjectName(nom);
    d->setAccessibleName(fenetre->windowTitle());
    d->setFrameShape(QFrame::NoFrame);
    d->setFocusPolicy(Qt::NoFocus);
    d->setWidget(contenu);
    auto* disposition = new QVBoxLayout(fenetre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    if (barre) disposition->setMenuBar(barre);
    disposition->addWidget(d);
    d->setVisible(true);
    contenu->setVisible(true);
    return d;
}

// A window larger than the screen's free area is brought within it, its content scrolling.
void tenirDansEcran(QWidget* fenetre, const QMargins& cadre) {
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QSize place = ecran->availableGeometry().size().shrunkBy(cadre);
    const QSize taille = fenetre->size();
    if (taille.width() <= place.width() && taille.height() <= place.height()) return;
    QScrollArea* d = defilement(fenetre);
    const QSize contenu = d->widget()->size();
    const QWidget* barre = fenetre->layout()->menuBar();
    const int haut = barre ? barre->sizeHint().height() : 0;
    // Room for the scroll bar that a cut side needs.
    const int epaisseur = fenetre->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, d);
    QSize voulue(contenu.width(), contenu.height() + haut);
    if (voulue.height() > place.height()) voulue.rwidth() += epaisseur;
    if (voulue.width() > place.width()) voulue.rheight() += epaisseur;
    fenetre->setFixedSize(voulue.boundedTo(place));
}

void placerAuCentre(QWidget* fenetre, const QWidget* proprietaire, const QMargins& cadre) {
    tenirDansEcran(fenetre, cadre);
    const QRect zone = zoneDe(fenetre, proprietaire);
    if (zone.isEmpty()) return;
    const QSize exterieur = fenetre->size().grownBy(cadre);
    Position p =
        PositionCentree(zone.x(), zone.y(), zone.width(), zone.height(), exterieur.width(), exterieur.height());
    // Centred on a smaller owner, a box may still reach past the screen's edge: it is kept within.
    if (proprietaire) {
        const QRect ecran = zoneDe(fenetre, nullptr);
        p.x = std::max(ecran.x(), std::min(p.x, ecran.x() + ecran.width() - exterieur.width()));
        p.y = std::max(ecran.y(), std::min(p.y, ecran.y() + ecran.height() - exterieur.height()));
    }
    // A window's position is that of its frame, also before it has one.
    fenetre->move(p.x, p.y);
}

// Once the window manager has framed a window placed before its first show,
// places it again by its real outer size: the frame may not be the one guessed.
class CentrageApresCadre final : public QObject {
public:
    CentrageApresCadre(QWidget* fenetre, const QWidget* proprietaire)
        : QObject(fenetre), fenetre_(fenetre), proprietaire_(proprietaire) {
        fenetre->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show && !minuterie_) minuterie_ = startTimer(20);
        return false;
    }
    void timerEvent(QTimerEvent*) override {
        const QWindow* w = fenetre_->windowHandle();
        const QMargins cadre = w ? w->frameMargins() : QMargins();
        // A window manager frames a window before it shows it: shown without a
        // frame (or still unframed after five seconds), it has none to correct.
        if (cadre.isNull() && !(w && w->isExposed()) && ++essais_ < 250) return;
        if (!cadre.isNull()) cadreConnu = cadre;
        placerAuCentre(fenetre_, proprietaire_, cadre);
        killTimer(minuterie_);
        deleteLater();
    }

private:
    QWidget* fenetre_;
    QPointer<const QWidget> proprietaire_;
    int minuterie_ = 0;
    int essais_ = 0;
};

// Centres now by the best knowledge of the outer size, and again once the
// window manager has framed the window.
void centrer(QWidget* fenetre, const QWidget* proprietaire) {
    // The layout sets the real size (menu bar included) only when activated.
    if (QLayout* disposition = fenetre->layout()) disposition->activate();
    const QWindow* w = fenetre->windowHandle();
    if (fenetre->isVisible() && w) {
        placerAuCentre(fenetre, proprietaire, w->frameMargins());
        return;
    }
    placerAuCentre(fenetre, proprietaire, cadreConnu);
    new CentrageApresCadre(fenetre, proprietaire);
}
} // namespace

void CentrerForm(QWidget* fenetre) { centrer(fenetre, nullptr); }

void CentrerSur(QWidget* fenetre, const QWidget* proprietaire) { centrer(fenetre, proprietaire); }
