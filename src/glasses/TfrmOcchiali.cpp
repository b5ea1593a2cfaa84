#include "TfrmOcchiali.h"
#include "archive/ExportHelp.h"
#include "core/ListingRules.h"
#include "TfrmConformita.h"
#include "widgets/Modal.h"

namespace lumivista {

PrescriptionTraits TfrmOcchiali::prescriptionTraits()
{
    PrescriptionTraits traits;
    traits.kind = PrescriptionKind::Glasses;
    traits.layout = &RecordLayout::glasses();
    traits.caption = QStringLiteral(" Lumivista - Prescrizione Occhiali");
    traits.key = QStringLiteral("occhiali");
    traits.typeCaption = QStringLiteral("Tipo occhiali:");
    traits.typeWarning = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il tipo di occhiali.");
    traits.useCaption = QStringLiteral("Uso:");
    traits.paidHint = QStringLiteral("Spunta questa casella per annotare che il cliente ha saldato l'importo dovuto "
                                   "per gli occhiali prescritti.");
    traits.accessorySection = QStringLiteral("MONTATURA");
    traits.accessoryRows = {QStringLiteral("FABBRICANTE"), QStringLiteral("MODELLO"), QStringLiteral("CALIBRO"),
                          QStringLiteral("COLORE"),      QStringLiteral("PONTE"),   QStringLiteral("ASTA"),
                          QStringLiteral("MATERIALE")};
    traits.rightSection = QStringLiteral("LENTE DX");
    traits.leftSection = QStringLiteral("LENTE SX");
    traits.lensRows = {QStringLiteral("FABBRICANTE"), QStringLiteral("TIPO / INDICE"), QStringLiteral("DIAMETRO"),
                     QStringLiteral("TRATTAMENTO"), QStringLiteral("COLORAZIONE"),   QStringLiteral("CLAS. FILTRO"),
                     QStringLiteral("MATERIALE")};
    traits.exportMember.windowName = QStringLiteral("TfrmExpOcchiali");
    traits.exportMember.caption = QStringLiteral(" Esportazione archivio prescrizioni occhiali");
    traits.exportMember.fileName = QStringLiteral("Prescrizioni_Occhiali.xls");
    traits.exportMember.sheetName = QStringLiteral("Prescrizioni Occhiali");
    traits.exportMember.helpTitle = QStringLiteral("Esportazione archivio prescrizioni occhiali in Excel");
    traits.exportMember.helpText =
        ExportHelp::archive(QStringLiteral("delle prescrizioni di occhiali"), traits.exportMember.fileName);
    traits.amountRows = {QStringLiteral("MONTATURA"), QStringLiteral("LENTI"),  QStringLiteral("TRATTAMENTI"),
                       QStringLiteral("MONTAGGIO"), QStringLiteral("VISITA"), QStringLiteral("ALTRI LAVORI")};
    traits.declaration = [](PrescriptionCard &card) {
        Modal::run(new TfrmConformita(card.services(), card, &card));
    };
    traits.search.windowName = QStringLiteral("TfrmTrovaOcchiali");
    traits.search.caption = QStringLiteral(" Trova prescrizioni occhiali in archivio");
    traits.search.line = LineFormat::glassesSearch();
    traits.search.filters = PrescriptionCard::searchFilters(QStringLiteral("Tipo occhiali:"));
    traits.search.firstFocus = QStringLiteral("txtNumPre");
    traits.search.sorted = true;
    traits.search.printTitle = QStringLiteral("Riepilogo prescrizioni occhiali in archivio");
    traits.search.pickHint = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
    traits.search.pick = ListMember::loadInto(WindowId::Glasses, traits.key);
    traits.unpaid.windowName = QStringLiteral("TfrmDaSaldare");
    traits.unpaid.caption = QStringLiteral(" Riepilogo prescrizioni occhiali non saldate");
    traits.unpaid.line = LineFormat::glassesUnpaid();
    traits.unpaid.rule = [](const RecordView &prescription, const QDate &) { return ListingRules::unpaid(prescription); };
    traits.unpaid.fold = ListFind::Fold::Lower;
    traits.unpaid.printTitle = traits.unpaid.caption.trimmed();
    traits.unpaid.pick = ListMember::loadInto(WindowId::Glasses, traits.key);
    traits.printTemplate = QStringLiteral("PrescrizioneOcchiali.json");
    traits.reportName = QStringLiteral("Prescrizione Occhiali");
    traits.previewWindow = QStringLiteral("TfrmAnteprimaOcchiali");
    traits.printWindow = QStringLiteral("TfrmStampaOcchiali");
    return traits;
}

TfrmOcchiali::TfrmOcchiali(WindowRegistry &registry, QWidget *parent)
    : PrescriptionCard(registry, prescriptionTraits(), parent)
{
    setObjectName(QStringLiteral("frmOcchiali"));
}

} // namespace lumivista
