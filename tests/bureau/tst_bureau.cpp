// The screens on a real X server with a window manager (bureau.sh): placement, input, themes, scales.
#include "ApplicationVorn.h"
#include "Choix.h"
#include "UpDownNiv.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
void xdotool(const QStringList& arguments) { QCOMPARE(QProcess::execute(u"xdotool"_s, arguments), 0); }

QStringList pointer(QWidget* w) {
    const QPoint p = w->mapToGlobal(w->rect().center()) * w->devicePixelRatioF();
    return {"mousemove", QString::number(p.x()), QString::number(p.y())};
}

void actif(QWidget* w) {
    QTRY_VERIFY_WITH_TIMEOUT(w->windowHandle() && w->windowHandle()->isExposed(), 15000);
    xdotool({"windowactivate", "--sync", QString::number(w->winId())});
    QTRY_VERIFY_WITH_TIMEOUT(w->isActiveWindow(), 15000);
}

QScrollArea* defilement(QWidget* w) { return w->window()->findChild<QScrollArea*>(u"qt_defilement"_s); }

// The program with its real message boxes, from the welcome screen to the sheet of a "Recrue".
struct Programme {
    ModuleVorn module;
    MessagerieQt messagerie;
    DesAleatoires des;
    ApplicationVorn app{module, messagerie, des, [] {}};

    Programme() { app.Demarrer(); }
    FrmChoixVorn* choix() {
        if (!app.choix()) {
            app.accueil()->TxtNomAccueil->setText(u"JOUEUR"_s);
            app.accueil()->BtnContinuerAccueil->click();
        }
        return app.choix();
    }
    FrmPrincipaleVorn* feuille(int profession = 0) {
        choix()->TxtNomPerso->setText(u"AGENT"_s);
        app.choix()->OptProfession[static_cast<std::size_t>(profession)]->click();
        app.choix()->BtnContinuerChoix->click();
        actif(app.feuille());
        return app.feuille();
    }
};

void aLaModale(const std::function<void(QWidget*)>& verifier) {
    QTimer::singleShot(0, qApp, [verifier] {
        QWidget* m = QApplication::activeModalWidget();
        QVERIFY(m);
        verifier(m);
        m->close();
    });
}

// 4 up, 5 down.
void molette(QWidget* w, int bouton) {
    if (QScrollArea* d = defilement(w)) d->ensureWidgetVisible(w);
    xdotool(pointer(w) << "click" << QString::number(bouton));
    QTest::qWait(300);
}

// WCAG contrast of two colours.
double contraste(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr QPalette::ColorRole Textes[]{QPalette::Text, QPalette::WindowText, QPalette::ButtonText};
constexpr QPalette::ColorRole Fonds[]{QPalette::Base, QPalette::Window, QPalette::Button};

// Off centre by the outer size (top-left when too large) or off the free area; out of reach; a text cut off;
// contrast below 4.5 : 1 (7 : 1 and none of our greys under a high-contrast theme).
QStringList defauts(QWidget* ecran, QWidget* proprietaire = nullptr) {
    const bool eleve = qEnvironmentVariable("GTK_THEME").contains(u"HighContrast"_s);
    QStringList f;
    actif(ecran);
    const QRect libre = ecran->screen()->availableGeometry();
    const QRect zone = proprietaire ? proprietaire->frameGeometry() : libre;
    auto centree = [&] {
        const QRect r = ecran->frameGeometry();
        const QPoint attendu(std::max(zone.x(), zone.center().x() - r.width() / 2),
                             std::max(zone.y(), zone.center().y() - r.height() / 2));
        return r != ecran->geometry() && (r.topLeft() - attendu).manhattanLength() <= 2 && libre.contains(r);
    };
    // The frame comes after the first show; the window settles once it is known.
    if (!QTest::qWaitFor(centree, 3000)) f << ecran->objectName() + u" décentrée"_s;
    auto tenir = [&](const QWidget* w, const QString& texte, const QRect& place, int drapeaux = 0) {
        const QSize besoin = w->fontMetrics().boundingRect(place, drapeaux | Qt::TextShowMnemonic, texte).size();
        if (!texte.isEmpty() && besoin.boundedTo(place.size()) != besoin) f << w->objectName() + u" « "_s + texte;
    };
    QScrollArea* defile = defilement(ecran);
    for (QWidget* w : ecran->findChildren<QWidget*>()) {
        for (const QColor gris : {QColor(192, 192, 192), QColor(224, 224, 224)}) {
            if (eleve && (w->palette().window().color() == gris || w->palette().base().color() == gris))
                f << w->objectName() + u" en gris"_s;
        }
        if (!w->isVisibleTo(ecran) || w->objectName().startsWith(u"qt_"_s)) continue;
        const bool controle = w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QComboBox") ||
                              w->inherits("QLineEdit") || w->inherits("QListWidget") || w->inherits("UpDownNiv");
        const QWidget* repere = ecran;
        if (controle && defile && defile->widget()->isAncestorOf(w)) {
            // The whole control, not only a text cursor; one larger than the view must lie within what scrolls.
            const QPoint c = w->mapTo(defile->widget(), w->rect().center());
            defile->ensureVisible(c.x(), c.y(), w->width() / 2 + 1, w->height() / 2 + 1);
            const bool grand = w->size().boundedTo(defile->viewport()->size()) != w->size();
            repere = grand ? defile->widget() : defile->viewport();
        }
        if (controle && !w->objectName().isEmpty() &&
            !repere->rect().contains(QRect(w->mapTo(repere, QPoint()), w->size())))
            f << w->objectName() + u" inaccessible"_s;

        const QStyle* st = w->style();
        int sorte = 0; // the text's and background's roles: as in fields and lists, on the window, on a button
        if (auto* l = qobject_cast<QLabel*>(w)) {
            const int m = l->margin() + std::max(0, l->indent());
            tenir(l, l->text(), l->contentsRect() - QMargins(m, m, m, m),
                  int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0));
            if (l->text().isEmpty()) continue;
            sorte = 1;
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = b->text();
            const auto contenu = qobject_cast<QCheckBox*>(b)      ? QStyle::SE_CheckBoxContents
                                 : qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                                  : QStyle::SE_PushButtonContents;
            if (!qobject_cast<QToolButton*>(b)) tenir(b, b->text(), st->subElementRect(contenu, &o, b));
            sorte = 2;
            if (!qobject_cast<QPushButton*>(b)) {
                if (!b->isEnabled() || b->text().isEmpty()) continue;
                sorte = 1;
            }
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            o.frame = c->hasFrame();
            const QRect champ = st->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
            for (int i = 0; i < c->count(); ++i) tenir(c, c->itemText(i), champ);
            sorte = 2;
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            QStyleOptionFrame o;
            o.initFrom(e);
            o.lineWidth = e->hasFrame() ? st->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
            // QLineEdit keeps two pixels on each side of its text.
            tenir(e, e->text(),
                  st->subElementRect(QStyle::SE_LineEditContents, &o, e) - e->textMargins() - QMargins(2, 0, 2, 0));
        } else if (auto* lst = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < lst->count(); ++i) tenir(lst, lst->item(i)->text(), lst->viewport()->rect());
        } else {
            continue;
        }
        const QWidget* derriere = w; // whose palette paints the background
        while (sorte == 1 && !derriere->autoFillBackground() && !derriere->isWindow())
            derriere = derriere->parentWidget();
        const QPalette::ColorGroup groupe = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const double r =
            contraste(w->palette().color(groupe, Textes[sorte]), derriere->palette().color(groupe, Fonds[sorte]));
        if (r < (eleve ? 7 : 4.5)) f << u"%1: %2"_s.arg(w->objectName()).arg(r, 0, 'f', 2);
    }
    return f;
}
} // namespace

class TestBureau : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PreparerApplication(*qApp); }

    // Every screen, the fields of experience of every profession and the About box.
    void textesEtContrastes() {
        // A theme or desktop font not taken up would prove nothing.
        if (qEnvironmentVariable("GTK_THEME").endsWith(u":dark"_s))
            QVERIFY(qApp->palette().color(QPalette::Window).lightness() < 100);
        if (const double points = qEnvironmentVariable("BUREAU_POINTS").toDouble(); points > 0)
            QCOMPARE(QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF(), points);
        QStringList fautes;
        for (int profession = 0; profession < 7; ++profession) {
            Programme p;
            if (profession == 0) {
                fautes << defauts(p.app.accueil()) << defauts(p.choix());
                p.choix()->hide();
            }
            FrmPrincipaleVorn* f = p.feuille(profession);
            f->CmbAge->setCurrentIndex(f->CmbAge->count() - 1);
            aLaModale([&](QWidget* d) { fautes << defauts(d); });
            emit f->CmbAge->activated(f->CmbAge->count() - 1);
            if (profession == 0) {
                aLaModale([&](QWidget* d) { fautes << defauts(d, f); });
                f->MnuAPropos->trigger();
            }
            // Untaken and taken skill rows.
            f->ChkComp[0]->click();
            fautes << defauts(f);
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(u'\n')));
    }

    // A held arrow repeats while raises are accepted; the first refusal shows one box and ends the repeat.
    void flecheMaintenue() {
        Programme p;
        FrmPrincipaleVorn* f = p.feuille();
        p.module.PtGeneration = static_cast<std::int16_t>(CoutNiveau * 3);
        f->feuille.CalculPoints();
        f->Afficher();
        // Held 1.5 s with real X input; the box opens inside the hold, in an event loop of its own: the answer
        // must come from there, once the button is let go.
        QProcess x;
        int boites = 0;
        QPointer<QWidget> derniere; // each box answered once, with a real key
        QTimer minuterie;
        QObject::connect(&minuterie, &QTimer::timeout, [&] {
            QWidget* m = QApplication::activeModalWidget();
            if (x.state() != QProcess::NotRunning || !m || m == derniere || !m->isActiveWindow()) return;
            derniere = m;
            ++boites;
            xdotool({"key", "Return"});
        });
        minuterie.start(50);
        x.start(u"xdotool"_s, pointer(f->UpDownNivs[2]->boutonHaut()) +
                                  QStringList{"mousedown", "1", "sleep", "1.5", "mouseup", "1"});
        QTRY_VERIFY_WITH_TIMEOUT(x.state() == QProcess::NotRunning && !QApplication::activeModalWidget(), 10000);
        QTest::qWait(400); // a repeat that went on would show here
        QCOMPARE(boites, 1);
        QCOMPARE(f->TxtNiveau[2]->text(), u"4"_s);
        QVERIFY(!f->UpDownNivs[2]->boutonHaut()->isDown());
    }

    // The keypad's Enter as Return on a default button; the wheel steps a focused level only, and over a list
    // or level without the focus scrolls the sheet.
    void clavierRoue() {
        Programme p;
        actif(p.app.accueil());
        p.app.accueil()->TxtNomAccueil->setText(u"JOUEUR"_s);
        xdotool({"key", "KP_Enter"});
        QTRY_VERIFY_WITH_TIMEOUT(p.app.choix(), 10000);
        FrmPrincipaleVorn* f = p.feuille();

        const QString age = f->CmbAge->currentText();
        f->CmbFOR->setFocus();
        QScrollArea* zone = defilement(f);
        QScrollBar* barre = zone ? zone->verticalScrollBar() : nullptr;
        for (QWidget* w : QWidgetList{f->CmbAge, f->UpDownNivs[2]}) {
            if (zone) zone->ensureWidgetVisible(w);
            const int position = barre ? barre->value() : 0;
            molette(w, 5);
            if (barre && position < barre->maximum()) QVERIFY(barre->value() > position);
            molette(w, 4);
        }
        QCOMPARE(f->CmbAge->currentText(), age);
        QCOMPARE(f->TxtNiveau[2]->text(), u"1"_s);
        f->UpDownNivs[2]->setFocus();
        molette(f->UpDownNivs[2], 4);
        QCOMPARE(f->TxtNiveau[2]->text(), u"2"_s);
    }
};

QTEST_MAIN(TestBureau)
#include "tst_bureau.moc"
