#pragma once

// What the measuring programs share: one clock, the wait for a window's first
// complete frame, and the inventory of a window's widgets.

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <utility>

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

} // namespace mesure
