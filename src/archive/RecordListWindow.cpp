#include "RecordListWindow.h"
#include "core/Utf8.h"
#include "widgets/DialogButton.h"
#include "archive/CardWindow.h"
#include "archive/ExportWindow.h"
#include "archive/ListPrinter.h"
#include "core/ArchiveError.h"
#include "core/KeyRules.h"
#include "core/Messages.h"
#include "core/RecordFile.h"
#include "core/RecordSearch.h"
#include "core/Text.h"
#include "platform/ClockService.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "widgets/EnterCycle.h"
#include "widgets/FocusFrame.h"
#include "widgets/InfoPanel.h"
#include "widgets/LineListModel.h"
#include "widgets/Modal.h"
#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace lumivista {

namespace {

/** The list's font and the window's width for a line format. */
struct Fit
{
    QFont font;
    int width = 0;
};

/** Wide enough for every fixed part of a line and the start of its last,
 *  free-length field (the pending issue, the notes, the amount), as far as a
 *  screen of room pixels allows: on a narrow screen the font steps down from
 *  12 to 9 points before anything is left out of view. */
Fit fitLines(const LineFormat &line, int room)
{
    constexpr int chrome = 2 * 16 + 2 * 4 + 24; // margins, frame, vertical scroll bar
    const auto width = [&line](const QFont &font, int lastChars) {
        return (line.fixedLength() + lastChars) * QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) + chrome;
    };
    Fit fit;
    fit.font = QFont(QStringLiteral("Liberation Mono"));
    fit.font.setStyleHint(QFont::Monospace);
    for (int points = 12; points >= 9; --points) {
        fit.font.setPointSize(points);
        if (room <= 0 || width(fit.font, 12) <= room)
            break;
    }
    fit.width = room > 0 ? qMin(width(fit.font, 24), room) : 0;
    return fit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    return DialogButton::make(parent, QLatin1String(name), text, hint);
}

} // namespace

std::function<bool(const WindowRegistry &, const QString &, const Record &, qint64)>
ListMember::loadInto(WindowId card, const QString &key)
{
    return [card, key](const WindowRegistry &registry, const QString &given, const Record &record, qint64 position) {
        auto *target = registry.get<CardWindow>(card);
        if (given != key || !target)
            return false;
        target->loadRecord(record, position);
        return true;
    };
}

RecordListWindow::RecordListWindow(WindowRegistry &registry, ListMember member, const QString &key, QWidget *parent)
    : QDialog(parent)
    , m_registry(registry)
    , m_member(std::move(member))
    , m_find(m_member.fold)
{
    setObjectName(m_member.windowName);
    setWindowTitle(m_member.caption);
    setFixedSize(862, 560); // widened to the line format once the list is built
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    lblMemory = new QLabel(key, this);
    lblMemory->setObjectName(s("lblMemory"));
    lblMemory->hide();
    lblConta = new QLabel(this);
    lblConta->setObjectName(s("lblConta"));
    lblConta->hide();

    auto *stack = new QStackedLayout(this);
    if (m_member.isSearch()) {
        panAvvio = buildFilterPanel();
        stack->addWidget(panAvvio);
    }
    panContainer = buildResultPanel();
    stack->addWidget(panContainer);
    stack->setCurrentWidget(panAvvio ? panAvvio : panContainer);
}

QWidget *RecordListWindow::buildFilterPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(s("panAvvio"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(new InfoPanel(s("imgSpiegazione"), s("find"),
                                    s("Scrivere nei campi una o più parole, anche parziali, contenute nelle schede da "
                                      "cercare, poi premere Cerca. Sono elencate le schede che contengono tutte le "
                                      "parole scritte; lasciando vuoti tutti i campi si ottiene l'elenco completo."),
                                    s("blue"), panel));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(4);
    layout->addLayout(grid);
    for (int i = 0; i < m_member.filters.size(); ++i) {
        const ListFilter &f = m_member.filters.at(i);
        auto *label = new QLabel(f.label, panel);
        label->setObjectName(QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        auto *edit = new QLineEdit(panel);
        edit->setObjectName(f.edit);
        edit->setAccessibleName(f.label);
        label->setBuddy(edit);
        const int row = (i % 5) * 2;
        const int column = i / 5;
        grid->addWidget(label, row, column, Qt::AlignBottom);
        grid->addWidget(edit, row + 1, column);
        grid->setRowMinimumHeight(row, 30);
        new FocusFrame(QStringLiteral("effCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')), edit, 3);
        m_filters.append(edit);
    }
    new EnterCycle({m_filters.begin(), m_filters.end()}, this);
    layout->addStretch(1);
    lblAttendere = new QLabel(s("Ricerca schede in corso. Attendere..."), panel);
    lblAttendere->setObjectName(s("lblAttendere"));
    lblAttendere->setAlignment(Qt::AlignCenter);
    lblAttendere->hide();
    layout->addWidget(lblAttendere);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    btnAnnulla = button(panel, "btnAnnulla", s("Chiudi"), s("Chiude la finestra senza cercare."));
    btnCerca = button(panel, "btnCerca", s("Cerca"), s("Cerca le schede che contengono le parole scritte."));
    btnCerca->setDefault(false);
    buttons->addWidget(btnAnnulla);
    buttons->addStretch(1);
    buttons->addWidget(btnCerca);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    // The notice shows as soon as the mouse button goes down: a large archive takes a moment.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &RecordListWindow::btnCercaClick);
    return panel;
}

QWidget *RecordListWindow::buildResultPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(s("panContainer"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 12, 16, 12);
    auto *top = new QHBoxLayout;
    layout->addLayout(top);
    auto *banner = new QLabel(Text::trim(m_member.caption), panel);
    banner->setObjectName(s("imgBanner"));
    banner->setProperty("listBanner", true);
    banner->setAlignment(Qt::AlignCenter);
    layout->insertWidget(0, banner);
    top->addWidget(new InfoPanel(s("imgIstruzioni"), s("info"),
                                 s("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare "
                                   "e premere il pulsante Trova. Per spostarsi sulla voce successiva contenente la "
                                   "stessa chiave di ricerca, fare di nuovo clic su Trova."),
                                 s("blue"), panel),
                   1);
    auto *findRow = new QHBoxLayout;
    layout->addLayout(findRow);
    auto *magnifier = new QLabel(panel);
    magnifier->setObjectName(s("imgLente"));
    magnifier->setPixmap(QIcon(s(":/icons/find.svg")).pixmap(24, 24));
    findRow->addWidget(magnifier);
    txtTrova = new QLineEdit(panel);
    txtTrova->setObjectName(s("txtTrova"));
    txtTrova->setAccessibleName(s("Trova nell'elenco"));
    txtTrova->installEventFilter(this);
    findRow->addWidget(txtTrova, 1);
    btnTrova = button(panel, "btnTrova", s("Trova"), s("Seleziona la voce successiva che contiene le parole scritte."));
    findRow->addWidget(btnTrova);
    connect(btnTrova, &QPushButton::clicked, this, &RecordListWindow::btnTrovaClick);

    m_optionRow = new QHBoxLayout;
    layout->addLayout(m_optionRow);
    lblRiepilogo = new QLabel(panel);
    lblRiepilogo->setObjectName(s("lblRiepilogo"));
    lblRiepilogo->setProperty("listFigures", true);
    lblRiepilogo->setWordWrap(true);
    lblRiepilogo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblRiepilogo->hide();
    layout->addWidget(lblRiepilogo);

    lstRecords = new QListView(panel);
    lstRecords->setObjectName(s("lstRecords"));
    lstRecords->setAccessibleName(Text::trim(m_member.caption));
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const Fit fit = fitLines(m_member.line, screen ? screen->availableGeometry().width() - 16 : 0);
    const QFont &mono = fit.font;
    lstRecords->setFont(mono);
    m_model = new LineListModel(mono, this);
    lstRecords->setModel(m_model);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(lstRecords, &QListView::doubleClicked, this, &RecordListWindow::pickSelected);
    lstRecords->installEventFilter(this);
    layout->addWidget(lstRecords, 1);
    setFixedWidth(qMax(width(), fit.width));

    auto *under = new QHBoxLayout;
    layout->addLayout(under);
    auto *hint = new QLabel(m_member.pickHint, panel);
    hint->setObjectName(s("lblDoppioClic"));
    under->addWidget(hint, 1);
    lblTrovate = new QLabel(panel);
    lblTrovate->setObjectName(s("lblTrovate"));
    under->addWidget(lblTrovate);

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    btnStampa = button(panel, "btnStampa", s("Stampa"), s("Stampa l'elenco."));
    btnChiudi = button(panel, "btnChiudi", s("Chiudi"), s("Chiude l'elenco."));
    buttons->addWidget(btnStampa);
    if (m_member.exportMember.isValid()) {
        btnEsporta = button(panel, "btnEsporta", s("Esporta"), s("Esporta l'elenco in Microsoft Excel."));
        buttons->addWidget(btnEsporta);
        connect(btnEsporta, &QPushButton::clicked, this, &RecordListWindow::btnEsportaClick);
    }
    m_commandRow = new QHBoxLayout;
    buttons->addLayout(m_commandRow);
    buttons->addStretch(1);
    buttons->addWidget(btnChiudi);
    connect(btnStampa, &QPushButton::clicked, this, &RecordListWindow::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

void RecordListWindow::run(WindowRegistry &registry, const ListMember &member, const QString &key, QWidget *owner)
{
    Modal::run(member.window ? member.window(registry, member, key, owner)
                             : new RecordListWindow(registry, member, key, owner));
}

QLineEdit *RecordListWindow::filter(const QString &name) const
{
    for (QLineEdit *edit : m_filters)
        if (edit->objectName() == name)
            return edit;
    return nullptr;
}

QStringList RecordListWindow::lines() const
{
    return m_model->lines().toStringList();
}

int RecordListWindow::selectedRow() const
{
    const QModelIndexList selected = lstRecords->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void RecordListWindow::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    lstRecords->setCurrentIndex(index);
    lstRecords->scrollTo(index);
}

void RecordListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_find.reset();
    txtTrova->clear();
    if (m_member.isSearch()) {
        if (QLineEdit *first = filter(m_member.firstFocus))
            first->setFocus();
    } else {
        loadList();
        txtTrova->setFocus();
    }
}

void RecordListWindow::loadList()
{
    if (m_member.rows) {
        ListMember::Rows rows = m_member.rows(m_registry.services().clock.today());
        LineList lines;
        QByteArray line;
        for (const Record &record : std::as_const(rows.records)) {
            m_member.line.buildBytes(record.bytes(), line);
            lines.append(line);
        }
        m_rows = std::move(rows.records);
        lblRiepilogo->setText(rows.heading);
        lblRiepilogo->setAccessibleName(rows.heading);
        lblRiepilogo->setVisible(!rows.heading.isEmpty());
        showLines(std::move(lines));
        // What could be read is listed; the user is told that something is missing.
        for (const QString &failure : std::as_const(rows.failures))
            m_registry.services().messages.plain(failure);
        return;
    }
    // Whatever goes wrong, the list shows what was read so far.
    LineList lines;
    try {
        RecordFile file(RecordFile::pathFor(*m_member.line.layout()), *m_member.line.layout());
        const QDate today = m_registry.services().clock.today();
        RecordSearch::Rule rule;
        if (m_member.rule)
            rule = [&](const RecordView &record) { return m_member.rule(record, today); };
        RecordSearch::collect(file, m_member.line, {}, rule, lines);
        file.close();
    } catch (const ArchiveError &) {
    }
    if (m_member.sorted)
        RecordSearch::sort(lines);
    showLines(lines);
}

void RecordListWindow::showLines(LineList lines)
{
    m_model->setLines(std::move(lines));
    // The first line is selected, so Enter picks a single hit at once.
    if (m_model->rowCount() > 0)
        selectRow(0);
    lblTrovate->setText(s("Il presente riepilogo contiene %1 schede.").arg(m_model->rowCount()));
}

void RecordListWindow::btnCercaClick()
{
    QList<FieldFilter> inUse;
    for (int i = 0; i < m_filters.size(); ++i) {
        const QString text = Text::trim(m_filters.at(i)->text());
        if (!text.isEmpty())
            inUse.append({m_member.filters.at(i).field, text});
    }
    lblConta->setText(QString::number(inUse.size()));
    LineList found;
    try {
        RecordFile file(RecordFile::pathFor(*m_member.line.layout()), *m_member.line.layout());
        found = RecordSearch::lines(file, m_member.line, inUse, {}, m_member.sorted);
        file.close();
    } catch (const ArchiveError &error) {
        lblAttendere->hide();
        m_registry.services().messages.plain(Messages::accessFailure(error));
        return;
    }
    lblAttendere->hide();
    showLines(std::move(found));
    static_cast<QStackedLayout *>(layout())->setCurrentWidget(panContainer);
    m_find.reset();
    txtTrova->clear();
    txtTrova->setFocus();
}

void RecordListWindow::btnTrovaClick()
{
    const int count = m_model->rowCount();
    if (count == 0) {
        m_registry.services().messages.plain(m_member.emptyMessage);
        return;
    }
    int selected = selectedRow();
    if (selected < 0) {
        selected = 0;
        selectRow(0);
    }
    const LineList &lines = m_model->lines();
    const int row = m_find.next(count, selected, txtTrova->text(), [&lines](int r) { return lines.at(r); });
    if (row >= 0)
        selectRow(row);
}

void RecordListWindow::reload()
{
    const int row = selectedRow();
    loadList();
    if (row >= 0 && m_model->rowCount() > 0)
        selectRow(qMin(row, m_model->rowCount() - 1));
}

const Record *RecordListWindow::selectedRecord() const
{
    const int row = selectedRow();
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

void RecordListWindow::btnStampaClick()
{
    if (m_member.printPreview)
        ListPrinter::preview(m_registry.services(), this, m_member.printTitle, lblRiepilogo->text(),
                             m_model->lines().toStringList());
    else
        ListPrinter::print(m_registry.services(), this, m_member.printTitle, m_model->lines().toStringList());
}

void RecordListWindow::btnEsportaClick()
{
    ExportMember member = m_member.exportMember;
    member.records = [this] { return m_rows; };
    ExportWindow::open(this, m_registry.services(), member);
}

void RecordListWindow::pickSelected()
{
    const int row = selectedRow();
    if (m_member.rows) {
        // A row of our own carries what its pick needs; the window closes first.
        const std::optional<Record> picked = selectedRecord() ? std::optional(*selectedRecord()) : std::nullopt;
        accept();
        if (picked && m_member.pick)
            m_member.pick(m_registry, lblMemory->text(), *picked, row + 1);
        return;
    }
    if (row >= 0 && m_member.pick) {
        try {
            const LineFormat &format = m_member.line;
            RecordFile file(RecordFile::pathFor(*format.layout()), *format.layout());
            if (const std::optional<qint64> index = RecordSearch::lastWithLine(file, format, m_model->lines().at(row))) {
                file.seek(*index);
                const Record record = file.read();
                file.close();
                m_member.pick(m_registry, lblMemory->text(), record, *index + 1);
            }
        } catch (const ArchiveError &) {
            // A pick that cannot be made just closes the window.
        }
    }
    accept();
}

bool RecordListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = KeyRules::isEnter(key);
        if (enter && watched == txtTrova) {
            btnTrova->setFocus(); // moves there without pressing it
            return true;
        }
        if (enter && watched == lstRecords && selectedRow() >= 0) {
            pickSelected(); // the keyboard's double click
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lumivista
