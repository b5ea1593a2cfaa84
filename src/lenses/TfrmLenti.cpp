#include "TfrmLenti.h"

namespace lumivista {

PrescriptionSpec TfrmLenti::prescriptionSpec()
{
    PrescriptionSpec spec;
    spec.kind = PrescriptionKind::Lenses;
    spec.layout = &RecordLayout::lenses();
    spec.caption = QStringLiteral(" Lumivista - Prescrizione Lenti a Contatto");
    spec.key = QStringLiteral("lenti");
    spec.typeCaption = QStringLiteral("Prescrittore:");
    spec.typeWarning =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del prescrittore.");
    spec.useCaption = QStringLiteral("Durata lenti:");
    spec.paidHint = QStringLiteral("Spunta questa casella per annotare che il cliente ha saldato l'importo dovuto "
                                   "per le lenti a contatto prescritte.");
    spec.accessorySection = QStringLiteral("ACCESSORI");
    spec.accessoryRows = {QStringLiteral("TIPO CONTENITORE"),      QStringLiteral("LIQUIDO CONSERVAZIONE"),
                          QStringLiteral("LIQUIDO DETERGENTE"),    QStringLiteral("LIQUIDO RISCIACQUANTE"),
                          QStringLiteral("LACRIME ARTIFICIALI"),   QStringLiteral("ENZIMI"),
                          QStringLiteral("ALTRO")};
    spec.rightSection = QStringLiteral("OCCHIO DX");
    spec.leftSection = QStringLiteral("OCCHIO SX");
    spec.lensRows = {QStringLiteral("NOME LENTE"), QStringLiteral("FABBRICANTE"), QStringLiteral("RAGGIO BASE"),
                     QStringLiteral("SFERA"),      QStringLiteral("CILINDRO"),    QStringLiteral("ASSE"),
                     QStringLiteral("ADDIZIONE"),  QStringLiteral("DIAMETRO"),    QStringLiteral("MATERIALE"),
                     QStringLiteral("COLORE")};
    spec.amountRows = {QStringLiteral("LENTE DX"),  QStringLiteral("LENTE SX"), QStringLiteral("LIQUIDO"),
                       QStringLiteral("PACCHETTO"), QStringLiteral("VISITA"),   QStringLiteral("ALTRI LAVORI")};
    spec.notesWithAccessories = true;
    return spec;
}

TfrmLenti::TfrmLenti(AppContext &context, QWidget *parent)
    : PrescriptionCard(context, prescriptionSpec(), parent)
{
    setObjectName(QStringLiteral("frmLenti"));
}

} // namespace lumivista
