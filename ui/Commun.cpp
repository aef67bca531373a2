#include "Commun.h"

#include "ModuleVorn.h"
#include "Texte.h"
#include "Choix.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPalette>
#include <QPixmapCache>
#include <QScreen>

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

void colorerFond(QWidget* champ, const QColor& fond) {
    QPalette p = champ->palette();
    if (p.color(QPalette::Disabled, QPalette::Base) == fond) return;
    for (const auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(groupe, QPalette::Base, fond);
    }
    champ->setPalette(p);
}

void CentrerForm(QWidget* fenetre) {
    QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect zone = ecran->availableGeometry();
    // Before the first show the frame is unknown; its size then equals the client's.
    const QSize exterieur = fenetre->frameGeometry().size().expandedTo(fenetre->size());
    const Position p = PositionCentree(zone.x(), zone.y(), zone.width(), zone.height(), exterieur.width(),
                                       exterieur.height());
    fenetre->move(p.x, p.y);
}

QPixmap imageVorn() {
    // Decoded once per process, then shared through Qt's pixmap cache.
    const QString chemin = QStringLiteral(":/vorn/vorn.png");
    QPixmap image;
    if (QPixmapCache::find(chemin, &image)) return image;
    // The format named and content sniffing off: Qt's own PNG reader answers
    // at once instead of every image-format plugin being loaded and asked first.
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    image = QPixmap::fromImage(lecteur.read());
    QPixmapCache::insert(chemin, image);
    return image;
}
