#include "BackupWindow.h"
#include "AppContext.h"
#include "core/IniFile.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "core/WholeFile.h"
#include "platform/ClockService.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "widgets/DialogButton.h"
#include "widgets/KeyboardRules.h"
#include "widgets/TfrmGuida.h"
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lumivista {

namespace {

QString moment(const QDateTime &when)
{
    return when.toString(s("dd/MM/yyyy 'alle' HH:mm"));
}

QString sizeText(qint64 bytes)
{
    if (bytes < 1024 * 1024)
        return s("%1 kB").arg(QLocale(QLocale::Italian).toString(double(bytes) / 1024.0, 'f', 0));
    return s("%1 MB").arg(QLocale(QLocale::Italian).toString(double(bytes) / (1024.0 * 1024.0), 'f', 1));
}

QString verdictText(const Backup::Verdict &verdict)
{
    switch (verdict.state) {
    case Backup::State::Good:
        return s("Integra");
    case Backup::State::Damaged:
        return s("Danneggiata: ") + verdict.damaged.join(s(", "));
    case Backup::State::Unverifiable:
        break;
    }
    return s("Non verificabile (copia di una versione precedente)");
}

} // namespace

BackupWindow::BackupWindow(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(s("TfrmBackup"));
    setWindowTitle(s(" Lumivista - Copie di sicurezza"));
    setModal(true);
    resize(900, 560);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    auto *banner = new QLabel(s("Copie di sicurezza dei dati"), this);
    banner->setObjectName(s("imgBanner"));
    banner->setProperty("listBanner", true);
    banner->setAlignment(Qt::AlignCenter);
    layout->addWidget(banner);

    lblCartella = new QLabel(this);
    lblCartella->setObjectName(s("lblCartella"));
    lblCartella->setWordWrap(true);
    layout->addWidget(lblCartella);

    grdBackup = new QTreeWidget(this);
    grdBackup->setObjectName(s("grdBackup"));
    grdBackup->setAccessibleName(s("Copie di sicurezza"));
    grdBackup->setRootIsDecorated(false);
    grdBackup->setUniformRowHeights(true);
    grdBackup->setSelectionMode(QAbstractItemView::SingleSelection);
    grdBackup->setHeaderLabels({s("Data e ora"), s("Dove si trova"), s("Dimensione"), s("Verifica")});
    grdBackup->header()->setStretchLastSection(true);
    grdBackup->setColumnWidth(0, 170);
    grdBackup->setColumnWidth(1, 330);
    grdBackup->setColumnWidth(2, 100);
    layout->addWidget(grdBackup, 1);

    lblSpiegazione = new QLabel(
        s("Ripristina rimette al loro posto gli archivi, le impostazioni e la password della copia selezionata: tutto "
          "ciò che è stato inserito dopo quel momento viene sostituito. Prima di ripristinare, il programma fa una copia "
          "dei dati attuali, così il ripristino si può sempre annullare ripristinando quella copia."),
        this);
    lblSpiegazione->setObjectName(s("lblSpiegazione"));
    lblSpiegazione->setWordWrap(true);
    layout->addWidget(lblSpiegazione);

    barProgress = new QProgressBar(this);
    barProgress->setObjectName(s("barProgress"));
    barProgress->setAccessibleName(s("Avanzamento"));
    barProgress->setRange(0, 1000);
    barProgress->hide();
    layout->addWidget(barProgress);

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    btnEsegui = DialogButton::make(this, s("btnEsegui"), s("Esegui backup ora"),
                                   s("Fa subito una copia di sicurezza dei dati, anche se quella di oggi c'è già."), 160);
    btnRipristina = DialogButton::make(this, s("btnRipristina"), s("Ripristina"),
                                       s("Rimette i dati della copia selezionata, dopo averne fatta una di quelli "
                                         "attuali."));
    btnCartella = DialogButton::make(this, s("btnCartella"), s("Cartella secondaria"),
                                     s("Sceglie una seconda cartella per le copie, per esempio su una chiavetta USB o "
                                       "su un disco di rete."),
                                     160);
    btnGuida = DialogButton::make(this, s("btnGuida"), s("Guida"), s("Visualizza la guida in linea."));
    btnChiudi = DialogButton::make(this, s("btnChiudi"), s("Chiudi"), s("Chiude la finestra."));
    KeyboardRules::bind(btnGuida, QKeySequence(Qt::Key_F1));
    for (QPushButton *b : {btnEsegui, btnRipristina, btnCartella})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnGuida);
    buttons->addWidget(btnChiudi);
    connect(btnEsegui, &QPushButton::clicked, this, &BackupWindow::btnEseguiClick);
    connect(btnRipristina, &QPushButton::clicked, this, &BackupWindow::btnRipristinaClick);
    connect(btnCartella, &QPushButton::clicked, this, &BackupWindow::btnCartellaClick);
    connect(btnGuida, &QPushButton::clicked, this, &BackupWindow::btnGuidaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

QString BackupWindow::helpTitle()
{
    return s("Copie di sicurezza");
}

QString BackupWindow::helpText()
{
    return QStringList{
        s("Ogni giorno, al primo accesso, il programma copia gli archivi, le impostazioni (Lumivista.ini) e la "
          "password (unins000.dll) nella cartella Backup del programma e, se è stata scelta, nella cartella "
          "secondaria. Alla chiusura ne fa un'altra se qualcosa è cambiato dall'ultima copia del giorno, così il "
          "lavoro di oggi è al sicuro già oggi. Si conservano tutte le copie di oggi, la più recente di ciascuno "
          "degli ultimi 14 giorni e la più recente di ciascuno degli ultimi 12 mesi."),
        s("L'elenco mostra tutte le copie, dalla più recente, con la cartella in cui si trovano, la dimensione e "
          "l'esito della verifica: una copia è integra quando ogni suo file ha ancora la dimensione e il codice di "
          "controllo registrati al momento della copia."),
        s("Esegui backup ora fa subito una copia. Cartella secondaria sceglie una seconda cartella, per esempio su "
          "una chiavetta USB o su un disco di rete: il programma controlla che vi si possa scrivere prima di "
          "ricordarla."),
        s("Ripristina rimette i dati della copia selezionata, dopo aver chiesto conferma. Una copia danneggiata non "
          "viene ripristinata. Prima di ripristinare, il programma fa una copia dei dati attuali: per annullare il "
          "ripristino basta ripristinare quella copia. Se un archivio è in uso su un'altra postazione, non viene "
          "ripristinato nulla: riprovare quando gli altri hanno chiuso le schede."),
    }
        .join(s("\r\n\r\n"));
}

void BackupWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_filled) {
        m_filled = true;
        fill();
    }
}

void BackupWindow::working(bool on)
{
    for (QPushButton *b : {btnEsegui, btnRipristina, btnCartella, btnGuida, btnChiudi})
        b->setEnabled(!on);
    barProgress->setValue(0);
    barProgress->setVisible(on);
}

void BackupWindow::progress(qint64 done, qint64 total)
{
    barProgress->setValue(total > 0 ? int(done * 1000 / total) : 0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BackupWindow::fill()
{
    const QString program = ProgramFolder::path();
    const QString second = Backup::secondFolder(program);
    lblCartella->setText(second.isEmpty()
                             ? s("Cartella secondaria: nessuna. Le copie si trovano solo nella cartella Backup del "
                                 "programma.")
                             : s("Cartella secondaria: ") + QDir::toNativeSeparators(second));
    lblCartella->setAccessibleName(lblCartella->text());
    struct Place
    {
        QString root;
        QString name;
    };
    QList<Place> places = {{Backup::firstFolder(program), s("Cartella del programma")}};
    if (!second.isEmpty())
        places.append({second, s("Cartella secondaria: ") + QDir::toNativeSeparators(second)});
    QList<std::pair<Backup::Entry, QString>> found;
    for (const Place &place : std::as_const(places)) {
        for (const Backup::Entry &e : Backup::list(place.root))
            found.append({e, place.name});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first.moment > b.first.moment; });
    grdBackup->clear();
    m_entries.clear();
    working(!found.isEmpty());
    qint64 total = 0;
    for (const auto &f : std::as_const(found))
        total += f.first.size;
    qint64 done = 0;
    // A backup never changes once made: each is read through once per run of the
    // program, not every time the window opens. A restore checks again anyway.
    static QHash<QString, Backup::Verdict> checked;
    for (const auto &[entry, where] : std::as_const(found)) {
        const auto known = checked.constFind(entry.path);
        const Backup::Verdict verdict = known != checked.cend()
            ? *known
            : Backup::check(entry.path, [&](qint64 part, qint64) { progress(done + part, total); });
        checked.insert(entry.path, verdict);
        done += entry.size;
        auto *item = new QTreeWidgetItem(grdBackup, {moment(entry.moment), where, sizeText(entry.size), verdictText(verdict)});
        item->setData(0, Qt::UserRole, int(verdict.state));
        m_entries.append(entry);
    }
    working(false);
    if (grdBackup->topLevelItemCount() > 0)
        grdBackup->setCurrentItem(grdBackup->topLevelItem(0));
    btnRipristina->setEnabled(!m_entries.isEmpty());
}

void BackupWindow::btnEseguiClick()
{
    m_context.waitForBackup();
    working(true);
    const Backup::Outcome outcome = Backup::daily(ProgramFolder::path(), m_context.services().clock.now(),
                                                  Backup::When::Now,
                                                  [this](qint64 done, qint64 total) { progress(done, total); });
    working(false);
    MessageService &messages = m_context.services().messages;
    if (!outcome.problems.isEmpty())
        messages.plain(s("Attenzione: la copia di sicurezza non è riuscita del tutto (%1). Gli archivi non sono stati "
                         "toccati.")
                           .arg(outcome.problems.join(s("; "))));
    else if (outcome.made.isEmpty())
        messages.plain(s("Non c'è ancora nessun dato da copiare."));
    else
        messages.plain(s("Copia di sicurezza eseguita."));
    fill();
}

void BackupWindow::btnRipristinaClick()
{
    const int row = grdBackup->currentItem() ? grdBackup->indexOfTopLevelItem(grdBackup->currentItem()) : -1;
    MessageService &messages = m_context.services().messages;
    if (row < 0 || row >= m_entries.size()) {
        messages.plain(s("Selezionare nell'elenco la copia da ripristinare."));
        return;
    }
    const Backup::Entry entry = m_entries.at(row);
    if (!messages.confirm(s("Ripristinare la copia di sicurezza del %1?\n\r\n\rTutto ciò che è stato inserito dopo "
                            "quel momento sarà sostituito dai dati della copia. Prima del ripristino il programma fa "
                            "una copia dei dati attuali, con cui il ripristino si potrà annullare.")
                              .arg(moment(entry.moment))))
        return;
    m_context.waitForBackup();
    working(true);
    const Backup::Outcome outcome = Backup::restore(ProgramFolder::path(), entry.path, m_context.services().clock.now(),
                                                    [this](qint64 done, qint64 total) { progress(done, total); });
    working(false);
    if (!outcome.problems.isEmpty()) {
        QString text = s("Attenzione: ") + outcome.problems.join(s("; ")) + s(".");
        if (!outcome.made.isEmpty())
            text += s("\n\r\n\rI dati di prima del ripristino sono nella copia del %1.")
                        .arg(moment(Backup::momentOf(outcome.made.first())));
        messages.plain(text);
    } else {
        const QString undo = outcome.made.isEmpty()
            ? QString()
            : s("\n\r\n\rPer annullare il ripristino, ripristinare la copia del %1, fatta subito prima.")
                  .arg(moment(Backup::momentOf(outcome.made.first())));
        messages.plain(s("Ripristino completato: i dati sono quelli della copia del %1. Le schede li mostrano alla "
                         "prossima apertura.")
                           .arg(moment(entry.moment))
                       + undo);
    }
    fill();
}

void BackupWindow::btnCartellaClick()
{
    const QString program = ProgramFolder::path();
    QString start = Backup::secondFolder(program);
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    const QString chosen = m_context.services().fileDialog.chooseFolder(
        this, s("Cartella secondaria per le copie di sicurezza"), start);
    if (chosen.isEmpty())
        return;
    MessageService &messages = m_context.services().messages;
    // A folder that cannot take a file would fail every day in silence: it is tried now.
    const QString probe = QDir(chosen).filePath(s("Lumivista-prova-scrittura.txt"));
    const bool writable = QFileInfo(chosen).isDir() && WholeFile::write(probe, "Lumivista\n").ok() && QFile::remove(probe);
    if (!writable) {
        messages.plain(s("Attenzione: nella cartella %1 non si può scrivere. Scegliere un'altra cartella, oppure "
                         "controllare che la chiavetta o il disco di rete siano collegati.")
                           .arg(QDir::toNativeSeparators(chosen)));
        return;
    }
    if (!IniFile::write(QDir(program).filePath(Settings::fileName()), s("Backup"), s("Cartella"), chosen)) {
        messages.plain(s("Attenzione: non è stato possibile salvare la scelta nel file %1.\n\r\n\rAccertarsi di "
                         "possedere i privilegi di scrittura nella cartella di installazione del programma.")
                           .arg(Settings::fileName()));
        return;
    }
    messages.plain(s("Da ora le copie di sicurezza si fanno anche nella cartella %1.").arg(QDir::toNativeSeparators(chosen)));
    fill();
}

void BackupWindow::btnGuidaClick()
{
    TfrmGuida::showHelp(this, m_context.services(), helpTitle(), helpText());
}

} // namespace lumivista
