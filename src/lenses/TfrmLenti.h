#pragma once
#include "archive/PrescriptionCard.h"

namespace lumivista {

/** The contact-lens prescription card: accessories, ten parameters per eye,
 *  amounts; the twin of the eyeglass card with a longer record. */
class TfrmLenti : public PrescriptionCard
{
    Q_OBJECT
public:
    explicit TfrmLenti(WindowRegistry &registry, QWidget *parent = nullptr);

    static PrescriptionTraits prescriptionTraits();
};

} // namespace lumivista
