#pragma once
#include "archive/CardLayout.h"

namespace lumivista {

/** The names of the standard commands, which differ per card. */
struct CardCommands
{
    QString newRecord, duplicate, save, find, first, previous, next, last, help, close, exportArchive;
};

/** The commands every card has, with their pictures and hints written once. Cards
 *  speak either of "schede" (clients, appointments) or of "prescrizioni"; the hint
 *  texts follow. */
class StandardCommands
{
public:
    enum class Words { Scheda, Prescrizione };

    StandardCommands(const CardCommands &names, Words words);

    CommandDef newRecord() const;
    CommandDef duplicate() const;
    CommandDef save() const;
    CommandDef find() const;
    CommandDef first() const;
    CommandDef previous() const;
    CommandDef next() const;
    CommandDef last() const;
    CommandDef help() const;
    CommandDef close() const;
    CommandDef exportArchive() const;
    /** First, Previous, Next and Last, in that order. */
    QList<CommandDef> navigation() const { return {first(), previous(), next(), last()}; }

private:
    CardCommands m_names;
    Words m_words;
};

} // namespace lumivista
