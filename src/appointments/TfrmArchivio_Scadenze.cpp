#include "TfrmArchivio_Scadenze.h"
#include "core/Utf8.h"
#include "archive/ClientSearch.h"
#include "core/AppointmentRules.h"
#include "core/ListingRules.h"
#include "archive/PrintConfirmation.h"
#include "platform/ClockService.h"
#include "report/ReportTemplate.h"
#include "AppointmentHelp.h"
#include "archive/ExportHelp.h"
#include "archive/HandOver.h"
#include "core/ExportColumns.h"
#include "core/Amount.h"
#include "core/KeyRules.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "core/WhatsAppLink.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "widgets/TfrmCalendario.h"
#include "widgets/Modal.h"
#include "widgets/TypingRules.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace lumivista {

namespace {

const QString timeDefault = QStringLiteral("00");

/** The picture button at the right end of some edits. */
const QList<std::pair<QString, QString>> &fieldButtons()
{
    static const QList<std::pair<QString, QString>> buttons = {
        {s("txtData"), s("impData")},
        {s("txtContatto"), s("impContatto")},
        {s("txtCel"), s("btnWhatsApp")},
        {s("txtEmail"), s("btnEmail")},
    };
    return buttons;
}

Cell field(const char *name, const char *caption, int limit, int column = 0, int span = 1)
{
    Cell cell = Cell::edit(s(name), s(caption), column, span);
    cell.limit = limit;
    for (const auto &[edit, button] : fieldButtons()) {
        if (edit == cell.name)
            cell.withButton(button);
    }
    return cell;
}

Cell timeList(const char *name, const char *caption, int items, int column)
{
    Cell cell = Cell::of(Cell::Kind::Time, s(name), s(caption), column).fixedWidth(64);
    cell.limit = items;
    return cell;
}

ListMember appointmentSearch()
{
    ListMember m;
    m.windowName = s("TfrmTrovaScadenze");
    m.caption = s(" Trova appuntamenti in archivio");
    m.line = LineFormat::appointments();
    m.filters = {{s("txtData"), s("Data appuntamento (gg/mm/aaaa):"), s("Data")},
                 {s("txtOra"), s("Ora (hh:mm):"), s("Ora")},
                 {s("txtTipologia"), s("Ottico assegnato:"), s("Tipologia")},
                 {s("txtCausale"), s("Motivo appuntamento:"), s("Causale")},
                 {s("txtDettagli"), s("Dettagli:"), s("Dettagli")},
                 {s("txtContatto"), s("Cognome e nome cliente:"), s("Contatto")},
                 {s("txtTel"), s("Telefono:"), s("Tel")},
                 {s("txtCel"), s("Cellulare:"), s("Cel")},
                 {s("txtLuogo"), s("Modalità di pagamento:"), s("Luogo")},
                 {s("txtNote"), s("Note:"), s("Note")}};
    m.firstFocus = s("txtData");
    m.printTitle = s("Riepilogo appuntamenti in archivio");
    m.pickHint = s("Fare doppio clic sulla voce in elenco per richiamare la scheda");
    m.pick = ListMember::loadInto(WindowId::Appointments, s("scadenze"));
    return m;
}

/** The three appointment lists differ only in their rule, window and title. */
ListMember appointmentList(const char *window, const char *caption,
                           std::function<bool(const RecordView &, const QDate &)> rule)
{
    ListMember m;
    m.windowName = s(window);
    m.caption = s(caption);
    m.line = LineFormat::appointments();
    m.rule = std::move(rule);
    m.fold = ListFind::Fold::Lower;
    m.printTitle = Text::trim(m.caption);
    m.pick = ListMember::loadInto(WindowId::Appointments, s("scadenze"));
    return m;
}

CardLayout screenOf(const CardCommands &names)
{
    const StandardCommands standard(names, StandardCommands::Words::Scheda);
    CardLayout l;
    CommandDef exportArchive = standard.exportArchive();
    exportArchive.caption = s("Esporta archivio");
    // The commands stand in a column beside the fields, not in a top bar.
    QList<CommandBox> column = {
        {{standard.newRecord(), standard.duplicate(), standard.save(), standard.find()}},
        {{{s("cmdAnteprima"), s("Anteprima"), s("preview"), s("Visualizza l'anteprima di stampa della scheda corrente.")},
          {s("cmdStampa"), s("Stampa"), s("print"), s("Stampa la scheda corrente.")}}},
        {{{s("cmdAssolti"), s("Assolti"), s("list"), s("Visualizza il riepilogo degli impegni assolti.")},
          {s("cmdDaAssolvere"), s("Da assolvere"), s("list"),
           s("Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non.")},
          {s("cmdScaduti"), s("Scaduti"), s("list"), s("Visualizza il riepilogo degli impegni scaduti e non assolti.")},
          exportArchive}},
        {{standard.help(), standard.close()}},
    };
    Stack commands;
    for (CommandBox &box : column) {
        box.column = true;
        commands.boxes.append(box);
    }
    commands.boxes.append(Spring());

    l.fieldCommands = {
        {s("impData"), s("Calendario"), s("calendar"), s("Importa la data dal calendario.")},
        {s("impContatto"), s("Importa cliente"), s("import"), s("Importa i dati dall'archivio dei clienti.")},
        {s("btnWhatsApp"), s("WhatsApp"), s("whatsapp"), s("Invia conferma appuntamento al cliente tramite WhatsApp.")},
        {s("btnEmail"), s("E-mail"), s("mail"), s("Invia una e-mail all'indirizzo indicato.")},
    };

    FieldBox when;
    when.title = s("SCHEDA APPUNTAMENTO");
    when.width = 460;
    Cell colon = Cell::label(s(":"), 2);
    colon.name = s("lblDuePunti");
    when.rows = {{{field("txtData", "Data appuntamento:", 10).fixedWidth(110).readOnlyField(),
                   timeList("txtOreApp", "Ore:", 24, 1), colon, timeList("txtMinutiApp", "Minuti:", 60, 3),
                   field("txtAvviso", "Giorni di preavviso:", 3, 4).fixedWidth(60)}}};
    when.stretch = {0, 0, 0, 0, 0, 1};
    FieldBox what;
    what.title = s("DESCRIZIONE SERVIZI");
    what.width = 460;
    what.rows = {{{field("txtTipologia", "Ottico assegnato:", 50)}},
                 {{field("txtCausale", "Motivo appuntamento:", 250)}},
                 {{field("txtDettagli", "Dettagli:", 250)}}};
    FieldBox notes;
    notes.title = s("NOTE");
    notes.width = 460;
    // The section heading is the notes' label.
    notes.titleLabels = s("txtNote");
    Cell fulfilled = Cell::of(Cell::Kind::Check, s("chkOttemperata"), s("Impegno assolto"));
    fulfilled.hint = s("Spunta questa casella per indicare che l'impegno è stato assolto.");
    Cell reminder = Cell::label(s("Ricordarsi di spuntare la casella Impegno assolto nel momento in cui si è "
                                  "ottemperato allo stesso così da rimuoverlo dagli appuntamenti imminenti."));
    reminder.name = s("lblPromemoria");
    reminder.wrap = true;
    notes.rows = {{{field("txtNote", "", 250).named(s("Note"))}}, {{fulfilled}}, {{reminder}}};

    FieldBox who;
    who.title = s("DATI CLIENTE");
    who.width = 460;
    who.rows = {{{field("txtContatto", "Cognome e nome:", 50, 0, 2)}},
                {{field("txtTel", "Telefono:", 30, 0), field("txtCel", "Cellulare:", 30, 1)}},
                {{field("txtEmail", "E-mail:", 50, 0, 2)}},
                {{field("txtLuogo", "Modalità di pagamento:", 250, 0, 2)}},
                {{field("txtImporto", "Importo:", 15, 0).fixedWidth(120).amount()}}};
    who.stretch = {1, 1};
    // Bottom right: the navigation strip around the position label.
    CommandBox navigation{standard.navigation()};
    navigation.alignRight = true;

    Band band;
    band.packLeft = true;
    band.stacks = {commands, Stack{{when, what, notes, Spring()}}, Stack{{who, Spring(), navigation}}};
    l.bands = {band};
    // Ora is kept with the record but built at each save, not typed.
    l.hidden = {s("lblOra")};
    return l;
}

} // namespace

CardDefinition TfrmArchivio_Scadenze::cardDefinition()
{
    CardDefinition d;
    d.layout = &RecordLayout::appointments();
    d.caption = s(" Lumivista - Schedario Appuntamenti");
    d.initialHint = s("Pronto per registrare una nuova scheda...");
    d.commands = {s("cmdNuovo"), s("cmdDuplica"), s("cmdSalva"), s("cmdTrova"), s("cmdPrimo"), s("cmdIndietro"),
                  s("cmdAvanti"), s("cmdUltimo"), s("cmdGuida"), s("cmdEsci"), s("cmdEsporta")};
    d.screen = screenOf(d.commands);
    d.required = {
        {s("txtData"), s("Attenzione: per salvare la scheda è necessario indicare la data dell'appuntamento.")},
        {s("txtAvviso"), s("Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso rispetto "
                           "alla data dell'appuntamento.")},
        {s("txtCausale"), s("Attenzione: per salvare la scheda è necessario indicare il motivo dell'appuntamento.")},
        {s("txtContatto"), s("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.")},
        {s("txtCel"),
         s("Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.")},
    };
    d.enterCycle = {s("txtData"), s("txtOreApp"), s("txtMinutiApp"), s("txtAvviso"), s("txtTipologia"),
                    s("txtCausale"), s("txtDettagli"), s("txtContatto"), s("txtTel"), s("txtCel"),
                    s("txtEmail"), s("txtLuogo"), s("txtImporto"), s("txtNote")};
    d.digitOnly = {s("txtAvviso"), s("txtCel")};
    d.duplicateClears = {s("txtData"), s("txtOreApp"), s("txtMinutiApp")};
    d.focusOnNew = s("txtData");
    d.duplicateRefusal = s("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                           "stata inserita in archivio.");
    d.helpTitle = AppointmentHelp::title();
    d.helpText = AppointmentHelp::text();
    ExportMember &e = d.exportMember;
    e.windowName = s("TfrmExpScadenzario");
    e.caption = s(" Esportazione archivio appuntamenti");
    e.layout = d.layout;
    e.columns = ExportColumns::appointments(ExportColumns::Appointments::Archive);
    e.fileName = s("Riepilogo_Appuntamenti.xls");
    e.sheetName = s("Riepilogo Appuntamenti");
    e.helpTitle = s("Esportazione archivio appuntamenti in Excel");
    e.helpText = ExportHelp::archive(s("degli appuntamenti"), e.fileName);
    d.highlight = false;
    d.key = s("scadenze");
    d.lists = {{s("cmdTrova"), appointmentSearch()},
               {s("cmdDaAssolvere"), appointmentList("TfrmConfermati", " Riepilogo impegni da assolvere",
                                                     [](const RecordView &r, const QDate &) {
                                                         return AppointmentRules::isNotFulfilled(r);
                                                     })},
               {s("cmdScaduti"), appointmentList("TfrmScaduti", " Riepilogo impegni scaduti e non assolti",
                                                 &ListingRules::expired)},
               {s("cmdAssolti"), appointmentList("TfrmAssolti", " Riepilogo impegni assolti",
                                                 [](const RecordView &r, const QDate &) {
                                                     return AppointmentRules::isFulfilled(r);
                                                 })},
               {s("impContatto"), ClientSearch::member()}};
    return d;
}

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(WindowRegistry &registry, QWidget *parent)
    : CardWindow(registry, cardDefinition(), parent)
{
    setObjectName(s("frmArchivio_Scadenze"));
    txtData = control<QLineEdit>(s("txtData"));
    txtOreApp = control<QComboBox>(s("txtOreApp"));
    txtMinutiApp = control<QComboBox>(s("txtMinutiApp"));
    txtAvviso = control<QLineEdit>(s("txtAvviso"));
    txtCel = control<QLineEdit>(s("txtCel"));
    txtEmail = control<QLineEdit>(s("txtEmail"));
    txtImporto = control<QLineEdit>(s("txtImporto"));
    lblOra = control<QLabel>(s("lblOra"));
    chkOttemperata = control<QCheckBox>(s("chkOttemperata"));
    // Nothing can be typed in the time fields: the value is picked from the list.
    for (QComboBox *combo : {txtOreApp, txtMinutiApp})
        combo->lineEdit()->setReadOnly(true);
    wireCommands();
    orderTabs();
    clearCard();
}

void TfrmArchivio_Scadenze::wireCommands()
{
    onClick(s("cmdAnteprima"), &TfrmArchivio_Scadenze::cmdAnteprimaClick);
    onClick(s("cmdStampa"), &TfrmArchivio_Scadenze::cmdStampaClick);
    onClick(s("impData"), &TfrmArchivio_Scadenze::impDataClick);
    onClick(s("btnEmail"), &TfrmArchivio_Scadenze::btnEmailClick);
    onClick(s("btnWhatsApp"), &TfrmArchivio_Scadenze::btnWhatsAppClick);
    TypingRules::keepTrimmed(txtEmail);

    for (QWidget *w : {static_cast<QWidget *>(txtOreApp), static_cast<QWidget *>(txtMinutiApp),
                       static_cast<QWidget *>(txtAvviso), static_cast<QWidget *>(txtImporto)})
        w->installEventFilter(this);
    // Nothing can be typed in the time fields, so a click on the value opens the list.
    for (QComboBox *combo : {txtOreApp, txtMinutiApp})
        combo->lineEdit()->installEventFilter(this);
}

void TfrmArchivio_Scadenze::orderTabs()
{
    // Tab walks the fields as Enter does, with each field's button after it, then
    // the tick box; the commands come last instead of first.
    QStringList chain;
    for (const QString &name : definition().enterCycle) {
        chain << name;
        for (const auto &[edit, button] : fieldButtons()) {
            if (name == edit)
                chain << button;
        }
    }
    chain << s("chkOttemperata");
    const Band &band = definition().screen.bands.constFirst();
    for (const Stack &stack : {band.stacks.constFirst(), band.stacks.constLast()}) {
        for (const Box &box : stack.boxes) {
            if (const auto *commands = std::get_if<CommandBox>(&box)) {
                for (const CommandDef &cmd : commands->commands)
                    chain << cmd.name;
            }
        }
    }
    QWidget *previous = nullptr;
    for (const QString &name : chain) {
        QWidget *w = findChild<QWidget *>(name);
        Q_ASSERT_X(w, "orderTabs", qPrintable(name));
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void TfrmArchivio_Scadenze::resetTime(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void TfrmArchivio_Scadenze::clearCard()
{
    CardWindow::clearCard();
    resetTime(txtOreApp, timeDefault);
    resetTime(txtMinutiApp, timeDefault);
    txtAvviso->setText(s("0"));
    txtImporto->setText(s("0,00"));
}

void TfrmArchivio_Scadenze::afterDuplicate()
{
    resetTime(txtOreApp, timeDefault);
    resetTime(txtMinutiApp, timeDefault);
}

void TfrmArchivio_Scadenze::typeTime(QComboBox *combo, QChar digit)
{
    // "1" then "4" gives 14; a digit that no entry starts with stands for
    // itself ("5" is 05); a digit that would make no entry starts afresh.
    if (m_typedIn != combo)
        m_typed.clear();
    m_typedIn = combo;
    int index = m_typed.isEmpty() ? -1 : combo->findText(m_typed + digit, Qt::MatchExactly);
    if (index >= 0) {
        m_typed.clear();
    } else {
        m_typed = digit;
        index = combo->findText(QString(digit), Qt::MatchStartsWith);
        if (index < 0) {
            index = combo->findText(QLatin1Char('0') + digit, Qt::MatchExactly);
            m_typed.clear();
        }
    }
    if (index >= 0)
        combo->setCurrentIndex(index);
}

void TfrmArchivio_Scadenze::leaveField(QWidget *widget)
{
    m_typedIn = nullptr;
    if (widget == txtImporto) {
        txtImporto->setText(Amount::normaliseAppointment(txtImporto->text()));
    } else if (widget == txtAvviso) {
        if (txtAvviso->text().isEmpty())
            txtAvviso->setText(s("0"));
    } else if (widget == txtOreApp || widget == txtMinutiApp) {
        auto *combo = static_cast<QComboBox *>(widget);
        if (combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            resetTime(combo, QString());
    }
}

void TfrmArchivio_Scadenze::prepareSave()
{
    // Whatever leaving the field being edited does must happen before the checks.
    QWidget *focused = focusWidget();
    leaveField(focused);
    button(definition().commands.save)->setFocus(Qt::OtherFocusReason);
}

bool TfrmArchivio_Scadenze::beforeSave()
{
    if (Text::trim(txtImporto->text()).isEmpty())
        txtImporto->setText(s("0,00"));
    lblOra->setText(Text::trim(txtOreApp->currentText()) + QLatin1Char(':') + Text::trim(txtMinutiApp->currentText()));
    return true;
}

bool TfrmArchivio_Scadenze::beforeDuplicate()
{
    // An unreachable archive is reported now, before anything is cleared.
    try {
        RecordFile file(RecordFile::pathFor(*definition().layout), *definition().layout);
        file.close();
    } catch (const ArchiveError &error) {
        showAccessFailure(Command::Duplicate, error);
        return false;
    }
    return true;
}

void TfrmArchivio_Scadenze::impDataClick()
{
    TfrmCalendario::pick(this, services(), s("data"), HandOver::deliverer(registry()));
}

void TfrmArchivio_Scadenze::btnEmailClick()
{
    services().shell.open(QLatin1Char('"') + s("mailto:") + Text::trim(txtEmail->text()) + QLatin1Char('"'));
}

void TfrmArchivio_Scadenze::btnWhatsAppClick()
{
    if (Text::trim(txtData->text()).isEmpty()) {
        services().messages.warning(s("Attenzione: per inviare la conferma dell'appuntamento al cliente tramite "
                                      "WhatsApp è necessario indicare la data."));
        txtData->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (Text::trim(txtCel->text()).isEmpty()) {
        services().messages.warning(s("Attenzione: per inviare la conferma dell'appuntamento al cliente tramite "
                                      "WhatsApp è necessario indicare il suo numero di cellulare."));
        txtCel->setFocus(Qt::OtherFocusReason);
        return;
    }
    services().shell.open(WhatsAppLink::confirmation(txtCel->text(), txtOreApp->currentText(),
                                                     txtMinutiApp->currentText(), txtData->text()));
}

bool TfrmArchivio_Scadenze::handleKey(QWidget *widget, QKeyEvent *key)
{
    if (widget == txtData) {
        if (KeyRules::isEnter(key->key()) || KeyRules::isNavigationOnly(key->key()))
            return false;
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
            txtData->clear();
            return true;
        }
        impDataClick();
        return true;
    }
    if (widget == txtOreApp || widget == txtMinutiApp) {
        if (KeyRules::isEnter(key->key()) || KeyRules::isNavigationOnly(key->key()))
            return false;
        // F4 and Alt+Down open the list, so the keyboard can still pick a value.
        if (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier))) {
            static_cast<QComboBox *>(widget)->showPopup();
            return true;
        }
        // Digits pick the entry they spell, the arrows and page keys step through
        // the entries, as in any drop-down list: none of them can give an
        // invalid time. Every other key is swallowed.
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return false;
        default:
            if (key->text().size() == 1 && key->text().at(0) >= QLatin1Char('0') && key->text().at(0) <= QLatin1Char('9'))
                typeTime(static_cast<QComboBox *>(widget), key->text().at(0));
            return true;
        }
    }
    if (widget == txtImporto) {
        if (KeyRules::isEnter(key->key()) || KeyRules::isNavigationOnly(key->key()))
            return false;
        return TypingRules::amountKey(txtImporto, key);
    }
    return false;
}

bool TfrmArchivio_Scadenze::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
         || event->type() == QEvent::MouseButtonDblClick)
        && (watched == txtOreApp->lineEdit() || watched == txtMinutiApp->lineEdit())) {
        auto *combo = static_cast<QComboBox *>(static_cast<QWidget *>(watched)->parentWidget());
        combo->setFocus(Qt::MouseFocusReason);
        // Opened on release: a release right after opening would close the list again.
        if (event->type() == QEvent::MouseButtonRelease)
            combo->showPopup();
        return true;
    }
    if (event->type() == QEvent::FocusIn && (watched == txtOreApp || watched == txtMinutiApp)) {
        auto *combo = static_cast<QComboBox *>(watched);
        resetTime(combo, combo->currentText());
    } else if (event->type() == QEvent::FocusOut) {
        // Opening a drop-down list is not leaving the field.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            leaveField(qobject_cast<QWidget *>(watched));
    }
    return CardWindow::eventFilter(watched, event);
}

DocumentPrint TfrmArchivio_Scadenze::printout() const
{
    DocumentPrint document;
    document.templateFile = s("SchedaAppuntamento.json");
    document.fileStem = Text::trim(s("Scheda Appuntamento ") + DocumentPrint::shown(this, s("txtData")).replace(QLatin1Char('/'), QLatin1Char('-')));
    document.fill = [this](ReportTemplate &report) {
        report.setText(s("txtOttemperata"), chkOttemperata->isChecked() ? s("Sì") : s("No"));
        report.setText(s("txtData"), DocumentPrint::shown(this, s("txtData")));
        report.setText(s("txtOra"), DocumentPrint::shown(this, s("txtOreApp")) + QLatin1Char(':')
                                        + DocumentPrint::shown(this, s("txtMinutiApp")));
        DocumentPrint::fillSameNames(report, this,
                                     {s("txtTipologia"), s("txtCausale"), s("txtDettagli"), s("txtContatto"), s("txtTel"),
                                      s("txtCel"), s("txtEmail"), s("txtLuogo"), s("txtImporto"), s("txtNote")});
        report.setText(s("txtCalce"), DocumentPrint::printedAt(s("Stampa eseguita in data "), services().clock.now()));
    };
    return document;
}

void TfrmArchivio_Scadenze::cmdAnteprimaClick()
{
    Modal::run(new PrintConfirmation(services(), s("TfrmStartup"), DocumentPrinter::Mode::Preview, printout(), this));
}

void TfrmArchivio_Scadenze::cmdStampaClick()
{
    Modal::run(
        new PrintConfirmation(services(), s("TfrmStampaScadenza"), DocumentPrinter::Mode::Print, printout(), this));
}

} // namespace lumivista
