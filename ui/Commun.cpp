#include "Commun.h"

#include "ModuleVorn.h"
#include "Texte.h"
#include "Choix.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QLayout>
#include <QScreen>
#include <QWindow>

#include <limits>

void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur) {
    w->setGeometry(tw(gauche), tw(haut), tw(largeur), tw(hauteur));
}

void nommer(QWidget* w, const QString& nom, const QString& nomAccessible) {
    w->setObjectName(nom);
    w->setAccessibleName(nomAccessible);
}

QString indexe(const QString& nom, int index) { return QStringLiteral("%1(%2)").arg(nom).arg(index); }

QFont policeSansSerif(qreal points, bool gras) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

std::int16_t MessagerieQt::Afficher(QWidget* parent, const QString& texte, const QString& titre, int code) {
    QMessageBox boite(parent);
    boite.setWindowTitle(titre);
    boite.setText(texte);
    if (code == QuestionOuiNon) {
        boite.setIcon(QMessageBox::Question);
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        boite.setDefaultButton(QMessageBox::No);
        boite.setEscapeButton(QMessageBox::No);
        return boite.exec() == QMessageBox::Yes ? Oui : Non;
    }
    boite.setIcon(QMessageBox::Warning);
    boite.setStandardButtons(QMessageBox::Ok);
    boite.exec();
    return Ok;
}

ChampNomFiltre::ChampNomFiltre(ModuleVorn& module, QWidget* parent) : QLineEdit(parent), m_(module) {
    // A name has no length limit (Qt's default would cut it at 32,767 characters).
    setMaxLength(std::numeric_limits<int>::max());
}

QString ChampNomFiltre::filtrer(const QString& saisie) {
    const std::string texte = ss(saisie);
    if (!texte.empty()) {
        // The last typed character before conversion, as the record keeps it.
        std::string_view reste(texte);
        while (!reste.empty()) {
            const std::size_t n = LongueurPremierCaractere(reste);
            m_.Touche = std::string(reste.substr(0, n));
            reste.remove_prefix(n);
        }
    }
    return qs(FiltrerSaisie(texte));
}

void ChampNomFiltre::keyPressEvent(QKeyEvent* e) {
    const QString texte = e->text();
    // The first code point, not the first UTF-16 unit: an emoji arrives as a surrogate pair.
    const bool imprimable = !texte.isEmpty() && QChar::isPrint(texte.toUcs4().constFirst()) &&
                            !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!imprimable) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    QKeyEvent filtre(e->type(), e->key(), e->modifiers(), filtrer(texte), e->isAutoRepeat(),
                     static_cast<ushort>(e->count()));
    QLineEdit::keyPressEvent(&filtre);
    e->setAccepted(filtre.isAccepted());
}

void ChampNomFiltre::inputMethodEvent(QInputMethodEvent* e) {
    if (e->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    QInputMethodEvent filtre(e->preeditString(), e->attributes());
    filtre.setCommitString(filtrer(e->commitString()), e->replacementStart(), e->replacementLength());
    QLineEdit::inputMethodEvent(&filtre);
}

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
    fondUni(w, QColor(224, 224, 224));
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
        // No frame after five seconds: no window manager, nothing to correct.
        if (cadre.isNull() && ++essais_ < 250) return;
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

QPixmap imageVorn() {
    // Loading by name goes through Qt's pixmap cache: decoded once per process.
    return QPixmap(QStringLiteral(":/vorn/vorn.png"));
}
