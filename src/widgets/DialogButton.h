#pragma once
#include <QPushButton>

namespace lumivista {

/** A push button of a small window: named, heard by its caption, its hint as
 *  tooltip, and never pressed by an Enter meant for a field. */
class DialogButton
{
public:
    static QPushButton *make(QWidget *parent, const QString &name, const QString &caption,
                             const QString &hint = QString(), int minimumWidth = 110)
    {
        auto *button = new QPushButton(caption, parent);
        button->setObjectName(name);
        button->setAccessibleName(caption);
        if (!hint.isEmpty())
            button->setToolTip(hint);
        button->setAutoDefault(false);
        button->setMinimumSize(minimumWidth, 32);
        return button;
    }
};

} // namespace lumivista
