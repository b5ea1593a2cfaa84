#include "TfrmCodFisc.h"
#include "core/TaxCode.h"
#include "core/Text.h"
#include "platform/MessageService.h"
#include "platform/Services.h"
#include "widgets/TypingRules.h"
#include <QLineEdit>

namespace lumivista {

TfrmCodFisc::TfrmCodFisc(Services &services, const QString &code, QWidget *parent)
    : CodeCheckWindow(services,
                      {QStringLiteral("frmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
                       QStringLiteral("Controllo codice fiscale"),
                       QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                       QStringLiteral("txtCodFisc"), 16},
                      QString(), parent)
{
    txtCodFisc = edit;
    // Never lower case, never blanks at the ends: the same rule as on the card.
    TypingRules::keepUpperCase(txtCodFisc);
    txtCodFisc->setText(code);
}

void TfrmCodFisc::btnControllaClick()
{
    const QString code = Text::upperAZ(txtCodFisc->text());
    if (code.size() != 16) {
        refuseLength(QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        return;
    }
    if (TaxCode::isValid(code))
        services().messages.information(QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        services().messages.warning(QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    accept();
}

} // namespace lumivista
