#include "UpDownNiv.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWheelEvent>

#include <cstdlib>

namespace {
// Screen readers follow the level through this event.
void annoncer(UpDownNiv* s) {
    QAccessibleValueChangeEvent e(s, s->value());
    QAccessible::updateAccessibility(&e);
}
} // namespace

UpDownNiv::UpDownNiv(QWidget* parent) : QWidget(parent), haut_(new QToolButton(this)), bas_(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    for (auto* b : {haut_, bas_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(false);
        b->setAutoRepeat(true);
    }
    haut_->setArrowType(Qt::UpArrow);
    bas_->setArrowType(Qt::DownArrow);
    haut_->setObjectName(QStringLiteral("haut"));
    bas_->setObjectName(QStringLiteral("bas"));
    haut_->setAccessibleName(QStringLiteral("Augmenter le niveau"));
    bas_->setAccessibleName(QStringLiteral("Diminuer le niveau"));
    connect(haut_, &QToolButton::clicked, this, [this] { monter(); });
    connect(bas_, &QToolButton::clicked, this, [this] { descendre(); });
}

void UpDownNiv::setRange(int min, int max) {
    min_ = min;
    max_ = max;
}

void UpDownNiv::setValue(int valeur) {
    if (valeur == valeur_) return;
    valeur_ = valeur;
    annoncer(this);
}

void UpDownNiv::monter() {
    if (isEnabled() && valeur_ < max_) pas(valeur_ + 1, &UpDownNiv::upClick);
}

void UpDownNiv::descendre() {
    if (isEnabled() && valeur_ > min_) pas(valeur_ - 1, &UpDownNiv::downClick);
}

void UpDownNiv::pas(int valeur, void (UpDownNiv::*evenement)()) {
    valeur_ = valeur;
    if (buddy_) buddy_->setText(QString::number(valeur_));
    emit(this->*evenement)();
    // Announced once the step is kept: one the handler sets back is never heard as the new level.
    if (valeur_ == valeur) annoncer(this);
}

void UpDownNiv::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up) {
        monter();
    } else if (e->key() == Qt::Key_Down) {
        descendre();
    } else {
        QWidget::keyPressEvent(e);
    }
}

void UpDownNiv::wheelEvent(QWheelEvent* e) {
    // A wheel passing over the sheet changes nothing: it goes on to scroll the window.
    if (!hasFocus()) {
        e->ignore();
        return;
    }
    e->accept();
    roue_ += e->angleDelta().y();
    // One step a notch at most: a refusal's box must not be followed by another from the same turn.
    if (std::abs(roue_) < 120) return;
    const bool vers_le_haut = roue_ > 0;
    roue_ = 0;
    if (vers_le_haut) {
        monter();
    } else {
        descendre();
    }
}

void UpDownNiv::resizeEvent(QResizeEvent*) {
    const int h = height() / 2;
    haut_->setGeometry(0, 0, width(), h);
    bas_->setGeometry(0, h, width(), height() - h);
}
