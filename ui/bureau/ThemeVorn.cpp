#include "ThemeVorn.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTextStream>

namespace {
// The GTK theme's name, as GTK itself finds it: its environment variable, else its settings file.
QString nomThemeGtk() {
    QString nom = qEnvironmentVariable("GTK_THEME");
    if (!nom.isEmpty()) return nom;
    QString dossier = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (dossier.isEmpty()) dossier = QDir::homePath() + QStringLiteral("/.config");
    QFile reglages(dossier + QStringLiteral("/gtk-3.0/settings.ini"));
    if (!reglages.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream flux(&reglages);
    while (!flux.atEnd()) {
        const QString ligne = flux.readLine().trimmed();
        if (ligne.startsWith(QStringLiteral("gtk-theme-name"))) nom = ligne.section(u'=', 1).trimmed().remove(u'"');
    }
    return nom;
}

bool noirEtBlanc(const QPalette& p) {
    const QColor fond = p.color(QPalette::Window), texte = p.color(QPalette::WindowText);
    auto pur = [](const QColor& c) { return c == QColor(Qt::black) || c == QColor(Qt::white); };
    return pur(fond) && pur(texte) && fond != texte;
}

// The style's own outline of a box is drawn from the background's colour, which leaves it faint (1.19 : 1 on a dark
// theme): a line halfway between the text's colour and the background's stands at 3 : 1 or more on either.
class StyleContraste final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        QProxyStyle::drawPrimitive(element, o, p, w);
        if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) return;
        const QColor texte = o->palette.color(QPalette::WindowText), fond = o->palette.color(QPalette::Window);
        const QColor bord((texte.red() + fond.red()) / 2, (texte.green() + fond.green()) / 2,
                          (texte.blue() + fond.blue()) / 2);
        p->save();
        p->setPen(bord);
        p->setBrush(Qt::NoBrush);
        if (element == PE_IndicatorCheckBox) {
            p->drawRect(o->rect.adjusted(0, 0, -1, -1));
        } else {
            p->setRenderHint(QPainter::Antialiasing);
            p->drawEllipse(QRectF(o->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        p->restore();
    }
};
} // namespace

bool ContrasteEleve() {
    static const bool eleve = nomThemeGtk().contains(QStringLiteral("HighContrast"), Qt::CaseInsensitive) ||
                              noirEtBlanc(QApplication::palette());
    return eleve;
}

void AppliquerTheme(QApplication& app) {
    if (!dynamic_cast<StyleContraste*>(QApplication::style())) {
        QApplication::setStyle(new StyleContraste(QApplication::style()->name()));
    }
    if (!ContrasteEleve() || noirEtBlanc(QApplication::palette())) return;
    const bool inverse = nomThemeGtk().contains(QStringLiteral("Inverse"), Qt::CaseInsensitive);
    const QColor texte = inverse ? Qt::white : Qt::black, fond = inverse ? Qt::black : Qt::white;
    const QColor inactif = inverse ? QColor(176, 176, 176) : QColor(80, 80, 80); // 7 : 1 and more
    QPalette p;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                            QPalette::ToolTipBase, QPalette::HighlightedText, QPalette::Light, QPalette::Midlight}) {
        p.setColor(role, fond);
    }
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText, QPalette::Highlight,
          QPalette::BrightText, QPalette::Dark, QPalette::Mid, QPalette::Shadow}) {
        p.setColor(role, texte);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText}) {
        p.setColor(QPalette::Disabled, role, inactif);
    }
    p.setColor(QPalette::PlaceholderText, inactif);
    p.setColor(QPalette::Link, texte);
    app.setPalette(p);
}
