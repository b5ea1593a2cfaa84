#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumivista {

struct Services;

/** The small windows that check a code typed or brought from the client card:
 *  the tax code and the VAT number share this one look and behaviour. Created
 *  per use, modal, fixed 478 × 254, centred on the screen. */
class CodeCheckWindow : public QDialog
{
    Q_OBJECT
public:
    QLabel *imgBanner = nullptr;
    QLabel *lblIstruzioni = nullptr;
    QLineEdit *edit = nullptr;
    QPushButton *btnControlla = nullptr;
    QPushButton *btnChiudi = nullptr;

    /** Checks the text and tells the result; the windows' "Controlla". */
    virtual void btnControllaClick() = 0;

protected:
    struct Look
    {
        QString windowName;
        QString caption;
        QString title;
        QString instruction;
        QString editName;
        int limit;
    };

    CodeCheckWindow(Services &services, const Look &look, const QString &text, QWidget *parent);
    Services &services() const { return m_services; }
    /** The length message: the focus goes back to the edit and the window stays. */
    void refuseLength(const QString &message);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Services &m_services;
};

} // namespace lumivista
