#pragma once
#include "archive/CardWindow.h"
#include "archive/DocumentPrint.h"

class QCheckBox;
class QComboBox;

namespace lumivista {

/** The appointment card: when an appointment is, how many days ahead it is to be
 *  reminded, what it is for, who the client is, what it costs and whether it has
 *  been fulfilled. Reached from the agenda; closing it returns home. */
class TfrmArchivio_Scadenze : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmArchivio_Scadenze(WindowRegistry &registry, QWidget *parent = nullptr);

    static CardDefinition cardDefinition();

    QLineEdit *txtData = nullptr;
    QComboBox *txtOreApp = nullptr;
    QComboBox *txtMinutiApp = nullptr;
    QLineEdit *txtAvviso = nullptr;
    QLineEdit *txtCel = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLineEdit *txtImporto = nullptr;
    QLabel *lblOra = nullptr;
    QCheckBox *chkOttemperata = nullptr;

    /** The appointment sheet, filled from the controls as shown; no guard of its own. */
    DocumentPrint printout() const;
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void impDataClick();
    void btnEmailClick();
    void btnWhatsAppClick();

protected:
    void clearCard() override;
    void afterDuplicate() override;
    bool beforeSave() override;
    void prepareSave() override;
    bool beforeDuplicate() override;
    bool handleKey(QWidget *widget, QKeyEvent *key) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireCommands();
    void orderTabs();
    /** What leaving a field does to its text: amount, time and days of notice. */
    void leaveField(QWidget *widget);
    static void resetTime(QComboBox *combo, const QString &text);
    /** Type-ahead in a time list: picks the entry the digits typed so far spell. */
    void typeTime(QComboBox *combo, QChar digit);

    /** The digit typed just before in a time list, waiting for its second one. */
    QComboBox *m_typedIn = nullptr;
    QString m_typed;
};

} // namespace lumivista
