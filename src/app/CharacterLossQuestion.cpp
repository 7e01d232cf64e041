#include "app/CharacterLossQuestion.h"

#include "app/CKVF_EdDoc.h"

#include <QMessageBox>
#include <QPushButton>

namespace kvf {

bool AskToReplaceLostCharacters(QWidget* parent, const CharacterLoss& loss) {
    QString others =
        loss.Count > 1 ? QString(" and %1 more such characters").arg(loss.Count - 1) : QString();
    QMessageBox box(QMessageBox::Warning, "KVF_Ed",
                    QString("Line %1, column %2 holds \"%3\"%4, which a KVF file "
                            "(Windows-1252) cannot hold.")
                        .arg(loss.Line)
                        .arg(loss.Column)
                        .arg(loss.Character, others),
                    QMessageBox::NoButton, parent);
    box.setInformativeText("Saving now writes each of them as '?'.");
    QPushButton* replace = box.addButton("&Replace with ? and Save", QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == replace;
}

} // namespace kvf
