#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The file chooser and the print dialog, each behind one small interface as the
// message boxes are (Messagerie): the program uses the real dialogs, tests
// answer from a script through the same interface.

// The desktop's own file dialog (the platform's or the portal's, as Qt picks).
// `filtres` in Qt's syntax, several separated by ";;": "Documents PDF (*.pdf)".
// Both return the chosen path, empty when the user cancelled.
class ChoixFichier {
public:
    virtual ~ChoixFichier() = default;
    // Where to write, proposing `propose` (a file name, placed in the home
    // folder, or a path); the first filter's extension is added when the user
    // types none.
    virtual QString Enregistrer(QWidget* parent, const QString& titre, const QString& propose,
                                const QString& filtres) = 0;
    // An existing file to read.
    virtual QString Ouvrir(QWidget* parent, const QString& titre, const QString& filtres) = 0;
};

class ChoixFichierQt final : public ChoixFichier {
public:
    QString Enregistrer(QWidget* parent, const QString& titre, const QString& propose, const QString& filtres) override;
    QString Ouvrir(QWidget* parent, const QString& titre, const QString& filtres) override;
};

// The print dialog on `imprimante`, with a preview that paints with `dessiner`.
// True when the user asked to print (the printer then holds the choices made,
// a PDF file included); false when cancelled, or when the preview printed by
// itself.
class DialogueImpression {
public:
    using DessinPage = std::function<void(QPrinter* imprimante)>;
    virtual ~DialogueImpression() = default;
    virtual bool Choisir(QWidget* parent, QPrinter& imprimante, const DessinPage& dessiner) = 0;
};

class DialogueImpressionQt final : public DialogueImpression {
public:
    bool Choisir(QWidget* parent, QPrinter& imprimante, const DessinPage& dessiner) override;
};
