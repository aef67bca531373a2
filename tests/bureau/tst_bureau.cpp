// The screens on a real X server with a window manager (tests/bureau/bureau.sh):
// real frames, real placement, real input timing, the real fonts at a scale.
#include "ApplicationVorn.h"
#include "Choix.h"
#include "FrmAProposVorn.h"
#include "FrmChpExpérienceVorn.h"
#include "ModuleVorn.h"
#include "UpDownNiv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {
// Counts the message boxes shown; answers each one with OK once `fermer` is set.
struct Boites : QObject {
    int vues = 0;
    bool fermer = false;
    QTimer minuterie;
    Boites() {
        qApp->installEventFilter(this);
        connect(&minuterie, &QTimer::timeout, this, [this] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (b && fermer) b->accept();
        });
        minuterie.start(20);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(o)) ++vues;
        return false;
    }
};

// Shown, framed and active, as after the window manager has placed it.
void actif(QWidget* w) {
    QTRY_VERIFY_WITH_TIMEOUT(w->windowHandle() && w->windowHandle()->isExposed(), 15000);
    QProcess::execute(QStringLiteral("xdotool"), {"windowactivate", "--sync", QString::number(w->winId())});
    QTRY_VERIFY_WITH_TIMEOUT(w->isActiveWindow(), 15000);
}

struct Programme {
    ModuleVorn module;
    MessagerieQt messagerie;
    DesAleatoires des;
    ApplicationVorn app{module, messagerie, des, [] {}};

    // The choice screen, through the welcome screen.
    FrmChoixVorn* choix() {
        if (!app.accueil()) app.Demarrer();
        if (!app.choix()) {
            app.accueil()->TxtNomAccueil->setText(QStringLiteral("JOUEUR"));
            app.accueil()->BtnContinuerAccueil->click();
        }
        return app.choix();
    }
    // Then the sheet of a "Recrue".
    FrmPrincipaleVorn* feuille(int profession = 0) {
        choix()->TxtNomPerso->setText(QStringLiteral("AGENT"));
        app.choix()->OptRang[2]->click();
        app.choix()->OptProfession[static_cast<std::size_t>(profession)]->click();
        app.choix()->BtnContinuerChoix->click();
        actif(app.feuille());
        return app.feuille();
    }
};

// Presses the left button on a widget's centre for `ms` milliseconds with real X input.
void maintenir(QWidget* w, int ms, Boites& boites) {
    const qreal r = w->devicePixelRatioF();
    const QPoint p = w->mapToGlobal(w->rect().center()) * r;
    QProcess xdotool;
    // The box opens inside the hold, in an event loop of its own: the answer must come from there.
    QObject::connect(&xdotool, &QProcess::finished, &boites, [&boites] { boites.fermer = true; });
    xdotool.start(QStringLiteral("xdotool"), {"mousemove", QString::number(p.x()), QString::number(p.y()), "mousedown",
                                              "1", "sleep", QString::number(ms / 1000.0), "mouseup", "1"});
    QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 10000);
    QTest::qWait(400); // a repeat that went on would show here
}

// Name, place and outer size, for the messages.
QString cadre(const QWidget* w) {
    const QRect r = w->frameGeometry();
    return QStringLiteral("%1: %2,%3 %4x%5").arg(w->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window's outer rectangle sits in the middle of the screen's free area (or at its top-left when too large).
void verifierCentre(QWidget* w) {
    actif(w);
    const QRect zone = w->screen()->availableGeometry();
    auto ecart = [&] {
        const QRect r = w->frameGeometry();
        const QPoint attendu(std::max(zone.x(), zone.center().x() - r.width() / 2),
                             std::max(zone.y(), zone.center().y() - r.height() / 2));
        return (r.topLeft() - attendu).manhattanLength();
    };
    // The frame comes after the first show; the window settles once it is known.
    QTRY_VERIFY2_WITH_TIMEOUT(w->frameGeometry() != w->geometry() && ecart() <= 2, qPrintable(cadre(w)), 3000);
}

// Every text of a screen that its place cannot hold, measured with the widget's font and the style's rectangles.
QStringList debordements(QWidget* ecran, int& mesures) {
    QStringList trop;
    auto tenir = [&](const QWidget* w, const QString& texte, const QRect& place, int drapeaux = 0) {
        if (texte.isEmpty()) return;
        ++mesures;
        const QRect besoin = w->fontMetrics().boundingRect(place, drapeaux | Qt::TextShowMnemonic, texte);
        if (besoin.width() > place.width() || besoin.height() > place.height()) {
            trop << QStringLiteral("%1 « %2 »: %3x%4 > %5x%6")
                        .arg(w->objectName(), texte)
                        .arg(besoin.width())
                        .arg(besoin.height())
                        .arg(place.width())
                        .arg(place.height());
        }
    };
    QList<QWidget*> widgets = ecran->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(ecran) || w->objectName().startsWith(QStringLiteral("qt_"))) continue;
        const QStyle* st = w->style();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            const int marge = l->margin() + std::max(0, l->indent());
            tenir(l, l->text(), l->contentsRect().adjusted(marge, marge, -marge, -marge),
                  int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0));
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = b->text();
            const auto element = qobject_cast<QCheckBox*>(b)      ? QStyle::SE_CheckBoxContents
                                 : qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                                  : QStyle::SE_PushButtonContents;
            if (!qobject_cast<QToolButton*>(b)) tenir(b, b->text(), st->subElementRect(element, &o, b));
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            o.frame = c->hasFrame();
            const QRect champ = st->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
            for (int i = 0; i < c->count(); ++i) tenir(c, c->itemText(i), champ);
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            QStyleOptionFrame o;
            o.initFrom(e);
            o.lineWidth = e->hasFrame() ? st->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
            // QLineEdit keeps two pixels on each side of its text.
            const QRect place =
                st->subElementRect(QStyle::SE_LineEditContents, &o, e) - e->textMargins() - QMargins(2, 0, 2, 0);
            tenir(e, e->text(), place);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            QStyleOptionGroupBox o;
            o.initFrom(g);
            o.text = g->title();
            o.subControls = QStyle::SC_GroupBoxLabel;
            tenir(g, g->title(), st->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g) & g->rect());
        } else if (auto* lst = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < lst->count(); ++i) tenir(lst, lst->item(i)->text(), lst->viewport()->rect());
        }
    }
    return trop;
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

// The strongest contrast between a box (check or option) and the background beside it, as drawn.
double contrasteBoite(QAbstractButton* b) {
    QStyleOptionButton o;
    o.initFrom(b);
    const QRect r = b->style()->subElementRect(
        qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &o, b);
    const QImage image = b->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const QColor fond = image.pixelColor(QPointF(r.right() + 2, r.center().y()).toPoint() * dpr);
    double meilleur = 1;
    for (int y = int(r.top() * dpr); y < int((r.bottom() + 1) * dpr); ++y) {
        for (int x = int(r.left() * dpr); x < int((r.right() + 1) * dpr); ++x) {
            meilleur = std::max(meilleur, contraste(image.pixelColor(x, y), fond));
        }
    }
    return meilleur;
}

// Every text drawn with less than `seuil` against what is behind it, every box (check or option) below 3 : 1.
// Disabled buttons are inactive controls, left out.
QStringList peuContrastes(QWidget* ecran, double seuil, double& minimum, double& boites) {
    QStringList faibles;
    for (QWidget* w : ecran->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(ecran) || w->objectName().startsWith(QStringLiteral("qt_"))) continue;
        const QPalette::ColorGroup groupe = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        QPalette::ColorRole texte = QPalette::WindowText, fond = QPalette::Window;
        const QWidget* derriere = w; // whose palette paints the background
        auto* l = qobject_cast<QLabel*>(w);
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w)) {
            texte = QPalette::Text;
            fond = QPalette::Base;
        } else if (qobject_cast<QComboBox*>(w) || qobject_cast<QPushButton*>(w)) {
            texte = QPalette::ButtonText;
            fond = QPalette::Button;
        } else if ((l && !l->text().isEmpty()) || (b && b->isEnabled())) {
            if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
                const double r = contrasteBoite(b);
                boites = std::min(boites, r);
                if (r < 3) faibles << QStringLiteral("%1 (case): %2").arg(b->objectName()).arg(r, 0, 'f', 2);
            }
            if (b && b->text().isEmpty()) continue;
            while (!derriere->autoFillBackground() && !derriere->isWindow()) derriere = derriere->parentWidget();
        } else {
            continue;
        }
        const double r = contraste(w->palette().color(groupe, texte), derriere->palette().color(groupe, fond));
        minimum = std::min(minimum, r);
        if (r < seuil) faibles << QStringLiteral("%1: %2").arg(w->objectName()).arg(r, 0, 'f', 2);
    }
    return faibles;
}

// A window outside the screen's free area once placed, and every control that scrolling cannot bring into view.
QStringList horsDePortee(QWidget* ecran) {
    QStringList fautes;
    const QRect zone = ecran->screen()->availableGeometry();
    auto dedans = [&] { return ecran->frameGeometry() != ecran->geometry() && zone.contains(ecran->frameGeometry()); };
    if (!QTest::qWaitFor(dedans, 3000)) fautes << cadre(ecran) + QStringLiteral(" hors de l'écran");
    auto* defile = ecran->findChild<QScrollArea*>(QStringLiteral("qt_defilement"));
    for (QWidget* w : ecran->findChildren<QWidget*>()) {
        const bool controle = w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QComboBox") ||
                              w->inherits("QLineEdit") || w->inherits("QListWidget") || w->inherits("UpDownNiv");
        if (!controle || !w->isVisibleTo(ecran) || w->objectName().isEmpty() || w->objectName().startsWith("qt_")) {
            continue;
        }
        const bool defilant = defile && defile->widget()->isAncestorOf(w);
        if (defilant) { // the whole control, not only a text cursor as ensureWidgetVisible() would
            const QPoint centre = w->mapTo(defile->widget(), w->rect().center());
            defile->ensureVisible(centre.x(), centre.y(), w->width() / 2 + 1, w->height() / 2 + 1);
        }
        const QWidget* repere = defilant ? defile->viewport() : ecran;
        // A control larger than the view is reached part by part: it must lie within what scrolls.
        if (defilant && (w->width() > repere->width() || w->height() > repere->height())) repere = defile->widget();
        if (!repere->rect().contains(QRect(w->mapTo(repere, QPoint()), w->size()))) {
            fautes << w->objectName() + QStringLiteral(" inaccessible");
        }
    }
    return fautes;
}

// Answers every modal window that becomes active with a real key press, and counts them.
struct ToucheAuxModales : QObject {
    int vues = 0;
    QPointer<QWidget> derniere;
    QTimer minuterie;
    explicit ToucheAuxModales(const QString& touche) {
        connect(&minuterie, &QTimer::timeout, this, [this, touche] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || m == derniere || !m->isActiveWindow()) return;
            derniere = m;
            ++vues;
            QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {"key", touche}), 0);
        });
        minuterie.start(50);
    }
};

// One wheel notch (4 up, 5 down) with the pointer on a widget's centre.
void molette(QWidget* w, int bouton) {
    if (auto* d = w->window()->findChild<QScrollArea*>(QStringLiteral("qt_defilement"))) d->ensureWidgetVisible(w);
    const QPoint p = w->mapToGlobal(w->rect().center()) * w->devicePixelRatioF();
    const QStringList arguments{"mousemove", QString::number(p.x()), QString::number(p.y()), "click",
                                QString::number(bouton)};
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
    QTest::qWait(300);
}

QStringList ligne(FrmPrincipaleVorn* f, int i) {
    const auto u = static_cast<std::size_t>(i);
    return {f->TxtNiveau[u]->text(), f->TxtCB[u]->text(), f->TxtFormule[21]->text(), f->TxtPtGénération->text()};
}
} // namespace

class TestBureau : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        PreparerApplication(*qApp);
        // A window mapped while the window manager is still starting can be lost: wait until one gets framed.
        bool pret = false;
        for (int essai = 0; essai < 10 && !pret; ++essai) {
            QWidget sonde;
            sonde.show();
            pret = QTest::qWaitFor([&] { return sonde.frameGeometry() != sonde.geometry(); }, 1000);
        }
        QVERIFY2(pret, "no window manager frames the windows");
    }

    // Every screen is centred by its outer size, frame and menu bar included; the About box on the sheet.
    void centrage() {
        Programme q;
        q.app.Demarrer();
        verifierCentre(q.app.accueil());
        verifierCentre(q.choix());
        q.choix()->hide();

        Programme p;
        FrmPrincipaleVorn* f = p.feuille();
        verifierCentre(f);
        QTimer::singleShot(0, f, [f] {
            auto* dialogue = QApplication::activeModalWidget();
            verifierCentre(dialogue);
            QTimer::singleShot(0, f, [f] {
                QWidget* apropos = QApplication::activeModalWidget();
                actif(apropos);
                QTRY_VERIFY2((apropos->frameGeometry().center() - f->frameGeometry().center()).manhattanLength() <= 2,
                             qPrintable(cadre(apropos) + QStringLiteral(" sur ") + cadre(f)));
                apropos->close();
            });
            f->MnuAPropos->trigger();
            dialogue->close();
        });
        f->CmbAge->setCurrentIndex(1);
        emit f->CmbAge->activated(1);
    }

    // Every screen opens within the screen's free area, its controls all within reach by scrolling; every caption,
    // every entry of every list and every display value shows whole; every text reads at 4.5 : 1 or more (7 : 1 under
    // a high-contrast theme), every box at 3 : 1.
    void textesEtContrastes() {
        QStringList trop, faibles;
        double minimum = 21, boites = 21;
        const bool eleve = qEnvironmentVariable("GTK_THEME").contains(QStringLiteral("HighContrast"));
        const double seuil = eleve ? 7 : 4.5;
        int mesures = 0;
        QStringList ecrans;
        auto verifier = [&](QWidget* ecran) {
            ecrans << ecran->objectName();
            trop << horsDePortee(ecran) << debordements(ecran, mesures);
            faibles << peuContrastes(ecran, seuil, minimum, boites);
            // Under a high-contrast theme the program's own greys give way to the theme's colours.
            for (QWidget* w : ecran->findChildren<QWidget*>()) {
                for (const auto role : {QPalette::Window, QPalette::Base}) {
                    const QColor c = w->palette().color(role);
                    if (eleve && (c == QColor(192, 192, 192) || c == QColor(224, 224, 224))) {
                        faibles << w->objectName() + QStringLiteral(" en gris");
                    }
                }
            }
        };
        // A dark desktop theme must have been taken up, or the check would prove nothing.
        if (qEnvironmentVariable("GTK_THEME").endsWith(QStringLiteral(":dark"))) {
            QVERIFY(qApp->palette().color(QPalette::Window).lightness() < 100);
        }
        for (int profession = 0; profession < 7; ++profession) {
            Programme p;
            if (profession == 0) {
                p.app.Demarrer();
                verifier(p.app.accueil());
                verifier(p.choix());
                p.choix()->hide();
            }
            FrmPrincipaleVorn* f = p.feuille(profession);
            // The desktop's font size was taken up: above 10 points the sheet grows in proportion, text and all.
            if (const double points = qEnvironmentVariable("BUREAU_POINTS").toDouble(); points > 0 && profession == 0) {
                QCOMPARE(QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF(), points);
                const double zoom = std::max(1.0, points / 10);
                QVERIFY2(std::abs(f->FrmCompétences->width() - 777 * zoom) <= 1,
                         qPrintable(QString::number(f->FrmCompétences->width())));
                QVERIFY(f->LblFormule[0]->font().pointSizeF() >= 7.5 * zoom * 0.9);
            }
            QTimer::singleShot(0, f, [&] {
                QWidget* dialogue = QApplication::activeModalWidget();
                verifier(dialogue);
                QTimer::singleShot(0, f, [&] {
                    verifier(QApplication::activeModalWidget());
                    QApplication::activeModalWidget()->close();
                });
                if (profession == 0) f->MnuAPropos->trigger();
                dialogue->close();
            });
            f->CmbAge->setCurrentIndex(f->CmbAge->count() - 1);
            emit f->CmbAge->activated(f->CmbAge->count() - 1);
            // The widest entry of each list chosen; untaken and taken skill rows both shown.
            for (QComboBox* c : f->findChildren<QComboBox*>()) {
                int large = 0;
                for (int i = 1; i < c->count(); ++i) {
                    if (c->fontMetrics().horizontalAdvance(c->itemText(i)) >
                        c->fontMetrics().horizontalAdvance(c->itemText(large)))
                        large = i;
                }
                c->setCurrentIndex(large);
            }
            f->ChkComp[0]->click();
            verifier(f);
        }
        qInfo("%d textes mesurés sur %s; plus faible contraste: %.2f, des cases: %.2f; police %.1f points", mesures,
              qPrintable(ecrans.join(' ')), minimum, boites, qApp->font().pointSizeF());
        QVERIFY2(trop.isEmpty(), qPrintable(trop.join(QLatin1Char('\n'))));
        QVERIFY2(faibles.isEmpty(), qPrintable(faibles.join(QLatin1Char('\n'))));
    }

    // The display lists show their four borders as drawn on the screen, whatever the scale: at the middle of each
    // edge, within the list's outermost logical pixel, a pixel unlike both the list and the sheet behind it.
    void bordures() {
        Programme p;
        FrmPrincipaleVorn* f = p.feuille();
        const qreal dpr = f->devicePixelRatioF();
        for (QListWidget* l : {f->LstChpExpérience, f->LstCicatrices}) {
            if (auto* d = f->findChild<QScrollArea*>(QStringLiteral("qt_defilement"))) d->ensureWidgetVisible(l);
            QTest::qWait(200);
            const QImage image = f->screen()->grabWindow(f->winId()).toImage();
            const QRectF r = QRectF(l->mapTo(f, QPoint()), l->size());
            const int liste = l->palette().color(QPalette::Base).lightness();
            const int fond = l->parentWidget()->palette().color(QPalette::Window).lightness();
            auto trace = [&](QPointF a, QPointF b) { // device pixels between two logical points
                auto fin = [&](qreal debut, qreal fin) {
                    return std::max(int(debut * dpr), int(std::ceil(fin * dpr)) - 1);
                };
                for (int y = int(a.y() * dpr); y <= fin(a.y(), b.y()); ++y) {
                    for (int x = int(a.x() * dpr); x <= fin(a.x(), b.x()); ++x) {
                        const int v = image.pixelColor(x, y).lightness();
                        if (std::abs(v - liste) >= 20 && std::abs(v - fond) >= 20) return true;
                    }
                }
                return false;
            };
            const QPointF c = r.center();
            const bool bords[] = {
                trace({c.x(), r.top()}, {c.x(), r.top() + 1}), trace({c.x(), r.bottom() - 1}, {c.x(), r.bottom()}),
                trace({r.left(), c.y()}, {r.left() + 1, c.y()}), trace({r.right() - 1, c.y()}, {r.right(), c.y()})};
            for (int i = 0; i < 4; ++i)
                QVERIFY2(bords[i], qPrintable(l->objectName() + QStringLiteral(" bord %1").arg(i)));
        }
    }

    // A held arrow repeats while the raises are accepted; the first refusal shows one box and ends the repeat.
    void flecheMaintenue_data() {
        QTest::addColumn<int>("niveauxPayables");
        QTest::newRow("refusée d'emblée") << 0;
        QTest::newRow("trois acceptées") << 3;
    }
    void flecheMaintenue() {
        QFETCH(int, niveauxPayables);
        Programme p;
        FrmPrincipaleVorn* f = p.feuille();
        // Spend the budget until exactly the wanted raises of Charisme remain payable.
        const int seuil = CoutNiveau * (niveauxPayables + 1);
        // Taken skills first, the free Conduite last: its raises spend what is too little for a take.
        for (const int i : {3, 4, 6, 7, 8, 9, 10, 11, 5}) {
            if (!EstCompetenceLibre(i)) f->feuille.PrendreCompetence(i);
            for (int k = 1; k < NiveauMax && p.module.PtRestants >= seuil; ++k) f->feuille.MonterNiveau(i);
        }
        f->Afficher();
        const int points = p.module.PtRestants;
        const QStringList avant = ligne(f, 2);
        Boites boites;
        maintenir(f->UpDownNivs[2]->boutonHaut(), 1500, boites);
        QCOMPARE(boites.vues, 1);
        QCOMPARE(f->TxtNiveau[2]->text(), QString::number(1 + niveauxPayables));
        QCOMPARE(f->TxtPtGénération->text(), QString::number(points - CoutNiveau * niveauxPayables));
        QVERIFY(!f->UpDownNivs[2]->boutonHaut()->isDown());
        if (niveauxPayables == 0) QCOMPARE(ligne(f, 2), avant);
    }

    // The keypad's Enter acts as Return wherever a button is the default: the welcome screen (refused, then
    // accepted), its message box, the About box.
    void entreeDuPave() {
        Programme p;
        p.app.Demarrer();
        actif(p.app.accueil());
        ToucheAuxModales pave(QStringLiteral("KP_Enter"));
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {"key", "KP_Enter"}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(pave.vues == 1 && !QApplication::activeModalWidget(), 10000);
        QVERIFY(!p.app.choix());
        p.app.accueil()->TxtNomAccueil->setText(QStringLiteral("JOUEUR"));
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {"key", "KP_Enter"}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(p.app.choix(), 10000);
        FrmPrincipaleVorn* f = p.feuille();
        f->MnuAPropos->trigger(); // returns once the box is closed
        QCOMPARE(pave.vues, 2);
    }

    // A wheel notch over a list or a level without the focus changes nothing (it scrolls the sheet when that
    // scrolls); with the focus, it steps.
    void roue() {
        Programme p;
        FrmPrincipaleVorn* f = p.feuille();
        ToucheAuxModales echap(QStringLiteral("Escape")); // a dialog that should not have come, counted and closed
        const QStringList avant{f->CmbAge->currentText(), f->TxtNiveau[2]->text(), f->TxtPtGénération->text()};
        f->CmbFOR->setFocus();
        auto* defile = f->findChild<QScrollArea*>(QStringLiteral("qt_defilement"));
        for (QWidget* w : {static_cast<QWidget*>(f->CmbAge), static_cast<QWidget*>(f->UpDownNivs[2])}) {
            if (defile) defile->ensureWidgetVisible(w);
            const int position = defile ? defile->verticalScrollBar()->value() : 0;
            molette(w, 5);
            if (defile && position < defile->verticalScrollBar()->maximum()) {
                QVERIFY(defile->verticalScrollBar()->value() > position);
            }
            molette(w, 4);
        }
        QCOMPARE((QStringList{f->CmbAge->currentText(), f->TxtNiveau[2]->text(), f->TxtPtGénération->text()}), avant);
        f->UpDownNivs[2]->setFocus();
        molette(f->UpDownNivs[2], 4);
        QCOMPARE(f->TxtNiveau[2]->text(), QStringLiteral("2"));
        const int force = f->CmbFOR->currentIndex();
        f->CmbFOR->setFocus();
        molette(f->CmbFOR, 5);
        QCOMPARE(f->CmbFOR->currentIndex(), force + 1);
        QCOMPARE(echap.vues, 0);
    }
};

QTEST_MAIN(TestBureau)
#include "tst_bureau.moc"
