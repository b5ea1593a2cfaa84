#pragma once
#include <QDialog>
#include <functional>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace lumivista {

struct Services;

/** The date picker of every card: a month calendar starting on today. The opener
 *  writes a key into lblMemory; "Importa" hands the picked date, dd/mm/yyyy, to
 *  whoever the key names, through the deliver function it was given. */
class TfrmCalendario : public QDialog
{
    Q_OBJECT
public:
    /** Delivers values for a key; false when the key names nobody. */
    using Deliver = std::function<bool(const QString &key, const QStringList &values)>;

    TfrmCalendario(Services &services, Deliver deliver, QWidget *parent = nullptr);

    /** Creates the picker for owner with the key, shows it modally and destroys it. */
    static void pick(QWidget *owner, Services &services, const QString &key, Deliver deliver);

    QLabel *lblMemory = nullptr;
    QLabel *lblImporta = nullptr;
    QCalendarWidget *calData = nullptr;
    QPushButton *btnImporta = nullptr;
    QPushButton *btnAnnulla = nullptr;

    void btnImportaClick();

private:
    Deliver m_deliver;
};

} // namespace lumivista
