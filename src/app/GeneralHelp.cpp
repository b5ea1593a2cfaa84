#include "GeneralHelp.h"
#include "BackupWindow.h"
#include "StatisticsWindow.h"
#include "InitialPassword.h"
#include "clients/ClientHelp.h"
#include "core/PasswordFile.h"
#include <QStringList>

namespace lumivista {

QString GeneralHelp::text()
{
    const QString separator = QStringLiteral("\r\n\r\n");
    QStringList paragraphs = {
        QStringLiteral(
            "Lumivista è il gestionale pensato per il centro ottico. È composto da quattro app che lavorano "
            "insieme e si scambiano i dati: l'Anagrafica Clienti, l'Agenda Appuntamenti, le Prescrizioni "
            "Occhiali e le Prescrizioni Lenti a Contatto. Si aprono dalle quattro caselle della schermata "
            "iniziale; chiudendo un'app si torna sempre qui, e chiudendo questa schermata si esce dal programma. "
            "Ogni scheda viene registrata soltanto premendo il suo pulsante Salva."),
        QStringLiteral("ANAGRAFICA CLIENTI"),
    };
    paragraphs += ClientHelp::text().split(separator);
    paragraphs += {
        QStringLiteral("AGENDA APPUNTAMENTI"),
        QStringLiteral(
            "Ogni volta che viene aperta, l'Agenda elenca gli appuntamenti imminenti: quelli non ancora assolti "
            "per i quali è iniziato il periodo di preavviso scelto nella scheda dell'appuntamento. Gli "
            "appuntamenti sono ordinati per data e ora. Se ce n'è almeno uno, un avviso lo segnala e viene "
            "riprodotto un segnale acustico; un appuntamento passato resta nell'elenco finché non viene segnato "
            "come assolto."),
        QStringLiteral(
            "Con il calendario si sceglie un giorno: il pulsante APPUNTAMENTI DEL GIORNO mostra tutti gli "
            "appuntamenti di quella data, il pulsante APPUNTAMENTI DEL MESE tutti quelli del mese. Entrambi i "
            "riepiloghi, come l'elenco degli imminenti, possono essere esportati in Excel; l'elenco degli "
            "imminenti può anche essere stampato."),
        QStringLiteral(
            "Per ricordare un appuntamento al cliente basta fare clic sulla sua riga nell'elenco e premere il "
            "pulsante di WhatsApp: si apre WhatsApp Web con il messaggio di promemoria già scritto, pronto da "
            "inviare al numero di cellulare del cliente."),
        QStringLiteral("SCHEDARIO APPUNTAMENTI"),
        QStringLiteral(
            "Il pulsante INSERISCI APPUNTAMENTI dell'Agenda apre la scheda dell'appuntamento: data (dal "
            "calendario), ora e minuti, giorni di preavviso, ottico assegnato, motivo e dettagli, dati del "
            "cliente (importabili dall'Anagrafica Clienti con la freccia verde), modalità di pagamento, importo "
            "e note. Un appuntamento ricorrente si registra rapidamente con Duplica. Dalla scheda si può inviare "
            "al cliente la conferma dell'appuntamento tramite WhatsApp oppure un'e-mail."),
        QStringLiteral(
            "Quando l'impegno è stato svolto si spunta la casella Impegno assolto e si salva: l'appuntamento "
            "esce dagli imminenti. I pulsanti Assolti, Da assolvere e Scaduti mostrano i riepiloghi degli "
            "impegni assolti, di quelli ancora da assolvere e di quelli scaduti e non assolti; da ogni "
            "riepilogo si può aprire la scheda con un doppio clic. La scheda si stampa con Anteprima o Stampa, "
            "e l'intero archivio si esporta in Excel."),
        QStringLiteral("PRESCRIZIONI OCCHIALI E LENTI A CONTATTO"),
        QStringLiteral(
            "Le due app registrano le prescrizioni che il centro ottico rilascia al cliente. Nei limiti di legge "
            "l'ottico può prescrivere e preparare occhiali e lenti a contatto per la correzione della miopia e "
            "della presbiopia; per le altre correzioni e per ogni disturbo o patologia dell'occhio il cliente va "
            "indirizzato al medico oculista. Ogni prescrizione riporta i dati del centro ottico, i dati del "
            "cliente, i dati della montatura e delle lenti e gli importi dovuti. Sono obbligatori il numero e la "
            "data della prescrizione, la denominazione del centro ottico, il nome, il codice fiscale e il "
            "cellulare del cliente e inoltre, per gli occhiali, il tipo di occhiali e, per le lenti a contatto, "
            "il nome del prescrittore."),
        QStringLiteral(
            "Le prescrizioni sono numerate automaticamente a partire da 1: premendo Nuovo il programma propone "
            "il numero successivo. Per partire da un altro numero, per esempio all'inizio di un nuovo anno, si "
            "imposta il valore iniziale con il pulsante N accanto al numero. Le righe del centro ottico vengono "
            "ricordate e riproposte ad ogni nuova prescrizione."),
        QStringLiteral(
            "I dati del cliente si importano dall'Anagrafica Clienti con la freccia verde: si cerca il cliente "
            "e si fa doppio clic sulla sua riga. Una prescrizione già salvata può essere richiamata, modificata "
            "e salvata di nuovo, oppure duplicata con Duplica per prepararne una simile con un nuovo numero."),
        QStringLiteral(
            "Si compilano poi la montatura (fabbricante, modello, calibro, colore, ponte, asta, materiale) e le "
            "lenti destra e sinistra, o i parametri delle lenti a contatto, e gli importi dovuti. Il pulsante "
            "SALDO calcola il totale e, tolto l'anticipo versato, il saldo ancora da pagare. La casella Saldato "
            "annota che il cliente ha pagato; il pulsante delle prescrizioni non saldate ne mostra l'elenco. "
            "Completano la prescrizione la data di consegna, la modalità di pagamento e le note."),
        QStringLiteral(
            "Trova cerca le prescrizioni in archivio; a ogni prescrizione si possono allegare fino a tre file. "
            "La prescrizione si stampa su un foglio A4 (con anteprima) e, per gli occhiali, si stampa anche la "
            "Dichiarazione di conformità. Anche questi archivi si esportano in Excel."),
        QStringLiteral("ESPORTAZIONE IN EXCEL"),
        QStringLiteral(
            "Ogni archivio (clienti, prescrizioni occhiali, prescrizioni lenti, appuntamenti) può essere "
            "esportato con il pulsante Esporta in un file che si apre con Microsoft Excel, LibreOffice Calc o "
            "qualunque altro foglio di calcolo. Il file viene creato nella cartella del programma e sostituisce "
            "l'esportazione precedente: per conservarlo, salvarlo con un altro nome dal foglio di calcolo."),
        QStringLiteral("COPIE DI SICUREZZA"),
    };
    paragraphs += BackupWindow::helpText().split(separator);
    paragraphs += {
        QStringLiteral("STATISTICHE"),
    };
    paragraphs += StatisticsWindow::helpText().split(separator);
    paragraphs += {
        QStringLiteral("USO IN RETE LOCALE"),
        QStringLiteral(
            "Lumivista può essere usato da più computer della stessa rete locale: basta installarlo in una "
            "cartella condivisa e avviarlo da lì su ogni computer, così tutti lavorano sugli stessi archivi. "
            "Il programma non blocca le schede: evitare di modificare e salvare la stessa scheda da due "
            "computer nello stesso momento."),
        QStringLiteral("PASSWORD DI ACCESSO"),
        QStringLiteral(
            "All'avvio il programma chiede la password di accesso. Al primo accesso dopo ogni installazione si "
            "digita la parola %1 (maiuscole e minuscole sono equivalenti); reinstallando il programma nella "
            "stessa cartella resta valida la password già scelta. La password può essere cambiata in "
            "qualunque momento con il pulsante Cambia password della finestra di accesso: occorre indicare la "
            "vecchia password e scrivere due volte la nuova, che deve contenere almeno %2 caratteri.")
            .arg(InitialPassword::word())
            .arg(PasswordFile::MinimumLength),
        QStringLiteral("CHIAVETTA USB E COPIE DI SICUREZZA"),
        QStringLiteral(
            "Tutti i dati di Lumivista si trovano nella cartella del programma: archivi, impostazioni, password, "
            "documenti allegati ed esportazioni. Copiando l'intera cartella su una chiavetta USB si può usare il "
            "programma da qualunque computer, avviandolo direttamente dalla chiavetta. La stessa copia è anche "
            "il modo più rapido per fare una copia di sicurezza di tutti gli archivi: conviene ripeterla spesso."),
    };
    return paragraphs.join(separator);
}

} // namespace lumivista
