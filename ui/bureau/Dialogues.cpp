#include "Dialogues.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

QString ChoixFichierQt::Enregistrer(QWidget* parent, const QString& titre, const QString& propose,
                                    const QString& filtres) {
    QFileDialog dialogue(parent, titre, QDir::home().filePath(propose), filtres);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    const QRegularExpressionMatch extension = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filtres);
    if (extension.hasMatch()) dialogue.setDefaultSuffix(extension.captured(1));
    return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
}

QString ChoixFichierQt::Ouvrir(QWidget* parent, const QString& titre, const QString& filtres) {
    return QFileDialog::getOpenFileName(parent, titre, QDir::homePath(), filtres);
}

bool DialogueImpressionQt::Choisir(QWidget* parent, QPrinter& imprimante, const DessinPage& dessiner) {
    constexpr int Apercu = 2;
    for (;;) {
        QPrintDialog choix(&imprimante, parent);
        choix.setWindowTitle(QStringLiteral("Imprimer la fiche"));
        if (auto* boutons = choix.findChild<QDialogButtonBox*>()) {
            QPushButton* apercu = boutons->addButton(QStringLiteral("&Aperçu…"), QDialogButtonBox::ActionRole);
            apercu->setAccessibleName(QStringLiteral("Aperçu avant impression"));
            QObject::connect(apercu, &QPushButton::clicked, &choix, [&choix] { choix.done(Apercu); });
        }
        const int reponse = choix.exec();
        if (reponse != Apercu) return reponse == QDialog::Accepted;
        // The preview's own print button would print, or write a PDF file,
        // by itself; it leads back to this print dialog instead, where the
        // page is printed as from anywhere else. Closing the preview does too.
        QPrintPreviewDialog apercu(&imprimante, parent);
        apercu.setWindowTitle(QStringLiteral("Aperçu de la fiche"));
        QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu, dessiner);
        for (QAction* action : apercu.findChildren<QAction*>()) {
            if (QObject::disconnect(action, SIGNAL(triggered(bool)), &apercu, SLOT(_q_print()))) {
                QObject::connect(action, &QAction::triggered, &apercu, &QDialog::reject);
            }
        }
        apercu.exec();
    }
}
