#include "TfrmClients.h"
#include "ClientHelp.h"
#include "archive/LengthValidator.h"
#include "archive/PictureButton.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSvgWidget>
#include <QVBoxLayout>

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

/** Buttons that sit at the right end of a field's edit. */
struct FieldButton
{
    const char *field;
    CommandDef command;
};

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QList<FieldButton> fieldButtons()
{
    return {
        {"TaxNumber", {s("btnCodFisc"), s("Codice fiscale"), s("taxcode"), s("Controlla il codice fiscale."), false}},
        {"SSN", {s("btnPartitaIva"), s("Partita IVA"), s("vat"), s("Controlla il numero di partita IVA."), false}},
        {"Email", {s("btnEmail"), s("E-mail"), s("mail"), s("Invia e-mail al cliente."), true}},
        {"Issues", {s("icoIssues"), s("Questioni in sospeso"), s("info"),
                    s("Informazioni sulle questioni in sospeso con il cliente."), true}},
    };
}

QList<CommandDef> sideButtons()
{
    return {
        {s("btnCondition"), s("Privacy"), s("privacy"),
         s("Stampa la liberatoria per il consenso al trattamento dei dati personali."), false},
        {s("btnHistory"), s("Esame"), s("exam"),
         s("Registra o modifica l'esame optometrico più recente del cliente."), false},
        {s("btnFolder"), s("Cartella"), s("folder"), s("Apri la cartella associata al cliente."), false},
    };
}

QStringList hiddenExamFields()
{
    QStringList names = {s("DataEsame"), s("Oculista"), s("Eta")};
    for (int k = 1; k <= 67; ++k)
        names << QStringLiteral("Dente%1").arg(k, 2, 10, QLatin1Char('0'));
    return names;
}

QStringList attachmentFields()
{
    return {s("File01"), s("File02"), s("File03"), s("Desc01"), s("Desc02"), s("Desc03")};
}

} // namespace

CardDefinition TfrmClients::cardDefinition()
{
    CardDefinition d;
    d.layout = &RecordLayout::clients();
    d.caption = s(" Lumivista - Anagrafica Clienti");
    d.initialHint = s("Pronto per registrare una nuova scheda...");
    d.commands = {s("cmdNew"), s("cmdDuplicate"), s("cmdSave"), s("cmdFind"), s("cmdFirst"),
                  s("cmdPrevious"), s("cmdNext"), s("cmdLast"), s("cmdHelp"), s("cmdClose")};
    d.toolbar = {
        {
            {s("cmdNew"), s("Nuovo"), s("new"), s("Prepara la schermata per la registrazione di una nuova scheda.")},
            {s("cmdDuplicate"), s("Duplica"), s("duplicate"),
             s("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.")},
            {s("cmdSave"), s("Salva"), s("save"), s("Salva la scheda corrente.")},
            {s("cmdFind"), s("Trova"), s("find"), s("Trova schede in archivio."), false},
        },
        {
            {s("cmdAttach"), s("Allega"), s("attach"), s("Allega file alla scheda corrente."), false},
            {s("cmdPrint"), s("Stampa"), s("print"), s("Stampa la scheda corrente."), false},
        },
        {
            {s("cmdFirst"), s("Primo"), s("first"), s("Visualizza la prima scheda in archivio.")},
            {s("cmdPrevious"), s("Indietro"), s("previous"), s("Visualizza la scheda precedente in archivio.")},
            {s("cmdNext"), s("Avanti"), s("next"), s("Visualizza la scheda successiva in archivio.")},
            {s("cmdLast"), s("Ultimo"), s("last"), s("Visualizza l'ultima scheda in archivio.")},
        },
        {
            {s("cmdExport"), s("Esporta"), s("export"), s("Esporta l'archivio in un file di Excel."), false},
            // The notice and the help text send the user to "the yellow triangle" for this list.
            {s("cmdDefaulting"), s("In sospeso"), s("issues"),
             s("Visualizza il riepilogo delle questioni in sospeso con i clienti."), false},
        },
        {
            {s("cmdHelp"), s("Guida"), s("help"), s("Visualizza la guida in linea.")},
            {s("cmdClose"), s("Esci"), s("exit"), s("Esci da questa schermata di lavoro.")},
        },
    };
    d.required = {
        {s("txtName"), s("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.")},
        {s("txtMobilePhone"),
         s("Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.")},
    };
    for (const char *name : {"Name", "Gender", "BirthDate", "BirthPlace", "Street", "City", "State", "Zip",
                             "Citizenship", "TaxNumber", "SSN", "Email", "HomePhone", "MobilePhone", "Occupation",
                             "Work", "Pathologies", "Drugs", "Allergies", "Problems", "Issues", "Communication",
                             "Dentist", "Times", "Status", "Notes"})
        d.enterCycle << QLatin1String("txt") + QLatin1String(name);
    d.digitOnly = {s("txtMobilePhone"), s("txtSSN")};
    for (const QString &name : hiddenExamFields())
        d.duplicateClears << QLatin1String("txt") + name;
    for (const QString &name : attachmentFields())
        d.duplicateClears << QLatin1String("lbl") + name;
    d.focusOnNew = s("txtName");
    d.duplicateRefusal = s("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                           "stata inserita in archivio.");
    d.helpTitle = ClientHelp::title();
    d.helpText = ClientHelp::text();
    return d;
}

TfrmClients::TfrmClients(AppContext &context, QWidget *parent)
    : CardWindow(context, cardDefinition(), parent)
{
    setObjectName(s("frmClients"));
    buildFields();
    bindFields();
    applyTypingRules();
    connect(button(s("btnEmail")), &QToolButton::clicked, this, &TfrmClients::btnEmailClick);
    connect(button(s("icoIssues")), &QToolButton::clicked, this, &TfrmClients::icoIssuesClick);
}

void TfrmClients::buildFields()
{
    auto *row = new QHBoxLayout(fieldsArea());
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    // Left: the client picture above the three function buttons.
    auto *side = new QFrame(fieldsArea());
    side->setProperty("toolbarGroup", true);
    addBackground(side);
    auto *sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(6, 10, 6, 10);
    auto *picture = new QSvgWidget(s(":/icons/client.svg"), side);
    picture->setObjectName(s("imgCliente"));
    picture->setFixedSize(56, 56);
    sideColumn->addWidget(picture, 0, Qt::AlignHCenter);
    sideColumn->addSpacing(8);
    for (const CommandDef &cmd : sideButtons()) {
        auto *b = new PictureButton(cmd.name, cmd.caption, cmd.icon, cmd.hint, side);
        b->setEnabled(cmd.enabled);
        b->setMinimumWidth(70);
        setHint(b, cmd.hint);
        sideColumn->addWidget(b, 0, Qt::AlignHCenter);
    }
    sideColumn->addStretch(1);
    row->addWidget(side);

    QGridLayout *grids[3];
    for (int c = 0; c < 3; ++c) {
        auto *box = new QFrame(fieldsArea());
        box->setProperty("fieldGroup", true);
        box->setFixedWidth(370);
        addBackground(box);
        grids[c] = new QGridLayout(box);
        grids[c]->setContentsMargins(10, 8, 10, 8);
        grids[c]->setHorizontalSpacing(8);
        grids[c]->setVerticalSpacing(2);
        for (int k = 0; k < 6; ++k)
            grids[c]->setColumnStretch(k, 1);
        row->addWidget(box, 0);
    }

    const QList<FieldButton> buttons = fieldButtons();
    for (const VisibleField &f : visibleFields) {
        QWidget *box = grids[f.column]->parentWidget();
        QLineEdit *edit = newEdit(box, QLatin1String("txt") + QLatin1String(f.name), f.limit);
        QLabel *label = captionFor(edit, s(f.caption), box);
        grids[f.column]->addWidget(label, f.row * 2, f.cell, 1, f.span);
        QWidget *cell = edit;
        for (const FieldButton &fb : buttons) {
            if (QLatin1String(fb.field) == QLatin1String(f.name))
                cell = withButton(edit, fb.command);
        }
        grids[f.column]->addWidget(cell, f.row * 2 + 1, f.cell, 1, f.span);
    }
    for (auto *grid : grids)
        grid->setRowStretch(grid->rowCount(), 1);
    row->addStretch(1);

    // Fields kept with the record but not shown: the latest exam and the attachments.
    auto *panFields = new QWidget(this);
    panFields->setObjectName(s("panFields"));
    panFields->setVisible(false);
    for (const QString &name : hiddenExamFields()) {
        auto *edit = new QLineEdit(panFields);
        edit->setObjectName(QLatin1String("txt") + name);
    }
    for (const QString &name : attachmentFields()) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String("lbl") + name);
        label->setVisible(false);
    }
}

void TfrmClients::applyTypingRules()
{
    // Province, gender and tax code are always capitals; an e-mail address never
    // carries blanks at its ends. Applied on every change so what is seen is stored.
    const auto rule = [](QLineEdit *edit, QString (*transform)(const QString &)) {
        connect(edit, &QLineEdit::textChanged, edit, [edit, transform](const QString &text) {
            const QString wanted = transform(text);
            if (wanted == text)
                return;
            const int cursor = edit->cursorPosition();
            edit->setText(wanted);
            edit->setCursorPosition(qMin(cursor, int(wanted.size())));
        });
    };
    const auto upper = [](const QString &text) {
        QString out = Text::trim(text);
        for (QChar &c : out) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = QChar(c.unicode() - 'a' + 'A');
        }
        return out;
    };
    for (const char *name : {"txtGender", "txtState", "txtTaxNumber"})
        rule(findChild<QLineEdit *>(s(name)), upper);
    rule(findChild<QLineEdit *>(s("txtEmail")), [](const QString &text) { return Text::trim(text); });
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
