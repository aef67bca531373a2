#pragma once

#include <QLineEdit>

struct ModuleVorn;

// A name box whose typed characters become capitals (pasted text keeps its case).
class ChampNomFiltre : public QLineEdit {
public:
    ChampNomFiltre(ModuleVorn& module, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    QString filtrer(const QString& saisie);
    ModuleVorn& m_;
};
