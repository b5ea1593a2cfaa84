#include "PrintConfirmation.h"
#include "widgets/DialogButton.h"
#include "widgets/InfoPanel.h"
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivista {

PrintConfirmation::PrintConfirmation(Services &services, const QString &windowName, DocumentPrinter::Mode mode,
                                     DocumentPrint document, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_mode(mode)
    , m_document(std::move(document))
{
    const bool preview = mode == DocumentPrinter::Mode::Preview;
    setObjectName(windowName);
    setWindowTitle(preview ? QStringLiteral(" Anteprima di stampa") : QStringLiteral(" Stampa scheda"));
    setFixedSize(364, 287);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    const QString explanation = preview
        ? QStringLiteral("L'operazione mostra a video i dati che saranno stampati.\n\nPremere il pulsante "
                         "\"Mostra anteprima\" per vedere il documento prima di stamparlo su carta.")
        : QStringLiteral("L'operazione stampa su carta la scheda corrente con i dati inseriti dall'utente.\n\n"
                         "Premere il pulsante \"Stampa\" per avviare la stampa oppure \"Annulla\" per annullare.");
    layout->addWidget(new InfoPanel(QStringLiteral("imgSpiegazione"), preview ? QStringLiteral("preview")
                                                                              : QStringLiteral("print"),
                                    explanation, QStringLiteral("blue"), this),
                      1);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    btnAnnulla = DialogButton::make(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QString(), 130);
    btnConferma = DialogButton::make(this, preview ? QStringLiteral("btnAnteprima") : QStringLiteral("btnStampa"),
                                     preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"),
                                     QString(), 130);
    btnConferma->setDefault(true);
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnConferma);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnConferma, &QPushButton::clicked, this, &PrintConfirmation::confirm);
    btnConferma->setFocus();
}

void PrintConfirmation::confirm()
{
    DocumentPrinter::run(m_services, this, m_document, m_mode);
    accept();
}

} // namespace lumivista
