#include "TfrmOcchiali.h"

namespace lumivista {

PrescriptionSpec TfrmOcchiali::prescriptionSpec()
{
    PrescriptionSpec spec;
    spec.kind = PrescriptionKind::Glasses;
    spec.layout = &RecordLayout::glasses();
    spec.caption = QStringLiteral(" Lumivista - Prescrizione Occhiali");
    spec.key = QStringLiteral("occhiali");
    spec.typeCaption = QStringLiteral("Tipo occhiali:");
    spec.typeWarning = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il tipo di occhiali.");
    spec.useCaption = QStringLiteral("Uso:");
    spec.paidHint = QStringLiteral("Spunta questa casella per annotare che il cliente ha saldato l'importo dovuto "
                                   "per gli occhiali prescritti.");
    spec.accessorySection = QStringLiteral("MONTATURA");
    spec.accessoryRows = {QStringLiteral("FABBRICANTE"), QStringLiteral("MODELLO"), QStringLiteral("CALIBRO"),
                          QStringLiteral("COLORE"),      QStringLiteral("PONTE"),   QStringLiteral("ASTA"),
                          QStringLiteral("MATERIALE")};
    spec.rightSection = QStringLiteral("LENTE DX");
    spec.leftSection = QStringLiteral("LENTE SX");
    spec.lensRows = {QStringLiteral("FABBRICANTE"), QStringLiteral("TIPO / INDICE"), QStringLiteral("DIAMETRO"),
                     QStringLiteral("TRATTAMENTO"), QStringLiteral("COLORAZIONE"),   QStringLiteral("CLAS. FILTRO"),
                     QStringLiteral("MATERIALE")};
    spec.amountRows = {QStringLiteral("MONTATURA"), QStringLiteral("LENTI"),  QStringLiteral("TRATTAMENTI"),
                       QStringLiteral("MONTAGGIO"), QStringLiteral("VISITA"), QStringLiteral("ALTRI LAVORI")};
    return spec;
}

TfrmOcchiali::TfrmOcchiali(AppContext &context, QWidget *parent)
    : PrescriptionCard(context, prescriptionSpec(), parent)
{
    setObjectName(QStringLiteral("frmOcchiali"));
}

} // namespace lumivista
