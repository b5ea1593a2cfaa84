#include "TfrmLenti.h"
#include "archive/ExportHelp.h"
#include "core/ListingRules.h"

namespace lumivista {

PrescriptionTraits TfrmLenti::prescriptionTraits()
{
    PrescriptionTraits traits;
    traits.kind = PrescriptionKind::Lenses;
    traits.layout = &RecordLayout::lenses();
    traits.caption = QStringLiteral(" Lumivista - Prescrizione Lenti a Contatto");
    traits.key = QStringLiteral("lenti");
    traits.typeCaption = QStringLiteral("Prescrittore:");
    traits.typeWarning =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del prescrittore.");
    traits.useCaption = QStringLiteral("Durata lenti:");
    traits.paidHint = QStringLiteral("Spunta questa casella per annotare che il cliente ha saldato l'importo dovuto "
                                   "per le lenti a contatto prescritte.");
    traits.accessorySection = QStringLiteral("ACCESSORI");
    traits.accessoryRows = {QStringLiteral("TIPO CONTENITORE"),      QStringLiteral("LIQUIDO CONSERVAZIONE"),
                          QStringLiteral("LIQUIDO DETERGENTE"),    QStringLiteral("LIQUIDO RISCIACQUANTE"),
                          QStringLiteral("LACRIME ARTIFICIALI"),   QStringLiteral("ENZIMI"),
                          QStringLiteral("ALTRO")};
    traits.rightSection = QStringLiteral("OCCHIO DX");
    traits.leftSection = QStringLiteral("OCCHIO SX");
    traits.lensRows = {QStringLiteral("NOME LENTE"), QStringLiteral("FABBRICANTE"), QStringLiteral("RAGGIO BASE"),
                     QStringLiteral("SFERA"),      QStringLiteral("CILINDRO"),    QStringLiteral("ASSE"),
                     QStringLiteral("ADDIZIONE"),  QStringLiteral("DIAMETRO"),    QStringLiteral("MATERIALE"),
                     QStringLiteral("COLORE")};
    traits.exportMember.windowName = QStringLiteral("TfrmExpLenti");
    traits.exportMember.caption = QStringLiteral(" Esportazione archivio prescrizioni lenti a contatto");
    traits.exportMember.fileName = QStringLiteral("Prescrizioni_Lenti.xls");
    traits.exportMember.sheetName = QStringLiteral("Prescrizioni Lenti");
    traits.exportMember.helpTitle = QStringLiteral("Esportazione archivio prescrizioni lenti a contatto in Excel");
    traits.exportMember.helpText =
        ExportHelp::archive(QStringLiteral("delle prescrizioni di lenti a contatto"), traits.exportMember.fileName);
    traits.amountRows = {QStringLiteral("LENTE DX"),  QStringLiteral("LENTE SX"), QStringLiteral("LIQUIDO"),
                       QStringLiteral("PACCHETTO"), QStringLiteral("VISITA"),   QStringLiteral("ALTRI LAVORI")};
    traits.notesWithAccessories = true;
    traits.search.windowName = QStringLiteral("TfrmTrovaLenti");
    traits.search.caption = QStringLiteral(" Trova prescrizioni lenti a contatto in archivio");
    traits.search.line = LineFormat::lensSearch();
    traits.search.filters = PrescriptionCard::searchFilters(QStringLiteral("Prescrittore:"));
    traits.search.firstFocus = QStringLiteral("txtNumPre");
    traits.search.sorted = true;
    traits.search.printTitle = QStringLiteral("Riepilogo prescrizioni lenti a contatto in archivio");
    traits.search.pickHint = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
    traits.search.pick = ListMember::loadInto(WindowId::Lenses, traits.key);
    traits.unpaid.windowName = QStringLiteral("TfrmDaSaldareLenti");
    traits.unpaid.caption = QStringLiteral(" Riepilogo prescrizioni lenti a contatto non saldate");
    traits.unpaid.line = LineFormat::lensSearch();
    traits.unpaid.rule = [](const RecordView &prescription, const QDate &) { return ListingRules::unpaid(prescription); };
    traits.unpaid.fold = ListFind::Fold::Lower;
    traits.unpaid.printTitle = traits.unpaid.caption.trimmed();
    traits.unpaid.pick = ListMember::loadInto(WindowId::Lenses, traits.key);
    traits.printTemplate = QStringLiteral("PrescrizioneLenti.json");
    traits.reportName = QStringLiteral("Prescrizione Lenti a Contatto");
    traits.previewWindow = QStringLiteral("TfrmAnteprimaLenti");
    traits.printWindow = QStringLiteral("TfrmStampaLenti");
    return traits;
}

TfrmLenti::TfrmLenti(WindowRegistry &registry, QWidget *parent)
    : PrescriptionCard(registry, prescriptionTraits(), parent)
{
    setObjectName(QStringLiteral("frmLenti"));
}

} // namespace lumivista
