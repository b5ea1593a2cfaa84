#include "ExportHelp.h"
#include <QStringList>

namespace lumivista {

namespace {
QString paragraphs(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n\r\n"));
}
} // namespace

QString ExportHelp::archive(const QString &archive, const QString &file)
{
    return paragraphs({
        QStringLiteral("Questa finestra mostra tutte le schede dell'archivio %1, nell'ordine in cui sono state "
                       "inserite; la colonna N. ne indica la posizione.").arg(archive),
        QStringLiteral("Il pulsante Esporta scrive tutte le schede in un file di Excel (%1) nella cartella del "
                       "programma, che qualsiasi foglio di calcolo, come LibreOffice Calc o Microsoft Excel, può "
                       "aprire. Il file dell'esportazione precedente viene sostituito.").arg(file),
        QStringLiteral("Al termine il programma chiede se aprire subito il file: dal foglio di calcolo lo si può "
                       "poi salvare con il nome e nella cartella che si preferisce."),
        QStringLiteral("Se il file è ancora aperto nel foglio di calcolo, chiuderlo prima di esportare di nuovo: "
                       "in caso di errore il file precedente resta com'era."),
    });
}

QString ExportHelp::agenda()
{
    return paragraphs({
        QStringLiteral("Gli appuntamenti imminenti sono quelli non ancora assolti la cui data, meno i giorni di "
                       "preavviso indicati nella scheda, è già arrivata: restano nell'elenco finché non si spunta "
                       "la casella Impegno assolto."),
        QStringLiteral("I pulsanti APPUNTAMENTI DEL GIORNO e APPUNTAMENTI DEL MESE mostrano tutti gli "
                       "appuntamenti, assolti o no, del giorno o del mese scelto nel calendario dell'agenda."),
        QStringLiteral("Gli appuntamenti sono elencati in ordine cronologico, per data e ora; la colonna N. indica "
                       "l'ordine in cui sono stati inseriti in archivio."),
        QStringLiteral("La colonna Codice univoco riporta data e ora dell'appuntamento nella forma "
                       "annomesegiornooraminuti, utile per ordinare il foglio di calcolo."),
        QStringLiteral("Il pulsante Esporta scrive l'elenco in un file di Excel nella cartella del programma e "
                       "chiede poi se aprirlo nel foglio di calcolo, da cui lo si può salvare dove si preferisce."),
    });
}

QString ExportHelp::list(const QString &what, const QString &file)
{
    return paragraphs({
        QStringLiteral("Questa finestra mostra %1 con le stesse righe, nello stesso ordine, dell'elenco da cui è "
                       "stata aperta.").arg(what),
        QStringLiteral("Il pulsante Esporta scrive le righe in un file di Excel (%1) nella cartella del programma, "
                       "che qualsiasi foglio di calcolo, come LibreOffice Calc o Microsoft Excel, può aprire. Il "
                       "file dell'esportazione precedente viene sostituito.").arg(file),
        QStringLiteral("Al termine il programma chiede se aprire subito il file: dal foglio di calcolo lo si può "
                       "poi salvare con il nome e nella cartella che si preferisce."),
    });
}

} // namespace lumivista
