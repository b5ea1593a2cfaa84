#include "core/Amount.h"
#include "StatisticsWindow.h"
#include "AppContext.h"
#include "archive/ExportHelp.h"
#include "archive/ExportMember.h"
#include "archive/ExportWindow.h"
#include "core/Record.h"
#include "core/Utf8.h"
#include "platform/ClockService.h"
#include "platform/MessageService.h"
#include "platform/PrintService.h"
#include "platform/Services.h"
#include "report/PreparedReport.h"
#include "report/ReportTemplate.h"
#include "widgets/DialogButton.h"
#include "widgets/KeyboardRules.h"
#include "widgets/PageView.h"
#include "widgets/TfrmGuida.h"
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace lumivista {

namespace {

const char *const monthNames[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                  "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
const char *const monthShort[] = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu", "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};

/** The four charts: template object, title, series, and each series' figure of a month. */
struct Chart
{
    const char *object;
    const char *title;
    const char *series[2];
    bool money;
    Decimal (*amount)(const MonthFigures &, int series);
    int (*count)(const MonthFigures &, int series);
};

const Chart charts[] = {
    {"chrIncassi", "Incassi per mese", {"Occhiali", "Lenti a contatto"}, true,
     [](const MonthFigures &m, int s) { return s == 0 ? m.glassesIncome : m.lensIncome; }, nullptr},
    {"chrAcconti", "Acconti incassati e saldi aperti per mese", {"Acconti", "Saldi aperti"}, true,
     [](const MonthFigures &m, int s) { return s == 0 ? m.deposits : m.open; }, nullptr},
    {"chrPrescrizioni", "Prescrizioni per mese", {"Occhiali", "Lenti a contatto"}, false, nullptr,
     [](const MonthFigures &m, int s) { return s == 0 ? m.glasses : m.lenses; }},
    {"chrAppuntamenti", "Appuntamenti per mese", {"Assolti", "Non assolti"}, false, nullptr,
     [](const MonthFigures &m, int s) { return s == 0 ? m.fulfilled : m.pending; }},
};

double toDouble(const Decimal &d)
{
    return d.toGeneral(17).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QString figure(const Chart &c, const MonthFigures &m, int s)
{
    return c.money ? Amount::text(c.amount(m, s)) : QString::number(c.count(m, s));
}

bool isZero(const Chart &c, const MonthFigures &m, int s)
{
    return c.money ? c.amount(m, s).isZero() : c.count(m, s) == 0;
}

QString withUnit(const Chart &c, const QString &value)
{
    return c.money ? s("€ ") + value : value;
}

/** "+12,5%" from the previous year to this one; empty when there is nothing to compare with. */
QString change(double now, double before)
{
    if (before <= 0)
        return QString();
    const double percent = (now - before) / before * 100.0;
    QString text = QString::number(percent, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
    return (percent > 0 ? s("+") : QString()) + text + s("%");
}

/** The five lines beside a chart. */
QStringList totals(const Chart &c, const ShopStatistics::Result &r)
{
    const MonthFigures now = r.total();
    const MonthFigures before = r.previousTotal();
    const QString y = QString::number(r.year);
    const QString p = QString::number(r.year - 1);
    const auto both = [&](const MonthFigures &m) {
        return c.money ? Amount::text(c.amount(m, 0) + c.amount(m, 1)) : QString::number(c.count(m, 0) + c.count(m, 1));
    };
    const auto value = [&](const MonthFigures &m) {
        return c.money ? toDouble(c.amount(m, 0) + c.amount(m, 1)) : double(c.count(m, 0) + c.count(m, 1));
    };
    if (QLatin1String(c.object) == QLatin1String("chrAcconti"))
        return {s("Acconti %1: € %2").arg(y, figure(c, now, 0)), s("Acconti %1: € %2").arg(p, figure(c, before, 0)),
                s("Saldi aperti %1: € %2").arg(y, figure(c, now, 1)),
                s("Saldi aperti %1: € %2").arg(p, figure(c, before, 1)), QString()};
    const QString difference = change(value(now), value(before));
    return {s("Totale %1: %2").arg(y, withUnit(c, both(now))),
            s("%1: %2").arg(QLatin1String(c.series[0]), withUnit(c, figure(c, now, 0))),
            s("%1: %2").arg(QLatin1String(c.series[1]), withUnit(c, figure(c, now, 1))),
            s("Totale %1: %2").arg(p, withUnit(c, both(before))),
            difference.isEmpty() ? QString() : s("Rispetto al %1: %2").arg(p, difference)};
}

const RecordLayout &rowLayout()
{
    static const RecordLayout layout(QString(), {{s("Mese"), 20},
                                                 {s("IncassiOcchiali"), 20},
                                                 {s("IncassiLenti"), 20},
                                                 {s("Incassi"), 20},
                                                 {s("Acconti"), 20},
                                                 {s("SaldiAperti"), 20},
                                                 {s("PrescrizioniOcchiali"), 10},
                                                 {s("PrescrizioniLenti"), 10},
                                                 {s("Assolti"), 10},
                                                 {s("NonAssolti"), 10}});
    return layout;
}

} // namespace

StatisticsWindow::StatisticsWindow(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(s("TfrmStatistiche"));
    setModal(true);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(qMin(1300, room.width() - 40), qMin(800, room.height() - 40));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    auto *years = new QHBoxLayout;
    layout->addLayout(years);
    btnPrecedente = DialogButton::make(this, s("btnPrecedente"), s("◀ Anno precedente"),
                                       s("Mostra le statistiche dell'anno precedente."), 150);
    lblAnno = new QLabel(this);
    lblAnno->setObjectName(s("lblAnno"));
    lblAnno->setProperty("listBanner", true);
    lblAnno->setAlignment(Qt::AlignCenter);
    btnSuccessivo = DialogButton::make(this, s("btnSuccessivo"), s("Anno successivo ▶"),
                                       s("Mostra le statistiche dell'anno successivo."), 150);
    years->addWidget(btnPrecedente);
    years->addWidget(lblAnno, 1);
    years->addWidget(btnSuccessivo);

    imgGrafici = new PageView(this);
    imgGrafici->setObjectName(s("imgGrafici"));
    layout->addWidget(imgGrafici, 1);

    lblSaltati = new QLabel(this);
    lblSaltati->setObjectName(s("lblSaltati"));
    layout->addWidget(lblSaltati);

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    btnStampa = DialogButton::make(this, s("btnStampa"), s("Stampa"),
                                   s("Mostra l'anteprima di stampa, da cui stampare o salvare il PDF."));
    btnEsporta = DialogButton::make(this, s("btnEsporta"), s("Esporta"),
                                    s("Esporta le cifre dell'anno in Microsoft Excel, una riga per mese."));
    btnGuida = DialogButton::make(this, s("btnGuida"), s("Guida"), s("Visualizza la guida in linea."));
    btnChiudi = DialogButton::make(this, s("btnChiudi"), s("Chiudi"), s("Chiude la finestra."));
    KeyboardRules::bind(btnGuida, QKeySequence(Qt::Key_F1));
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnEsporta);
    buttons->addStretch(1);
    buttons->addWidget(btnGuida);
    buttons->addWidget(btnChiudi);

    connect(btnPrecedente, &QPushButton::clicked, this, [this] { showYear(m_year - 1); });
    connect(btnSuccessivo, &QPushButton::clicked, this, [this] { showYear(m_year + 1); });
    connect(btnStampa, &QPushButton::clicked, this, &StatisticsWindow::btnStampaClick);
    connect(btnEsporta, &QPushButton::clicked, this, &StatisticsWindow::btnEsportaClick);
    connect(btnGuida, &QPushButton::clicked, this, &StatisticsWindow::btnGuidaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    showYear(context.services().clock.today().year());
}

ReportTemplate StatisticsWindow::report(const ShopStatistics::Result &r)
{
    ReportTemplate t = ReportTemplate::named(s("Statistiche.json"));
    t.setText(s("txtTitolo"), s("Statistiche del centro ottico: anno %1").arg(r.year));
    t.setText(s("txtSaltati"),
              r.skipped == 0 ? s("Tutte le schede sono state lette.")
                             : s("Schede escluse perché la data o un importo non si leggono: %1.").arg(r.skipped));
    QStringList categories;
    for (const char *m : monthShort)
        categories << QLatin1String(m);
    for (int i = 0; i < 4; ++i) {
        const Chart &c = charts[i];
        QList<QList<double>> values(2);
        QList<QStringList> texts(2);
        for (int sIndex = 0; sIndex < 2; ++sIndex) {
            for (const MonthFigures &m : r.months) {
                values[sIndex] << (c.money ? toDouble(c.amount(m, sIndex)) : double(c.count(m, sIndex)));
                texts[sIndex] << (isZero(c, m, sIndex) ? QString() : figure(c, m, sIndex));
            }
        }
        t.setChart(QLatin1String(c.object), categories, {QLatin1String(c.series[0]), QLatin1String(c.series[1])}, values,
                   texts);
        const QStringList lines = totals(c, r);
        for (int row = 0; row < 5; ++row)
            t.setText(s("txtTotale%1%2").arg(i + 1).arg(row + 1), lines.value(row));
    }
    for (const auto &[prefix, makers] : {std::pair{s("txtMontatura"), r.frameMakers}, std::pair{s("txtLente"), r.lensMakers}}) {
        for (int row = 0; row < 10; ++row) {
            const QString name = QStringLiteral("%1%2").arg(prefix).arg(row + 1, 2, 10, QLatin1Char('0'));
            t.setText(name, row < makers.size()
                                ? s("%1. %2 (%3)").arg(row + 1).arg(makers.at(row).name).arg(makers.at(row).count)
                                : QString());
        }
    }
    return t;
}

QStringList StatisticsWindow::descriptions(const ShopStatistics::Result &r)
{
    QStringList all;
    for (const Chart &c : charts) {
        QStringList parts;
        for (int sIndex = 0; sIndex < 2; ++sIndex) {
            QStringList months;
            for (int m = 0; m < 12; ++m)
                months << s("%1 %2").arg(QLatin1String(monthNames[m]), withUnit(c, figure(c, r.months[size_t(m)], sIndex)));
            parts << QLatin1String(c.series[sIndex]) + s(": ") + months.join(s(", ")) + s(".");
        }
        parts << totals(c, r).join(s(". ")).trimmed();
        all << s("%1 nel %2. ").arg(QLatin1String(c.title)).arg(r.year) + parts.join(s(" "));
    }
    return all;
}

void StatisticsWindow::showYear(int year)
{
    m_year = year;
    m_figures = ShopStatistics::of(year);
    const QString title = s("Statistiche %1").arg(year);
    setWindowTitle(s(" Lumivista - ") + title);
    lblAnno->setText(title);
    lblAnno->setAccessibleName(title);
    lblSaltati->setText(m_figures.skipped == 0   ? s("Tutte le schede sono state lette.")
                        : m_figures.skipped == 1 ? s("Attenzione: una scheda è esclusa dalle cifre perché la data o un "
                                                     "importo non si leggono.")
                                                 : s("Attenzione: %1 schede sono escluse dalle cifre perché la data o "
                                                     "un importo non si leggono.")
                                                       .arg(m_figures.skipped));
    lblSaltati->setAccessibleName(lblSaltati->text());
    const ReportTemplate t = report(m_figures);
    m_pages = std::make_shared<PreparedReport>(
        t.prepare(m_context.services().clock.today(), s("Statistiche %1").arg(year)));
    imgGrafici->setJob(m_pages);
    const QStringList text = descriptions(m_figures);
    QList<PageView::Region> regions;
    for (int i = 0; i < 4; ++i) {
        const ReportObject *o = t.find(QLatin1String(charts[i].object));
        regions.append({QLatin1String(charts[i].object), o ? o->box : QRectF(),
                        s("%1 nel %2").arg(QLatin1String(charts[i].title)).arg(year), text.at(i)});
    }
    imgGrafici->setRegions(regions);
    imgGrafici->setAccessibleName(title);
    imgGrafici->setAccessibleDescription(text.join(s(" ")));
    for (const QString &failure : std::as_const(m_figures.failures))
        m_context.services().messages.plain(failure);
}

void StatisticsWindow::btnStampaClick()
{
    m_context.services().printer.preview(this, *m_pages);
}

void StatisticsWindow::btnEsportaClick()
{
    ExportMember e;
    e.windowName = s("TfrmExpStatistiche");
    e.caption = s(" Esportazione statistiche in Excel");
    e.layout = &rowLayout();
    e.columns = {{s("Mese"), 90, s("Mese")},
                 {s("Incassi occhiali"), 100, s("IncassiOcchiali")},
                 {s("Incassi lenti a contatto"), 100, s("IncassiLenti")},
                 {s("Incassi totali"), 100, s("Incassi")},
                 {s("Acconti"), 90, s("Acconti")},
                 {s("Saldi aperti"), 90, s("SaldiAperti")},
                 {s("Prescrizioni occhiali"), 90, s("PrescrizioniOcchiali")},
                 {s("Prescrizioni lenti"), 90, s("PrescrizioniLenti")},
                 {s("Appuntamenti assolti"), 90, s("Assolti")},
                 {s("Appuntamenti non assolti"), 90, s("NonAssolti")}};
    e.fileName = exportFileName();
    e.sheetName = s("Statistiche %1").arg(m_year);
    e.helpTitle = s("Esportazione statistiche in Excel");
    e.helpText = ExportHelp::list(s("le cifre dell'anno, un mese per riga,"), e.fileName);
    e.initialHint = s("Esportazione delle statistiche in Microsoft Excel.");
    const ShopStatistics::Result figures = m_figures;
    e.records = [figures] {
        QList<Record> rows;
        for (int m = 0; m < 12; ++m) {
            const MonthFigures &f = figures.months[size_t(m)];
            Record r(rowLayout());
            r.setValue(s("Mese"), s("%1 %2").arg(QLatin1String(monthNames[m])).arg(figures.year));
            r.setValue(s("IncassiOcchiali"), Amount::text(f.glassesIncome));
            r.setValue(s("IncassiLenti"), Amount::text(f.lensIncome));
            r.setValue(s("Incassi"), Amount::text(f.glassesIncome + f.lensIncome));
            r.setValue(s("Acconti"), Amount::text(f.deposits));
            r.setValue(s("SaldiAperti"), Amount::text(f.open));
            r.setValue(s("PrescrizioniOcchiali"), QString::number(f.glasses));
            r.setValue(s("PrescrizioniLenti"), QString::number(f.lenses));
            r.setValue(s("Assolti"), QString::number(f.fulfilled));
            r.setValue(s("NonAssolti"), QString::number(f.pending));
            rows << r;
        }
        return rows;
    };
    ExportWindow::open(this, m_context.services(), e);
}

QString StatisticsWindow::helpText()
{
    return QStringList{
        s("Le statistiche mostrano l'anno scelto in quattro grafici: gli incassi per mese (i totali delle prescrizioni "
          "di occhiali e di lenti a contatto, per data di emissione), gli acconti incassati e i saldi ancora aperti, il "
          "numero delle prescrizioni e quello degli appuntamenti, assolti e non. Accanto a ogni grafico ci sono i "
          "totali dell'anno e dell'anno precedente; a destra i dieci fabbricanti di montature e di lenti più presenti "
          "nelle prescrizioni dell'anno."),
        s("Le frecce cambiano anno. Gli importi sono sommati esattamente come nelle schede. Una scheda la cui data o "
          "un importo non si leggono non entra in nessuna cifra: la finestra dice quante sono, così nessun totale è "
          "sbagliato senza saperlo."),
        s("Stampa mostra l'anteprima del foglio A4 orizzontale, identico a quello sullo schermo, da cui stampare o "
          "salvare il PDF. Esporta scrive le cifre in un file di Excel, una riga per mese."),
    }
        .join(s("\r\n\r\n"));
}

void StatisticsWindow::btnGuidaClick()
{
    TfrmGuida::showHelp(this, m_context.services(), s("Statistiche"), helpText());
}

} // namespace lumivista
