#include "core/Amount.h"
#include "ClientHistoryList.h"
#include "TfrmClients.h"
#include "archive/CardWindow.h"
#include "archive/ExportHelp.h"
#include "archive/WindowRegistry.h"
#include "core/ArchiveError.h"
#include "core/DateText.h"
#include "core/Messages.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "core/Utf8.h"
#include "platform/MessageService.h"
#include "platform/Services.h"

namespace lumivista {

namespace {

/** The archive a row came from, one letter in the row's "Archivio". */
struct Origin
{
    HistoryEntry::Kind kind;
    const char *letter;
    const RecordLayout &(*layout)();
    WindowId card;
};

const Origin origins[] = {
    {HistoryEntry::Kind::Glasses, "O", &RecordLayout::glasses, WindowId::Glasses},
    {HistoryEntry::Kind::Lenses, "L", &RecordLayout::lenses, WindowId::Lenses},
    {HistoryEntry::Kind::Appointment, "A", &RecordLayout::appointments, WindowId::Appointments},
    {HistoryEntry::Kind::Exam, "E", &RecordLayout::clients, WindowId::Clients},
};

const Origin &originOf(HistoryEntry::Kind kind)
{
    for (const Origin &o : origins)
        if (o.kind == kind)
            return o;
    return origins[0];
}

const Origin *originOf(const QString &letter)
{
    for (const Origin &o : origins)
        if (letter == QLatin1String(o.letter))
            return &o;
    return nullptr;
}

/** What the line shows between the kind and the state. */
QString detail(const HistoryEntry &e)
{
    switch (e.kind) {
    case HistoryEntry::Kind::Glasses:
    case HistoryEntry::Kind::Lenses:
        return s("n. ") + e.number + s("  ") + Text::pad(e.description, 20) + s("  Totale € ") + e.total
            + s("  Saldo € ") + e.balance;
    case HistoryEntry::Kind::Appointment:
        return s("ore ") + e.time + s("  ") + e.description;
    case HistoryEntry::Kind::Exam:
        return e.description.isEmpty() ? QString() : s("Oculista: ") + e.description;
    }
    return QString();
}

} // namespace

const RecordLayout &ClientHistoryList::rowLayout()
{
    static const RecordLayout layout(QString(), {{s("Data"), 10},
                                                 {s("Ora"), 5},
                                                 {s("Tipo"), 20},
                                                 {s("Numero"), 20},
                                                 {s("Descrizione"), 250},
                                                 {s("Totale"), 20},
                                                 {s("Saldo"), 20},
                                                 {s("Stato"), 20},
                                                 {s("Regola"), 20},
                                                 {s("Dettaglio"), 250},
                                                 {s("Archivio"), 1},
                                                 {s("Posizione"), 20}});
    return layout;
}

LineFormat ClientHistoryList::line()
{
    return LineFormat(rowLayout(), {{QString(), s("Data"), 10},
                                    {s("  "), s("Tipo"), 17},
                                    {s("  "), s("Dettaglio"), 66},
                                    {s("  "), s("Stato"), 14},
                                    {s("  Abbinato per: "), s("Regola"), -1}});
}

QList<ExportColumn> ClientHistoryList::columns()
{
    return {{s("Data"), 90, s("Data")},
            {s("Ora"), 60, s("Ora")},
            {s("Tipo"), 130, s("Tipo")},
            {s("Numero"), 90, s("Numero")},
            {s("Descrizione"), 220, s("Descrizione")},
            {s("Totale"), 90, s("Totale")},
            {s("Saldo"), 90, s("Saldo")},
            {s("Stato"), 110, s("Stato")},
            {s("Abbinato per"), 120, s("Regola")}};
}

Record ClientHistoryList::row(const HistoryEntry &e)
{
    Record r(rowLayout());
    r.setValue(s("Data"), e.date);
    r.setValue(s("Ora"), e.time);
    r.setValue(s("Tipo"), HistoryEntry::kindName(e.kind));
    r.setValue(s("Numero"), e.number);
    r.setValue(s("Descrizione"), e.description);
    r.setValue(s("Totale"), e.total);
    r.setValue(s("Saldo"), e.balance);
    r.setValue(s("Stato"), e.state);
    r.setValue(s("Regola"), e.kind == HistoryEntry::Kind::Exam ? s("scheda cliente") : ClientMatch::describe(e.rule));
    r.setValue(s("Dettaglio"), detail(e));
    r.setValue(s("Archivio"), QLatin1String(originOf(e.kind).letter));
    r.setValue(s("Posizione"), QString::number(e.position));
    return r;
}

QString ClientHistoryList::heading(const ClientHistory::Result &h)
{
    QString text = s("Spesa negli ultimi 12 mesi: € ") + Amount::text(h.spent) + s("     Saldo da incassare: € ")
        + Amount::text(h.open) + s("     Ultima visita: ")
        + (h.lastVisit.isValid() ? DateText::write(h.lastVisit) : s("nessuna"));
    if (h.unreadableAmounts == 1)
        text += s("\nUn importo non leggibile è escluso dai totali.");
    else if (h.unreadableAmounts > 1)
        text += s("\n%1 importi non leggibili sono esclusi dai totali.").arg(h.unreadableAmounts);
    return text;
}

ListMember ClientHistoryList::member(TfrmClients &card)
{
    const Record client = card.currentRecord();
    const QString name = client.value(s("Name"));
    ListMember m;
    m.windowName = s("TfrmStorico");
    m.caption = s(" Storico del cliente");
    m.line = line();
    m.fold = ListFind::Fold::Lower;
    m.printTitle = s("Storico del cliente ") + name;
    m.printPreview = true;
    m.pickHint = s("Fare doppio clic su una voce in elenco, o premere Invio, per aprirla nella sua scheda");
    m.rows = [client](const QDate &today) {
        const ClientHistory::Result history = ClientHistory::of(client, today);
        ListMember::Rows rows;
        for (const HistoryEntry &e : history.entries)
            rows.records.append(row(e));
        rows.heading = heading(history);
        rows.failures = history.failures;
        return rows;
    };
    ExportMember &e = m.exportMember;
    e.windowName = s("TfrmExpStorico");
    e.caption = s(" Esportazione storico del cliente in Excel");
    e.layout = &rowLayout();
    e.columns = columns();
    e.fileName = exportFileName();
    e.sheetName = s("Storico Cliente");
    e.helpTitle = s("Esportazione storico del cliente in Excel");
    e.helpText = ExportHelp::list(s("lo storico del cliente"), e.fileName);
    e.initialHint = s("Esportazione dello storico del cliente in Microsoft Excel.");

    // A prescription or an appointment opens on its card; the exam opens over the client card.
    TfrmClients *clientCard = &card;
    m.pick = [clientCard](const WindowRegistry &registry, const QString &, const Record &row, qint64) {
        const Origin *origin = originOf(row.value(s("Archivio")));
        const qint64 position = row.value(s("Posizione")).toLongLong();
        if (!origin || position <= 0)
            return false;
        if (origin->kind == HistoryEntry::Kind::Exam) {
            clientCard->btnHistoryClick();
            return true;
        }
        auto *target = registry.get<CardWindow>(origin->card);
        if (!target)
            return false;
        try {
            const std::optional<Record> record = RecordFile::recordAt(origin->layout(), position);
            if (!record)
                return false;
            // Shown first: a card clears itself when it is shown.
            clientCard->registry().openWorkingWindow(origin->card, clientCard);
            target->loadRecord(*record, position);
            return true;
        } catch (const ArchiveError &error) {
            registry.services().messages.error(Messages::accessFailure(error));
            return false;
        }
    };
    return m;
}

} // namespace lumivista
