#include "Messagerie.h"

#include <QMessageBox>

std::int16_t MessagerieQt::Afficher(QWidget* parent, const QString& texte, const QString& titre, int code,
                                    const QString& informatif) {
    QMessageBox boite(parent);
    boite.setWindowTitle(titre);
    boite.setText(texte);
    if (!informatif.isEmpty()) boite.setInformativeText(informatif);
    if (code == QuestionOuiNon) {
        boite.setIcon(QMessageBox::Question);
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        boite.setDefaultButton(QMessageBox::No);
        boite.setEscapeButton(QMessageBox::No);
        return boite.exec() == QMessageBox::Yes ? Oui : Non;
    }
    boite.setIcon(QMessageBox::Warning);
    boite.setStandardButtons(QMessageBox::Ok);
    boite.exec();
    return Ok;
}
