#include "AccessibiliteVorn.h"

#include "UpDownNiv.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

namespace {
constexpr const char* Decoratif = "vornDecoratif";
constexpr const char* AvecDecors = "vornAvecDecors";
constexpr const char* NomEntree = "vornNomAccessible";

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
        return t == QAccessible::Value ? QString::number(niveau()->value()) : QAccessibleWidget::text(t);
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
        const int cible = v.toInt();
        for (int avant = -1; niveau()->value() != cible && niveau()->value() != avant;) {
            avant = niveau()->value();
            cible > avant ? niveau()->monter() : niveau()->descendre();
        }
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }
    void doAction(const QString& action) override {
        if (action == increaseAction()) {
            niveau()->monter();
        } else if (action == decreaseAction()) {
            niveau()->descendre();
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

// A drop-down list is named by its caption and holds its entry as its value;
// its popup list, whose selected line is the entry, is its one child.
class ListeAccessible final : public QAccessibleWidget {
public:
    explicit ListeAccessible(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? liste()->currentText() : QAccessibleWidget::text(t);
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
    if (classe == QLatin1String("UpDownNiv")) return new NiveauAccessible(static_cast<UpDownNiv*>(objet));
    if (classe == QLatin1String("QComboBox")) return new ListeAccessible(static_cast<QComboBox*>(objet));
    // Only the kinds that hold decorations pay for the property lookup.
    if ((classe == QLatin1String("QGroupBox") || classe == QLatin1String("QDialog")) &&
        objet->property(AvecDecors).toBool()) {
        auto* w = qobject_cast<QWidget*>(objet);
        if (w) return new ConteneurAccessible(w, w->isWindow() ? QAccessible::Dialog : QAccessible::Grouping);
    }
    // A screen of the program is a plain window: read as one, with its title.
    if (classe == QLatin1String("QWidget") && objet->isWidgetType() && static_cast<QWidget*>(objet)->isWindow()) {
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Window);
    }
    if (classe == QLatin1String("QAction") && objet->property(NomEntree).isValid()) {
        auto* a = static_cast<QAction*>(objet);
        for (QObject* o : a->associatedObjects()) {
            if (auto* barre = qobject_cast<QMenuBar*>(o)) return new EntreeMenuAccessible(a, barre);
        }
    }
    return nullptr;
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

void decrire(QWidget* w, const QString& description) {
    if (w->accessibleDescription() != description) w->setAccessibleDescription(description);
}

void rendreFocus(QWidget* controle) {
    if (!controle || !controle->isVisible()) return;
    if (!controle->isActiveWindow()) controle->window()->activateWindow();
    if (!controle->hasFocus()) controle->setFocus(Qt::OtherFocusReason);
}
