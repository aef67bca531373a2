#include "AccessibiliteVorn.h"

#include "UpDownNiv.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
constexpr const char* Decoratif = "vornDecoratif";
constexpr const char* AvecDecors = "vornAvecDecors";
constexpr const char* NomEntree = "vornNomAccessible";
constexpr const char* FenetreDuProgramme = "vornFenetre";
constexpr const char* DescriptionLue = "vornDescription";

// A purchase asked through an accessibility call runs after the call, from the event loop: a
// refusal box opened inside it would hold the screen reader's request until the box closes.
template <typename Action>
void apresLAppel(QObject* cible, Action action) {
    QTimer::singleShot(0, cible, std::move(action));
}

// A level control is one spin button: its arrows are the increase and
// decrease actions, not buttons of their own.
class NiveauAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit NiveauAccessible(UpDownNiv* s) : QAccessibleWidget(s, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(niveau()->value());
        return t == QAccessible::Description ? description(widget()) : QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QVariant currentValue() const override { return niveau()->value(); }
    QVariant maximumValue() const override { return niveau()->maximum(); }
    QVariant minimumValue() const override { return niveau()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }
    // Each level is bought on its own: step until there or until a step is refused.
    void setCurrentValue(const QVariant& v) override {
        apresLAppel(niveau(), [n = niveau(), cible = v.toInt()] {
            for (int avant = -1; n->value() != cible && n->value() != avant;) {
                avant = n->value();
                cible > avant ? n->monter() : n->descendre();
            }
        });
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }
    void doAction(const QString& action) override {
        if (action == increaseAction()) {
            apresLAppel(niveau(), [n = niveau()] { n->monter(); });
        } else if (action == decreaseAction()) {
            apresLAppel(niveau(), [n = niveau()] { n->descendre(); });
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == increaseAction()) return {QStringLiteral("Up")};
        if (action == decreaseAction()) return {QStringLiteral("Down")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    UpDownNiv* niveau() const { return static_cast<UpDownNiv*>(widget()); }
};

// A drop-down list is named by its caption and holds its entry as its value
// and as its text, where screen readers read a closed list's entry; its popup
// list is its one child.
class ListeAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListeAccessible(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return liste()->currentText();
        return t == QAccessible::Description ? description(widget()) : QAccessibleWidget::text(t);
    }

    // The entry as a read-only text, without caret or selection.
    QString text(int debut, int fin) const override { return liste()->currentText().mid(debut, fin - debut); }
    int characterCount() const override { return static_cast<int>(liste()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* debut, int* fin) const override { *debut = *fin = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* debut, int* fin) const override {
        *debut = 0;
        *fin = characterCount();
        return {};
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(liste()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        return enfant && enfant->object() == liste()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        s.expandable = true;
        s.expanded = liste()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            liste()->view()->isVisible() ? liste()->hidePopup() : liste()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QComboBox* liste() const { return static_cast<QComboBox*>(widget()); }
};

// A check box that carries a description of the program's: the toolkit's own
// check box, but its toggle runs after the accessibility call.
class CaseAccessible final : public QAccessibleWidget {
public:
    explicit CaseAccessible(QCheckBox* c) : QAccessibleWidget(c, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = caseACocher()->checkState() == Qt::Checked;
        s.checkStateMixed = caseACocher()->checkState() == Qt::PartiallyChecked;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return description(widget());
        const QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Name && s.isEmpty() ? QString(caseACocher()->text()).remove(u'&') : s;
    }
    QStringList actionNames() const override { return QStringList{toggleAction()} << QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            apresLAppel(caseACocher(), [c = caseACocher()] { c->click(); });
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QCheckBox* caseACocher() const { return static_cast<QCheckBox*>(widget()); }
};

// A frame or box whose decorations are left out of what it shows a screen reader.
class ConteneurAccessible final : public QAccessibleWidget {
public:
    ConteneurAccessible(QWidget* w, QAccessible::Role r) : QAccessibleWidget(w, r) {}

    int childCount() const override { return static_cast<int>(enfants().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList e = enfants();
        return index >= 0 && index < e.size() ? QAccessible::queryAccessibleInterface(e.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        return enfant ? static_cast<int>(enfants().indexOf(qobject_cast<QWidget*>(enfant->object()))) : -1;
    }

private:
    QWidgetList enfants() const {
        QWidgetList e;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !w->property(Decoratif).toBool()) e << w;
        }
        return e;
    }
};

// A menu-bar entry read by a name of its own.
class EntreeMenuAccessible final : public QAccessibleObject, public QAccessibleActionInterface {
public:
    EntreeMenuAccessible(QAction* a, QMenuBar* barre) : QAccessibleObject(a), action_(a), barre_(barre) {}

    bool isValid() const override { return action_ && barre_; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QWindow* window() const override { return barre_ ? barre_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(barre_.data()); }
    int childCount() const override { return action_ && action_->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(action_->menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        return enfant && childCount() == 1 && enfant->object() == action_->menu() ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        if (!action_) return {};
        if (t == QAccessible::Name) return action_->property(NomEntree).toString();
        if (t == QAccessible::Accelerator) {
            const QKeySequence touche = QKeySequence::mnemonic(action_->text());
            return touche.isEmpty() ? QString() : touche.toString(QKeySequence::NativeText);
        }
        return {};
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = barre_->actionGeometry(action_);
        return QRect(barre_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.focusable = true;
        s.hasPopup = action_->menu() != nullptr;
        s.disabled = !action_->isEnabled();
        s.invisible = !action_->isVisible() || !barre_->isVisible();
        s.focused = s.hotTracked = barre_->activeAction() == action_;
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (isValid() && action == showMenuAction()) barre_->setActiveAction(action_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> action_;
    QPointer<QMenuBar> barre_;
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == QLatin1String("QAction") && objet->property(NomEntree).isValid()) {
        auto* a = static_cast<QAction*>(objet);
        for (QObject* o : a->associatedObjects()) {
            auto* barre = qobject_cast<QMenuBar*>(o);
            if (barre && dansFenetreVorn(barre)) return new EntreeMenuAccessible(a, barre);
        }
        return nullptr;
    }
    // Qt's own dialogs (print, file) keep the toolkit's interfaces.
    if (!objet->isWidgetType() || !dansFenetreVorn(static_cast<QWidget*>(objet))) return nullptr;
    if (classe == QLatin1String("UpDownNiv")) return new NiveauAccessible(static_cast<UpDownNiv*>(objet));
    if (classe == QLatin1String("QComboBox")) return new ListeAccessible(static_cast<QComboBox*>(objet));
    if (classe == QLatin1String("QCheckBox") && objet->property(DescriptionLue).isValid()) {
        return new CaseAccessible(static_cast<QCheckBox*>(objet));
    }
    // Only the kinds that hold decorations pay for the property lookup.
    if ((classe == QLatin1String("QGroupBox") || classe == QLatin1String("QDialog")) &&
        objet->property(AvecDecors).toBool()) {
        auto* w = qobject_cast<QWidget*>(objet);
        if (w) return new ConteneurAccessible(w, w->isWindow() ? QAccessible::Dialog : QAccessible::Grouping);
    }
    // A screen of the program is a plain window: read as one, with its title.
    if (classe == QLatin1String("QWidget") && static_cast<QWidget*>(objet)->isWindow()) {
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Window);
    }
    return nullptr;
}

// News about the focused control. Qt 6.4 has no announcement event, and the description change it
// sends reaches Orca 43 without its text; what Orca reads of its own accord is a notification that
// shows. So the news is a notification of the window's, never in its list of children.
class AnnonceAccessible final : public QAccessibleObject {
public:
    AnnonceAccessible(QObject* porteur, QWidget* fenetre) : QAccessibleObject(porteur), fenetre_(fenetre) {}

    QWindow* window() const override { return fenetre_ ? fenetre_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(fenetre_.data()); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? texte : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

    QString texte;

private:
    QPointer<QWidget> fenetre_;
};

AnnonceAccessible* annonceDe(QWidget* fenetre) {
    static constexpr const char* Nom = "vornAnnonce";
    QObject* porteur = fenetre->findChild<QObject*>(QLatin1String(Nom), Qt::FindDirectChildrenOnly);
    if (porteur) return static_cast<AnnonceAccessible*>(QAccessible::queryAccessibleInterface(porteur));
    porteur = new QObject(fenetre);
    porteur->setObjectName(QLatin1String(Nom));
    auto* annonce = new AnnonceAccessible(porteur, fenetre);
    QAccessible::registerAccessibleInterface(annonce); // the toolkit deletes it with its object
    return annonce;
}

int sourdines = 0;

bool aTaire(QAccessibleEvent* e) {
    auto* w = qobject_cast<QWidget*>(e->object());
    if (!w || !dansFenetreVorn(w)) return false;
    switch (e->type()) {
    case QAccessible::ObjectCreated:
    case QAccessible::ObjectDestroyed:
    case QAccessible::ParentChanged: return false; // the reader's copy of the tree stays the program's
    case QAccessible::TableModelChanged:
        return true; // the toolkit has already updated the list's interface; the reader asks for lines
    default: break;
    }
    if (!w->window()->isVisible()) return true;
    if (w->isWindow()) return false;
    if (w->parentWidget() && w->parentWidget()->inherits("UpDownNiv")) return true; // its arrows are its actions
    switch (e->type()) {
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide: return true;
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged: return !w->isEnabled() && w->focusPolicy() == Qt::NoFocus;
    default: return false;
    }
}

// Events to keep go on to the platform, with the filter out of the way meanwhile.
void filtrer(QAccessibleEvent* e) {
    if (aTaire(e)) return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(filtrer);
}

bool voyelle(QChar c) {
    static const QString voyelles = QStringLiteral("AEIOUaeiouÀÂÄÉÈÊËÎÏÔÖÙÛÜàâäéèêëîïôöùûü");
    return voyelles.contains(c);
}
} // namespace

void InstallerAccessibilite() {
    // Installed after the toolkit's own factory, so it is asked first.
    QAccessible::installFactory(fabrique);
}

QString avecDe(const QString& mot, const QString& nom) {
    if (!nom.isEmpty() && voyelle(nom.front())) return mot + QStringLiteral(" d'") + nom;
    return mot + QStringLiteral(" de ") + nom;
}

void marquerDecoratif(QWidget* w) {
    w->setProperty(Decoratif, true);
    QWidget* parent = w->parentWidget();
    if (!parent || parent->property(AvecDecors).toBool()) return;
    parent->setProperty(AvecDecors, true);
    // Naming a widget already makes its interface: one made before the mark would still
    // show the decoration, so it is dropped and made again on demand.
    QAccessibleInterface* deja = QAccessible::queryAccessibleInterface(parent);
    if (deja && !dynamic_cast<ConteneurAccessible*>(deja)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(deja));
    }
}

void nommerEntreeMenu(QAction* action, const QString& nom) { action->setProperty(NomEntree, nom); }

void marquerFenetreVorn(QWidget* fenetre) { fenetre->setProperty(FenetreDuProgramme, true); }

bool dansFenetreVorn(const QWidget* w) {
    const QWidget* fenetre = w->window();
    // A list's drop-down is a window of its own, inside the list's.
    if (fenetre->inherits("QComboBoxPrivateContainer") && fenetre->parentWidget()) {
        fenetre = fenetre->parentWidget()->window();
    }
    return fenetre->property(FenetreDuProgramme).toBool();
}

SourdineAccessible::SourdineAccessible() {
    if (sourdines++ == 0) QAccessible::installUpdateHandler(filtrer);
}

SourdineAccessible::~SourdineAccessible() {
    if (--sourdines == 0) QAccessible::installUpdateHandler(nullptr);
}

void decrire(QWidget* w, const QString& texte) {
    if (!w->property(DescriptionLue).isValid()) {
        w->setProperty(DescriptionLue, texte);
        // Naming the widget made the toolkit's interface, which does not read the property: made again.
        QAccessibleInterface* deja = QAccessible::queryAccessibleInterface(w);
        if (deja && qobject_cast<QCheckBox*>(w) && !dynamic_cast<CaseAccessible*>(deja)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(deja));
        }
        return;
    }
    w->setProperty(DescriptionLue, texte);
}

QString description(const QWidget* w) {
    const QVariant d = w->property(DescriptionLue);
    return d.isValid() ? d.toString() : w->accessibleDescription();
}

void annoncer(QWidget* w) {
    QTimer::singleShot(0, w, [w] {
        QAccessibleInterface* controle = QAccessible::queryAccessibleInterface(w);
        if (!w->hasFocus() || !QAccessible::isActive() || !controle) return; // the player has moved on
        AnnonceAccessible* annonce = annonceDe(w->window());
        const QString valeur = controle->text(QAccessible::Value);
        annonce->texte = (valeur.isEmpty() ? QString() : valeur + QStringLiteral(". ")) + description(w);
        QAccessibleEvent e(annonce, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&e);
    });
}

void rendreFocus(QWidget* controle) {
    if (!controle || !controle->isVisible()) return;
    if (!controle->isActiveWindow()) controle->window()->activateWindow();
    if (!controle->hasFocus()) controle->setFocus(Qt::OtherFocusReason);
}
