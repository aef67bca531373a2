#include "ChampNomFiltre.h"

#include "ModuleVorn.h"
#include "Texte.h"
#include "TexteQt.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <limits>
#include <string>
#include <string_view>

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
