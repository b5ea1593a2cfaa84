#pragma once
#include "archive/CardWindow.h"
#include "archive/DocumentPrint.h"

namespace lumivista {

/** The client card: personal data, contacts, visual needs, payment habits and
 *  pending issues of one client, plus the hidden exam and attachment fields. */
class TfrmClients : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmClients(WindowRegistry &registry, QWidget *parent = nullptr);

    static CardDefinition cardDefinition();

    void btnEmailClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void icoIssuesClick();
    /** The card sheet, filled from the controls as shown; no guard of its own. */
    DocumentPrint printout() const;
    void cmdPrintClick();
    /** Opens the exam of a stored client with a name. */
    void btnHistoryClick();
    void btnConditionClick();
    /** Everything the archives hold for a stored client with a name. */
    void btnStoricoClick();
    /** The client's own folder; a card never saved has none. */
    void btnFolderClick();
};

} // namespace lumivista
