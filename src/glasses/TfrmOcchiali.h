#pragma once
#include "archive/PrescriptionCard.h"

namespace lumivista {

/** The eyeglass prescription card: frame, right and left lens, amounts. */
class TfrmOcchiali : public PrescriptionCard
{
    Q_OBJECT
public:
    explicit TfrmOcchiali(WindowRegistry &registry, QWidget *parent = nullptr);

    static PrescriptionTraits prescriptionTraits();
};

} // namespace lumivista
