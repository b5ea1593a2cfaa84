#pragma once
#include "PrescriptionCard.h"

namespace lumivista {

/** The eyeglass prescription card: frame, right and left lens, amounts. */
class TfrmOcchiali : public PrescriptionCard
{
    Q_OBJECT
public:
    explicit TfrmOcchiali(AppContext &context, QWidget *parent = nullptr);

    static PrescriptionTraits prescriptionTraits();
};

} // namespace lumivista
