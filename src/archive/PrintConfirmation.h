#pragma once
#include "archive/DocumentPrint.h"
#include "archive/DocumentPrinter.h"
#include <QDialog>

class QPushButton;

namespace lumivista {

struct Services;

/** The small window that stands between a card's print or preview button and
 *  the printout: one design, two kinds. Created for one use (Modal::run). */
class PrintConfirmation : public QDialog
{
    Q_OBJECT
public:
    PrintConfirmation(Services &services, const QString &windowName, DocumentPrinter::Mode mode,
                      DocumentPrint document, QWidget *parent);

    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnConferma = nullptr;

    /** "Mostra anteprima" or "Stampa": fills, prepares, shows or prints, then
     *  closes. An unguarded failure leaves the window open and goes on up. */
    void confirm();

private:
    Services &m_services;
    DocumentPrinter::Mode m_mode;
    DocumentPrint m_document;
};

} // namespace lumivista
