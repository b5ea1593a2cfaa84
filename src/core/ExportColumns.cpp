#include "ExportColumns.h"
#include "Utf8.h"

namespace lumivista {

namespace {
} // namespace

QList<ExportColumn> ExportColumns::clients()
{
    return {
        {s("Cliente"), 300, s("Name")},
        {s("Sesso"), 100, s("Gender")},
        {s("Data di nascita"), 200, s("BirthDate")},
        {s("Luogo di nascita"), 250, s("BirthPlace")},
        {s("Indirizzo e numero civico"), 400, s("Street")},
        {s("Città"), 250, s("City")},
        {s("Prov."), 150, s("State")},
        {s("Cittadinanza"), 250, s("Citizenship")},
        {s("Codice fiscale"), 250, s("TaxNumber")},
        {s("Partita IVA"), 250, s("SSN")},
        {s("E-mail"), 250, s("Email")},
        {s("Telefono"), 200, s("HomePhone")},
        {s("Cellulare"), 250, s("MobilePhone")},
        {s("Occupazione"), 250, s("Occupation")},
        {s("Sede di lavoro"), 400, s("Work")},
        {s("Problemi visivi da vicino"), 400, s("Pathologies")},
        {s("Problemi visivi da lontano"), 400, s("Drugs")},
        {s("Occhiali"), 400, s("Allergies")},
        {s("Lenti a contatto"), 400, s("Problems")},
        {s("Questioni in sospeso"), 400, s("Issues")},
        {s("Modalità di pagamento"), 400, s("Communication")},
        {s("Oculista"), 400, s("Dentist")},
        {s("Orari preferenziali"), 400, s("Times")},
        {s("Stato dei pagamenti"), 300, s("Status")},
        {s("Note"), 400, s("Notes")},
    };
}

QList<ExportColumn> ExportColumns::prescriptions(PrescriptionKind kind)
{
    const bool glasses = kind == PrescriptionKind::Glasses;
    const auto pick = [glasses](const char *eyeglass, const char *lens) { return s(glasses ? eyeglass : lens); };
    const int w = glasses ? 250 : 280;
    return {
        {s("Prescrizione n."), 180, s("NumPre")},
        {s("Data emissione"), 180, s("Data")},
        {s("Cliente"), 300, s("ClienteRigo01")},
        {s("Indirizzo"), 350, s("ClienteRigo02")},
        {s("Città"), 300, s("ClienteRigo03")},
        {s("Codice fiscale"), 220, s("ClienteRigo04")},
        {s("Cellulare"), 220, s("ClienteRigo05")},
        {pick("Tipo occhiali", "Prescrittore"), 250, s("TipoOc")},
        {pick("Uso", "Durata lenti"), 250, s("Uso")},
        {s("Data consegna"), 180, s("Consegna")},
        {s("Modalità di pagamento"), 300, s("Modalita")},
        {pick("Fabbricante montatura", "Tipo contenitore"), w, s("Montatura01")},
        {pick("Modello montatura", "Liquido conservazione"), w, s("Montatura02")},
        {pick("Calibro montatura", "Liquido detergente"), w, s("Montatura03")},
        {pick("Colore montatura", "Liquido risciacquante"), w, s("Montatura04")},
        {pick("Materiale montatura", "Altro"), w, s("Montatura07")},
        {pick("Fabbricante lente DX", "Nome lente DX"), w, s("LenteDX01")},
        {pick("Tipo o indice lente DX", "Fabbricante lente DX"), w, s("LenteDX02")},
        {pick("Colorazione lente DX", "Materiale lente DX"), w, pick("LenteDX05", "LenteDX09")},
        {pick("Materiale lente DX", "Colore lente DX"), w, pick("LenteDX07", "LenteDX10")},
        {s("Note"), 400, s("Note")},
        {s("Anticipo"), 220, s("Finale")},
        {s("Saldo"), 220, s("Totale")},
        {s("Totale"), 220, s("Dovuto")},
        {s("Saldato"), 180, s("Saldato")},
    };
}

QList<ExportColumn> ExportColumns::appointments(Appointments variant)
{
    QList<ExportColumn> columns = {
        {s("Data appuntamento"), 180, s("Data")},
        {s("Ora"), 150, s("Ora")},
        {s("Ottico assegnato"), 280, s("Tipologia")},
        {s("Motivo appuntamento"), 400, s("Causale")},
        {s("Dettagli"), 400, s("Dettagli")},
        {s("Cliente"), 300, s("Contatto")},
        {s("Telefono"), 200, s("Tel")},
        {s("Cellulare"), 200, s("Cel")},
        {s("E-mail"), 250, s("Email")},
        {s("Modalità di pagamento"), 300, s("Luogo")},
        {s("Importo"), 200, s("Importo")},
        {s("Impegno assolto"), 200, s("Ottemperata")},
        {s("Note"), 400, s("Note")},
    };
    if (variant == Appointments::Archive)
        return columns;
    if (variant == Appointments::AgendaMonth) {
        columns[2].gridHeader = columns[2].header;
        columns[2].header = s("Ottico asegnato");
    }
    columns.append({s("Codice univoco"), 150, keyField()});
    return columns;
}

} // namespace lumivista
