#include "PrescriptionCard.h"
#include "PrescriptionHelp.h"
#include "TfrmNumerazione.h"
#include "app/AppContext.h"
#include "appointments/TfrmCalendario.h"
#include "archive/LengthValidator.h"
#include "archive/PictureButton.h"
#include "core/Amount.h"
#include "core/KeyRules.h"
#include "core/Numbering.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "platform/ClockService.h"
#include "platform/Services.h"
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivista {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QString numbered(const char *prefix, int i)
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
}

QStringList attachmentLabels()
{
    QStringList names;
    for (int i = 1; i <= 3; ++i)
        names << numbered("lblFile", i);
    for (int i = 1; i <= 3; ++i)
        names << numbered("lblDesc", i);
    return names;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("heading", true);
    return label;
}

QLabel *rowTitle(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("caption", true);
    label->setStyleSheet(QStringLiteral("font-size: 8pt; font-weight: bold; color: #44506A;"));
    return label;
}

QFrame *groupFrame(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setProperty("fieldGroup", true);
    return frame;
}

} // namespace

CardDefinition PrescriptionCard::definitionFor(const PrescriptionTraits &traits)
{
    CardDefinition d;
    d.layout = traits.layout;
    d.caption = traits.caption;
    d.initialHint = s("Pronto per archiviare una nuova prescrizione...");
    d.commands = {s("cmdNuovo"), s("cmdDuplica"), s("cmdSalva"), s("cmdTrova"), s("cmdPrimo"),
                  s("cmdIndietro"), s("cmdAvanti"), s("cmdUltimo"), s("cmdGuida"), s("cmdEsci")};
    d.toolbar = {
        {
            {s("cmdNuovo"), s("Nuovo"), s("new"), s("Prepara la schermata per l'emissione di una nuova prescrizione.")},
            {s("cmdDuplica"), s("Duplica"), s("duplicate"),
             s("Prepara la schermata per l'emissione di una nuova prescrizione duplicando i dati correnti.")},
            {s("cmdSalva"), s("Salva"), s("save"), s("Salva o aggiorna la prescrizione corrente.")},
            {s("cmdTrova"), s("Trova"), s("find"), s("Trova prescrizioni in archivio."), false},
        },
        {
            {s("cmdAllega"), s("Allega"), s("attach"), s("Allega file alla prescrizione corrente."), false},
        },
        {
            {s("cmdAnteprima"), s("Anteprima"), s("preview"),
             s("Visualizza l'anteprima di stampa della prescrizione corrente."), false},
            {s("cmdStampa"), s("Stampa prescrizione"), s("print"), s("Stampa la prescrizione corrente."), false},
        },
        {
            {s("cmdPrimo"), s("Primo"), s("first"), s("Visualizza la prima prescrizione in archivio.")},
            {s("cmdIndietro"), s("Indietro"), s("previous"), s("Visualizza la prescrizione precedente in archivio.")},
            {s("cmdAvanti"), s("Avanti"), s("next"), s("Visualizza la prescrizione successiva in archivio.")},
            {s("cmdUltimo"), s("Ultimo"), s("last"), s("Visualizza l'ultima prescrizione in archivio.")},
        },
        {
            {s("cmdExport"), s("Esporta"), s("export"), s("Esporta l'archivio in un file di Excel."), false},
            {s("cmdDaSaldare"), s("Da saldare"), s("list"),
             s("Visualizza il riepilogo delle prescrizioni non saldate."), false},
            {s("cmdGuida"), s("Guida"), s("help"), s("Visualizza la guida in linea.")},
            {s("cmdEsci"), s("Esci"), s("exit"), s("Esci da questa schermata di lavoro.")},
        },
    };
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
        cycle << numbered("txtOtticoRigo", i);
    for (int i = 1; i <= 5; ++i)
        cycle << numbered("txtClienteRigo", i);
    cycle << s("txtNumPre") << s("txtData") << s("txtTipoOc") << s("txtUso") << s("txtConsegna") << s("txtModalita");
    for (int i = 1; i <= traits.accessoryRows.size(); ++i)
        cycle << numbered("txtMontatura", i);
    if (traits.notesWithAccessories)
        cycle << s("txtNote");
    for (int i = 1; i <= traits.lensRows.size(); ++i)
        cycle << numbered("txtLenteDX", i);
    for (int i = 1; i <= traits.lensRows.size(); ++i)
        cycle << numbered("txtLenteSX", i);
    for (int i = 1; i <= traits.amountRows.size(); ++i)
        cycle << numbered("txtImporto", i);
    cycle << s("txtFinale") << s("txtTotale");
    if (!traits.notesWithAccessories)
        cycle << s("txtNote");

    d.duplicateClears << s("txtNumPre") << attachmentLabels();
    d.focusOnNew = s("txtClienteRigo01");
    d.focusOnDuplicate = s("txtNumPre");
    d.duplicateRefusal = s("Attenzione: la duplicazione di una prescrizione può avvenire soltanto dopo che questa è "
                           "stata inserita in archivio.");
    d.helpTitle = PrescriptionHelp::title();
    d.helpText = PrescriptionHelp::text();
    d.warnOnFirstAndSaveFailure = true;
    return d;
}

PrescriptionCard::PrescriptionCard(AppContext &context, PrescriptionTraits traits, QWidget *parent)
    : CardWindow(context, definitionFor(traits), parent)
    , m_traits(std::move(traits))
{
    if (QWidget *print = button(s("cmdStampa")))
        print->setMinimumWidth(110);
    buildFields();
    bindFields();
    connect(button(s("impNumerazione")), &QToolButton::clicked, this, &PrescriptionCard::impNumerazioneClick);
    connect(button(s("impData")), &QToolButton::clicked, this, &PrescriptionCard::impDataClick);
    connect(button(s("impConsegna")), &QToolButton::clicked, this, &PrescriptionCard::impConsegnaClick);
    connect(button(s("btnTotale")), &QToolButton::clicked, this, &PrescriptionCard::computeTotals);
    connect(button(s("icoTotale")), &QToolButton::clicked, this, &PrescriptionCard::computeTotals);
    connect(txtTotale, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (Text::trim(text).isEmpty())
            txtDovuto->clear();
    });
}

QLineEdit *PrescriptionCard::edit(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

QLineEdit *PrescriptionCard::makeEdit(const QString &field, QWidget *parent)
{
    const RecordLayout &layout = *m_traits.layout;
    return newEdit(parent, QLatin1String("txt") + field, layout.field(layout.indexOf(field)).capacity);
}

void PrescriptionCard::buildFields()
{
    const QString calendarHint = s("Importa la data dal calendario.");
    auto *column = new QVBoxLayout(fieldsArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    // Header band: shop lines, client lines, then number, dates, type, use, payment.
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    column->addLayout(header);

    auto *shop = groupFrame(fieldsArea());
    addBackground(shop);
    auto *shopColumn = new QVBoxLayout(shop);
    shopColumn->setContentsMargins(8, 6, 8, 8);
    shopColumn->setSpacing(3);
    const QString shopTitle = s("DATI CENTRO OTTICO");
    shopColumn->addWidget(heading(shopTitle, shop));
    for (int i = 1; i <= Settings::shopLineCount; ++i) {
        QLineEdit *e = makeEdit(numbered("OtticoRigo", i), shop);
        e->setAccessibleName(shopTitle + s(" riga %1").arg(i));
        e->setFixedWidth(300);
        shopColumn->addWidget(e);
    }
    shopColumn->addStretch(1);
    header->addWidget(shop);

    auto *client = groupFrame(fieldsArea());
    addBackground(client);
    auto *clientGrid = new QGridLayout(client);
    clientGrid->setContentsMargins(8, 6, 8, 8);
    clientGrid->setHorizontalSpacing(6);
    clientGrid->setVerticalSpacing(3);
    const QString clientTitle = s("DATI CLIENTE");
    clientGrid->addWidget(heading(clientTitle, client), 0, 0, 1, 2);
    for (int i = 1; i <= 3; ++i) {
        QLineEdit *e = makeEdit(numbered("ClienteRigo", i), client);
        e->setAccessibleName(clientTitle + s(" riga %1").arg(i));
        QWidget *cell = e;
        if (i == 1)
            cell = withButton(e, {s("impCliente"), s("Importa cliente"), s("import"),
                                  s("Importa i dati dall'archivio dei clienti."), false},
                              client);
        clientGrid->addWidget(cell, i, 0, 1, 2);
    }
    const std::pair<const char *, const char *> marks[] = {{"ClienteRigo04", "C.F."}, {"ClienteRigo05", "Cel."}};
    int markRow = 4;
    for (const auto &[field, mark] : marks) {
        QLineEdit *e = makeEdit(s(field), client);
        auto *label = rowTitle(s(mark), client);
        label->setBuddy(e);
        e->setAccessibleName(s(mark));
        clientGrid->addWidget(label, markRow, 0);
        clientGrid->addWidget(e, markRow, 1);
        ++markRow;
    }
    clientGrid->setColumnMinimumWidth(1, 270);
    clientGrid->setRowStretch(markRow, 1);
    header->addWidget(client);

    auto *details = groupFrame(fieldsArea());
    addBackground(details);
    auto *detailGrid = new QGridLayout(details);
    detailGrid->setContentsMargins(8, 6, 8, 8);
    detailGrid->setHorizontalSpacing(10);
    detailGrid->setVerticalSpacing(1);
    const auto place = [&](QWidget *editWidget, QWidget *cell, const QString &caption, int row, int col, int span) {
        detailGrid->addWidget(captionFor(editWidget, caption, details), row * 2, col, 1, span);
        detailGrid->addWidget(cell, row * 2 + 1, col, 1, span);
    };
    QLineEdit *number = makeEdit(s("NumPre"), details);
    place(number,
          withButton(number, {s("impNumerazione"), s("N."), s("numbering"),
                              s("Imposta il numero iniziale per la numerazione automatica delle prescrizioni.")},
                     details),
          s("Prescrizione n."), 0, 0, 1);
    txtData = makeEdit(s("Data"), details);
    txtData->setReadOnly(true);
    place(txtData, withButton(txtData, {s("impData"), s("Calendario data emissione"), s("calendar"), calendarHint}, details),
          s("Data emissione:"), 0, 2, 1);
    QLineEdit *type = makeEdit(s("TipoOc"), details);
    place(type, type, m_traits.typeCaption, 1, 0, 1);
    QLineEdit *use = makeEdit(s("Uso"), details);
    place(use, use, m_traits.useCaption, 1, 1, 1);
    txtConsegna = makeEdit(s("Consegna"), details);
    txtConsegna->setReadOnly(true);
    place(txtConsegna,
          withButton(txtConsegna, {s("impConsegna"), s("Calendario data consegna"), s("calendar"), calendarHint},
                     details),
          s("Data consegna:"), 1, 2, 1);
    QLineEdit *payment = makeEdit(s("Modalita"), details);
    place(payment, payment, s("Modalità di pagamento:"), 2, 0, 2);
    chkSaldato = new QCheckBox(s("Saldato"), details);
    chkSaldato->setObjectName(s("chkSaldato"));
    chkSaldato->setStyleSheet(QStringLiteral("QCheckBox { font-weight: bold; }"));
    setHint(chkSaldato, m_traits.paidHint);
    detailGrid->addWidget(chkSaldato, 5, 2);
    for (int c = 0; c < 3; ++c) {
        detailGrid->setColumnMinimumWidth(c, 150);
        detailGrid->setColumnStretch(c, 1);
    }
    detailGrid->setRowStretch(6, 1);
    header->addWidget(details, 1);

    // Band of four columns: frame or accessories, right lens, row titles, left lens; then the amounts.
    auto *band = new QHBoxLayout;
    band->setSpacing(8);
    column->addLayout(band, m_traits.notesWithAccessories ? 1 : 0);

    auto *items = groupFrame(fieldsArea());
    addBackground(items);
    auto *grid = new QGridLayout(items);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(heading(m_traits.accessorySection, items), 0, 0, 1, 2);
    grid->addWidget(heading(m_traits.rightSection, items), 0, 3, Qt::AlignHCenter);
    grid->addWidget(heading(m_traits.leftSection, items), 0, 5, Qt::AlignHCenter);
    for (int i = 1; i <= m_traits.accessoryRows.size(); ++i) {
        const QString title = m_traits.accessoryRows.at(i - 1);
        QLineEdit *e = makeEdit(numbered("Montatura", i), items);
        e->setAccessibleName(m_traits.accessorySection + QLatin1Char(' ') + title);
        e->setMinimumWidth(165);
        grid->addWidget(rowTitle(title, items), i, 0);
        grid->addWidget(e, i, 1);
    }
    if (m_traits.notesWithAccessories) {
        const int row = int(m_traits.accessoryRows.size()) + 1;
        QLineEdit *notes = makeEdit(s("Note"), items);
        auto *label = rowTitle(s("NOTE"), items);
        label->setBuddy(notes);
        notes->setAccessibleName(s("NOTE"));
        grid->addWidget(label, row, 0);
        grid->addWidget(notes, row, 1);
    }
    grid->setColumnMinimumWidth(2, 10);
    for (int i = 1; i <= m_traits.lensRows.size(); ++i) {
        const QString title = m_traits.lensRows.at(i - 1);
        QLineEdit *right = makeEdit(numbered("LenteDX", i), items);
        right->setAccessibleName(m_traits.rightSection + QLatin1Char(' ') + title);
        right->setMinimumWidth(150);
        QLineEdit *left = makeEdit(numbered("LenteSX", i), items);
        left->setAccessibleName(m_traits.leftSection + QLatin1Char(' ') + title);
        left->setMinimumWidth(150);
        grid->addWidget(right, i, 3);
        grid->addWidget(rowTitle(title, items), i, 4, Qt::AlignHCenter);
        grid->addWidget(left, i, 5);
    }
    // Extra width goes to the edits, so the band lines up with the header above.
    for (int c : {1, 3, 5})
        grid->setColumnStretch(c, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    band->addWidget(items, 1);

    auto *amounts = groupFrame(fieldsArea());
    addBackground(amounts);
    auto *amountGrid = new QGridLayout(amounts);
    amountGrid->setContentsMargins(8, 6, 8, 8);
    amountGrid->setHorizontalSpacing(6);
    amountGrid->setVerticalSpacing(3);
    const QString amountTitle = s("IMPORTI DOVUTI");
    amountGrid->addWidget(heading(amountTitle, amounts), 0, 0, 1, 3);
    const auto euro = [amounts]() {
        auto *label = new QLabel(QString(QChar(0x20AC)), amounts);
        label->setProperty("caption", true);
        return label;
    };
    const auto amountEdit = [&](const QString &field, const QString &name) {
        QLineEdit *e = makeEdit(field, amounts);
        e->setAccessibleName(name);
        e->setAlignment(Qt::AlignRight);
        e->setFixedWidth(120);
        return e;
    };
    int row = 1;
    for (int i = 1; i <= m_traits.amountRows.size(); ++i, ++row) {
        const QString title = m_traits.amountRows.at(i - 1);
        m_amounts << amountEdit(numbered("Importo", i), amountTitle + QLatin1Char(' ') + title);
        amountGrid->addWidget(rowTitle(title, amounts), row, 0);
        amountGrid->addWidget(euro(), row, 1);
        amountGrid->addWidget(m_amounts.last(), row, 2);
    }
    m_amounts << amountEdit(s("Finale"), s("ANTICIPO"));
    amountGrid->addWidget(rowTitle(s("ANTICIPO"), amounts), row, 0);
    amountGrid->addWidget(euro(), row, 1);
    amountGrid->addWidget(m_amounts.last(), row, 2);
    ++row;

    // The edits first, so a search by accessible name finds them before the
    // SALDO and TOTALE buttons that compute them.
    txtTotale = amountEdit(s("Totale"), s("SALDO"));
    txtTotale->setReadOnly(true);
    txtDovuto = new QLabel(amounts);
    txtDovuto->setObjectName(s("txtDovuto"));
    txtDovuto->setAccessibleName(s("TOTALE"));
    txtDovuto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtDovuto->setFixedWidth(120);
    txtDovuto->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtDovuto->setStyleSheet(QStringLiteral(
        "#txtDovuto { background: #FFF1C2; border: 1px solid #E0B84C; padding: 2px 4px; font-weight: bold; }"));
    const QString totalsHint = s("Calcola gli importi dovuti dal cliente.");
    for (const auto &[name, caption, target] :
         {std::tuple{s("btnTotale"), s("SALDO"), static_cast<QWidget *>(txtTotale)},
          std::tuple{s("icoTotale"), s("TOTALE"), static_cast<QWidget *>(txtDovuto)}}) {
        auto *b = new PictureButton(name, caption, s("paid"), totalsHint, amounts);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setIconSize(QSize(18, 18));
        setHint(b, totalsHint);
        amountGrid->addWidget(b, row, 0);
        amountGrid->addWidget(euro(), row, 1);
        amountGrid->addWidget(target, row, 2);
        ++row;
    }
    amountGrid->setRowStretch(row, 1);
    band->addWidget(amounts);

    if (!m_traits.notesWithAccessories) {
        auto *bottom = groupFrame(fieldsArea());
        addBackground(bottom);
        auto *notesRow = new QHBoxLayout(bottom);
        notesRow->setContentsMargins(8, 4, 8, 4);
        notesRow->setSpacing(8);
        QLineEdit *notes = makeEdit(s("Note"), bottom);
        notesRow->addWidget(captionFor(notes, s("Note:"), bottom));
        notesRow->addWidget(notes, 1);
        auto *declaration = new PictureButton(
            s("btnDichiara"), s("Dichiarazione di Conformità"), s("print"),
            s("Stampa la Dichiarazione di conformità per occhiale correttivo."), bottom);
        declaration->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        declaration->setIconSize(QSize(22, 22));
        declaration->setEnabled(false);
        setHint(declaration, declaration->hint());
        notesRow->addWidget(declaration);
        column->addWidget(bottom);
    }
    column->addStretch(1);

    // Kept with the record or with the card, never shown.
    for (const QString &name : attachmentLabels()) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->hide();
    }
    lblInizio = new QLabel(this);
    lblInizio->setObjectName(s("lblInizio"));
    lblInizio->hide();
    // The totals take the focus here, so the field being edited is left and normalised first.
    btnFocus = new QPushButton(fieldsArea());
    btnFocus->setObjectName(s("btnFocus"));
    btnFocus->setFixedSize(0, 0);
    btnFocus->setFocusPolicy(Qt::ClickFocus);
    btnFocus->setFlat(true);
    btnFocus->setAccessibleName(s("Calcolo importi"));
}

QList<QLineEdit *> PrescriptionCard::shopLines() const
{
    QList<QLineEdit *> lines;
    for (int i = 1; i <= Settings::shopLineCount; ++i)
        lines << edit(numbered("txtOtticoRigo", i));
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
    const QStringList shop = Settings::shopLines();
    const QList<QLineEdit *> lines = shopLines();
    for (int i = 0; i < lines.size(); ++i)
        FieldBinder::setText(lines.at(i), shop.value(i));
    clearCard();
    focusControl(definition().focusOnNew);
}

void PrescriptionCard::prepareNew()
{
    const QString startText = Text::trim(Settings::numberingStart(m_traits.kind));
    lblInizio->setText(startText.isEmpty() ? s("1") : startText);
    const std::optional<qint64> start = Numbering::startValue(startText);
    std::optional<qint64> count;
    try {
        RecordFile file(RecordFile::pathFor(*m_traits.layout), *m_traits.layout);
        count = file.count();
        file.close();
    } catch (const ArchiveError &) {
    }
    clearCard();
    focusControl(definition().focusOnNew);
    if (!start || !count) {
        showAccessFailure(Command::New);
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
    // An unwritable settings file keeps the previous lines; closing goes on.
    [[maybe_unused]] const bool written = Settings::writeShopLines(shop);
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
    TfrmCalendario::pick(this, context(), m_traits.key + which);
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
    TfrmNumerazione::edit(this, m_traits.key, s(" Imposta inizio numerazione prescrizioni"));
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
        return !Amount::keyPasses(key->key(), key->text());
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
