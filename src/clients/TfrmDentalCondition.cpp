#include "TfrmDentalCondition.h"
#include "core/Utf8.h"
#include "widgets/TypingRules.h"
#include "widgets/DialogButton.h"
#include "ExamMap.h"
#include "archive/DocumentPrinter.h"
#include "core/Text.h"
#include "platform/ClockService.h"
#include "platform/Services.h"
#include "report/ReportTemplate.h"
#include "widgets/EnterCycle.h"
#include "widgets/PictureButton.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace lumivista {

namespace {

QLabel *heading(const QString &text, QWidget *parent, const char *kind = "heading")
{
    auto *label = new QLabel(text, parent);
    label->setProperty(kind, true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame *rule(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setProperty("examRule", true);
    line->setFixedHeight(3);
    return line;
}

QWidget *tabo(QWidget *parent)
{
    auto *picture = new QSvgWidget(s(":/icons/tabo.svg"), parent);
    picture->setObjectName(s("imgTabo"));
    picture->setFixedSize(176, 98);
    picture->setAccessibleName(s("Scala degli assi TABO: 0 gradi a destra, 90 in alto, 180 a sinistra"));
    return picture;
}

} // namespace

TfrmDentalCondition::TfrmDentalCondition(Services &services, QWidget &card, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_card(card)
{
    setObjectName(s("TfrmDentalCondition"));
    setWindowTitle(s(" Esame optometrico"));
    setFixedSize(996, 636);
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 8, 10, 8);
    auto *panel = new QWidget(this);
    panel->setObjectName(s("examPanel"));
    outer->addWidget(panel);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(14, 8, 14, 8);
    layout->setSpacing(9);

    lblTitolo = new QLabel(s("Esame optometrico del cliente"), panel);
    lblTitolo->setObjectName(s("lblTitolo"));
    layout->addWidget(lblTitolo);
    auto *instruction = new QLabel(s("Inserire i dati dell'esame, premere \"Applica e chiudi\" e poi salvare la scheda "
                                     "del cliente nella finestra principale."),
                                   panel);
    instruction->setObjectName(s("lblIstruzioni"));
    layout->addWidget(instruction);
    layout->addWidget(rule(panel));

    // Date with today's arrow, the oculist, the age.
    auto *top = new QHBoxLayout;
    layout->addLayout(top);
    const struct
    {
        const char *name;
        const char *label;
        const char *accessible;
        int limit;
    } heads[] = {{"txtDataEsame", "DATA ESAME", "DATA ESAME", 10},
                 {"txtOculista", "OCULISTA", "OCULISTA", 250},
                 {"txtEta", "ETA' PAZIENTE", "ETA' PAZIENTE", 50}};
    for (const auto &h : heads) {
        auto *label = new QLabel(s(h.label), panel);
        label->setProperty("caption", true);
        QLineEdit *field = addEdit(s(h.name), s(h.accessible), h.limit, panel);
        label->setBuddy(field);
        top->addWidget(label);
        top->addWidget(field, h.limit == 250 ? 1 : 0);
        if (h.limit == 10) {
            field->setFixedWidth(130);
            impbtnEsame = new PictureButton(s("impbtnEsame"), s("Data di oggi"), s("import"),
                                            s("Imposta la data di oggi come data dell'esame."), panel);
            impbtnEsame->setToolButtonStyle(Qt::ToolButtonIconOnly);
            connect(impbtnEsame, &QToolButton::clicked, this, &TfrmDentalCondition::impbtnEsameClick);
            top->addWidget(impbtnEsame);
            top->addSpacing(12);
        } else if (h.limit == 50) {
            field->setFixedWidth(120);
        } else {
            top->addSpacing(12);
        }
    }

    // The two TABO scales with the interpupillary distances between them.
    auto *eyes = new QHBoxLayout;
    layout->addLayout(eyes);
    auto *right = new QVBoxLayout;
    right->addWidget(heading(s("OCCHIO DESTRO"), panel));
    right->addWidget(tabo(panel), 0, Qt::AlignHCenter);
    eyes->addLayout(right);
    auto *centre = new QVBoxLayout;
    centre->addWidget(heading(s("SISTEMA TABO"), panel));
    centre->addWidget(heading(ExamMap::grids().at(0).block, panel, "subheading"));
    centre->addWidget(gridOf(0, true), 0, Qt::AlignHCenter);
    eyes->addLayout(centre, 1);
    auto *left = new QVBoxLayout;
    left->addWidget(heading(s("OCCHIO SINISTRO"), panel));
    left->addWidget(tabo(panel), 0, Qt::AlignHCenter);
    eyes->addLayout(left);

    layout->addWidget(refraction(), 0, Qt::AlignHCenter);

    auto *bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    auto *tests = new QVBoxLayout;
    tests->addWidget(heading(s("TEST PRELIMINARI"), panel));
    auto *testGrids = new QHBoxLayout;
    testGrids->addWidget(gridOf(3, true));
    testGrids->addWidget(gridOf(4, true));
    tests->addLayout(testGrids);
    bottom->addLayout(tests, 3);
    auto *auto_ = new QVBoxLayout;
    auto_->addWidget(heading(s("AUTOREFRATTOMETRO"), panel));
    auto_->addWidget(gridOf(5, true), 0, Qt::AlignHCenter);
    bottom->addLayout(auto_, 2);
    layout->addStretch(1);
    layout->addWidget(rule(panel));

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](const char *name, const char *text, const char *hint) {
        return DialogButton::make(panel, QLatin1String(name), s(text), s(hint), 130);
    };
    btnPreview = button("btnPreview", "Anteprima", "Mostra l'anteprima della scheda dell'esame.");
    btnPrint = button("btnPrint", "Stampa", "Stampa la scheda dell'esame.");
    btnClose = button("btnClose", "Applica e chiudi",
                      "Riporta l'esame nella scheda del cliente e chiude; poi salvare la scheda.");
    buttons->addWidget(btnPreview);
    buttons->addWidget(btnPrint);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    connect(btnPreview, &QPushButton::clicked, this, &TfrmDentalCondition::btnPreviewClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmDentalCondition::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmDentalCondition::btnCloseClick);

    QList<QWidget *> ring;
    for (const QString &name : ExamMap::enterOrder())
        ring << edit(name);
    new EnterCycle(ring, this);
}

QLineEdit *TfrmDentalCondition::addEdit(const QString &name, const QString &accessible, int limit, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessible);
    field->setMaxLength(limit);
    field->setProperty("examField", true);
    return field;
}

QWidget *TfrmDentalCondition::gridOf(int index, bool rowLabels)
{
    const ExamMap::Grid &g = ExamMap::grids().at(index);
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    const int first = rowLabels ? 1 : 0;
    for (int c = 0; c < g.columns.size(); ++c)
        grid->addWidget(heading(g.columns.at(c), box, "columnHead"), 0, first + c);
    for (int r = 0; r < g.rows.size(); ++r) {
        if (rowLabels)
            grid->addWidget(heading(g.rows.at(r), box, "rowHead"), r + 1, 0);
        for (int c = 0; c < g.columns.size(); ++c)
            if (const int cell = g.cells.at(r).at(c)) {
                QLineEdit *field = addEdit(ExamMap::cellName(cell), ExamMap::accessibleName(cell), 6, box);
                // Six characters, a sphere such as "-10,25" or "000000", show whole;
                // on leaving, the cell shows its value from the start.
                field->setProperty("examCell", true);
                field->ensurePolished();
                field->setFixedWidth(field->fontMetrics().horizontalAdvance(s("000000")) + 2 * 1 + 2 * 2 + 2 * 2);
                field->setAlignment(Qt::AlignCenter);
                TypingRules::showStartWhenLeft(field);
                grid->addWidget(field, r + 1, first + c);
            }
    }
    return box;
}

QWidget *TfrmDentalCondition::refraction()
{
    // Right eye, the distance labels, left eye: one row per distance across both.
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(gridOf(1, false));
    auto *labels = new QGridLayout;
    labels->setSpacing(3);
    labels->addWidget(heading(s("DISTANZA"), box, "columnHead"), 0, 0);
    const ExamMap::Grid &eye = ExamMap::rightEye();
    for (int r = 0; r < eye.rows.size(); ++r) {
        QLabel *label = heading(s("< %1 >").arg(eye.rows.at(r)), box, "rowHead");
        label->setMinimumWidth(110);
        labels->addWidget(label, r + 1, 0);
    }
    row->addLayout(labels);
    row->addWidget(gridOf(2, false));
    return box;
}

QLineEdit *TfrmDentalCondition::edit(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

void TfrmDentalCondition::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    lblTitolo->setText(s("Esame optometrico di ") + DocumentPrint::shown(&m_card, s("txtName")));
    for (const QString &name : ExamMap::fieldOrder())
        edit(name)->setText(DocumentPrint::shown(&m_card, name));
    edit(s("txtDataEsame"))->setFocus();
}

void TfrmDentalCondition::impbtnEsameClick()
{
    edit(s("txtDataEsame"))->setText(m_services.clock.today().toString(s("dd/MM/yyyy")));
}

void TfrmDentalCondition::btnCloseClick()
{
    for (const QString &name : ExamMap::fieldOrder())
        if (auto *hidden = m_card.findChild<QLineEdit *>(name))
            hidden->setText(Text::trim(edit(name)->text()));
    accept();
}

DocumentPrint TfrmDentalCondition::sheet() const
{
    DocumentPrint document;
    document.templateFile = s("EsameOptometrico.json");
    document.guarded = true;
    document.fileStem = s("Esame Optometrico ") + DocumentPrint::shown(&m_card, s("txtName"));
    document.fill = [this](ReportTemplate &report) {
        for (const QString &name : ExamMap::fieldOrder())
            report.setText(name, Text::trim(edit(name)->text()));
        DocumentPrint::fillSameNames(report, &m_card,
                                     {s("txtName"), s("txtTaxNumber"), s("txtMobilePhone"), s("txtPathologies"),
                                      s("txtDrugs"), s("txtAllergies"), s("txtProblems")});
    };
    return document;
}

void TfrmDentalCondition::btnPreviewClick()
{
    DocumentPrinter::run(m_services, this, sheet(), DocumentPrinter::Mode::Preview);
}

void TfrmDentalCondition::btnPrintClick()
{
    DocumentPrinter::run(m_services, this, sheet(), DocumentPrinter::Mode::Print);
}

} // namespace lumivista
