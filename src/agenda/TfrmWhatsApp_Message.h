#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lumivista {

struct Services;
class PictureButton;

/** Shows the selected appointment's client before a WhatsApp reminder is sent,
 *  so the user can check it is the right one. Created for one use. */
class TfrmWhatsApp_Message : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmWhatsApp_Message(Services &services, QWidget *parent = nullptr);

    /** Creates the window over owner with the appointment's data, shows it
     *  modally and destroys it when it closes. */
    static void remind(QWidget *owner, Services &services, const QString &data, const QString &ora,
                       const QString &contatto, const QString &cel);

    QLineEdit *txtData = nullptr;
    QLineEdit *txtOra = nullptr;
    QLineEdit *txtContatto = nullptr;
    QLineEdit *txtCel = nullptr;
    PictureButton *btnWhatsApp = nullptr;
    QPushButton *btnChiudi = nullptr;

    void btnWhatsAppClick();

private:
    Services &m_services;
};

} // namespace lumivista
