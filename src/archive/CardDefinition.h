#pragma once
#include "archive/CardLayout.h"
#include "archive/ExportMember.h"
#include "archive/ListMember.h"
#include "archive/StandardCommands.h"
#include "core/RecordLayout.h"
#include <QList>
#include <QString>
#include <QStringList>

namespace lumivista {

/** A field that Save refuses to store empty, with its warning. */
struct RequiredField
{
    QString control;
    QString message;
};

/** What makes one card different from the others: the rest is the shared
 *  CardWindow behaviour. A card is this table plus what is truly its own. */
struct CardDefinition
{
    const RecordLayout *layout = nullptr;
    QString caption;
    QString initialHint;
    CardCommands commands;
    /** Where the commands and the fields sit. */
    CardLayout screen;
    QList<RequiredField> required;
    QStringList enterCycle;
    QStringList digitOnly;
    QStringList duplicateClears;   // controls emptied by Duplicate
    QString focusOnNew;            // control that gets the focus after New, Show and Duplicate
    QString focusOnDuplicate;      // after Duplicate, when it differs from focusOnNew
    QString duplicateRefusal;      // warning when Duplicate is pressed on an unstored card
    QString helpTitle;
    QString helpText;
    /** The export window of the card's archive. */
    ExportMember exportMember;
    bool highlight = true;         // yellow focus highlight of the edits
    /** The card's hand-over key, written into lblMemory of the windows it opens. */
    QString key;
    /** Buttons that open a search or a summary list, and the member each opens. */
    QList<std::pair<QString, ListMember>> lists;
    /** Eyeglass and lens cards report access failures on First and Save as warnings. */
    bool warnOnFirstAndSaveFailure = false;
};

} // namespace lumivista
