#include "ClientHelp.h"
#include <QStringList>

namespace lumivista {

QString ClientHelp::text()
{
    const QStringList paragraphs = {
        QStringLiteral("L'Anagrafica Clienti raccoglie in una scheda per ogni cliente i dati anagrafici, i recapiti, "
                       "le esigenze visive, le abitudini di pagamento, le eventuali questioni in sospeso e l'esame "
                       "optometrico più recente. I dati registrati qui vengono riutilizzati dal resto del programma: "
                       "le prescrizioni di occhiali e di lenti a contatto e gli appuntamenti dell'agenda possono "
                       "importare nome, indirizzo, codice fiscale e cellulare del cliente senza doverli riscrivere."),
        QStringLiteral("Per inserire un nuovo cliente premere Nuovo, compilare i campi e premere Salva. Il nome e il "
                       "numero di cellulare sono obbligatori: senza di essi la scheda non viene salvata. Il numero "
                       "che compare tra le frecce indica la posizione della scheda in archivio."),
        QStringLiteral("Per aggiornare una scheda richiamarla con Trova oppure scorrere l'archivio con le frecce "
                       "(prima, precedente, successiva, ultima scheda), modificare i dati e premere Salva: le "
                       "modifiche sostituiscono i dati precedenti della stessa scheda."),
        QStringLiteral("Il pulsante Duplica crea una nuova scheda a partire da quella visualizzata, mantenendo "
                       "indirizzo, recapiti e note: è comodo per registrare i familiari di un cliente. L'esame "
                       "optometrico e i file allegati non vengono copiati. Dopo le modifiche premere Salva."),
        QStringLiteral("Dati registrati: cognome e nome, sesso, data e luogo di nascita, indirizzo, città, provincia, "
                       "CAP, cittadinanza, codice fiscale, partita IVA, e-mail, telefono, cellulare, occupazione e "
                       "sede di lavoro, problemi visivi da vicino e da lontano, occhiali e lenti a contatto usati, "
                       "questioni in sospeso, modalità di pagamento, oculista, orari preferenziali per gli "
                       "appuntamenti, stato dei pagamenti e note."),
        QStringLiteral("Trova permette di cercare i clienti anche con chiavi parziali (per esempio solo una parte del "
                       "cognome) e di combinare più filtri contemporaneamente; l'elenco dei risultati può essere "
                       "stampato. Con un doppio clic su una riga la scheda del cliente viene visualizzata."),
        QStringLiteral("I pulsanti accanto al codice fiscale e alla partita IVA ne controllano la correttezza. Il "
                       "pulsante accanto all'indirizzo e-mail apre il programma di posta predefinito con un nuovo "
                       "messaggio indirizzato al cliente."),
        QStringLiteral("Nel campo Questioni in sospeso si annotano eventuali pendenze con il cliente; se non ce ne "
                       "sono il campo va lasciato vuoto. Il pulsante con il triangolo giallo visualizza l'elenco di "
                       "tutte le questioni in sospeso con i clienti."),
        QStringLiteral("Ad ogni scheda si possono allegare fino a tre file (referti, documenti, immagini) con una "
                       "breve descrizione; a ogni cliente già salvato si può inoltre associare una cartella "
                       "personale in cui conservare altri documenti."),
        QStringLiteral("Il pulsante Privacy prepara il modulo per il consenso al trattamento dei dati personali, "
                       "già compilato con i dati del cliente, da stampare e far firmare."),
        QStringLiteral("Il pulsante Esame registra o aggiorna l'esame optometrico più recente del cliente (notazione "
                       "TABO); la scheda deve essere già salvata e avere il nome compilato. I valori dell'esame "
                       "vengono memorizzati in archivio con il successivo Salva."),
        QStringLiteral("Il pulsante Storico mostra in un'unica finestra tutto ciò che gli archivi contengono per il "
                       "cliente della scheda, dal più recente: prescrizioni di occhiali e di lenti a contatto (numero, "
                       "data, tipo, totale, saldo, saldata o no), appuntamenti (data, ora, motivo, assolto o no) e la "
                       "data dell'ultimo esame optometrico. In alto compaiono la spesa degli ultimi 12 mesi, il saldo "
                       "ancora da incassare e la data dell'ultima visita. La scheda deve essere già salvata."),
        QStringLiteral("Prescrizioni e appuntamenti non sono collegati alla scheda del cliente: lo storico li abbina "
                       "per codice fiscale quando entrambi lo riportano, altrimenti per nome e, se entrambi lo "
                       "riportano, per numero di cellulare. Ogni riga indica la regola che l'ha abbinata: con due "
                       "clienti omonimi senza codice fiscale e cellulare controllare le righe abbinate per solo nome. "
                       "Con un doppio clic o con Invio la riga si apre nella sua scheda; lo storico si può stampare, "
                       "salvare in PDF dall'anteprima ed esportare in Excel."),
        QStringLiteral("Il pulsante Richiami elenca i clienti da richiamare per un controllo: quelli la cui ultima "
                       "visita (prescrizione di occhiali, di lenti a contatto o esame optometrico) risale ad almeno 24 "
                       "mesi per occhiali ed esame e ad almeno 12 mesi per le lenti a contatto. Gli intervalli si "
                       "cambiano nella finestra stessa con Applica. Richiama su WhatsApp prepara il messaggio per il "
                       "cliente selezionato; Segna come richiamato annota la data di oggi, e i clienti richiamati "
                       "negli ultimi 30 giorni possono essere nascosti. I clienti senza prescrizioni né esame non "
                       "compaiono."),
        QStringLiteral("Stampa produce la scheda del cliente su un foglio A4; Esporta salva l'intero archivio dei "
                       "clienti in un file di Excel."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace lumivista
