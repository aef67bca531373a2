#pragma once

// What the measuring programs share: clocks, the wait for a window's first frame, the start-up figure.

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace mesure {

// CLOCK_MONOTONIC is system-wide, so the launcher's stamp and ours compare;
// CLOCK_PROCESS_CPUTIME_ID is this process's CPU time, which others' load inflates less.
inline long long horloge(clockid_t h = CLOCK_MONOTONIC) {
    timespec t{};
    clock_gettime(h, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}
inline long long cpuNs() { return horloge(CLOCK_PROCESS_CPUTIME_ID); }
inline double ms(long long ns) { return static_cast<double>(ns) / 1e6; }

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
    void attendre() {
        while (!finie_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    long long instantNs = 0; // when that frame was complete, on both clocks
    long long instantCpuNs = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !vue_ && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow() &&
            o->objectName() == cible_) {
            vue_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    instantNs = horloge();
                    instantCpuNs = cpuNs();
                    finie_ = true;
                    if (fait_) fait_();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString cible_;
    std::function<void()> fait_;
    bool vue_ = false, finie_ = false;
};

// Runs the event loop until the window named `fenetre`, shown by `montrer`, has its first
// frame; prints the time since the launcher's stamp and this process's CPU time so far.
inline int demarrage(const QString& fenetre, const std::function<void()>& montrer) {
    GuetPeinture guet;
    guet.viser(fenetre, [] { QCoreApplication::exit(0); });
    montrer();
    const int code = QApplication::exec();
    const char* t0 = std::getenv("VORN_T0_NS"); // set by vorn_lanceur
    if (code != 0 || !t0) return code ? code : 2;
    std::printf("peint_ms=%.3f\ncpu_ms=%.3f\n", ms(guet.instantNs - std::atoll(t0)), ms(guet.instantCpuNs));
    return 0;
}

} // namespace mesure
