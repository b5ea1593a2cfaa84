#include "PrescriptionCard.h"
#include "core/Utf8.h"
#include "archive/ClientSearch.h"
#include "archive/HandOver.h"
#include "core/ExportColumns.h"
#include "archive/PrescriptionHelp.h"
#include "archive/PrintConfirmation.h"
#include "archive/TfrmAllegaCartella.h"
#include "report/ReportTemplate.h"
#include "widgets/Modal.h"
#include "archive/TfrmNumerazione.h"
#include "core/Amount.h"
#include "widgets/TypingRules.h"
#include "core/KeyRules.h"
#include "core/Numbering.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "platform/ClockService.h"
#include "platform/Services.h"
#include "widgets/TfrmCalendario.h"
#include "widgets/ValueLabel.h"
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace lumivista {

namespace {

QString pair(const QString &section, const QString &title)
{
    return section + QLatin1Char(' ') + title;
}

Cell amountEdit(const QString &field, const QString &accessible)
{
    return Cell::edit(QLatin1String("txt") + field, QString(), 2).fixedWidth(120).amount().named(accessible);
}

CardLayout screenOf(const PrescriptionTraits &traits, const CardCommands &names)
{
    const StandardCommands standard(names, StandardCommands::Words::Prescrizione);
    CardLayout l;
    l.topBar = {
        {{standard.newRecord(), standard.duplicate(), standard.save(), standard.find()}},
        {{{s("cmdAllega"), s("Allega"), s("attach"), s("Allega file alla prescrizione corrente.")}}},
        {{{s("cmdAnteprima"), s("Anteprima"), s("preview"),
           s("Visualizza l'anteprima di stampa della prescrizione corrente.")},
          {s("cmdStampa"), s("Stampa prescrizione"), s("print"), s("Stampa la prescrizione corrente.")}}},
        {standard.navigation()},
        {{standard.exportArchive(),
          {s("cmdDaSaldare"), s("Da saldare"), s("list"), s("Visualizza il riepilogo delle prescrizioni non saldate.")},
          standard.help(), standard.close()}},
    };
    const QString calendarHint = s("Importa la data dal calendario.");
    const QString totalsHint = s("Calcola gli importi dovuti dal cliente.");
    l.fieldCommands = {
        {s("impCliente"), s("Importa cliente"), s("import"), s("Importa i dati dall'archivio dei clienti.")},
        {s("impNumerazione"), s("N."), s("numbering"),
         s("Imposta il numero iniziale per la numerazione automatica delle prescrizioni.")},
        {s("impData"), s("Calendario data emissione"), s("calendar"), calendarHint},
        {s("impConsegna"), s("Calendario data consegna"), s("calendar"), calendarHint},
        {s("btnTotale"), s("SALDO"), s("paid"), totalsHint},
        {s("icoTotale"), s("TOTALE"), s("paid"), totalsHint},
        {s("btnDichiara"), s("Dichiarazione di Conformità"), s("print"),
         s("Stampa la Dichiarazione di conformità per occhiale correttivo."), bool(traits.declaration)},
    };

    // Header: the shop's lines, the client's lines, then number, dates, type, use and payment.
    FieldBox shop;
    shop.title = s("DATI CENTRO OTTICO");
    for (int i = 1; i <= Settings::shopLineCount; ++i)
        shop.rows.append({{Cell::edit(Text::numbered("txtOtticoRigo", i), QString()).fixedWidth(300)
                               .named(shop.title + s(" riga %1").arg(i))}});
    FieldBox client;
    client.title = s("DATI CLIENTE");
    for (int i = 1; i <= 3; ++i) {
        Cell line = Cell::edit(Text::numbered("txtClienteRigo", i), QString(), 0, 2).named(client.title + s(" riga %1").arg(i));
        if (i == 1)
            line.withButton(s("impCliente"));
        client.rows.append({{line}});
    }
    client.rows.append({{Cell::label(s("C.F.")).rowTitle(), Cell::edit(s("txtClienteRigo04"), QString(), 1)}});
    client.rows.append({{Cell::label(s("Cel.")).rowTitle(), Cell::edit(s("txtClienteRigo05"), QString(), 1)}});
    client.minWidth = {0, 270};
    FieldBox details;
    details.horizontalSpacing = 10;
    details.rows = {
        {{Cell::edit(s("txtNumPre"), s("Prescrizione n."), 0).withButton(s("impNumerazione")),
          Cell::edit(s("txtData"), s("Data emissione:"), 2).readOnlyField().withButton(s("impData"))}},
        {{Cell::edit(s("txtTipoOc"), traits.typeCaption, 0), Cell::edit(s("txtUso"), traits.useCaption, 1),
          Cell::edit(s("txtConsegna"), s("Data consegna:"), 2).readOnlyField().withButton(s("impConsegna"))}},
        {{Cell::edit(s("txtModalita"), s("Modalità di pagamento:"), 0, 2),
          [&] {
              Cell paid = Cell::of(Cell::Kind::Check, s("chkSaldato"), s("Saldato"), 2);
              paid.hint = traits.paidHint;
              return paid;
          }()}},
    };
    details.stretch = {1, 1, 1};
    details.minWidth = {150, 150, 150};
    Band header;
    header.stacks = {Stack{{shop}}, Stack{{client}}, Stack{{details}, 1}};

    // Frame or accessories, right lens, row titles, left lens; then the amounts.
    FieldBox items;
    items.rows.append({{Cell::of(Cell::Kind::Heading, QString(), traits.accessorySection, 0, 2),
                        Cell::of(Cell::Kind::Heading, QString(), traits.rightSection, 3).centre(),
                        Cell::of(Cell::Kind::Heading, QString(), traits.leftSection, 5).centre()}});
    QStringList accessories = traits.accessoryRows;
    if (traits.notesWithAccessories)
        accessories << s("NOTE");
    const int rows = int(qMax(accessories.size(), traits.lensRows.size()));
    for (int i = 1; i <= rows; ++i) {
        Row row;
        if (i <= accessories.size()) {
            const QString title = accessories.at(i - 1);
            const bool notes = i > traits.accessoryRows.size();
            row.cells << Cell::label(title).rowTitle()
                      << Cell::edit(notes ? s("txtNote") : Text::numbered("txtMontatura", i), QString(), 1)
                             .atLeast(165)
                             .named(notes ? title : pair(traits.accessorySection, title));
        }
        if (i <= traits.lensRows.size()) {
            const QString title = traits.lensRows.at(i - 1);
            row.cells << Cell::edit(Text::numbered("txtLenteDX", i), QString(), 3).atLeast(150).named(pair(traits.rightSection, title))
                      << Cell::label(title, 4).rowTitle().centre()
                      << Cell::edit(Text::numbered("txtLenteSX", i), QString(), 5).atLeast(150).named(pair(traits.leftSection, title));
        }
        items.rows.append(row);
    }
    // Extra width goes to the edits, so the band lines up with the header above.
    items.stretch = {0, 1, 0, 1, 0, 1};
    items.minWidth = {0, 0, 10};
    FieldBox amounts;
    amounts.title = s("IMPORTI DOVUTI");
    amounts.horizontalSpacing = 6;
    const QString euro(QChar(0x20AC));
    for (int i = 1; i <= traits.amountRows.size(); ++i) {
        const QString title = traits.amountRows.at(i - 1);
        amounts.rows.append({{Cell::label(title).rowTitle(), Cell::label(euro, 1),
                              amountEdit(Text::numbered("Importo", i), pair(amounts.title, title))}});
    }
    amounts.rows.append({{Cell::label(s("ANTICIPO")).rowTitle(), Cell::label(euro, 1), amountEdit(s("Finale"), s("ANTICIPO"))}});
    amounts.rows.append({{Cell::of(Cell::Kind::Command, s("btnTotale"), QString()), Cell::label(euro, 1),
                          amountEdit(s("Totale"), s("SALDO")).readOnlyField()}});
    amounts.rows.append({{Cell::of(Cell::Kind::Command, s("icoTotale"), QString()), Cell::label(euro, 1),
                          Cell::of(Cell::Kind::Value, s("txtDovuto"), s("TOTALE"), 2).fixedWidth(120).amount()}});
    Band band;
    band.stacks = {Stack{{items}, 1}, Stack{{amounts}}};
    band.stretch = traits.notesWithAccessories ? 1 : 0;
    l.bands = {header, band};

    if (!traits.notesWithAccessories) {
        FieldBox bottom;
        bottom.rows = {{{Cell::label(s("Note:")), Cell::edit(s("txtNote"), QString(), 1),
                         Cell::of(Cell::Kind::Command, s("btnDichiara"), QString(), 2)}}};
        bottom.stretch = {0, 1, 0};
        Band notes;
        notes.stacks = {Stack{{bottom}, 1}};
        l.bands.append(notes);
    }
    // Kept with the record or with the card, never shown.
    l.hidden = TfrmAllegaCartella::cardLabels();
    l.hidden << s("lblInizio");
    return l;
}

} // namespace

CardDefinition PrescriptionCard::definitionFor(const PrescriptionTraits &traits)
{
    CardDefinition d;
    d.layout = traits.layout;
    d.caption = traits.caption;
    d.initialHint = s("Pronto per archiviare una nuova prescrizione...");
    d.commands = {s("cmdNuovo"), s("cmdDuplica"), s("cmdSalva"), s("cmdTrova"), s("cmdPrimo"), s("cmdIndietro"),
                  s("cmdAvanti"), s("cmdUltimo"), s("cmdGuida"), s("cmdEsci"), s("cmdExport")};
    d.screen = screenOf(traits, d.commands);
    d.required = {
        {s("txtNumPre"),
         s("Attenzione: per salvare la scheda è necessario indicare il numero progressivo della prescrizione.")},
        {s("txtData"),
         s("Attenzione: per salvare la scheda è necessario indicare la data di emissione della prescrizione.")},
        {s("txtOtticoRigo01"),
         s("Attenzione: per salvare la scheda è necessario indicare la denominazione del Centro Ottico.")},
        {s("txtClienteRigo01"), s("Attenzione: per salvare la scheda è necessario indicare il nome del cliente.")},
        {s("txtClienteRigo04"),
         s("Attenzione: per salvare la scheda è necessario indicare il codice fiscale del cliente.")},
        {s("txtClienteRigo05"),
         s("Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.")},
        {s("txtTipoOc"), traits.typeWarning},
    };

    QStringList &cycle = d.enterCycle;
    for (int i = 1; i <= 5; ++i)
        cycle << Text::numbered("txtOtticoRigo", i);
    for (int i = 1; i <= 5; ++i)
        cycle << Text::numbered("txtClienteRigo", i);
    cycle << s("txtNumPre") << s("txtData") << s("txtTipoOc") << s("txtUso") << s("txtConsegna") << s("txtModalita");
    for (int i = 1; i <= traits.accessoryRows.size(); ++i)
        cycle << Text::numbered("txtMontatura", i);
    if (traits.notesWithAccessories)
        cycle << s("txtNote");
    for (int i = 1; i <= traits.lensRows.size(); ++i)
        cycle << Text::numbered("txtLenteDX", i);
    for (int i = 1; i <= traits.lensRows.size(); ++i)
        cycle << Text::numbered("txtLenteSX", i);
    for (int i = 1; i <= traits.amountRows.size(); ++i)
        cycle << Text::numbered("txtImporto", i);
    cycle << s("txtFinale") << s("txtTotale");
    if (!traits.notesWithAccessories)
        cycle << s("txtNote");

    d.duplicateClears << s("txtNumPre") << TfrmAllegaCartella::cardLabels();
    d.focusOnNew = s("txtClienteRigo01");
    d.focusOnDuplicate = s("txtNumPre");
    d.duplicateRefusal = s("Attenzione: la duplicazione di una prescrizione può avvenire soltanto dopo che questa è "
                           "stata inserita in archivio.");
    d.helpTitle = PrescriptionHelp::title();
    d.helpText = PrescriptionHelp::text();
    d.exportMember = traits.exportMember;
    d.exportMember.layout = traits.layout;
    d.exportMember.columns = ExportColumns::prescriptions(traits.kind);
    d.warnOnFirstAndSaveFailure = true;
    d.key = traits.key;
    d.lists = {{s("cmdTrova"), traits.search}, {s("cmdDaSaldare"), traits.unpaid}, {s("impCliente"), ClientSearch::member()}};
    return d;
}

QList<ListFilter> PrescriptionCard::searchFilters(const QString &typeLabel)
{
    return {{s("txtNumPre"), s("Prescrizione n."), s("NumPre")},
            {s("txtData"), s("Data emissione (gg/mm/aaaa):"), s("Data")},
            {s("txtClienteRigo01"), s("Cliente:"), s("ClienteRigo01")},
            {s("txtClienteRigo04"), s("Codice fiscale:"), s("ClienteRigo04")},
            {s("txtClienteRigo05"), s("Cellulare:"), s("ClienteRigo05")},
            {s("txtTipoOc"), typeLabel, s("TipoOc")},
            {s("txtConsegna"), s("Data consegna (gg/mm/aaaa):"), s("Consegna")},
            {s("txtDovuto"), s("Totale: €"), s("Dovuto")},
            {s("txtModalita"), s("Modalità di pagamento:"), s("Modalita")},
            {s("txtNote"), s("Note:"), s("Note")}};
}

PrescriptionCard::PrescriptionCard(WindowRegistry &registry, PrescriptionTraits traits, QWidget *parent)
    : CardWindow(registry, definitionFor(traits), parent)
    , m_traits(std::move(traits))
{
    txtData = control<QLineEdit>(s("txtData"));
    txtConsegna = control<QLineEdit>(s("txtConsegna"));
    txtTotale = control<QLineEdit>(s("txtTotale"));
    txtDovuto = control<ValueLabel>(s("txtDovuto"));
    chkSaldato = control<QCheckBox>(s("chkSaldato"));
    lblInizio = control<QLabel>(s("lblInizio"));
    for (int i = 1; i <= m_traits.amountRows.size(); ++i)
        m_amounts << control<QLineEdit>(Text::numbered("txtImporto", i));
    m_amounts << control<QLineEdit>(s("txtFinale"));
    // The totals take the focus here, so the field being edited is left and normalised first.
    btnFocus = new QPushButton(control<QWidget>(s("fieldsArea")));
    btnFocus->setObjectName(s("btnFocus"));
    btnFocus->setFixedSize(0, 0);
    btnFocus->setFocusPolicy(Qt::ClickFocus);
    btnFocus->setFlat(true);
    btnFocus->setAccessibleName(s("Calcolo importi"));

    connect(button(s("cmdAllega")), &QToolButton::clicked, this,
            [this] { TfrmAllegaCartella::run(this->registry(), m_traits.key, this); });
    onClick(s("cmdAnteprima"), &PrescriptionCard::cmdAnteprimaClick);
    onClick(s("cmdStampa"), &PrescriptionCard::cmdStampaClick);
    if (m_traits.declaration)
        connect(button(s("btnDichiara")), &QToolButton::clicked, this, [this] { m_traits.declaration(*this); });
    onClick(s("impNumerazione"), &PrescriptionCard::impNumerazioneClick);
    onClick(s("impData"), &PrescriptionCard::impDataClick);
    onClick(s("impConsegna"), &PrescriptionCard::impConsegnaClick);
    onClick(s("btnTotale"), &PrescriptionCard::computeTotals);
    onClick(s("icoTotale"), &PrescriptionCard::computeTotals);
    connect(txtTotale, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (Text::trim(text).isEmpty())
            txtDovuto->clear();
    });
}

QStringList PrescriptionCard::printedFields() const
{
    QStringList names;
    for (int i = 1; i <= Settings::shopLineCount; ++i)
        names << Text::numbered("txtOtticoRigo", i);
    names << s("txtNumPre") << s("txtData") << s("txtTipoOc") << s("txtUso");
    for (int i = 1; i <= 4; ++i)
        names << Text::numbered("txtClienteRigo", i);
    for (const char *side : {"txtLenteDX", "txtLenteSX"})
        for (int i = 1; i <= m_traits.lensRows.size(); ++i)
            names << Text::numbered(side, i);
    for (int i = 1; i <= m_traits.accessoryRows.size(); ++i)
        names << Text::numbered("txtMontatura", i);
    names << s("txtConsegna") << s("txtModalita");
    for (int i = 1; i <= m_traits.amountRows.size(); ++i)
        names << Text::numbered("txtImporto", i);
    names << s("txtFinale") << s("txtTotale") << s("txtDovuto") << s("txtNote");
    return names;
}

DocumentPrint PrescriptionCard::printout() const
{
    DocumentPrint document;
    document.templateFile = m_traits.printTemplate;
    document.guarded = true;
    document.fileStem = Text::trim(m_traits.reportName + QLatin1Char(' ') + DocumentPrint::shown(this, s("txtNumPre")));
    document.fill = [this](ReportTemplate &report) {
        DocumentPrint::fillSameNames(report, this, printedFields());
        report.setText(s("txtClienteRigo05"), mobileLine(DocumentPrint::shown(this, s("txtClienteRigo05"))));
    };
    return document;
}

void PrescriptionCard::cmdAnteprimaClick()
{
    Modal::run(new PrintConfirmation(services(), m_traits.previewWindow, DocumentPrinter::Mode::Preview, printout(),
                                     this));
}

void PrescriptionCard::cmdStampaClick()
{
    Modal::run(
        new PrintConfirmation(services(), m_traits.printWindow, DocumentPrinter::Mode::Print, printout(), this));
}

QLineEdit *PrescriptionCard::edit(const QString &name) const
{
    return control<QLineEdit>(name);
}

QList<QLineEdit *> PrescriptionCard::shopLines() const
{
    QList<QLineEdit *> lines;
    for (int i = 1; i <= Settings::shopLineCount; ++i)
        lines << edit(Text::numbered("txtOtticoRigo", i));
    return lines;
}

void PrescriptionCard::today(QLineEdit *dateField)
{
    dateField->setText(services().clock.today().toString(QStringLiteral("dd/MM/yyyy")));
}

void PrescriptionCard::clearCard()
{
    // The shop lines belong to the shop, not to the prescription: they stay.
    QStringList shop;
    for (QLineEdit *line : shopLines())
        shop << line->text();
    CardWindow::clearCard();
    const QList<QLineEdit *> lines = shopLines();
    for (int i = 0; i < lines.size(); ++i)
        lines.at(i)->setText(shop.at(i));
    today(txtData);
}

void PrescriptionCard::prepareShow()
{
    const std::optional<QStringList> shop = Settings::shopLines();
    const QList<QLineEdit *> lines = shopLines();
    for (int i = 0; i < lines.size(); ++i)
        FieldBinder::setText(lines.at(i), shop.value_or(QStringList()).value(i));
    clearCard();
    focusControl(definition().focusOnNew);
    // Empty shop lines would pass for a shop that never set them.
    if (!shop)
        showAccessFailure(Command::New);
}

void PrescriptionCard::prepareNew()
{
    // Settings that cannot be read are not missing settings: numbering from 1
    // again would repeat the numbers of prescriptions already given.
    const std::optional<QString> stored = Settings::numberingStart(m_traits.kind);
    const QString startText = Text::trim(stored.value_or(QString()));
    lblInizio->setText(startText.isEmpty() ? s("1") : startText);
    const std::optional<qint64> start = stored ? Numbering::startValue(startText) : std::nullopt;
    std::optional<qint64> count;
    std::optional<ArchiveError> failure;
    try {
        RecordFile file(RecordFile::pathFor(*m_traits.layout), *m_traits.layout);
        count = file.count();
        file.close();
    } catch (const ArchiveError &error) {
        failure = error;
    }
    clearCard();
    focusControl(definition().focusOnNew);
    if (!start || !count) {
        showAccessFailure(Command::New, failure.value_or(ArchiveError(QString())));
        return;
    }
    edit(s("txtNumPre"))->setText(Numbering::next(*start, *count));
}

void PrescriptionCard::afterDuplicate()
{
    today(txtData);
    chkSaldato->setChecked(false);
}

bool PrescriptionCard::beforeSave()
{
    computeTotals();
    return true;
}

void PrescriptionCard::beforeClose()
{
    QStringList shop;
    for (QLineEdit *line : shopLines())
        shop << Text::trim(line->text());
    // The card closes all the same, but never as if the lines were kept.
    if (!Settings::writeShopLines(shop))
        showAccessFailure(Command::Save);
}

bool PrescriptionCard::isAmount(const QWidget *widget) const
{
    return m_amounts.contains(widget);
}

void PrescriptionCard::amountExit(QLineEdit *amount)
{
    const QString normalised = Amount::normalise(amount->text());
    if (normalised != amount->text())
        amount->setText(normalised);
}

void PrescriptionCard::computeTotals()
{
    if (auto *focused = qobject_cast<QLineEdit *>(focusWidget()); focused && isAmount(focused))
        amountExit(focused);
    btnFocus->setFocus(Qt::OtherFocusReason);

    QStringList values;
    for (int i = 0; i < m_amounts.size() - 1; ++i)
        values << Text::trim(m_amounts.at(i)->text());
    const Amount::Totals totals = Amount::totals(values, Text::trim(m_amounts.last()->text()));
    if (!totals.valid) {
        for (int i = 0; i < m_amounts.size() - 1; ++i)
            m_amounts.at(i)->clear();
        txtTotale->clear();
        txtDovuto->clear();
        return;
    }
    txtTotale->setText(totals.balance);
    txtDovuto->setText(totals.total);
}

void PrescriptionCard::openPicker(QLineEdit *dateField)
{
    const QString which = dateField == txtData ? s("_data") : s("_consegna");
    TfrmCalendario::pick(this, services(), m_traits.key + which, HandOver::deliverer(registry()));
}

void PrescriptionCard::impDataClick()
{
    openPicker(txtData);
}

void PrescriptionCard::impConsegnaClick()
{
    openPicker(txtConsegna);
}

void PrescriptionCard::impNumerazioneClick()
{
    TfrmNumerazione::edit(this, services(), m_traits.key, s(" Imposta inizio numerazione prescrizioni"));
}

bool PrescriptionCard::handleEnter(QWidget *widget)
{
    if (widget != txtTotale)
        return false;
    computeTotals();
    focusControl(s("txtNote"));
    return true;
}

bool PrescriptionCard::handleKey(QWidget *widget, QKeyEvent *key)
{
    if (KeyRules::isEnter(key->key()) || KeyRules::isNavigationOnly(key->key()))
        return false;
    const bool erase = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
    if (widget == txtData || widget == txtConsegna) {
        if (erase)
            static_cast<QLineEdit *>(widget)->clear();
        else
            openPicker(static_cast<QLineEdit *>(widget));
        return true;
    }
    if (widget == txtTotale) {
        if (!erase)
            return false;
        txtTotale->clear();
        return true;
    }
    if (isAmount(widget))
        return TypingRules::amountKey(static_cast<QLineEdit *>(widget), key);
    return false;
}

bool PrescriptionCard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // A context menu or another window taking over does not leave the field.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (auto *e = qobject_cast<QLineEdit *>(watched); e && isAmount(e))
                amountExit(e);
            else if (watched == txtTotale && txtTotale->text() != Text::trim(txtTotale->text()))
                txtTotale->setText(Text::trim(txtTotale->text()));
        }
    }
    return CardWindow::eventFilter(watched, event);
}

} // namespace lumivista
