#pragma once
#include "InfoDialog.h"

class QLabel;
class QPlainTextEdit;

namespace lumivista {

/** The help window of every card and of the home screen: a title, a text of
 *  paragraphs and the way to the full user guide Guida.pdf. Created on demand,
 *  shown modally over its owner and destroyed on close. */
class TfrmGuida : public InfoDialog
{
    Q_OBJECT
public:
    explicit TfrmGuida(Services &services, QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setText(const QString &text);

    /** Creates the window for owner, shows it modally and destroys it when it closes. */
    static void showHelp(QWidget *owner, Services &services, const QString &title, const QString &text);

    /** The target handed to the shell: the guide's path in the program folder, in double quotes. */
    static QString guideTarget();

    QLabel *imgLogo = nullptr;
    QLabel *lblTitolo = nullptr;
    QPlainTextEdit *txtGuida = nullptr;
    QToolButton *imgPdf = nullptr;
    LinkLabel *lnkGuida = nullptr;

    void lnkGuidaClick();

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace lumivista
