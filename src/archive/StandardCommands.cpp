#include "StandardCommands.h"

namespace lumivista {

StandardCommands::StandardCommands(const CardCommands &names, Words words) : m_names(names), m_words(words)
{
}

namespace {
QString noun(StandardCommands::Words words)
{
    return words == StandardCommands::Words::Scheda ? QStringLiteral("scheda") : QStringLiteral("prescrizione");
}
} // namespace

CommandDef StandardCommands::newRecord() const
{
    const QString hint = m_words == Words::Scheda
        ? QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda.")
        : QStringLiteral("Prepara la schermata per l'emissione di una nuova prescrizione.");
    return {m_names.newRecord, QStringLiteral("Nuovo"), QStringLiteral("new"), hint, true, QStringLiteral("Ctrl+N")};
}

CommandDef StandardCommands::duplicate() const
{
    const QString hint = m_words == Words::Scheda
        ? QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.")
        : QStringLiteral("Prepara la schermata per l'emissione di una nuova prescrizione duplicando i dati correnti.");
    return {m_names.duplicate, QStringLiteral("Duplica"), QStringLiteral("duplicate"), hint};
}

CommandDef StandardCommands::save() const
{
    const QString hint = m_words == Words::Scheda ? QStringLiteral("Salva la scheda corrente.")
                                                  : QStringLiteral("Salva o aggiorna la prescrizione corrente.");
    return {m_names.save, QStringLiteral("Salva"), QStringLiteral("save"), hint, true, QStringLiteral("Ctrl+S")};
}

CommandDef StandardCommands::find() const
{
    const QString hint = m_words == Words::Scheda ? QStringLiteral("Trova schede in archivio.")
                                                  : QStringLiteral("Trova prescrizioni in archivio.");
    return {m_names.find, QStringLiteral("Trova"), QStringLiteral("find"), hint, true, QStringLiteral("Ctrl+F")};
}

CommandDef StandardCommands::first() const
{
    return {m_names.first, QStringLiteral("Primo"), QStringLiteral("first"),
            QStringLiteral("Visualizza la prima %1 in archivio.").arg(noun(m_words))};
}

CommandDef StandardCommands::previous() const
{
    return {m_names.previous, QStringLiteral("Indietro"), QStringLiteral("previous"),
            QStringLiteral("Visualizza la %1 precedente in archivio.").arg(noun(m_words))};
}

CommandDef StandardCommands::next() const
{
    return {m_names.next, QStringLiteral("Avanti"), QStringLiteral("next"),
            QStringLiteral("Visualizza la %1 successiva in archivio.").arg(noun(m_words))};
}

CommandDef StandardCommands::last() const
{
    return {m_names.last, QStringLiteral("Ultimo"), QStringLiteral("last"),
            QStringLiteral("Visualizza l'ultima %1 in archivio.").arg(noun(m_words))};
}

CommandDef StandardCommands::help() const
{
    return {m_names.help, QStringLiteral("Guida"), QStringLiteral("help"), QStringLiteral("Visualizza la guida in linea."),
            true, QStringLiteral("F1")};
}

CommandDef StandardCommands::close() const
{
    return {m_names.close, QStringLiteral("Esci"), QStringLiteral("exit"),
            QStringLiteral("Esci da questa schermata di lavoro.")};
}

CommandDef StandardCommands::exportArchive() const
{
    return {m_names.exportArchive, QStringLiteral("Esporta"), QStringLiteral("export"),
            QStringLiteral("Esporta l'archivio in un file di Excel.")};
}

} // namespace lumivista
