#pragma once
#include "archive/DocumentPrint.h"
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lumivista {

struct Services;

/** The declaration of conformity for made-to-measure eyeglasses: the current
 *  prescription's data, correctable here and never stored, printed as the
 *  declaration (front) and the instructions for use (back). Per use, modal. */
class TfrmConformita : public QDialog
{
    Q_OBJECT
public:
    /** Fills the edits from the eyeglass card's controls, every value trimmed,
     *  and the date with today's. */
    TfrmConformita(Services &services, const QWidget &card, QWidget *parent);

    QPushButton *btnAnteprima = nullptr;
    QPushButton *btnStampa = nullptr;
    QPushButton *btnRetro = nullptr;
    QPushButton *btnChiudi = nullptr;

    QLineEdit *edit(const QString &name) const;
    /** The front, filled from the edits. */
    DocumentPrint front() const;
    static DocumentPrint back();

    void btnAnteprimaClick();
    void btnStampaClick();
    void btnRetroClick();

private:
    /** After a failure the window closes; after a success it stays for the other side. */
    void run(const DocumentPrint &document, bool preview);
    QLineEdit *addEdit(const QString &name, const QString &accessible);

    Services &m_services;
};

} // namespace lumivista
