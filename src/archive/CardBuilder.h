#pragma once
#include "archive/CardLayout.h"

class QGridLayout;
class QLayout;
class QWidget;

namespace lumivista {

class CardWindow;
class PictureButton;

/** Turns a CardLayout into widgets inside a card: command boxes, field boxes on
 *  their grids, captions as buddies, hints, and the hidden controls. Nothing of a
 *  card's look is placed by hand elsewhere. */
class CardBuilder
{
public:
    explicit CardBuilder(CardWindow &card);

    /** The top bar, with the position label after the Previous command. */
    QLayout *topBar(QWidget *parent);
    /** The bands of field boxes into area. */
    void fields(QWidget *area);
    /** The hidden controls, kept as children of the card. */
    void hidden();

private:
    QWidget *commandBox(const CommandBox &box, QWidget *parent);
    QWidget *fieldBox(const FieldBox &box, QWidget *parent);
    void placeRow(QGridLayout *grid, QWidget *box, const Row &row, int &gridRow);
    QWidget *control(const Cell &cell, QWidget *parent);
    QWidget *withButton(QWidget *edit, const QString &command, QWidget *parent);
    PictureButton *button(const CommandDef &command, QWidget *parent);
    const CommandDef *fieldCommand(const QString &name) const;
    int capacityOf(const QString &controlName) const;

    CardWindow &m_card;
    const CardLayout &m_layout;
};

} // namespace lumivista
