#include "AgendaHelp.h"
#include <QStringList>

namespace lumivista {

QString AgendaHelp::text()
{
    const QStringList paragraphs = {
        QStringLiteral("L'Agenda Appuntamenti mostra, ogni volta che viene aperta, gli appuntamenti imminenti "
                       "registrati nello Schedario Appuntamenti. Per inserire o modificare un appuntamento premere "
                       "INSERISCI APPUNTAMENTI: si apre la scheda dell'appuntamento."),
        QStringLiteral("Quando ci sono appuntamenti imminenti l'Agenda lo segnala con il fumetto \"Ci sono "
                       "appuntamenti\" e riproduce un breve avviso sonoro; altrimenti compare il fumetto \"Non ci "
                       "sono appuntamenti\". L'avviso si interrompe chiudendo l'Agenda."),
        QStringLiteral("Con Stampa riepilogo l'elenco degli appuntamenti imminenti viene stampato; con Esporta in "
                       "Excel viene salvato in un file di Excel."),
        QStringLiteral("Il calendario si apre sulla data di oggi. Selezionando un giorno e premendo APPUNTAMENTI DEL "
                       "GIORNO oppure APPUNTAMENTI DEL MESE si ottengono gli appuntamenti di quel giorno o di "
                       "quel mese, pronti per essere esportati in Excel."),
        QStringLiteral("Un appuntamento compare tra quelli imminenti a partire da tanti giorni prima della sua data "
                       "quanti sono i giorni di preavviso indicati nella scheda (con 0 giorni, il giorno stesso) e "
                       "vi resta, anche dopo la data, finché nella scheda non viene spuntata la casella Impegno "
                       "assolto."),
        QStringLiteral("Gli appuntamenti sono elencati in ordine di data e ora, secondo il codice ID che precede "
                       "ogni riga (anno, mese, giorno, ore e minuti); a parità di data e ora vale l'ordine "
                       "alfabetico dei clienti."),
        QStringLiteral("Per inviare un promemoria al cliente fare clic sulla riga del suo appuntamento e poi "
                       "sull'icona di WhatsApp: nella finestra che si apre controllare i dati e premere Invia "
                       "messaggio. WhatsApp Web si apre nel browser con il messaggio già pronto da inviare."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace lumivista
