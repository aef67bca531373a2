#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A spin control of two arrow buttons beside a buddy text box. It keeps its
// value within its bounds, writes it into the buddy, and raises upClick or
// downClick after each move. Up and Down keys act as the arrows, and so does
// the wheel while the control has the keyboard focus.
class UpDownNiv : public QWidget {
    Q_OBJECT

public:
    explicit UpDownNiv(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* buddy) { buddy_ = buddy; }
    QLineEdit* buddy() const { return buddy_; }
    void setRange(int min, int max);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int value() const { return valeur_; }
    // Sets the value as the program does: no event.
    void setValue(int valeur);

    QToolButton* boutonHaut() const { return haut_; }
    QToolButton* boutonBas() const { return bas_; }

    void monter();
    void descendre();

signals:
    void upClick();
    void downClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void pas(int valeur, void (UpDownNiv::*evenement)());
    QToolButton* haut_;
    QToolButton* bas_;
    QLineEdit* buddy_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int valeur_ = 0;
    int roue_ = 0; // wheel turn not yet a whole notch
};
