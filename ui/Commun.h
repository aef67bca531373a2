#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class Des;
struct ModuleVorn;

// Twips (1/1440 inch) to logical pixels at 96 dpi; Qt scales on high-dpi screens.
constexpr int tw(int twips) { return (twips + 7) / 15; }
void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur);

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// Object name (what tests and automation look for) and French accessible name.
void nommer(QWidget* w, const QString& nom, const QString& nomAccessible);
QString indexe(const QString& nom, int index); // "ChkComp(3)"

QFont policeSansSerif(qreal points, bool gras = false);

// Modal message boxes by their classic codes: 48 exclamation + OK,
// 292 question + Oui/Non with Non the default. Returns 1 for OK, 6 Yes, 7 No.
class Messagerie {
public:
    static constexpr int Exclamation = 48;
    static constexpr int QuestionOuiNon = 292;
    static constexpr std::int16_t Ok = 1;
    static constexpr std::int16_t Oui = 6;
    static constexpr std::int16_t Non = 7;

    virtual ~Messagerie() = default;
    virtual std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code) = 0;
};

class MessagerieQt final : public Messagerie {
public:
    std::int16_t Afficher(QWidget* parent, const QString& texte, const QString& titre, int code) override;
};

// The screens' view of the program's flow and confirmations.
class NavigationVorn {
public:
    virtual ~NavigationVorn() = default;
    virtual Messagerie& messagerie() = 0;
    virtual Des& des() = 0;
    virtual void AccueilContinue() = 0;  // welcome hidden, choice screen loaded
    virtual void ChoixContinue() = 0;    // choice screen unloaded, sheet loaded
    virtual void NouvelAgent() = 0;      // sheet unloaded, choice screen loaded again
    virtual void APropos(QWidget* feuille) = 0;
    // The quit confirmation: on Yes the program ends and true is returned.
    virtual bool ConfirmerQuitter(QWidget* parent) = 0;
    // True once the program is ending: windows then close without a question.
    virtual bool termine() const = 0;
};

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

// A display field: disabled so the user can neither type, select nor focus it.
QLineEdit* champAffichage(QWidget* parent, const QString& nom, const QString& nomAccessible, bool gras = false);
void ecrire(QLineEdit* champ, const QString& texte); // only when it changes
// A disabled display field or list keeps the colours of an enabled one, so it reads well.
void lisibleDesactive(QWidget* w);
// A plain background of its own (labels on light grey, drawn lines).
void fondUni(QWidget* w, const QColor& fond);
// Black text on light grey (red, green and blue 224).
void fondGrisClair(QWidget* w);
// A background of the program's choosing always comes with its text colour,
// so that it reads in a dark desktop theme as in a light one.
void colorerFond(QWidget* champ, const QColor& fond, const QColor& texte);

// Centres a top-level window on its screen's available area, keeping its
// title bar reachable when the window is larger than the screen.
void CentrerForm(QWidget* fenetre);
// Centres a box on the window it is opened from, by both outer sizes.
void CentrerSur(QWidget* fenetre, const QWidget* proprietaire);

// The program's picture, also its window icon.
QPixmap imageVorn();
