#include "TfrmConformita.h"
#include "core/Utf8.h"
#include "widgets/DialogButton.h"
#include "archive/DocumentPrinter.h"
#include "archive/PrescriptionCard.h"
#include "core/Text.h"
#include "platform/ClockService.h"
#include "platform/Services.h"
#include "report/ReportTemplate.h"
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumivista {

namespace {

const char *const frameRows[] = {"FABBRICANTE", "MODELLO", "CALIBRO", "COLORE"};
const char *const lensRows[] = {"FABBRICANTE", "TIPO / INDICE", "DIAMETRO", "TRATTAMENTO", "COLORAZIONE",
                                "CLAS. FILTRO"};

/** Which card control fills which edit of the window. */
QList<QPair<QString, QString>> carried()
{
    QList<QPair<QString, QString>> pairs;
    auto add = [&](const char *edit, const char *card, int count) {
        for (int i = 1; i <= count; ++i)
            pairs.append({Text::numbered(edit, i), Text::numbered(card, i)});
    };
    add("edtOtticoRigo", "txtOtticoRigo", 5);
    add("edtMontatura", "txtMontatura", 4);
    add("edtLenteDX", "txtLenteDX", 6);
    add("edtLenteSX", "txtLenteSX", 6);
    add("edtClienteRigo", "txtClienteRigo", 5);
    return pairs;
}

/** The width at which edit shows sample whole: the text, the edit's own
 *  margins and frame, and the padding the style sheet gives it. */
int widthFor(const QLineEdit *edit, const QString &sample)
{
    const QMargins margins = edit->textMargins();
    return edit->fontMetrics().horizontalAdvance(sample) + margins.left() + margins.right() + 2 * 2 + 2 * 1 + 2 * 4;
}

QGroupBox *greyBox(const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setProperty("greyBox", true);
    return box;
}

QLabel *caption(const QString &text, QWidget *parent, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setProperty("caption", true);
    label->setAlignment(align);
    return label;
}

} // namespace

TfrmConformita::TfrmConformita(Services &services, const QWidget &card, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(s("TfrmConformita"));
    setWindowTitle(s(" Dichiarazione di conformità per occhiale correttivo"));
    // 650 wide, or wider where the lens and client values would not show whole.
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);
    const QString heading = s("DICHIARAZIONE DI CONFORMITA' PER OCCHIALE CORRETTIVO SU MISURA");
    const QString decree = s("DECRETO MINISTERIALE 24/02/97, N. 46 (E SUCC. MOD.) DI ATTUAZIONE DELLA DIRETTIVA 93/42 CEE");
    // The title picture: a blue band with the heading over the decree.
    auto *title = new QFrame(this);
    title->setObjectName(s("imgTitolo"));
    title->setAccessibleName(heading + QLatin1Char(' ') + decree);
    auto *titleLines = new QVBoxLayout(title);
    titleLines->setContentsMargins(4, 4, 4, 4);
    titleLines->setSpacing(1);
    for (const QString &line : {heading, decree}) {
        auto *label = new QLabel(line, title);
        label->setAlignment(Qt::AlignCenter);
        label->setProperty("decree", line == decree);
        titleLines->addWidget(label);
    }
    layout->addWidget(title);

    QGroupBox *shop = greyBox(QString(), this);
    auto *shopLines = new QVBoxLayout(shop);
    shopLines->setSpacing(2);
    shopLines->setContentsMargins(6, 4, 6, 4);
    for (int i = 1; i <= 5; ++i) {
        QLineEdit *line = addEdit(Text::numbered("edtOtticoRigo", i), s("DATI CENTRO OTTICO riga %1").arg(i));
        line->setAlignment(Qt::AlignCenter);
        shopLines->addWidget(line);
    }
    layout->addWidget(shop);

    QGroupBox *frame = greyBox(s("MONTATURA"), this);
    auto *frameGrid = new QGridLayout(frame);
    frameGrid->setContentsMargins(6, 4, 6, 4);
    for (int i = 0; i < 4; ++i) {
        QLabel *label = caption(QLatin1String(frameRows[i]), frame);
        QLineEdit *field = addEdit(Text::numbered("edtMontatura", i + 1), s("MONTATURA ") + QLatin1String(frameRows[i]));
        label->setBuddy(field);
        frameGrid->addWidget(label, i / 2, (i % 2) * 2);
        frameGrid->addWidget(field, i / 2, (i % 2) * 2 + 1);
    }
    layout->addWidget(frame);

    auto *lower = new QHBoxLayout;
    layout->addLayout(lower, 1);
    QGroupBox *lenses = greyBox(QString(), this);
    auto *lensGrid = new QGridLayout(lenses);
    lensGrid->setContentsMargins(6, 4, 6, 4);
    lensGrid->setVerticalSpacing(3);
    lensGrid->addWidget(caption(s("LENTE DX"), lenses, Qt::AlignCenter), 0, 0);
    lensGrid->addWidget(caption(s("LENTE SX"), lenses, Qt::AlignCenter), 0, 2);
    for (int i = 0; i < 6; ++i) {
        const QString row = QLatin1String(lensRows[i]);
        QLineEdit *right = addEdit(Text::numbered("edtLenteDX", i + 1), s("LENTE DX ") + row);
        QLineEdit *left = addEdit(Text::numbered("edtLenteSX", i + 1), s("LENTE SX ") + row);
        // Wide enough for a usual lens value, "Varilux Comfort Max 1,67", whole.
        for (QLineEdit *side : {right, left})
            side->setFixedWidth(widthFor(side, s("Varilux Comfort Max 1,67")));
        lensGrid->addWidget(right, i + 1, 0);
        lensGrid->addWidget(caption(row, lenses, Qt::AlignCenter), i + 1, 1);
        lensGrid->addWidget(left, i + 1, 2);
    }
    lensGrid->setRowStretch(7, 1);
    lower->addWidget(lenses);

    QGroupBox *client = greyBox(s("DATI CLIENTE"), this);
    auto *clientGrid = new QGridLayout(client);
    clientGrid->setContentsMargins(6, 4, 6, 4);
    clientGrid->setVerticalSpacing(3);
    for (int i = 1; i <= 3; ++i)
        clientGrid->addWidget(addEdit(Text::numbered("edtClienteRigo", i), s("DATI CLIENTE riga %1").arg(i)), i - 1, 0, 1, 2);
    const char *const tail[][2] = {{"C.F.", "edtClienteRigo04"}, {"Cel.", "edtClienteRigo05"}, {"DATA:", "edtData"}};
    for (int i = 0; i < 3; ++i) {
        QLabel *label = caption(QLatin1String(tail[i][0]), client);
        QLineEdit *field = addEdit(QLatin1String(tail[i][1]), QLatin1String(tail[i][0]));
        // A full tax code of the widest letters stays visible.
        field->setMinimumWidth(widthFor(field, s("WWWWWW00W00W000W")));
        label->setBuddy(field);
        clientGrid->addWidget(label, 3 + i, 0);
        clientGrid->addWidget(field, 3 + i, 1);
    }
    clientGrid->setRowStretch(6, 1);
    lower->addWidget(client, 1);

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](const char *name, const char *text, const char *hint) {
        QPushButton *b = DialogButton::make(this, QLatin1String(name), s(text), s(hint));
        buttons->addWidget(b);
        return b;
    };
    btnAnteprima = button("btnAnteprima", "Anteprima", "Mostra l'anteprima della dichiarazione.");
    btnStampa = button("btnStampa", "Stampa fronte", "Stampa la dichiarazione di conformità (fronte).");
    btnRetro = button("btnRetro", "Stampa retro", "Stampa le istruzioni per l'uso (retro).");
    buttons->addStretch(1);
    btnChiudi = button("btnChiudi", "Chiudi", "Chiude la finestra senza modificare la prescrizione.");
    connect(btnAnteprima, &QPushButton::clicked, this, &TfrmConformita::btnAnteprimaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmConformita::btnStampaClick);
    connect(btnRetro, &QPushButton::clicked, this, &TfrmConformita::btnRetroClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(qMax(650, layout->sizeHint().width()), 632);

    for (const auto &[editName, cardName] : carried())
        edit(editName)->setText(DocumentPrint::shown(&card, cardName));
    edit(s("edtData"))->setText(services.clock.today().toString(s("dd/MM/yyyy")));
}

QLineEdit *TfrmConformita::addEdit(const QString &name, const QString &accessible)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(accessible);
    QFont font = field->font();
    font.setBold(true);
    font.setPointSize(12);
    field->setFont(font);
    return field;
}

QLineEdit *TfrmConformita::edit(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

DocumentPrint TfrmConformita::front() const
{
    DocumentPrint document;
    document.templateFile = s("Conformita.json");
    document.guarded = true;
    document.fileStem = s("Dichiarazione di Lente Conforme ") + Text::trim(edit(s("edtClienteRigo01"))->text());
    document.fill = [this](ReportTemplate &report) {
        for (const auto &[editName, cardName] : carried())
            report.setText(cardName, Text::trim(edit(editName)->text()));
        report.setText(s("txtClienteRigo05"),
                       PrescriptionCard::mobileLine(Text::trim(edit(s("edtClienteRigo05"))->text())));
        report.setText(s("txtData"), Text::trim(edit(s("edtData"))->text()));
    };
    return document;
}

DocumentPrint TfrmConformita::back()
{
    DocumentPrint document;
    document.templateFile = s("IstruzioniUso.json");
    document.guarded = true;
    document.fileStem = s("Istruzioni Uso Occhiali");
    return document;
}

void TfrmConformita::run(const DocumentPrint &document, bool preview)
{
    const auto mode = preview ? DocumentPrinter::Mode::Preview : DocumentPrinter::Mode::Print;
    if (!DocumentPrinter::run(m_services, this, document, mode))
        reject();
}

void TfrmConformita::btnAnteprimaClick()
{
    run(front(), true);
}

void TfrmConformita::btnStampaClick()
{
    run(front(), false);
}

void TfrmConformita::btnRetroClick()
{
    run(back(), false);
}

} // namespace lumivista
