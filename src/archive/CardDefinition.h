#pragma once
#include "core/RecordLayout.h"
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumivista {

/** A picture button of a card's toolbar or field area. */
struct CommandDef
{
    QString name;     // objectName, e.g. "cmdNew"
    QString caption;  // short caption under the picture; also the accessible name
    QString icon;     // ":/icons/<icon>.svg"
    QString hint;     // shown in panInfo on mouse-over and as tooltip
    bool enabled = true; // false for commands whose window is not part of this build
};

/** A field that Save refuses to store empty, with its warning. */
struct RequiredField
{
    QString control;
    QString message;
};

/** The standard commands every card has, under the card's own names. */
struct CardCommands
{
    QString newRecord, duplicate, save, find, first, previous, next, last, help, close;
};

/** What makes one card different from the others: the rest is the shared
 *  CardWindow behaviour. A card is this table plus what is truly its own. */
struct CardDefinition
{
    const RecordLayout *layout = nullptr;
    QString caption;
    QString initialHint;
    CardCommands commands;
    /** Toolbar groups, left to right; each group is drawn as one white box. The
     *  position label sits after the group that holds the Previous command. */
    QList<QList<CommandDef>> toolbar;
    QList<RequiredField> required;
    QStringList enterCycle;
    QStringList digitOnly;
    QStringList duplicateClears;   // controls emptied by Duplicate
    QString focusOnNew;            // control that gets the focus after New, Show and Duplicate
    QString focusOnDuplicate;      // after Duplicate, when it differs from focusOnNew
    QString duplicateRefusal;      // warning when Duplicate is pressed on an unstored card
    QString helpTitle;
    QString helpText;
    bool highlight = true;         // yellow focus highlight of the edits
    /** Eyeglass and lens cards report access failures on First and Save as warnings. */
    bool warnOnFirstAndSaveFailure = false;
};

} // namespace lumivista
