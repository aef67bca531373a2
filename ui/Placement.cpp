#include "Placement.h"

#include "PositionCentree.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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

void placerAuCentre(QWidget* fenetre, const QWidget* proprietaire, const QMargins& cadre) {
    const QRect zone = zoneDe(fenetre, proprietaire);
    if (zone.isEmpty()) return;
    const QSize exterieur = fenetre->size().grownBy(cadre);
    const Position p = PositionCentree(zone.x(), zone.y(), zone.width(), zone.height(), exterieur.width(),
                                       exterieur.height());
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
