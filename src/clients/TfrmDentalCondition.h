#pragma once
#include "archive/DocumentPrint.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumivista {

class PictureButton;
struct Services;

/** The client's latest optometric exam in TABO notation: 70 free-text edits
 *  that travel through the client card's hidden edits of the same names. The
 *  window never touches the archive; the card stores the exam on its next Save.
 *  Created per use, modal. */
class TfrmDentalCondition : public QDialog
{
    Q_OBJECT
public:
    TfrmDentalCondition(Services &services, QWidget &card, QWidget *parent);

    QLabel *lblTitolo = nullptr;
    PictureButton *impbtnEsame = nullptr;
    QPushButton *btnPreview = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnClose = nullptr;

    QLineEdit *edit(const QString &name) const;
    /** The exam sheet: exam values from this window, client values from the card. */
    DocumentPrint sheet() const;

    void impbtnEsameClick();
    /** "Applica e chiudi": the trimmed values go back to the card, which is not saved. */
    void btnCloseClick();
    void btnPreviewClick();
    void btnPrintClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *addEdit(const QString &name, const QString &accessible, int limit, QWidget *parent);
    QWidget *gridOf(int index, bool rowLabels);
    QWidget *refraction();

    Services &m_services;
    QWidget &m_card;
    bool m_filled = false;
};

} // namespace lumivista
