#pragma once
#include "archive/RecordListWindow.h"
#include "core/RecallList.h"
#include "core/XlsWorkbook.h"
#include <memory>

class QCheckBox;

namespace lumivista {

/** "Clienti da richiamare": the clients due for a check-up, a member of the
 *  summary-list family on the client card with controls of its own: the two
 *  recall intervals, the filter of recent recalls, the WhatsApp recall and the
 *  note that a client was recalled. */
class RecallListWindow : public RecordListWindow
{
    Q_OBJECT
public:
    /** What the list's rows depend on besides the archives. */
    struct Options
    {
        bool hideRecent = true;
    };

    RecallListWindow(WindowRegistry &registry, const ListMember &member, std::shared_ptr<Options> options,
                     const QString &key, QWidget *owner);

    static const RecordLayout &rowLayout();
    static LineFormat line();
    static QList<ExportColumn> columns();
    static Record row(const RecallEntry &entry);
    static ListMember member();

    QLineEdit *txtMesiOcchiali = nullptr;
    QLineEdit *txtMesiLenti = nullptr;
    QPushButton *btnApplica = nullptr;
    QCheckBox *chkNascondi = nullptr;
    QPushButton *btnWhatsApp = nullptr;
    QPushButton *btnRichiamato = nullptr;

    void btnApplicaClick();
    void chkNascondiClick();
    void btnWhatsAppClick();
    void btnRichiamatoClick();

private:
    /** The selected row, or nothing after telling the user to pick one. */
    const Record *selectedClient();

    std::shared_ptr<Options> m_options;
};

} // namespace lumivista
