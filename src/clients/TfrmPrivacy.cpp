#include "TfrmPrivacy.h"
#include "core/Utf8.h"
#include "widgets/DialogButton.h"
#include "core/PrivacyDocument.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WholeFile.h"
#include "archive/DocumentPrint.h"
#include "platform/ClockService.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "platform/ShellService.h"
#include "widgets/EnterCycle.h"
#include "widgets/FocusFrame.h"
#include "widgets/TypingRules.h"
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace lumivista {

namespace {

/** Which card control fills which client field. */
const QList<std::pair<const char *, const char *>> &fromCard()
{
    static const QList<std::pair<const char *, const char *>> pairs = {
        {"txtPaziente", "txtName"},     {"txtComuneNasc", "txtBirthPlace"}, {"txtDataNasc", "txtBirthDate"},
        {"txtCodFisc", "txtTaxNumber"}, {"txtComuneRes", "txtCity"},        {"txtProvRes", "txtState"},
        {"txtIndirizzo", "txtStreet"},  {"txtCapRes", "txtZip"},            {"txtRecapito", "txtHomePhone"}};
    return pairs;
}

QFrame *box(const char *name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setProperty("privacyBox", true);
    return frame;
}

} // namespace

const QStringList &TfrmPrivacy::provinces()
{
    static const QStringList codes = s(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC FE FG "
        "FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG "
        "PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE "
        "VI VR VT VV")
                                      .split(QLatin1Char(' '));
    return codes;
}

TfrmPrivacy::TfrmPrivacy(Services &services, const QWidget &card, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(s("TfrmPrivacy"));
    setWindowTitle(s(" Esporta e stampa Modulo Privacy"));
    setFixedSize(553, 611);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(6);
    auto *banner = new QLabel(s("CONSENSO AL TRATTAMENTO DEI DATI PERSONALI E SENSIBILI"), this);
    banner->setObjectName(s("imgBanner"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setWordWrap(true);
    banner->setAccessibleName(banner->text());
    layout->addWidget(banner);

    // The shop: two full lines, then pairs.
    QFrame *shop = box("panCentro", this);
    auto *shopGrid = new QGridLayout(shop);
    shopGrid->setContentsMargins(6, 4, 6, 4);
    shopGrid->setVerticalSpacing(0);
    shopGrid->addWidget(field(s("txtStudioDent"), s("Centro ottico:"), shop), 0, 0, 1, 2);
    shopGrid->addWidget(field(s("txtTelDent"), s("Recapiti telefonici:"), shop), 1, 0, 1, 2);
    shopGrid->addWidget(field(s("txtIvaDent"), s("Partita IVA:"), shop), 2, 0);
    shopGrid->addWidget(field(s("txtCodFiscDent"), s("C.F."), shop, s("Centro ottico")), 2, 1);
    auto *office = new QHBoxLayout;
    office->addWidget(field(s("txtCittaDent"), s("Comune sede legale:"), shop), 1);
    txtProvDent = province(s("txtProvDent"), s("Provincia sede legale"), shop);
    office->addWidget(txtProvDent, 0, Qt::AlignBottom);
    shopGrid->addLayout(office, 3, 0, 1, 2);
    shopGrid->addWidget(field(s("txtIndirizzoDent"), s("Via e numero civico:"), shop, s("sede legale")), 4, 0);
    shopGrid->addWidget(field(s("txtCapDent"), s("CAP:"), shop, s("sede legale")), 4, 1);
    shopGrid->setColumnStretch(0, 3);
    shopGrid->setColumnStretch(1, 2);
    layout->addWidget(shop);

    QFrame *client = box("panCliente", this);
    auto *clientGrid = new QGridLayout(client);
    clientGrid->setContentsMargins(6, 4, 6, 4);
    clientGrid->setVerticalSpacing(0);
    clientGrid->addWidget(field(s("txtPaziente"), s("Cognome e nome Cliente:"), client), 0, 0, 1, 2);
    clientGrid->addWidget(field(s("txtComuneNasc"), s("Luogo di nascita:"), client), 1, 0, 1, 2);
    clientGrid->addWidget(field(s("txtDataNasc"), s("Data di nascita:"), client), 2, 0);
    clientGrid->addWidget(field(s("txtCodFisc"), s("C.F."), client, s("Cliente")), 2, 1);
    auto *home = new QHBoxLayout;
    home->addWidget(field(s("txtComuneRes"), s("Comune di residenza:"), client), 1);
    txtProvRes = province(s("txtProvRes"), s("Provincia di residenza"), client);
    home->addWidget(txtProvRes, 0, Qt::AlignBottom);
    clientGrid->addLayout(home, 3, 0, 1, 2);
    clientGrid->addWidget(field(s("txtIndirizzo"), s("Via e numero civico:"), client, s("Cliente")), 4, 0);
    clientGrid->addWidget(field(s("txtCapRes"), s("CAP:"), client, s("Cliente")), 4, 1);
    clientGrid->addWidget(field(s("txtRecapito"), s("Tel."), client), 5, 0);
    clientGrid->addWidget(field(s("txtPrivacy"), s("Titolare Privacy:"), client), 5, 1);
    clientGrid->setColumnStretch(0, 3);
    clientGrid->setColumnStretch(1, 2);
    layout->addWidget(client);

    QFrame *footer = box("panData", this);
    auto *footerRow = new QHBoxLayout(footer);
    footerRow->setContentsMargins(6, 4, 6, 4);
    footerRow->addWidget(field(s("txtData"), s("Data:"), footer), 2);
    footerRow->addWidget(field(s("txtLuogo"), s("Luogo:"), footer), 3);
    layout->addWidget(footer);

    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    btnChiudi = DialogButton::make(this, s("btnChiudi"), s("Chiudi"), QString(), 130);
    btnRTF = DialogButton::make(this, s("btnRTF"), s("Crea file .RTF"),
                                s("Crea il modulo per il consenso al trattamento dei dati personali "
                                  "(Modulo_Privacy.rtf)."),
                                130);
    buttons->addWidget(btnChiudi);
    buttons->addStretch(1);
    buttons->addWidget(btnRTF);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnRTF, &QPushButton::clicked, this, &TfrmPrivacy::btnRTFClick);

    // Typing rules: capitals for the tax codes and provinces, digits for the shop's VAT number.
    TypingRules::keepUpperCase(edit(s("txtCodFisc")));
    TypingRules::keepUpperCase(edit(s("txtCodFiscDent")));
    TypingRules::digitsOnly(edit(s("txtIvaDent")));

    QList<QWidget *> ring;
    for (const char *name : {"txtStudioDent", "txtTelDent", "txtIvaDent", "txtCodFiscDent", "txtCittaDent",
                             "txtProvDent", "txtIndirizzoDent", "txtCapDent", "txtPaziente", "txtComuneNasc",
                             "txtDataNasc", "txtCodFisc", "txtComuneRes", "txtProvRes", "txtIndirizzo", "txtCapRes",
                             "txtRecapito", "txtPrivacy", "txtData", "txtLuogo"})
        ring << findChild<QWidget *>(QLatin1String(name));
    // A province's edit hands its focus and keys to the combo box, so the ring holds the box.
    m_cycle = new EnterCycle(ring, this);
    txtProvDent->installEventFilter(this);
    txtProvRes->installEventFilter(this);

    for (const auto &[mine, theirs] : fromCard()) {
        const QString value = DocumentPrint::shown(&card, QLatin1String(theirs));
        if (QComboBox *combo = findChild<QComboBox *>(QLatin1String(mine)))
            combo->setEditText(value);
        else
            edit(QLatin1String(mine))->setText(value);
    }
    edit(s("txtData"))->setText(services.clock.today().toString(s("dd/MM/yyyy")));
}

QWidget *TfrmPrivacy::field(const QString &name, const QString &label, QWidget *parent, const QString &whose)
{
    auto *holder = new QWidget(parent);
    auto *column = new QVBoxLayout(holder);
    column->setContentsMargins(3, 0, 3, 2); // room for the yellow frame around the edit
    column->setSpacing(0);
    auto *caption = new QLabel(label, holder);
    caption->setProperty("caption", true);
    auto *line = new QLineEdit(holder);
    line->setObjectName(name);
    // The shop and the client both have a tax code, a street and a postcode: say whose.
    line->setAccessibleName(whose.isEmpty() ? label : label + QLatin1Char(' ') + whose);
    line->setProperty("privacyField", true);
    line->setFixedHeight(24);
    caption->setBuddy(line);
    column->addWidget(caption);
    column->addWidget(line);
    new FocusFrame(QStringLiteral("eff") + name.mid(3), line, 3);
    return holder;
}

QComboBox *TfrmPrivacy::province(const QString &name, const QString &accessible, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(provinces());
    combo->setCurrentIndex(-1);
    combo->setAccessibleName(accessible);
    combo->lineEdit()->setAccessibleName(accessible);
    combo->setProperty("privacyField", true);
    combo->setFixedSize(76, 24);
    // Two capitals, trimmed, whatever is typed or picked.
    combo->lineEdit()->setMaxLength(2);
    TypingRules::keepUpperCase(combo->lineEdit());
    new FocusFrame(QStringLiteral("eff") + name.mid(3), combo, 3);
    return combo;
}

QLineEdit *TfrmPrivacy::edit(const QString &name) const
{
    if (QComboBox *combo = findChild<QComboBox *>(name))
        return combo->lineEdit();
    return findChild<QLineEdit *>(name);
}

QHash<QString, QString> TfrmPrivacy::values() const
{
    QHash<QString, QString> all;
    for (QWidget *w : m_cycle->ring())
        all.insert(w->objectName(), Text::trim(edit(w->objectName())->text()));
    return all;
}

void TfrmPrivacy::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    for (QComboBox *combo : {txtProvDent, txtProvRes}) {
        const QString typed = combo->currentText();
        combo->setCurrentIndex(-1);
        combo->setEditText(typed);
    }
    QStringList keys;
    for (const auto &[field, key] : PrivacyDocument::shopSettings())
        keys << key;
    const QHash<QString, QString> stored = Settings::privacy(keys);
    for (const auto &[field, key] : PrivacyDocument::shopSettings())
        edit(field)->setText(stored.value(key));
    m_cycle->ring().first()->setFocus();
}

void TfrmPrivacy::done(int result)
{
    // Every way of closing keeps the shop's data for the next form.
    QHash<QString, QString> shop;
    for (const auto &[field, key] : PrivacyDocument::shopSettings())
        shop.insert(key, Text::trim(edit(field)->text()));
    if (!Settings::writePrivacy(shop))
        m_services.messages.warning(s("Attenzione: non è stato possibile salvare i dati del Centro ottico nel file "
                                      "delle impostazioni %1.").arg(Settings::fileName()));
    QDialog::done(result);
}

void TfrmPrivacy::btnRTFClick()
{
    if (!m_services.messages.confirm(s("Questa procedura esporterà il modulo per il consenso al trattamento dei dati "
                                       "personali in un documento in formato RTF.\r\n\r\nSi conferma la creazione del "
                                       "file?")))
        return;
    const QString path = ProgramFolder::file(PrivacyDocument::fileName());
    if (!WholeFile::write(path, PrivacyDocument::build(values()))) {
        m_services.messages.plain(s("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                                    "documento non sia già aperto."));
        return;
    }
    if (m_services.messages.confirm(s("Il file del modulo per il trattamento dei dati personali è stato creato con "
                                      "successo.\r\n\r\nSi vuole aprire il documento?"))) {
        m_services.shell.open(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
        accept();
    }
}

bool TfrmPrivacy::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        if (auto *combo = qobject_cast<QComboBox *>(watched)) {
            // Entering a province forgets any picked entry, keeping what it shows.
            const QString typed = combo->currentText();
            combo->setCurrentIndex(-1);
            combo->setEditText(typed);
        }
    return QDialog::eventFilter(watched, event);
}

} // namespace lumivista
