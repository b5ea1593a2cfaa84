#pragma once
#include "archive/CardWindow.h"
#include "archive/DocumentPrint.h"
#include "core/Settings.h"
#include <QStringList>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lumivista {

class PrescriptionCard;

/** What tells the eyeglass card and the contact-lens card apart; everything
 *  else is the one PrescriptionCard design. */
struct PrescriptionTraits
{
    PrescriptionKind kind = PrescriptionKind::Glasses;
    const RecordLayout *layout = nullptr;
    QString caption;
    QString key;              // hand-over key: "occhiali" or "lenti"
    QString typeCaption;      // label of txtTipoOc
    QString typeWarning;      // Save's warning for an empty txtTipoOc
    QString useCaption;       // label of txtUso
    QString paidHint;         // hint of chkSaldato
    QString accessorySection; // heading of the txtMontatura rows
    QStringList accessoryRows;
    QString rightSection;     // heading of the txtLenteDX rows
    QString leftSection;      // heading of the txtLenteSX rows
    QStringList lensRows;
    QStringList amountRows;   // titles of txtImporto01 ... txtImporto06
    ExportMember exportMember; // columns, layout and help come from the kind
    ListMember search;        // cmdTrova
    ListMember unpaid;        // cmdDaSaldare
    QString printTemplate;    // the sheet, under templates/
    QString reportName;       // its report name, the start of a saved PDF's name
    QString previewWindow;    // the two confirmation windows
    QString printWindow;
    /** The eyeglass card's declaration of conformity; none on the lens card. */
    std::function<void(PrescriptionCard &)> declaration;
    /** Lens card: the notes are the last row of the accessories and follow
     *  them in the Enter order; there is no declaration of conformity. */
    bool notesWithAccessories = false;
};

/** A prescription card: shop and client header, frame or accessories, two
 *  lenses, six amounts with deposit, balance and total, payment and notes.
 *  Numbers itself on New from the settings file and the archive's count,
 *  and keeps the shop lines in the settings file between showings. */
class PrescriptionCard : public CardWindow
{
    Q_OBJECT
public:
    PrescriptionCard(WindowRegistry &registry, PrescriptionTraits traits, QWidget *parent = nullptr);

    /** The search filters both prescription searches share; only the type's label differs. */
    static QList<ListFilter> searchFilters(const QString &typeLabel);
    /** The shared card definition built from a traits. */
    static CardDefinition definitionFor(const PrescriptionTraits &traits);

    const PrescriptionTraits &traits() const { return m_traits; }

    /** Balance into txtTotale and total into txtDovuto; a non-number anywhere
     *  empties the amounts, balance and total but keeps the deposit. */
    void computeTotals();

    QLineEdit *txtData = nullptr;
    QLineEdit *txtConsegna = nullptr;
    QLineEdit *txtTotale = nullptr;
    ValueLabel *txtDovuto = nullptr;
    QCheckBox *chkSaldato = nullptr;
    QLabel *lblInizio = nullptr;
    QPushButton *btnFocus = nullptr;

    /** The sheet, filled from the controls as they are on screen. */
    DocumentPrint printout() const;
    /** The mobile number as the sheets print it: the prefix shows even without a number. */
    static QString mobileLine(const QString &number) { return QStringLiteral("Cellulare:   ") + number; }
    /** Every control that goes onto the sheet under its own name. */
    QStringList printedFields() const;

    void cmdAnteprimaClick();
    void cmdStampaClick();
    void impNumerazioneClick();
    void impDataClick();
    void impConsegnaClick();

protected:
    void clearCard() override;
    void prepareNew() override;
    void prepareShow() override;
    void afterDuplicate() override;
    bool beforeSave() override;
    bool handleEnter(QWidget *widget) override;
    bool handleKey(QWidget *widget, QKeyEvent *key) override;
    void beforeClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit(const QString &name) const;
    QList<QLineEdit *> shopLines() const;
    void openPicker(QLineEdit *dateField);
    bool isAmount(const QWidget *widget) const;
    void amountExit(QLineEdit *amount);
    void today(QLineEdit *dateField);

    PrescriptionTraits m_traits;
    QList<QLineEdit *> m_amounts; // txtImporto01 ... txtImporto06 and txtFinale
};

} // namespace lumivista
