#pragma once
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumivista {

class AppContext;
class FocusFrame;

/** The login window: the program's main window and the first one shown. Nothing
 *  else is reachable before the access password has been typed. */
class TfrmPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmPassword(AppContext &context, QWidget *parent = nullptr);

    /** Back from the change-password window: empty edit, shown, focused. */
    void showAgain();

    QLabel *imgLogo = nullptr;
    QLabel *lblPassword = nullptr;
    QLineEdit *txtPassword = nullptr;
    FocusFrame *effPassword = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdEsci = nullptr;
    QPushButton *btnCambiaPassword = nullptr;

    void txtPasswordChange();
    void txtPasswordEnter();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &m_context;
};

} // namespace lumivista
