#pragma once
#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumivista {

struct Services;

/** Sets the start value of the automatic prescription numbers of one kind. The
 *  opening card writes "occhiali" or "lenti" into lblMemory; the value takes
 *  effect at the card's next New. */
class TfrmNumerazione : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNumerazione(Services &services, QWidget *parent = nullptr);

    /** Creates the window for owner with the key and caption, shows it modally
     *  and destroys it. */
    static void edit(QWidget *owner, Services &services, const QString &key, const QString &caption);

    QLabel *lblMemory = nullptr;
    QGroupBox *grpNumerazione = nullptr;
    QLineEdit *txtInizio = nullptr;
    QFrame *effInizio = nullptr;
    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnApplica = nullptr;

    void FormShow();
    void txtInizioExit();
    void btnApplicaClick();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Services &m_services;
};

} // namespace lumivista
