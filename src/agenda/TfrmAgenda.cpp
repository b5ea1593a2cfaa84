#include "TfrmAgenda.h"
#include "core/Utf8.h"
#include "widgets/KeyboardRules.h"
#include "archive/ListPrinter.h"
#include "AgendaExports.h"
#include "AgendaHelp.h"
#include "archive/ExportWindow.h"
#include "TfrmWhatsApp_Message.h"
#include "archive/WindowRegistry.h"
#include "widgets/TfrmGuida.h"
#include "widgets/CentredPanel.h"
#include "widgets/PictureButton.h"
#include "core/AppointmentRules.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/Text.h"
#include "platform/ClockService.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/SoundService.h"
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace lumivista {

namespace {


const QString warnEmptyList = QStringLiteral(
    "Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun appuntamento.");
const QString warnNoSelection = QStringLiteral(
    "Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria dell'appuntamento "
    "prima di fare clic sull'icona di WhatsApp.");

QLabel *picture(QWidget *parent, const char *name, const QString &icon, int size, const QString &accessible)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)).pixmap(size, size));
    label->setFixedSize(size, size);
    label->setAccessibleName(accessible);
    return label;
}

QLabel *hiddenLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setVisible(false);
    return label;
}

} // namespace

TfrmAgenda::TfrmAgenda(WindowRegistry &registry, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_registry(registry)
{
    setObjectName(s("frmAgenda"));
    setWindowTitle(s(" Lumivista - Agenda Appuntamenti"));
    buildScreen();
    calAppuntamenti->setSelectedDate(services().clock.today());
}

Services &TfrmAgenda::services() const
{
    return m_registry.services();
}

void TfrmAgenda::buildScreen()
{
    QWidget *panel = CentredPanel::install(this, s("agendaPanel"));
    setAttribute(Qt::WA_StyledBackground);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 10, 16, 10);
    column->setSpacing(10);

    imgTitolo = new QLabel(s("AGENDA APPUNTAMENTI"), panel);
    imgTitolo->setObjectName(s("imgTitolo"));
    imgTitolo->setAlignment(Qt::AlignCenter);
    column->addWidget(imgTitolo);

    auto *body = new QHBoxLayout;
    body->setSpacing(14);
    column->addLayout(body, 1);

    // Left: how to use the calendar, the calendar, its two buttons, the card.
    auto *leftBox = new QFrame(panel);
    leftBox->setProperty("box", true);
    leftBox->setFixedWidth(340);
    auto *left = new QVBoxLayout(leftBox);
    left->setContentsMargins(10, 10, 10, 10);
    left->setSpacing(8);
    imgIstruzioni = new QLabel(s("Seleziona una data dal calendario e premi i pulsanti in calce per visualizzare gli "
                                 "appuntamenti di un giorno o un mese dell'anno."),
                               leftBox);
    imgIstruzioni->setObjectName(s("imgIstruzioni"));
    imgIstruzioni->setWordWrap(true);
    left->addWidget(imgIstruzioni);
    calAppuntamenti = new QCalendarWidget(leftBox);
    calAppuntamenti->setObjectName(s("calAppuntamenti"));
    calAppuntamenti->setAccessibleName(s("Calendario"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setFixedHeight(220);
    left->addWidget(calAppuntamenti);
    btnGiorno = new QPushButton(s("APPUNTAMENTI DEL GIORNO"), leftBox);
    btnGiorno->setObjectName(s("btnGiorno"));
    btnGiorno->setToolTip(s("Esporta in Excel gli appuntamenti del giorno selezionato nel calendario."));
    left->addWidget(btnGiorno);
    btnMese = new QPushButton(s("APPUNTAMENTI DEL MESE"), leftBox);
    btnMese->setObjectName(s("btnMese"));
    btnMese->setToolTip(s("Esporta in Excel gli appuntamenti del mese della data selezionata nel calendario."));
    left->addWidget(btnMese);
    left->addStretch(1);
    auto *cardRow = new QHBoxLayout;
    appApriArchivio = new PictureButton(s("appApriArchivio"), s("INSERISCI APPUNTAMENTI"), s("appointments"),
                                        s("Apri lo schedario degli appuntamenti."), leftBox);
    appApriArchivio->setToolButtonStyle(Qt::ToolButtonIconOnly);
    appApriArchivio->setIconSize(QSize(48, 48));
    cardRow->addWidget(appApriArchivio);
    btnArchivio = new QPushButton(s("INSERISCI APPUNTAMENTI"), leftBox);
    btnArchivio->setObjectName(s("btnArchivio"));
    btnArchivio->setToolTip(s("Apri lo schedario degli appuntamenti."));
    cardRow->addWidget(btnArchivio, 1);
    left->addLayout(cardRow);
    body->addWidget(leftBox);

    // Right: whether there is anything to do, the WhatsApp reminder and the list.
    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    auto *status = new QHBoxLayout;
    status->setSpacing(10);
    imgCiSonoIcona = picture(panel, "imgCiSonoIcona", s("balloon_yes"), 56, s("Ci sono appuntamenti"));
    imgCiSono = new QLabel(s("Ci sono appuntamenti"), panel);
    imgCiSono->setObjectName(s("imgCiSono"));
    imgNonCiSonoIcona = picture(panel, "imgNonCiSonoIcona", s("balloon_no"), 56, s("Non ci sono appuntamenti"));
    imgNonCiSono = new QLabel(s("Non ci sono appuntamenti"), panel);
    imgNonCiSono->setObjectName(s("imgNonCiSono"));
    for (QLabel *l : {imgCiSonoIcona, imgCiSono, imgNonCiSonoIcona, imgNonCiSono}) {
        l->setVisible(false);
        status->addWidget(l, 0, Qt::AlignVCenter);
    }
    status->addStretch(1);
    btnWhatsApp = new PictureButton(s("btnWhatsApp"), s("Promemoria WhatsApp"), s("whatsapp"),
                                    s("Invia al cliente selezionato il promemoria dell'appuntamento tramite WhatsApp."),
                                    panel);
    btnWhatsApp->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnWhatsApp->setIconSize(QSize(40, 40));
    status->addWidget(btnWhatsApp);
    // Keeps the row's height when the status pictures change.
    auto *strut = new QWidget(panel);
    strut->setFixedSize(0, 60);
    status->addWidget(strut);
    right->addLayout(status);

    lstRecords = new QListWidget(panel);
    lstRecords->setObjectName(s("lstRecords"));
    lstRecords->setAccessibleName(s("Appuntamenti imminenti"));
    QFont mono(s("Courier New"), 14);
    mono.setStyleHint(QFont::TypeWriter);
    lstRecords->setFont(mono);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    // One line of one font each: the list need not measure thousands of them.
    lstRecords->setUniformItemSizes(true);
    lstRecords->setMinimumSize(860, 380);
    right->addWidget(lstRecords, 1);
    body->addLayout(right, 1);

    // Bottom: help, print, export and exit.
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    imgGuida = new PictureButton(s("imgGuida"), s("Guida"), s("help"), s("Visualizza la guida in linea."), panel);
    KeyboardRules::bind(imgGuida, QKeySequence(Qt::Key_F1));
    btnStampa = new PictureButton(s("btnStampa"), s("Stampa riepilogo"), s("print"),
                                  s("Stampa l'elenco degli appuntamenti imminenti."), panel);
    btnExcel = new PictureButton(s("btnExcel"), s("Esporta in Excel"), s("export"),
                                 s("Esporta in Excel gli appuntamenti imminenti."), panel);
    imgEsci = new PictureButton(s("imgEsci"), s("Esci"), s("exit"), s("Esci da questa schermata di lavoro."), panel);
    for (PictureButton *b : {imgGuida, btnStampa, btnExcel})
        bottom->addWidget(b);
    bottom->addStretch(1);
    bottom->addWidget(imgEsci);
    column->addLayout(bottom);

    titData = hiddenLabel(this, "titData");
    titOra = hiddenLabel(this, "titOra");
    titContatto = hiddenLabel(this, "titContatto");
    titCel = hiddenLabel(this, "titCel");

    connect(lstRecords, &QListWidget::itemClicked, this, &TfrmAgenda::lstRecordsClick);
    connect(appApriArchivio, &QToolButton::clicked, this, &TfrmAgenda::btnArchivioClick);
    connect(btnArchivio, &QPushButton::clicked, this, &TfrmAgenda::btnArchivioClick);
    connect(btnWhatsApp, &QToolButton::clicked, this, &TfrmAgenda::btnWhatsAppClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAgenda::imgGuidaClick);
    connect(btnGiorno, &QPushButton::clicked, this, &TfrmAgenda::btnGiornoClick);
    connect(btnMese, &QPushButton::clicked, this, &TfrmAgenda::btnMeseClick);
    connect(btnStampa, &QToolButton::clicked, this, &TfrmAgenda::btnStampaClick);
    connect(btnExcel, &QToolButton::clicked, this, &TfrmAgenda::btnExcelClick);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);

    panel->setFixedSize(panel->sizeHint().expandedTo(QSize(1280, 640)));
}

bool TfrmAgenda::loadList()
{
    QStringList lines;
    bool complete = true;
    const QDate today = services().clock.today();
    try {
        RecordFile file(RecordFile::pathFor(RecordLayout::appointments()), RecordLayout::appointments());
        AppointmentRules::collectImminent(file, today, lines);
        file.close();
    } catch (const ArchiveError &) {
        complete = false;
    }
    AppointmentRules::sortAgenda(lines);
    lstRecords->clear();
    lstRecords->addItems(lines);
    return complete;
}

void TfrmAgenda::showStatus(bool appointments)
{
    imgCiSono->setVisible(appointments);
    imgCiSonoIcona->setVisible(appointments);
    imgNonCiSono->setVisible(!appointments);
    imgNonCiSonoIcona->setVisible(!appointments);
}

void TfrmAgenda::FormShow()
{
    for (QLabel *label : {titData, titOra, titContatto, titCel})
        label->clear();
    // An archive that cannot be read stays silent: what was read is listed and
    // the status and the alert are left as they were.
    if (!loadList())
        return;
    const bool any = lstRecords->count() > 0;
    showStatus(any);
    if (any) {
        m_soundLoaded = services().sound.load(ProgramFolder::file(s("Avviso.mp3")));
        if (m_soundLoaded)
            services().sound.play();
    }
}

void TfrmAgenda::lstRecordsClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString wanted = Text::trim(item->text());
    QStringList found;
    try {
        RecordFile file(RecordFile::pathFor(RecordLayout::appointments()), RecordLayout::appointments());
        file.scan([&](qint64, const RecordView &record) {
            // Every record is compared, imminent or not; the last equal one wins.
            if (Text::trim(AppointmentRules::agendaLine(record)) == wanted) {
                found = {record.value(s("Data")), record.value(s("Ora")), record.value(s("Contatto")),
                         record.value(s("Cel"))};
            }
            return true;
        });
        file.close();
    } catch (const ArchiveError &) {
        return; // the selection stays as it was
    }
    if (found.isEmpty())
        return;
    titData->setText(Text::trim(found.at(0)));
    titOra->setText(Text::trim(found.at(1)));
    titContatto->setText(Text::trim(found.at(2)));
    titCel->setText(Text::trim(found.at(3)));
}

void TfrmAgenda::btnArchivioClick()
{
    m_registry.openWorkingWindow(WindowId::Appointments, this);
}

void TfrmAgenda::btnGiornoClick()
{
    ExportWindow::open(this, services(), AgendaExports::day(), calAppuntamenti->selectedDate());
}

void TfrmAgenda::btnMeseClick()
{
    ExportWindow::open(this, services(), AgendaExports::month(), calAppuntamenti->selectedDate());
}

void TfrmAgenda::btnStampaClick()
{
    QStringList lines;
    lines.reserve(lstRecords->count());
    for (int i = 0; i < lstRecords->count(); ++i)
        lines << lstRecords->item(i)->text();
    ListPrinter::print(services(), this, s("Riepilogo appuntamenti imminenti"), lines);
}

void TfrmAgenda::btnExcelClick()
{
    // Imminent is measured against today, as the list above it.
    ExportWindow::open(this, services(), AgendaExports::imminent(), services().clock.today());
}

void TfrmAgenda::btnWhatsAppClick()
{
    if (lstRecords->count() == 0) {
        services().messages.warning(warnEmptyList);
        return;
    }
    if (lstRecords->selectedItems().isEmpty()) {
        services().messages.warning(warnNoSelection);
        return;
    }
    TfrmWhatsApp_Message::remind(this, services(), Text::trim(titData->text()), Text::trim(titOra->text()),
                                 Text::trim(titContatto->text()), Text::trim(titCel->text()));
}

void TfrmAgenda::imgGuidaClick()
{
    TfrmGuida::showHelp(this, services(), AgendaHelp::title(), AgendaHelp::text());
}

void TfrmAgenda::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmAgenda::closeEvent(QCloseEvent *event)
{
    if (m_soundLoaded)
        services().sound.stop();
    event->accept();
    QWidget::closeEvent(event);
    m_registry.showHome();
}

} // namespace lumivista
