#include "TfrmArchivio_Scadenze.h"
#include "AppointmentHelp.h"
#include "TfrmCalendario.h"
#include "archive/LengthValidator.h"
#include "archive/PictureButton.h"
#include "core/Amount.h"
#include "core/KeyRules.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "core/WhatsAppLink.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumivista {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

const QString timeDefault = QStringLiteral("00");

/** The command column, top to bottom, in its white groups. */
QList<QList<CommandDef>> commandColumn()
{
    return {
        {
            {s("cmdNuovo"), s("Nuovo"), s("new"), s("Prepara la schermata per la registrazione di una nuova scheda.")},
            {s("cmdDuplica"), s("Duplica"), s("duplicate"),
             s("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.")},
            {s("cmdSalva"), s("Salva"), s("save"), s("Salva la scheda corrente.")},
            {s("cmdTrova"), s("Trova"), s("find"), s("Trova schede in archivio."), false},
        },
        {
            {s("cmdAnteprima"), s("Anteprima"), s("preview"),
             s("Visualizza l'anteprima di stampa della scheda corrente."), false},
            {s("cmdStampa"), s("Stampa"), s("print"), s("Stampa la scheda corrente."), false},
        },
        {
            {s("cmdAssolti"), s("Assolti"), s("list"), s("Visualizza il riepilogo degli impegni assolti."), false},
            {s("cmdDaAssolvere"), s("Da assolvere"), s("list"),
             s("Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."), false},
            {s("cmdScaduti"), s("Scaduti"), s("list"), s("Visualizza il riepilogo degli impegni scaduti e non assolti."),
             false},
            {s("cmdEsporta"), s("Esporta archivio"), s("export"), s("Esporta l'archivio in un file di Excel."), false},
        },
        {
            {s("cmdGuida"), s("Guida"), s("help"), s("Visualizza la guida in linea.")},
            {s("cmdEsci"), s("Esci"), s("exit"), s("Esci da questa schermata di lavoro.")},
        },
    };
}

QList<CommandDef> navigation()
{
    return {
        {s("cmdPrimo"), s("Primo"), s("first"), s("Visualizza la prima scheda in archivio.")},
        {s("cmdIndietro"), s("Indietro"), s("previous"), s("Visualizza la scheda precedente in archivio.")},
        {s("cmdAvanti"), s("Avanti"), s("next"), s("Visualizza la scheda successiva in archivio.")},
        {s("cmdUltimo"), s("Ultimo"), s("last"), s("Visualizza l'ultima scheda in archivio.")},
    };
}

/** Buttons at the right end of an edit. */
struct FieldButton
{
    const char *field;
    CommandDef command;
};

QList<FieldButton> fieldButtons()
{
    return {
        {"txtData", {s("impData"), s("Calendario"), s("calendar"), s("Importa la data dal calendario.")}},
        {"txtContatto",
         {s("impContatto"), s("Importa cliente"), s("import"), s("Importa i dati dall'archivio dei clienti."), false}},
        {"txtCel",
         {s("btnWhatsApp"), s("WhatsApp"), s("whatsapp"), s("Invia conferma appuntamento al cliente tramite WhatsApp.")}},
        {"txtEmail", {s("btnEmail"), s("E-mail"), s("mail"), s("Invia una e-mail all'indirizzo indicato.")}},
    };
}

QStringList numbers(int count)
{
    QStringList list;
    for (int k = 0; k < count; ++k)
        list << QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
    return list;
}

} // namespace

CardDefinition TfrmArchivio_Scadenze::cardDefinition()
{
    CardDefinition d;
    d.layout = &RecordLayout::appointments();
    d.caption = s(" Lumivista - Schedario Appuntamenti");
    d.initialHint = s("Pronto per registrare una nuova scheda...");
    d.commands = {s("cmdNuovo"), s("cmdDuplica"), s("cmdSalva"), s("cmdTrova"), s("cmdPrimo"),
                  s("cmdIndietro"), s("cmdAvanti"), s("cmdUltimo"), s("cmdGuida"), s("cmdEsci")};
    // The commands stand in a column beside the fields, not in the top toolbar.
    d.toolbar = {};
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
    d.highlight = false;
    return d;
}

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(AppContext &context, QWidget *parent)
    : CardWindow(context, cardDefinition(), parent)
{
    setObjectName(s("frmArchivio_Scadenze"));
    buildFields();
    bindFields();
    wireCommands();
    orderTabs();
    clearCard();
}

void TfrmArchivio_Scadenze::buildFields()
{
    auto *row = new QHBoxLayout(fieldsArea());
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    // Left: the command column.
    auto *commands = new QVBoxLayout;
    commands->setSpacing(8);
    for (const auto &group : commandColumn()) {
        auto *box = new QFrame(fieldsArea());
        box->setProperty("toolbarGroup", true);
        addBackground(box);
        auto *column = new QVBoxLayout(box);
        column->setContentsMargins(4, 4, 4, 4);
        column->setSpacing(0);
        for (const CommandDef &cmd : group) {
            auto *b = new PictureButton(cmd.name, cmd.caption, cmd.icon, cmd.hint, box);
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setIconSize(QSize(24, 24));
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            b->setEnabled(cmd.enabled);
            setHint(b, cmd.hint);
            column->addWidget(b);
        }
        commands->addWidget(box);
    }
    commands->addStretch(1);
    row->addLayout(commands);

    // The field groups, each a white box under its heading.
    const auto group = [this](const QString &heading, int width) {
        auto *box = new QFrame(fieldsArea());
        box->setProperty("fieldGroup", true);
        box->setFixedWidth(width);
        addBackground(box);
        auto *grid = new QGridLayout(box);
        grid->setContentsMargins(12, 8, 12, 10);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(2);
        auto *title = new QLabel(heading, box);
        title->setProperty("heading", true);
        grid->addWidget(title, 0, 0, 1, -1);
        return grid;
    };

    const QList<FieldButton> buttons = fieldButtons();
    // An edit with its caption above it, and its button at its right when it has one.
    const auto place = [this, &buttons](QGridLayout *grid, QWidget *edit, const QString &caption, int gridRow,
                                        int column, int span) {
        QWidget *box = grid->parentWidget();
        grid->addWidget(captionFor(edit, caption, box), gridRow, column, 1, span);
        QWidget *cell = edit;
        for (const FieldButton &fb : buttons) {
            if (edit->objectName() == QLatin1String(fb.field))
                cell = withButton(edit, fb.command);
        }
        grid->addWidget(cell, gridRow + 1, column, 1, span);
    };
    const auto lineEdit = [this](QWidget *parent, const char *name, int limit) {
        return newEdit(parent, QString::fromLatin1(name), limit);
    };
    const auto timeCombo = [](QWidget *parent, const char *name, int count) {
        auto *combo = new QComboBox(parent);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setEditable(true);
        combo->addItems(numbers(count));
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(12);
        // Nothing can be typed: the value is picked from the list.
        combo->lineEdit()->setReadOnly(true);
        combo->setFixedWidth(64);
        return combo;
    };

    auto *left = new QVBoxLayout;
    left->setSpacing(10);

    QGridLayout *when = group(s("SCHEDA APPUNTAMENTO"), 460);
    QWidget *whenBox = when->parentWidget();
    txtData = lineEdit(whenBox, "txtData", 10);
    txtData->setReadOnly(true);
    txtData->setFixedWidth(110);
    place(when, txtData, s("Data appuntamento:"), 1, 0, 1);
    txtOreApp = timeCombo(whenBox, "txtOreApp", 24);
    place(when, txtOreApp, s("Ore:"), 1, 1, 1);
    auto *colon = new QLabel(s(":"), whenBox);
    colon->setObjectName(s("lblDuePunti"));
    colon->setProperty("caption", true);
    when->addWidget(colon, 2, 2);
    txtMinutiApp = timeCombo(whenBox, "txtMinutiApp", 60);
    place(when, txtMinutiApp, s("Minuti:"), 1, 3, 1);
    txtAvviso = lineEdit(whenBox, "txtAvviso", 3);
    txtAvviso->setFixedWidth(60);
    place(when, txtAvviso, s("Giorni di preavviso:"), 1, 4, 1);
    when->setColumnStretch(5, 1);
    left->addWidget(whenBox);

    QGridLayout *what = group(s("DESCRIZIONE SERVIZI"), 460);
    QWidget *whatBox = what->parentWidget();
    place(what, lineEdit(whatBox, "txtTipologia", 50), s("Ottico assegnato:"), 1, 0, 1);
    place(what, lineEdit(whatBox, "txtCausale", 250), s("Motivo appuntamento:"), 3, 0, 1);
    place(what, lineEdit(whatBox, "txtDettagli", 250), s("Dettagli:"), 5, 0, 1);
    left->addWidget(whatBox);

    QGridLayout *notes = group(s("NOTE"), 460);
    QWidget *notesBox = notes->parentWidget();
    auto *txtNote = lineEdit(notesBox, "txtNote", 250);
    txtNote->setAccessibleName(s("Note"));
    notes->addWidget(txtNote, 1, 0);
    // The section heading is the notes' label.
    if (auto *heading = qobject_cast<QLabel *>(notes->itemAtPosition(0, 0)->widget()))
        heading->setBuddy(txtNote);
    chkOttemperata = new QCheckBox(s("Impegno assolto"), notesBox);
    chkOttemperata->setObjectName(s("chkOttemperata"));
    setHint(chkOttemperata, s("Spunta questa casella per indicare che l'impegno è stato assolto."));
    notes->addWidget(chkOttemperata, 2, 0);
    auto *reminder = new QLabel(s("Ricordarsi di spuntare la casella Impegno assolto nel momento in cui si è "
                                  "ottemperato allo stesso così da rimuoverlo dagli appuntamenti imminenti."),
                                notesBox);
    reminder->setObjectName(s("lblPromemoria"));
    reminder->setProperty("caption", true);
    reminder->setWordWrap(true);
    notes->addWidget(reminder, 3, 0);
    left->addWidget(notesBox);
    left->addStretch(1);
    row->addLayout(left);

    auto *right = new QVBoxLayout;
    right->setSpacing(10);
    QGridLayout *who = group(s("DATI CLIENTE"), 460);
    QWidget *whoBox = who->parentWidget();
    place(who, lineEdit(whoBox, "txtContatto", 50), s("Cognome e nome:"), 1, 0, 2);
    place(who, lineEdit(whoBox, "txtTel", 30), s("Telefono:"), 3, 0, 1);
    txtCel = lineEdit(whoBox, "txtCel", 30);
    place(who, txtCel, s("Cellulare:"), 3, 1, 1);
    txtEmail = lineEdit(whoBox, "txtEmail", 50);
    place(who, txtEmail, s("E-mail:"), 5, 0, 2);
    place(who, lineEdit(whoBox, "txtLuogo", 250), s("Modalità di pagamento:"), 7, 0, 2);
    txtImporto = lineEdit(whoBox, "txtImporto", 15);
    txtImporto->setFixedWidth(120);
    txtImporto->setAlignment(Qt::AlignRight);
    place(who, txtImporto, s("Importo:"), 9, 0, 1);
    who->setColumnStretch(0, 1);
    who->setColumnStretch(1, 1);
    right->addWidget(whoBox);
    right->addStretch(1);

    // Bottom right: the navigation strip around the position label.
    auto *nav = new QFrame(fieldsArea());
    nav->setProperty("toolbarGroup", true);
    addBackground(nav);
    auto *navRow = new QHBoxLayout(nav);
    navRow->setContentsMargins(4, 2, 4, 2);
    navRow->setSpacing(0);
    for (const CommandDef &cmd : navigation()) {
        auto *b = new PictureButton(cmd.name, cmd.caption, cmd.icon, cmd.hint, nav);
        b->setMinimumWidth(54);
        setHint(b, cmd.hint);
        navRow->addWidget(b);
        if (cmd.name == definition().commands.previous)
            navRow->addWidget(lblPosizione);
    }
    right->addWidget(nav, 0, Qt::AlignRight);
    row->addLayout(right);
    row->addStretch(1);

    // Ora is kept with the record but built at each save, not typed.
    lblOra = new QLabel(this);
    lblOra->setObjectName(s("lblOra"));
    lblOra->setVisible(false);
}

void TfrmArchivio_Scadenze::wireCommands()
{
    const CardCommands &c = definition().commands;
    const QList<std::pair<QString, void (TfrmArchivio_Scadenze::*)()>> wiring = {
        {s("impData"), &TfrmArchivio_Scadenze::impDataClick},
        {s("btnEmail"), &TfrmArchivio_Scadenze::btnEmailClick},
        {s("btnWhatsApp"), &TfrmArchivio_Scadenze::btnWhatsAppClick},
    };
    for (const auto &[name, slot] : wiring)
        connect(button(name), &QToolButton::clicked, this, slot);
    connect(txtEmail, &QLineEdit::textChanged, this, &TfrmArchivio_Scadenze::txtEmailChange);

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
        for (const FieldButton &fb : fieldButtons()) {
            if (name == QLatin1String(fb.field))
                chain << fb.command.name;
        }
    }
    chain << s("chkOttemperata");
    for (const auto &group : commandColumn()) {
        for (const CommandDef &cmd : group)
            chain << cmd.name;
    }
    for (const CommandDef &cmd : navigation())
        chain << cmd.name;
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

void TfrmArchivio_Scadenze::leaveField(QWidget *widget)
{
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
    } catch (const ArchiveError &) {
        showAccessFailure(Command::Duplicate);
        return false;
    }
    return true;
}

void TfrmArchivio_Scadenze::impDataClick()
{
    TfrmCalendario::pick(this, context(), s("data"));
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

void TfrmArchivio_Scadenze::txtEmailChange(const QString &text)
{
    const QString trimmed = Text::trim(text);
    if (trimmed == text)
        return;
    const int cursor = txtEmail->cursorPosition();
    txtEmail->setText(trimmed);
    txtEmail->setCursorPosition(qMin(cursor, int(trimmed.size())));
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
        if (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier)))
            static_cast<QComboBox *>(widget)->showPopup();
        return true;
    }
    if (widget == txtImporto) {
        if (KeyRules::isEnter(key->key()) || KeyRules::isNavigationOnly(key->key()))
            return false;
        return !Amount::keyPasses(key->key(), key->text());
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

} // namespace lumivista
