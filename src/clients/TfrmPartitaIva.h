#pragma once
#include "CodeCheckWindow.h"

namespace lumivista {

/** Tells whether a VAT number carries the right check digit, and which
 *  provincial office issued it. */
class TfrmPartitaIva : public CodeCheckWindow
{
    Q_OBJECT
public:
    TfrmPartitaIva(Services &services, const QString &number, QWidget *parent = nullptr);

    QLineEdit *txtPartitaIva = nullptr;

    void btnControllaClick() override;
};

} // namespace lumivista
