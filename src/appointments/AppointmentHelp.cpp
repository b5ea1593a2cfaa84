#include "AppointmentHelp.h"
#include <QStringList>

namespace lumivista {

QString AppointmentHelp::text()
{
    const QStringList paragraphs = {
        QStringLiteral("Lo Schedario Appuntamenti registra gli impegni con i clienti del centro ottico: la data e "
                       "l'ora dell'appuntamento, con quanti giorni di anticipo si desidera esserne avvisati, il "
                       "motivo, l'ottico assegnato, i recapiti del cliente, l'importo e la modalità di pagamento."),
        QStringLiteral("Per inserire un appuntamento premere Nuovo, scegliere la data con il pulsante del "
                       "calendario (oppure premendo un tasto qualsiasi nel campo della data), scegliere ore e "
                       "minuti dagli elenchi, indicare i giorni di preavviso, il motivo, il nome e il cellulare del "
                       "cliente e premere Salva. Data, giorni di preavviso, motivo, nome e cellulare sono "
                       "obbligatori; l'importo lasciato vuoto viene registrato come 0,00."),
        QStringLiteral("Per gli appuntamenti che si ripetono (controlli periodici, sostituzione delle lenti a "
                       "contatto) richiamare la scheda, premere Duplica, scegliere la nuova data e la nuova ora e "
                       "premere Salva: tutti gli altri dati vengono mantenuti e l'appuntamento viene aggiunto "
                       "all'archivio come nuova scheda."),
        QStringLiteral("Il pulsante di WhatsApp accanto al cellulare apre WhatsApp Web nel browser con il messaggio "
                       "di conferma dell'appuntamento già pronto, indirizzato al cliente: basta controllarlo e "
                       "inviarlo. Servono la data e il numero di cellulare; la scheda non deve essere "
                       "necessariamente salvata. Il pulsante accanto all'e-mail apre il programma di posta."),
        QStringLiteral("Trova permette di cercare gli appuntamenti in archivio anche con chiavi parziali; il "
                       "pulsante accanto al nome del cliente importa nome, recapiti e modalità di pagamento "
                       "dall'Anagrafica Clienti."),
        QStringLiteral("Quando la data dell'appuntamento meno i giorni di preavviso arriva, l'appuntamento compare "
                       "nell'Agenda tra gli appuntamenti imminenti e all'apertura dell'Agenda viene riprodotto un "
                       "avviso sonoro. Con 0 giorni di preavviso l'appuntamento compare il giorno stesso."),
        QStringLiteral("Una volta svolto l'appuntamento richiamare la scheda, spuntare la casella Impegno assolto e "
                       "premere Salva: l'appuntamento non comparirà più tra quelli imminenti né tra quelli da "
                       "assolvere. Finché la casella non viene spuntata, un appuntamento già passato resta in "
                       "evidenza."),
        QStringLiteral("I pulsanti Assolti, Da assolvere e Scaduti visualizzano rispettivamente il riepilogo degli "
                       "impegni assolti, quello degli impegni ancora da assolvere, scaduti e non, e quello degli "
                       "impegni scaduti e non ancora assolti; da ogni riepilogo si può richiamare la scheda con un "
                       "doppio clic."),
        QStringLiteral("Anteprima e Stampa producono la scheda dell'appuntamento su carta; Esporta archivio salva "
                       "l'intero archivio degli appuntamenti in un file di Excel. Le frecce in basso a destra "
                       "scorrono l'archivio e il numero tra di esse indica la posizione della scheda."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace lumivista
