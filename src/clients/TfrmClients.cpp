#include "TfrmClients.h"
#include "core/Utf8.h"
#include "archive/ClientSearch.h"
#include "core/ListingRules.h"
#include "archive/PrintConfirmation.h"
#include "platform/ClockService.h"
#include "report/ReportTemplate.h"
#include "ClientHelp.h"
#include "ClientHistoryList.h"
#include "RecallListWindow.h"
#include "archive/RecordListWindow.h"
#include "TfrmCodFisc.h"
#include "ExamMap.h"
#include "TfrmAttachedFolder.h"
#include "TfrmDentalCondition.h"
#include "TfrmPrivacy.h"
#include "archive/TfrmAllegaCartella.h"
#include "TfrmPartitaIva.h"
#include "widgets/Modal.h"
#include <algorithm>
#include "archive/ExportHelp.h"
#include "core/ExportColumns.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "widgets/TypingRules.h"
#include <QLineEdit>
#include <map>

namespace lumivista {

namespace {

/** A visible field: where it sits in its column's grid (6 sub-columns) and how
 *  many characters can be typed. Listed in the Enter cycle's order, which is also
 *  the creation order, so Tab walks the fields as they are seen and as Enter does. */
struct VisibleField
{
    const char *name;
    const char *caption;
    int limit;
    int column;
    int row;
    int cell;
    int span;
};

const VisibleField visibleFields[] = {
    {"Name", "Cognome e nome:", 50, 0, 0, 0, 6},
    {"Gender", "Sesso:", 1, 0, 1, 0, 2},
    {"BirthDate", "Data di nascita:", 10, 0, 1, 2, 4},
    {"BirthPlace", "Luogo di nascita:", 50, 0, 2, 0, 6},
    {"Street", "Via e numero civico:", 250, 0, 3, 0, 6},
    {"City", "Città:", 50, 0, 4, 0, 3},
    {"State", "Prov.", 2, 0, 4, 3, 1},
    {"Zip", "CAP:", 30, 0, 4, 4, 2},
    {"Citizenship", "Cittadinanza:", 50, 0, 5, 0, 6},
    {"TaxNumber", "Codice fiscale:", 16, 0, 6, 0, 6},
    {"SSN", "Partita IVA:", 11, 0, 7, 0, 6},
    {"Email", "E-mail:", 50, 1, 0, 0, 6},
    {"HomePhone", "Telefono:", 30, 1, 1, 0, 6},
    {"MobilePhone", "Cellulare:", 30, 1, 2, 0, 6},
    {"Occupation", "Occupazione:", 50, 1, 3, 0, 6},
    {"Work", "Sede di lavoro:", 250, 1, 4, 0, 6},
    {"Pathologies", "Problemi visivi da vicino:", 250, 1, 5, 0, 6},
    {"Drugs", "Problemi visivi da lontano:", 250, 1, 6, 0, 6},
    {"Allergies", "Occhiali:", 250, 1, 7, 0, 6},
    {"Problems", "Lenti a contatto:", 250, 1, 8, 0, 6},
    {"Issues", "Questioni in sospeso:", 250, 2, 0, 0, 6},
    {"Communication", "Modalità di pagamento:", 250, 2, 1, 0, 6},
    {"Dentist", "Oculista:", 250, 2, 2, 0, 6},
    {"Times", "Orari preferenziali per appuntamenti:", 250, 2, 3, 0, 6},
    {"Status", "Stato dei pagamenti:", 250, 2, 4, 0, 6},
    {"Notes", "Note:", 250, 2, 5, 0, 6},
};

/** The picture buttons at the right end of some edits. */
const std::map<QString, QString> &fieldButtonOf()
{
    static const std::map<QString, QString> buttons = {
        {s("TaxNumber"), s("btnCodFisc")},
        {s("SSN"), s("btnPartitaIva")},
        {s("Email"), s("btnEmail")},
        {s("Issues"), s("icoIssues")},
    };
    return buttons;
}

/** The clients with a pending issue, sorted by name. */
ListMember pendingIssues()
{
    ListMember m;
    m.windowName = s("TfrmListIssues");
    m.caption = s(" Riepilogo questioni in sospeso");
    m.line = LineFormat::pendingIssues();
    m.rule = [](const RecordView &client, const QDate &) { return ListingRules::pendingIssue(client); };
    m.sorted = true;
    m.fold = ListFind::Fold::Lower;
    m.printTitle = s("Riepilogo questioni in sospeso");
    m.pick = ListMember::loadInto(WindowId::Clients, s("clients"));
    return m;
}

CardLayout screenOf(const CardCommands &names)
{
    const StandardCommands standard(names, StandardCommands::Words::Scheda);
    CardLayout l;
    l.topBar = {
        {{standard.newRecord(), standard.duplicate(), standard.save(), standard.find()}},
        {{{s("cmdAttach"), s("Allega"), s("attach"), s("Allega file alla scheda corrente.")},
          {s("cmdPrint"), s("Stampa"), s("print"), s("Stampa la scheda corrente.")}}},
        {standard.navigation()},
        // The notice and the help text send the user to "the yellow triangle" for this list.
        {{standard.exportArchive(),
          {s("cmdDefaulting"), s("In sospeso"), s("issues"),
           s("Visualizza il riepilogo delle questioni in sospeso con i clienti.")},
          {s("cmdRichiami"), s("Richiami"), s("recall"),
           s("Visualizza i clienti da richiamare per un controllo della vista.")}}},
        {{standard.help(), standard.close()}},
    };
    CommandBox side;
    side.column = true;
    side.pictureName = s("imgCliente");
    side.picture = s("client");
    side.commands = {
        {s("btnCondition"), s("Privacy"), s("privacy"),
         s("Stampa la liberatoria per il consenso al trattamento dei dati personali.")},
        {s("btnHistory"), s("Esame"), s("exam"), s("Registra o modifica l'esame optometrico più recente del cliente.")},
        {s("btnStorico"), s("Storico"), s("history"),
         s("Visualizza lo storico del cliente: prescrizioni, appuntamenti ed esame optometrico.")},
        {s("btnFolder"), s("Cartella"), s("folder"), s("Apri la cartella associata al cliente.")},
    };
    l.fieldCommands = {
        {s("btnCodFisc"), s("Codice fiscale"), s("taxcode"), s("Controlla il codice fiscale.")},
        {s("btnPartitaIva"), s("Partita IVA"), s("vat"), s("Controlla il numero di partita IVA.")},
        {s("btnEmail"), s("E-mail"), s("mail"), s("Invia e-mail al cliente.")},
        {s("icoIssues"), s("Questioni in sospeso"), s("info"), s("Informazioni sulle questioni in sospeso con il cliente.")},
    };

    Band band;
    band.packLeft = true;
    band.stacks.append(Stack{{side}});
    FieldBox columns[3];
    for (FieldBox &box : columns) {
        box.width = 370;
        box.stretch = {1, 1, 1, 1, 1, 1};
    }
    for (const VisibleField &f : visibleFields) {
        QList<Row> &rows = columns[f.column].rows;
        while (rows.size() <= f.row)
            rows.append(Row());
        Cell cell = Cell::edit(QLatin1String("txt") + QLatin1String(f.name), s(f.caption), f.cell, f.span);
        cell.limit = f.limit;
        if (const auto it = fieldButtonOf().find(QLatin1String(f.name)); it != fieldButtonOf().end())
            cell.withButton(it->second);
        rows[f.row].cells.append(cell);
    }
    for (const FieldBox &box : columns)
        band.stacks.append(Stack{{box}});
    l.bands = {band};

    // The exam and the attachments travel with the record through hidden controls.
    l.hidden << ExamMap::fieldOrder() << TfrmAllegaCartella::cardLabels();
    return l;
}

} // namespace

CardDefinition TfrmClients::cardDefinition()
{
    CardDefinition d;
    d.layout = &RecordLayout::clients();
    d.caption = s(" Lumivista - Anagrafica Clienti");
    d.initialHint = s("Pronto per registrare una nuova scheda...");
    d.commands = {s("cmdNew"), s("cmdDuplicate"), s("cmdSave"), s("cmdFind"), s("cmdFirst"), s("cmdPrevious"),
                  s("cmdNext"), s("cmdLast"), s("cmdHelp"), s("cmdClose"), s("cmdExport")};
    d.screen = screenOf(d.commands);
    d.required = {
        {s("txtName"), s("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.")},
        {s("txtMobilePhone"),
         s("Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.")},
    };
    for (const VisibleField &f : visibleFields)
        d.enterCycle << QLatin1String("txt") + QLatin1String(f.name);
    d.digitOnly = {s("txtMobilePhone"), s("txtSSN")};
    d.duplicateClears << ExamMap::fieldOrder() << TfrmAllegaCartella::cardLabels();
    d.focusOnNew = s("txtName");
    d.duplicateRefusal = s("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                           "stata inserita in archivio.");
    d.helpTitle = ClientHelp::title();
    d.helpText = ClientHelp::text();
    ExportMember &e = d.exportMember;
    e.windowName = s("TfrmExpClients");
    e.caption = s(" Esportazione archivio clienti in Excel");
    e.layout = d.layout;
    e.columns = ExportColumns::clients();
    e.fileName = s("Riepilogo_Clienti.xls");
    e.sheetName = s("Riepilogo Clienti");
    e.helpTitle = s("Esportazione archivio clienti in Excel");
    e.helpText = ExportHelp::archive(s("dei clienti"), e.fileName);
    d.key = s("clients");
    d.lists = {{s("cmdFind"), ClientSearch::member()},
               {s("cmdDefaulting"), pendingIssues()},
               {s("cmdRichiami"), RecallListWindow::member()}};
    return d;
}

TfrmClients::TfrmClients(WindowRegistry &registry, QWidget *parent)
    : CardWindow(registry, cardDefinition(), parent)
{
    setObjectName(s("frmClients"));
    // Province, gender and tax code are always capitals; an e-mail address never
    // carries blanks at its ends.
    for (const char *name : {"txtGender", "txtState", "txtTaxNumber"})
        TypingRules::keepUpperCase(control<QLineEdit>(s(name)));
    TypingRules::keepTrimmed(control<QLineEdit>(s("txtEmail")));
    onClick(s("btnEmail"), &TfrmClients::btnEmailClick);
    onClick(s("btnCodFisc"), &TfrmClients::btnCodFiscClick);
    onClick(s("btnPartitaIva"), &TfrmClients::btnPartitaIvaClick);
    onClick(s("icoIssues"), &TfrmClients::icoIssuesClick);
    onClick(s("cmdPrint"), &TfrmClients::cmdPrintClick);
    onClick(s("btnHistory"), &TfrmClients::btnHistoryClick);
    onClick(s("btnStorico"), &TfrmClients::btnStoricoClick);
    onClick(s("btnCondition"), &TfrmClients::btnConditionClick);
    onClick(s("btnFolder"), &TfrmClients::btnFolderClick);
    connect(button(s("cmdAttach")), &QToolButton::clicked, this,
            [this] { TfrmAllegaCartella::run(this->registry(), s("clients"), this); });
}

void TfrmClients::btnConditionClick()
{
    Modal::run(new TfrmPrivacy(services(), *this, this));
}

void TfrmClients::btnFolderClick()
{
    if (position().isEmpty()) {
        services().messages.warning(s("Attenzione: l'abbinamento di una cartella ad un cliente può avvenire soltanto "
                                      "dopo che la scheda è stata inserita in archivio."));
        return;
    }
    Modal::run(new TfrmAttachedFolder(services(), position(), this));
}

void TfrmClients::btnHistoryClick()
{
    // The exam travels with the record: it needs a stored card with a name.
    if (position().isEmpty()) {
        services().messages.warning(s("Attenzione: salvare la scheda del cliente prima di accedere alla schermata "
                                      "dell'esame optometrico."));
        return;
    }
    if (DocumentPrint::shown(this, s("txtName")).isEmpty()) {
        services().messages.warning(s("Attenzione: compilare il campo relativo al nome del cliente prima di accedere "
                                      "alla schermata dell'esame optometrico."));
        focusControl(s("txtName"));
        return;
    }
    Modal::run(new TfrmDentalCondition(services(), *this, this));
}

void TfrmClients::btnStoricoClick()
{
    // The history gathers by the client's stored data: a card never saved has none yet.
    if (position().isEmpty()) {
        services().messages.warning(s("Attenzione: salvare la scheda del cliente prima di accedere allo storico."));
        return;
    }
    if (DocumentPrint::shown(this, s("txtName")).isEmpty()) {
        services().messages.warning(s("Attenzione: compilare il campo relativo al nome del cliente prima di accedere "
                                      "allo storico."));
        focusControl(s("txtName"));
        return;
    }
    RecordListWindow::run(registry(), ClientHistoryList::member(*this), s("storico"), this);
}

DocumentPrint TfrmClients::printout() const
{
    DocumentPrint document;
    document.templateFile = s("SchedaCliente.json");
    document.fileStem = Text::trim(s("Scheda Cliente ") + DocumentPrint::shown(this, s("txtName")));
    document.fill = [this](ReportTemplate &report) {
        static const char *const printed[] = {
            "txtName",        "txtGender",     "txtBirthDate",  "txtBirthPlace",  "txtStreet",     "txtCity",
            "txtState",       "txtZip",        "txtCitizenship", "txtTaxNumber",  "txtSSN",        "txtEmail",
            "txtHomePhone",   "txtMobilePhone", "txtOccupation", "txtWork",       "txtPathologies", "txtDrugs",
            "txtAllergies",   "txtProblems",   "txtIssues",     "txtCommunication", "txtDentist",  "txtTimes",
            "txtStatus",      "txtNotes"};
        QStringList names;
        for (const char *name : printed)
            names << QLatin1String(name);
        DocumentPrint::fillSameNames(report, this, names);
        report.setText(s("txtCalce"), DocumentPrint::printedAt(s("Scheda stampata in data "), services().clock.now()));
    };
    return document;
}

void TfrmClients::cmdPrintClick()
{
    Modal::run(new PrintConfirmation(services(), s("TfrmPrintClient"), DocumentPrinter::Mode::Print, printout(), this));
}

void TfrmClients::btnCodFiscClick()
{
    // A code of digits only is a VAT number typed in the tax code's place.
    const QString code = Text::trim(FieldBinder::text(field(s("txtTaxNumber"))));
    const bool digits = !code.isEmpty() && std::all_of(code.begin(), code.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (digits)
        Modal::run(new TfrmPartitaIva(services(), code, this));
    else
        Modal::run(new TfrmCodFisc(services(), code, this));
}

void TfrmClients::btnPartitaIvaClick()
{
    Modal::run(new TfrmPartitaIva(services(), Text::trim(FieldBinder::text(field(s("txtSSN")))), this));
}

void TfrmClients::btnEmailClick()
{
    const QString address = Text::trim(FieldBinder::text(field(s("txtEmail"))));
    services().shell.open(QLatin1Char('"') + s("mailto:") + address + QLatin1Char('"'));
}

void TfrmClients::icoIssuesClick()
{
    services().messages.information(
        s("Descrivere eventuali questioni in sospeso con il cliente in questo campo di testo.\n\r\n\r"
          "Se non ci sono questioni in sospeso, lasciare vuoto il campo.\n\r\n\r"
          "Premere il pulsante con l'icona del triangolo giallo per visualizzare l'elenco di tutte le "
          "questioni in sospeso."));
    focusControl(s("txtIssues"));
}

} // namespace lumivista
