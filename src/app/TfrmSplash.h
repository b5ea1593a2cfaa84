#pragma once
#include "widgets/InfoDialog.h"

class QLabel;

namespace lumivista {

/** The credits window: the program's picture and a link to the maker's web site. */
class TfrmSplash : public InfoDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(Services &services, QWidget *parent = nullptr);

    QLabel *imgLogo = nullptr;
    QToolButton *imgWeb = nullptr;
    LinkLabel *lnkWeb = nullptr;

    void lnkWebClick();
};

} // namespace lumivista
