#pragma once

// What the measuring programs share: one clock, the wait for a window's first
// complete frame, the timing of a series of user actions, the inventory of a
// window's widgets and snapshots of what it shows.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QEventLoop>
#include <QMetaObject>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mesure {

// CLOCK_MONOTONIC is system-wide: the launcher's stamp and ours are comparable.
inline long long maintenantNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

// This process's CPU time, all threads: what other processes' load does not inflate.
inline long long cpuNs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

inline double ms(long long ns) { return static_cast<double>(ns) / 1e6; }

// From the launcher's stamp (VORN_T0_NS) to now; negative when started by hand.
inline double msDepuisLancement() {
    const char* t0 = std::getenv("VORN_T0_NS");
    return t0 ? ms(maintenantNs() - std::atoll(t0)) : -1.0;
}

// Wall-clock and CPU time of one span.
struct Duree {
    long long murNs = 0;
    long long cpuNs = 0;
};

// Watches every event of the application for the first Paint of the top-level
// window of a given object name. The window is painted before its children and
// the frame flushed after them, all within one event, so the frame is complete
// only once that event returns: the moment is taken by a call queued from it.
class GuetPeinture final : public QObject {
public:
    GuetPeinture() { QCoreApplication::instance()->installEventFilter(this); }

    // `fait` runs once that window's first frame is complete.
    void viser(const QString& fenetre, std::function<void()> fait = {}) {
        cible_ = fenetre;
        fait_ = std::move(fait);
        vue_ = finie_ = false;
    }
    bool finie() const { return finie_; }
    long long instantNs() const { return instant_; }
    long long cpuNs() const { return cpu_; }

    void attendre() {
        while (!finie_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !vue_ && o->isWidgetType()) {
            const auto* w = static_cast<QWidget*>(o);
            if (w->isWindow() && w->objectName() == cible_) {
                vue_ = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        instant_ = maintenantNs();
                        cpu_ = mesure::cpuNs();
                        finie_ = true;
                        if (fait_) fait_();
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    QString cible_;
    std::function<void()> fait_;
    bool vue_ = false;
    bool finie_ = false;
    long long instant_ = 0;
    long long cpu_ = 0;
};

// One line per widget class among the window's descendants, for comparing two
// windows' make-up.
inline void inventaire(const char* titre, const QWidget* fenetre) {
    std::map<std::string, int> classes;
    for (const QWidget* w : fenetre->findChildren<QWidget*>()) ++classes[w->metaObject()->className()];
    for (const auto& [classe, n] : classes) std::printf("%s: %s %d\n", titre, classe.c_str(), n);
}

constexpr int Chauffe = 20; // unrecorded warm-up runs of each action

// Times `action(k)` for k = 0, 1, 2 ... each followed by the pending events
// (paints included), and prints the median and 99th percentile.
inline void serie(const char* nom, int n, const std::function<void(int)>& action) {
    for (int k = 0; k < Chauffe; ++k) {
        action(k);
        QCoreApplication::processEvents();
    }
    std::vector<long long> ns;
    ns.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const long long t0 = maintenantNs();
        action(Chauffe + k);
        QCoreApplication::processEvents();
        ns.push_back(maintenantNs() - t0);
    }
    std::sort(ns.begin(), ns.end());
    const std::size_t u = ns.size();
    const double mediane = u % 2 ? ms(ns[u / 2]) : (ms(ns[u / 2 - 1]) + ms(ns[u / 2])) / 2;
    // Nearest-rank percentile.
    const auto rang99 = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(u))) - 1;
    std::printf("action=%s n=%zu mediane_ms=%.4f p99_ms=%.4f\n", nom, u, mediane, ms(ns[rang99]));
}

// Only the widgets a user can see, by class: a dialog's hidden boxes are not drawn.
inline void inventaireVisible(const char* titre, const QWidget* fenetre) {
    std::map<std::string, int> classes;
    for (const QWidget* w : fenetre->findChildren<QWidget*>())
        if (w->isVisibleTo(fenetre)) ++classes[w->metaObject()->className()];
    for (const auto& [classe, n] : classes) std::printf("%s: visibles %s %d\n", titre, classe.c_str(), n);
}

// What a window shows, widget by widget in a stable order: texts, ticks,
// entries, field colours, enabled and hidden states. Two snapshots taken
// around an action say which widgets it rewrote.
struct Trait {
    const QWidget* widget;
    std::string quoi; // "QLineEdit texte"
    QString valeur;
};
inline std::vector<Trait> etat(const QWidget* fenetre) {
    std::vector<Trait> traits;
    const auto noter = [&traits](const QWidget* w, const char* propriete, const QString& valeur) {
        traits.push_back({w, std::string(w->metaObject()->className()) + ' ' + propriete, valeur});
    };
    for (const QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
            noter(w, "texte", e->text());
            noter(w, "fond", e->palette().color(QPalette::Disabled, QPalette::Base).name());
        } else if (const auto* l = qobject_cast<const QLabel*>(w)) {
            noter(w, "texte", l->text());
        } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            QStringList entrees;
            for (int i = 0; i < c->count(); ++i) entrees << c->itemText(i);
            noter(w, "entrees", entrees.join(QLatin1Char('\n')));
            noter(w, "index", QString::number(c->currentIndex()));
        } else if (const auto* lst = qobject_cast<const QListWidget*>(w)) {
            QStringList lignes;
            for (int i = 0; i < lst->count(); ++i) lignes << lst->item(i)->text();
            noter(w, "lignes", lignes.join(QLatin1Char('\n')));
        } else if (const auto* b = qobject_cast<const QCheckBox*>(w)) {
            noter(w, "coche", QString::number(b->checkState()));
        }
        noter(w, "actif", QString::number(!w->testAttribute(Qt::WA_ForceDisabled)));
        noter(w, "cache", QString::number(w->isHidden()));
    }
    return traits;
}

// One line per kind of change between two snapshots of the same window.
inline void changements(const char* action, const std::vector<Trait>& avant, const std::vector<Trait>& apres) {
    std::map<std::string, int> n;
    if (avant.size() != apres.size()) {
        std::printf("%s: widgets %zu -> %zu\n", action, avant.size(), apres.size());
        return;
    }
    for (std::size_t i = 0; i < avant.size(); ++i)
        if (avant[i].valeur != apres[i].valeur) ++n[avant[i].quoi];
    for (const auto& [quoi, k] : n) std::printf("%s: %s %d\n", action, quoi.c_str(), k);
    if (n.empty()) std::printf("%s: rien\n", action);
}


// What the fields-of-experience dialog holds, printed just before its "&Ok".
inline void inventaireDialogue(QWidget* d) {
    inventaire("dialogue", d);
    inventaireVisible("dialogue", d);
    std::printf("dialogue: taille %dx%d\n", d->width(), d->height());
}

// The modes that both programs share, over their own `Actions` (genres() and verifier()).

// N actions of one kind, untimed: what an instruction counter sees besides start-up.
template <typename Actions>
int seules(Actions& a, const std::string& genre, int n) {
    for (const auto& [nom, action] : a.genres()) {
        if (nom != genre) continue;
        for (int k = 0; k < n; ++k) {
            action(k);
            QCoreApplication::processEvents();
        }
        return a.verifier(genre == "age" ? n : 0) ? 0 : 1;
    }
    std::fprintf(stderr, "no action named %s\n", genre.c_str());
    return 2;
}

// What each action rewrites on the sheet, both ways.
template <typename Actions>
int changementsDesActions(Actions& a, const QWidget* feuille) {
    for (const auto& [nom, action] : a.genres()) {
        for (int k = 0; k < 2; ++k) {
            const auto avant = etat(feuille);
            action(k);
            QCoreApplication::processEvents();
            changements((nom + (k ? " retour" : " aller")).c_str(), avant, etat(feuille));
        }
    }
    return a.verifier(2) ? 0 : 1;
}

} // namespace mesure
