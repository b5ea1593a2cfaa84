#pragma once
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace lumivista {

class AppContext;

/** The date picker of every card: a month calendar starting on today. The opener
 *  writes a key into lblMemory; "Importa" writes the picked date, dd/mm/yyyy,
 *  into the field of the long-lived card that the key names. */
class TfrmCalendario : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCalendario(AppContext &context, QWidget *parent = nullptr);

    /** Creates the picker for owner with the key, shows it modally and destroys it. */
    static void pick(QWidget *owner, AppContext &context, const QString &key);

    /** The edit a key writes into; null for an unknown key or a card that is
     *  not there. */
    static QWidget *target(AppContext &context, const QString &key);

    QLabel *lblMemory = nullptr;
    QLabel *lblImporta = nullptr;
    QCalendarWidget *calData = nullptr;
    QPushButton *btnImporta = nullptr;
    QPushButton *btnAnnulla = nullptr;

    void btnImportaClick();

private:
    AppContext &m_context;
};

} // namespace lumivista
