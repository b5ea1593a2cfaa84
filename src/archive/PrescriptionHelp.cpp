#include "PrescriptionHelp.h"
#include <QStringList>

namespace lumivista {

QString PrescriptionHelp::title()
{
    return QStringLiteral("App Prescrizione Occhiali e Lenti a Contatto");
}

QString PrescriptionHelp::text()
{
    const QStringList paragraphs = {
        QStringLiteral("Le schede Prescrizione Occhiali e Prescrizione Lenti a Contatto servono a compilare, "
                       "numerare, archiviare e stampare le prescrizioni che il Centro Ottico rilascia ai propri "
                       "clienti. Una prescrizione dell'ottico descrive l'occhiale o le lenti a contatto forniti e i "
                       "relativi importi: non sostituisce la prescrizione medica dell'oculista e non contiene una "
                       "diagnosi."),
        QStringLiteral("Per salvare una prescrizione sono obbligatori il numero progressivo, la data di emissione, "
                       "la denominazione del Centro Ottico (prima riga di DATI CENTRO OTTICO), il nome del cliente, "
                       "il suo codice fiscale, il suo numero di cellulare e il tipo di occhiali (sulla scheda delle "
                       "lenti a contatto il nome del prescrittore). Se manca uno di questi dati il programma lo "
                       "segnala e porta il cursore nel campo da compilare."),
        QStringLiteral("Premendo Nuovo la scheda si svuota, riceve la data di oggi e il numero progressivo "
                       "successivo, calcolato sommando al numero iniziale le prescrizioni già archiviate. Il "
                       "pulsante N. accanto al numero permette di impostare il numero iniziale della numerazione, "
                       "separatamente per occhiali e lenti a contatto. Il numero proposto può comunque essere "
                       "modificato a mano prima di salvare."),
        QStringLiteral("Una prescrizione archiviata può essere richiamata con i pulsanti di scorrimento o con la "
                       "ricerca, modificata e salvata di nuovo: le modifiche sostituiscono la prescrizione "
                       "precedente. Duplica prepara una nuova prescrizione con gli stessi dati di quella visualizzata: "
                       "il numero va indicato di nuovo, la data diventa quella di oggi, la casella Saldato e gli "
                       "allegati vengono azzerati. Al termine premere Salva per inserirla in archivio."),
        QStringLiteral("La freccia verde accanto alla prima riga di DATI CLIENTE importa nome, indirizzo, codice "
                       "fiscale e cellulare di un cliente già registrato nell'archivio clienti, senza doverli "
                       "digitare di nuovo. Le righe di DATI CENTRO OTTICO vengono ricordate dal programma e "
                       "riproposte ogni volta che si apre una delle due schede."),
        QStringLiteral("Nelle colonne centrali si descrivono la montatura e le due lenti, oppure, per le lenti a "
                       "contatto, gli accessori e i parametri della lente per l'occhio destro e per l'occhio "
                       "sinistro. Nella colonna IMPORTI DOVUTI si indicano i prezzi delle singole voci: si possono "
                       "digitare soltanto cifre e la virgola, e ogni importo viene completato con due decimali "
                       "quando si esce dal campo."),
        QStringLiteral("In ANTICIPO si annota la somma già versata dal cliente. Il pulsante SALDO (o TOTALE) "
                       "calcola il totale delle voci e il saldo ancora dovuto, cioè il totale meno l'anticipo; il "
                       "calcolo viene ripetuto automaticamente a ogni salvataggio. Un saldo negativo indica che "
                       "l'anticipo supera il totale."),
        QStringLiteral("Quando il cliente ha pagato tutto, spuntare la casella Saldato e salvare. Il riepilogo "
                       "delle prescrizioni non saldate elenca quelle in cui la casella non è spuntata, così da "
                       "tenere sotto controllo i pagamenti ancora in sospeso."),
        QStringLiteral("La data di consegna si sceglie dal calendario con la freccia accanto al campo, come la "
                       "data di emissione; i tasti Canc e Backspace svuotano il campo. Nel campo Note si possono "
                       "annotare indicazioni libere sulla prescrizione."),
        QStringLiteral("Il pulsante Trova apre la ricerca delle prescrizioni archiviate per numero, data, cliente "
                       "o altri dati; la prescrizione scelta viene mostrata nella scheda."),
        QStringLiteral("Con Allega si possono collegare alla prescrizione fino a tre file, ad esempio una "
                       "prescrizione dell'oculista acquisita con lo scanner, ciascuno con una breve descrizione. "
                       "I file vengono conservati nella cartella dei documenti allegati del programma."),
        QStringLiteral("Anteprima e Stampa producono la prescrizione su un foglio A4, con i dati così come "
                       "compaiono nella scheda; per gli occhiali è disponibile anche la Dichiarazione di "
                       "Conformità dell'occhiale correttivo. Esporta salva l'intero archivio in un file che si apre "
                       "con Excel o con un altro foglio di calcolo."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace lumivista
