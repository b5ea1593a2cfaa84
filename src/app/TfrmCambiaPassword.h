#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumivista {

class AppContext;
class FocusFrame;

/** Changes the access password kept in unins000.dll; opened from the login
 *  window, which comes back when this one closes. */
class TfrmCambiaPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(AppContext &context, QWidget *parent = nullptr);

    QLabel *imgLogo = nullptr;
    QLabel *lblPasswordOld = nullptr;
    QLabel *lblPasswordNew = nullptr;
    QLabel *lblConferma = nullptr;
    QLineEdit *txtPasswordOld = nullptr;
    QLineEdit *txtPasswordNew = nullptr;
    QLineEdit *txtConferma = nullptr;
    FocusFrame *effPasswordOld = nullptr;
    FocusFrame *effPasswordNew = nullptr;
    FocusFrame *effConferma = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdEsci = nullptr;

    void txtChange();
    void cmdOKClick();
    void cmdEsciClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *addEdit(const QString &name, const QString &caption, int top, QLabel *&label, FocusFrame *&frame);
    void refuseNew(const QString &message);
    void returnToLogin();

    AppContext &m_context;
};

} // namespace lumivista
