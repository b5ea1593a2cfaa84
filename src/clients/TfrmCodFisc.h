#pragma once
#include "CodeCheckWindow.h"

namespace lumivista {

/** Tells whether a tax code carries the right check character. */
class TfrmCodFisc : public CodeCheckWindow
{
    Q_OBJECT
public:
    TfrmCodFisc(Services &services, const QString &code, QWidget *parent = nullptr);

    QLineEdit *txtCodFisc = nullptr;

    void btnControllaClick() override;
};

} // namespace lumivista
