#pragma once

#include <QPushButton>
#include <QWidget>

struct ModuleVorn;
class NavigationVorn;

// A top-level screen: its unload may be cancelled, and Enter presses the
// focused button or else the window's default button.
class FenetreVorn : public QWidget {
public:
    FenetreVorn(ModuleVorn& module, NavigationVorn& navigation, QWidget* parent = nullptr);

    // Set by the program before it unloads the screen itself, so that the
    // unload asks nothing.
    short ConfirmerQuitter = 0;

protected:
    // Returns true to cancel the unload.
    virtual bool Form_Unload() = 0;

    // True while a modal box or dialog other than this window is open. A
    // timer, an auto-repeat or a queued event that reaches a handler then
    // must do nothing: the handler that opened the box is still waiting.
    bool occupe() const;

    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void definirBoutonParDefaut(QPushButton* bouton);

    ModuleVorn& m;
    NavigationVorn& nav;

private:
    QPushButton* parDefaut_ = nullptr;
};

// Lets go every button held down in the program's windows, which stops their
// auto-repeat: done whenever a modal window shows, and before a dialog that
// may not be a window of ours.
void RelacherBoutonsTenus();

class QApplication;
// Has every modal window that shows let go of the held buttons first. Once, at start-up.
void InstallerRelacheSousModal(QApplication& app);
