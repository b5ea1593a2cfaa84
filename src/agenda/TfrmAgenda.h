#pragma once
#include <QWidget>

class QCalendarWidget;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lumivista {

class WindowRegistry;
class PictureButton;
struct Services;

/** The daily view of the appointment archive: the imminent appointments in date
 *  and time order, an alert when there are any, the way into the appointment card
 *  and WhatsApp reminders. Created once; rebuilt from the file each time it is shown. */
class TfrmAgenda : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAgenda(WindowRegistry &registry, QWidget *parent = nullptr);

    QLabel *imgTitolo = nullptr;
    QLabel *imgIstruzioni = nullptr;
    QCalendarWidget *calAppuntamenti = nullptr;
    QPushButton *btnGiorno = nullptr;
    QPushButton *btnMese = nullptr;
    PictureButton *appApriArchivio = nullptr;
    QPushButton *btnArchivio = nullptr;
    QLabel *imgCiSono = nullptr;        // balloon "Ci sono appuntamenti"
    QLabel *imgCiSonoIcona = nullptr;   // its companion picture
    QLabel *imgNonCiSono = nullptr;     // balloon "Non ci sono appuntamenti"
    QLabel *imgNonCiSonoIcona = nullptr;
    PictureButton *btnWhatsApp = nullptr;
    QListWidget *lstRecords = nullptr;
    PictureButton *imgGuida = nullptr;
    PictureButton *btnStampa = nullptr;
    PictureButton *btnExcel = nullptr;
    PictureButton *imgEsci = nullptr;
    // The appointment last clicked in the list since the agenda was shown.
    QLabel *titData = nullptr;
    QLabel *titOra = nullptr;
    QLabel *titContatto = nullptr;
    QLabel *titCel = nullptr;

    void FormShow();
    void lstRecordsClick(QListWidgetItem *item);
    void btnArchivioClick();
    void btnWhatsAppClick();
    void btnGiornoClick();
    void btnMeseClick();
    /** Prints the list as shown; a failure goes to the general error handling. */
    void btnStampaClick();
    void btnExcelClick();
    void imgGuidaClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildScreen();
    Services &services() const;
    /** Reads the archive and lists the imminent appointments; false when the
     *  archive could not be read to its end. */
    bool loadList();
    void showStatus(bool appointments);

    WindowRegistry &m_registry;
    bool m_soundLoaded = false;
};

} // namespace lumivista
