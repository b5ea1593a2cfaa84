#include "ClientSearch.h"
#include "core/Utf8.h"
#include "archive/HandOver.h"
#include "core/Text.h"

namespace lumivista {

QStringList ClientSearch::importValues(const QString &key, const Record &client)
{
    auto v = [&](const char *field) { return Text::trim(client.value(QLatin1String(field))); };
    if (key == QLatin1String("occhiali") || key == QLatin1String("lenti"))
        return {v("Name"), v("Street"), v("Zip") + QLatin1Char(' ') + v("City") + QLatin1Char(' ') + v("State"),
                v("TaxNumber"), v("MobilePhone")};
    if (key == QLatin1String("scadenze"))
        return {v("Name"), v("HomePhone"), v("MobilePhone"), v("Email"), v("Communication")};
    return {};
}

ListMember ClientSearch::member()
{
    ListMember m;
    m.windowName = s("TfrmFindClients");
    m.caption = s(" Trova clienti in archivio");
    m.line = LineFormat::clientSearch();
    m.filters = {{s("txtName"), s("Cognome e nome:"), s("Name")},
                 {s("txtTaxNumber"), s("Codice fiscale:"), s("TaxNumber")},
                 {s("txtStreet"), s("Via e numero civico:"), s("Street")},
                 {s("txtCity"), s("Città:"), s("City")},
                 {s("txtSSN"), s("Partita IVA:"), s("SSN")},
                 {s("txtAllergies"), s("Occhiali:"), s("Allergies")},
                 {s("txtDentist"), s("Oculista:"), s("Dentist")},
                 {s("txtTimes"), s("Orari preferenziali per appuntamenti:"), s("Times")},
                 {s("txtStatus"), s("Stato dei pagamenti:"), s("Status")},
                 {s("txtNotes"), s("Note:"), s("Notes")}};
    m.firstFocus = s("txtName");
    m.sorted = true;
    m.printTitle = s("Riepilogo clienti in archivio");
    m.pickHint = s("Fare doppio clic sulla voce in elenco per richiamare la scheda");
    const auto loadClient = ListMember::loadInto(WindowId::Clients, s("clients"));
    m.pick = [loadClient](const WindowRegistry &registry, const QString &key, const Record &record, qint64 position) {
        if (key == QLatin1String("clients"))
            return loadClient(registry, key, record, position);
        const QStringList values = importValues(key, record);
        return !values.isEmpty() && HandOver::deliver(registry, key, values);
    };
    return m;
}

} // namespace lumivista
