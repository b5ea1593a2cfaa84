#include "TfrmPartitaIva.h"
#include "core/Text.h"
#include "core/VatNumber.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "widgets/TypingRules.h"
#include <QLineEdit>

namespace lumivista {

TfrmPartitaIva::TfrmPartitaIva(Services &services, const QString &number, QWidget *parent)
    : CodeCheckWindow(services,
                      {QStringLiteral("frmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
                       QStringLiteral("Controllo partita IVA"),
                       QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                       QStringLiteral("txtPartitaIva"), 11},
                      number, parent)
{
    txtPartitaIva = edit;
    // Only typing is filtered: a text the card brings is checked as it is.
    TypingRules::digitsOnly(txtPartitaIva);
}

void TfrmPartitaIva::btnControllaClick()
{
    const QString number = Text::upperAZ(txtPartitaIva->text());
    if (number.size() != 11) {
        refuseLength(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (VatNumber::isValid(number))
        services().messages.information(QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                       "E' stato rilasciato dall'Ufficio IVA del Comune di ")
                                        + VatNumber::officeOf(number) + QLatin1Char('.'));
    else
        services().messages.warning(QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                                   "Non è quindi possibile fornire informazioni relative all'Ufficio "
                                                   "IVA che lo ha rilasciato."));
    accept();
}

} // namespace lumivista
