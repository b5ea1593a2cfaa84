#include "RecallListWindow.h"
#include "archive/CardWindow.h"
#include "archive/ExportHelp.h"
#include "core/ArchiveError.h"
#include "core/DateText.h"
#include "core/Messages.h"
#include "core/RecallFile.h"
#include "core/RecordFile.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/Utf8.h"
#include "core/WhatsAppLink.h"
#include "platform/ClockService.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "widgets/DialogButton.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumivista {

namespace {

QString intervalsText(const RecallList::Intervals &intervals)
{
    return s("Occhiali ed esame optometrico dopo %1 mesi, lenti a contatto dopo %2 mesi.")
        .arg(intervals.glassesMonths)
        .arg(intervals.lensMonths);
}

RecallList::Intervals savedIntervals()
{
    return {Settings::recallMonths(PrescriptionKind::Glasses), Settings::recallMonths(PrescriptionKind::Lenses)};
}

} // namespace

const RecordLayout &RecallListWindow::rowLayout()
{
    static const RecordLayout layout(QString(), {{s("Name"), 250},
                                                 {s("MobilePhone"), 30},
                                                 {s("Tipo"), 20},
                                                 {s("Data"), 10},
                                                 {s("Mesi"), 5},
                                                 {s("Richiamato"), 10},
                                                 {s("Posizione"), 20}});
    return layout;
}

LineFormat RecallListWindow::line()
{
    return LineFormat(rowLayout(), {{QString(), s("Name"), 30},
                                    {s("  Cel. "), s("MobilePhone"), 15},
                                    {s("  Ultima visita: "), s("Tipo"), 17},
                                    {s(" del "), s("Data"), 10},
                                    {s("  Mesi: "), s("Mesi"), 3},
                                    {s("  Richiamato il: "), s("Richiamato"), -1}});
}

QList<ExportColumn> RecallListWindow::columns()
{
    return {{s("Cognome e nome"), 220, s("Name")},
            {s("Cellulare"), 110, s("MobilePhone")},
            {s("Ultima visita"), 130, s("Tipo")},
            {s("Data ultima visita"), 110, s("Data")},
            {s("Mesi trascorsi"), 90, s("Mesi")},
            {s("Richiamato il"), 100, s("Richiamato")},
            {s("N. scheda cliente"), 100, s("Posizione")}};
}

Record RecallListWindow::row(const RecallEntry &e)
{
    Record r(rowLayout());
    r.setValue(s("Name"), e.name);
    r.setValue(s("MobilePhone"), e.mobile);
    r.setValue(s("Tipo"), RecallEntry::kindName(e.kind));
    r.setValue(s("Data"), DateText::write(e.lastVisit));
    r.setValue(s("Mesi"), QString::number(e.months));
    r.setValue(s("Richiamato"), e.recalled.isValid() ? DateText::write(e.recalled) : QString());
    r.setValue(s("Posizione"), QString::number(e.position));
    return r;
}

ListMember RecallListWindow::member()
{
    auto options = std::make_shared<Options>();
    ListMember m;
    m.windowName = s("TfrmRichiami");
    m.caption = s(" Clienti da richiamare");
    m.line = line();
    m.fold = ListFind::Fold::Lower;
    m.printTitle = s("Clienti da richiamare per un controllo");
    m.printPreview = true;
    m.pickHint = s("Fare doppio clic su un cliente in elenco per richiamarne la scheda");
    m.rows = [options](const QDate &today) {
        ListMember::Rows rows;
        const std::optional<QHash<qint64, QDate>> recalled = RecallFile::read();
        if (!recalled)
            rows.failures << s("Attenzione: il file %1 non è leggibile; i richiami registrati non sono "
                               "mostrati.")
                                 .arg(RecallFile::fileName());
        const RecallList::Intervals intervals = savedIntervals();
        const RecallList::Result due = RecallList::due(today, intervals, recalled.value_or(QHash<qint64, QDate>()));
        int hidden = 0;
        for (const RecallEntry &e : due.entries) {
            if (options->hideRecent && RecallList::recentlyRecalled(e, today))
                ++hidden;
            else
                rows.records.append(row(e));
        }
        rows.heading = intervalsText(intervals);
        if (hidden > 0)
            rows.heading += s(" Nascosti perché richiamati negli ultimi 30 giorni: %1.").arg(hidden);
        rows.failures << due.failures;
        return rows;
    };
    ExportMember &e = m.exportMember;
    e.windowName = s("TfrmExpRichiami");
    e.caption = s(" Esportazione clienti da richiamare in Excel");
    e.layout = &rowLayout();
    e.columns = columns();
    e.fileName = s("Clienti_da_Richiamare.xls");
    e.sheetName = s("Clienti da Richiamare");
    e.helpTitle = s("Esportazione clienti da richiamare in Excel");
    e.helpText = ExportHelp::list(s("i clienti da richiamare"), e.fileName);
    e.initialHint = s("Esportazione dei clienti da richiamare in Microsoft Excel.");
    // A picked client comes onto the client card, as from the other client lists.
    const auto loadClient = ListMember::loadInto(WindowId::Clients, s("clients"));
    m.pick = [loadClient](const WindowRegistry &registry, const QString &key, const Record &row, qint64) {
        const qint64 position = row.value(s("Posizione")).toLongLong();
        try {
            const std::optional<Record> client = RecordFile::recordAt(RecordLayout::clients(), position);
            return client && loadClient(registry, key, *client, position);
        } catch (const ArchiveError &error) {
            registry.services().messages.error(Messages::accessFailure(error));
            return false;
        }
    };
    m.window = [options](WindowRegistry &registry, const ListMember &member, const QString &key, QWidget *owner) {
        return new RecallListWindow(registry, member, options, key, owner);
    };
    return m;
}

RecallListWindow::RecallListWindow(WindowRegistry &registry, const ListMember &member, std::shared_ptr<Options> options,
                                   const QString &key, QWidget *owner)
    : RecordListWindow(registry, member, key, owner)
    , m_options(std::move(options))
{
    QWidget *panel = panContainer;
    const RecallList::Intervals intervals = savedIntervals();
    const auto months = [&](const char *name, const QString &caption, int value) {
        auto *label = new QLabel(caption, panel);
        auto *edit = new QLineEdit(QString::number(value), panel);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(caption);
        edit->setValidator(new QIntValidator(1, 240, edit));
        edit->setMaxLength(3);
        edit->setFixedWidth(56);
        label->setBuddy(edit);
        optionRow()->addWidget(label);
        optionRow()->addWidget(edit);
        return edit;
    };
    txtMesiOcchiali = months("txtMesiOcchiali", s("Mesi per occhiali ed esame:"), intervals.glassesMonths);
    txtMesiLenti = months("txtMesiLenti", s("Mesi per lenti a contatto:"), intervals.lensMonths);
    btnApplica = DialogButton::make(panel, s("btnApplica"), s("Applica"),
                                    s("Salva gli intervalli di richiamo e aggiorna l'elenco."));
    optionRow()->addWidget(btnApplica);
    optionRow()->addSpacing(24);
    chkNascondi = new QCheckBox(s("Nascondi i clienti richiamati negli ultimi 30 giorni"), panel);
    chkNascondi->setObjectName(s("chkNascondi"));
    chkNascondi->setChecked(m_options->hideRecent);
    optionRow()->addWidget(chkNascondi);
    optionRow()->addStretch(1);

    btnWhatsApp = DialogButton::make(panel, s("btnWhatsApp"), s("Richiama su WhatsApp"),
                                     s("Prepara su WhatsApp il messaggio di richiamo per il cliente selezionato."), 170);
    btnRichiamato = DialogButton::make(panel, s("btnRichiamato"), s("Segna come richiamato"),
                                       s("Annota la data di oggi come data del richiamo del cliente selezionato."), 170);
    commandRow()->addWidget(btnWhatsApp);
    commandRow()->addWidget(btnRichiamato);

    connect(btnApplica, &QPushButton::clicked, this, &RecallListWindow::btnApplicaClick);
    connect(chkNascondi, &QCheckBox::clicked, this, &RecallListWindow::chkNascondiClick);
    connect(btnWhatsApp, &QPushButton::clicked, this, &RecallListWindow::btnWhatsAppClick);
    connect(btnRichiamato, &QPushButton::clicked, this, &RecallListWindow::btnRichiamatoClick);
}

void RecallListWindow::btnApplicaClick()
{
    const std::optional<int> glasses = Settings::readRecallMonths(txtMesiOcchiali->text());
    const std::optional<int> lenses = Settings::readRecallMonths(txtMesiLenti->text());
    Services &services = registry().services();
    if (!glasses || !lenses) {
        services.messages.plain(s("Attenzione: indicare gli intervalli di richiamo in mesi, con un numero intero "
                                  "da 1 a 240."));
        (glasses ? txtMesiLenti : txtMesiOcchiali)->setFocus();
        return;
    }
    if (!Settings::writeRecallMonths(PrescriptionKind::Glasses, *glasses)
        || !Settings::writeRecallMonths(PrescriptionKind::Lenses, *lenses)) {
        services.messages.plain(s("Attenzione: non è stato possibile salvare gli intervalli di richiamo nel file "
                                  "%1.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di "
                                  "installazione del programma.")
                                    .arg(Settings::fileName()));
        return;
    }
    reload();
}

void RecallListWindow::chkNascondiClick()
{
    m_options->hideRecent = chkNascondi->isChecked();
    reload();
}

const Record *RecallListWindow::selectedClient()
{
    const Record *row = selectedRecord();
    if (!row)
        registry().services().messages.plain(s("Selezionare un cliente nell'elenco."));
    return row;
}

void RecallListWindow::btnWhatsAppClick()
{
    const Record *row = selectedClient();
    if (!row)
        return;
    Services &services = registry().services();
    const QString mobile = row->value(s("MobilePhone"));
    if (mobile.isEmpty()) {
        services.messages.plain(s("Attenzione: per richiamare il cliente tramite WhatsApp è necessario che la sua "
                                  "scheda riporti il numero di cellulare."));
        return;
    }
    const QString shop = Settings::shopLines().value_or(QStringList()).value(0);
    services.shell.open(WhatsAppLink::recall(mobile, shop, row->value(s("Mesi")).toInt()));
}

void RecallListWindow::btnRichiamatoClick()
{
    const Record *row = selectedClient();
    if (!row)
        return;
    Services &services = registry().services();
    const qint64 position = row->value(s("Posizione")).toLongLong();
    if (!RecallFile::mark(position, services.clock.today())) {
        services.messages.plain(s("Attenzione: non è stato possibile registrare il richiamo nel file %1; i "
                                  "richiami annotati finora restano com'erano.\n\r\n\rAccertarsi di possedere i "
                                  "privilegi di scrittura nella cartella di installazione del programma.")
                                    .arg(RecallFile::fileName()));
        return;
    }
    reload();
}

} // namespace lumivista
