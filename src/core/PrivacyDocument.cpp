#include "PrivacyDocument.h"
#include "Text.h"

namespace lumivista {

namespace {

/** A fixed text of the form: ASCII as it is, every other letter as an RTF
 *  hexadecimal escape of its Windows-1252 byte. */
QByteArray fixed(const char *utf8)
{
    const QByteArray bytes = Text::toCp1252(QString::fromUtf8(utf8));
    QByteArray out;
    out.reserve(bytes.size() + 16);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.append(c);
        } else {
            out.append("\\'");
            out.append(QByteArray::number(b, 16).rightJustified(2, '0'));
        }
    }
    return out;
}

const char *const purpose =
    "I dati personali e sanitari forniti dal Cliente sono trattati per l'esecuzione del contratto di fornitura dei "
    "prodotti e dei servizi richiesti al Centro ottico e per l'adempimento degli obblighi di legge, contabili e "
    "fiscali che ne derivano. Il trattamento avviene su supporti cartacei ed elettronici, con modalità e strumenti "
    "idonei a garantirne la sicurezza e la riservatezza, nel rispetto delle misure previste dal Regolamento UE "
    "2016/679. I dati sono conservati per tutta la durata del rapporto tra il Centro ottico e il Cliente e, "
    "successivamente, per il tempo necessario all'adempimento degli obblighi di legge e fiscali a carico del Centro "
    "ottico.";

const char *const obligation =
    "Il conferimento dei dati richiesti dalla legge o necessari all'esecuzione del contratto è obbligatorio: "
    "l'eventuale rifiuto di fornirli, o di consentirne il trattamento, può rendere impossibile al Centro ottico "
    "l'esecuzione del contratto e la fornitura dei prodotti e dei servizi richiesti. Il conferimento di ogni altro "
    "dato è facoltativo; le conseguenze di un eventuale rifiuto sono valutate di volta in volta dal Centro ottico, "
    "che ne informa il Cliente.";

const char *const recipients =
    "I dati personali e sanitari del Cliente possono essere comunicati, per le sole finalità indicate al punto 1, a "
    "medici oculisti, ad altri medici specialisti, a laboratori di analisi e di lavorazione delle lenti, a "
    "farmacisti, a strutture ospedaliere e a case di cura private, nonché al consulente fiscale del Centro ottico. "
    "Per obbligo di legge possono inoltre essere comunicati all'Agenzia delle Entrate, alle Aziende sanitarie "
    "locali, al Servizio sanitario nazionale, all'Istituto nazionale della previdenza sociale (INPS) e all'Istituto "
    "nazionale per l'assicurazione contro gli infortuni sul lavoro (INAIL). I dati possono essere trattati anche da "
    "soggetti con sede in Italia che forniscono al Centro ottico servizi amministrativi, informatici o di "
    "manutenzione, nominati responsabili del trattamento e tenuti alla riservatezza. I dati non sono trasferiti "
    "all'estero né diffusi. All'interno del Centro ottico hanno accesso ai dati soltanto il titolare, i collaboratori "
    "e il personale incaricato del trattamento, tutti tenuti al segreto professionale e al rispetto delle istruzioni "
    "ricevute.";

const char *const rights =
    "Il Cliente, in qualità di interessato, può esercitare in ogni momento nei confronti del titolare del "
    "trattamento i diritti che gli riconosce il Regolamento Generale sulla Protezione dei Dati (articoli da 15 a 22 "
    "del Regolamento UE 2016/679), tra i quali quelli descritti più avanti.";

const char *const consent =
    "Il Cliente, letta l'informativa che precede, acconsente al trattamento dei propri dati personali e sanitari e "
    "alla loro comunicazione nei limiti e per le finalità in essa indicati, consapevole che il rifiuto del consenso "
    "impedisce al Centro ottico di fornire le prestazioni e i servizi richiesti. Il consenso al trattamento dei dati "
    "particolari, quali quelli relativi allo stato di salute, è espresso per iscritto con la firma della presente "
    "dichiarazione. I dati sono conservati per tutta la durata delle cure e, in seguito, nei limiti di tempo previsti "
    "dalla legge per la conservazione della documentazione clinica e fiscale.";

const char *const access[] = {
    "Il diritto di ottenere la conferma dell'esistenza o meno di dati personali che lo riguardano, anche se non "
    "ancora registrati, e la loro comunicazione in forma intelligibile.",
    "Il diritto di ottenere l'indicazione dell'origine dei dati personali, delle finalità e delle modalità del "
    "trattamento, della logica applicata al trattamento effettuato con strumenti elettronici, degli estremi "
    "identificativi del titolare e dei responsabili del trattamento e dei soggetti o delle categorie di soggetti ai "
    "quali i dati possono essere comunicati.",
    "Il diritto di ottenere l'aggiornamento, la rettificazione o l'integrazione dei dati; la cancellazione, la "
    "trasformazione in forma anonima o il blocco dei dati trattati in violazione di legge; l'attestazione che tali "
    "operazioni sono state portate a conoscenza di coloro ai quali i dati sono stati comunicati; la portabilità dei "
    "dati.",
    "Il diritto di opporsi, in tutto o in parte, al trattamento dei dati personali che lo riguardano e al loro uso "
    "per l'invio di materiale pubblicitario o di vendita diretta, di revocare il consenso in qualsiasi momento e di "
    "proporre reclamo all'autorità di controllo, rivolgendosi al titolare del trattamento.",
};

const char *const informed[] = {
    "le finalità e le modalità del trattamento dei dati, destinati a scopi di prevenzione, diagnosi, cura e "
    "riabilitazione;",
    "le categorie di soggetti ai quali i dati possono essere comunicati;",
    "i diritti di accesso, aggiornamento, rettificazione, integrazione e cancellazione dei dati e il diritto di "
    "oppormi all'invio di comunicazioni commerciali;",
    "il nome del titolare del trattamento, domiciliato presso il Centro ottico;",
    "la necessità di fornire i dati per ricevere prestazioni adeguate.",
};

} // namespace

const QList<std::pair<QString, QString>> &PrivacyDocument::shopSettings()
{
    static const QList<std::pair<QString, QString>> settings = {
        {QStringLiteral("txtStudioDent"), QStringLiteral("Centro Ottico")},
        {QStringLiteral("txtCittaDent"), QStringLiteral("Comune Sede")},
        {QStringLiteral("txtProvDent"), QStringLiteral("Provincia Sede")},
        {QStringLiteral("txtCapDent"), QStringLiteral("Cap Sede")},
        {QStringLiteral("txtIndirizzoDent"), QStringLiteral("Via Sede")},
        {QStringLiteral("txtCodFiscDent"), QStringLiteral("Codice Fiscale Studio")},
        {QStringLiteral("txtIvaDent"), QStringLiteral("Partita Iva Studio")},
        {QStringLiteral("txtTelDent"), QStringLiteral("Recapiti Studio")},
        {QStringLiteral("txtLuogo"), QStringLiteral("Luogo")},
        {QStringLiteral("txtPrivacy"), QStringLiteral("Titolare")},
    };
    return settings;
}

QByteArray PrivacyDocument::escaped(const QString &value)
{
    QByteArray out;
    for (char c : Text::toCp1252(Text::trim(value))) {
        if (c == '\\' || c == '{' || c == '}')
            out.append('\\');
        out.append(c);
    }
    return out;
}

QByteArray PrivacyDocument::build(const QHash<QString, QString> &values)
{
    auto v = [&](const char *field) { return escaped(values.value(QLatin1String(field))); };
    QByteArray d;
    auto put = [&](const QByteArray &piece) { d.append(piece); };
    auto text = [&](const char *utf8) { d.append(fixed(utf8)); };

    text("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
         "{\\f1\\fnil Verdana;}}");
    text("{\\colortbl ;\\red0\\green0\\blue0;}");
    text("\\viewkind4\\uc1\\pard\\qc\\b\\f0\\fs40 Consenso al trattamento dei dati personali e sensibili");
    text("\\par \\b0\\fs28 (Informativa ai sensi del Regolamento UE 2016/679)");
    put("\\par " + QByteArray(54, '_'));
    text("\\par");
    text("\\par \\pard\\qj\\fs24 Ai sensi del Regolamento UE 2016/679 (Regolamento Generale sulla Protezione dei Dati - "
         "General Data Protection Regulation - GDPR), il presente Centro ottico \\b ");
    put(v("txtStudioDent"));
    text("\\b0  (d'ora in avanti, il Centro ottico), con sede a \\b ");
    put(v("txtCittaDent"));
    text("\\b0  (\\b ");
    put(v("txtProvDent"));
    text("\\b0 ), CAP: \\b ");
    put(v("txtCapDent"));
    text("\\b0 , in \\b ");
    put(v("txtIndirizzoDent"));
    text("\\b0 , codice fiscale: \\b ");
    put(v("txtCodFiscDent"));
    text("\\b0 , partita IVA: \\b ");
    put(v("txtIvaDent"));
    text("\\b0 , recapiti telefonici: \\b ");
    put(v("txtTelDent"));
    text("\\b0 , informa che i dati anagrafici e sanitari qualificati come personali dalla legge (ivi compresi dati "
         "personali inerenti allo stato di salute, alla vita sessuale e all'origine razziale ed etnica), ad esso "
         "forniti dal Cliente Sig. \\b ");
    put(v("txtPaziente"));
    text("\\b0 , nato a \\b ");
    put(v("txtComuneNasc"));
    text("\\b0  il \\b ");
    put(v("txtDataNasc"));
    text("\\b0 , residente a \\b ");
    put(v("txtComuneRes"));
    text("\\b0  (\\b ");
    put(v("txtProvRes"));
    text("\\b0 ), CAP: \\b ");
    put(v("txtCapRes"));
    text("\\b0  in \\b ");
    put(v("txtIndirizzo"));
    text("\\b0 , codice fiscale: \\b ");
    put(v("txtCodFisc"));
    text("\\b0 , recapito telefonico: \\b ");
    put(v("txtRecapito"));
    text("\\b0  (d'ora in avanti, il Cliente), saranno trattati come di seguito descritto:");
    const std::pair<const char *, const char *> sections[] = {
        {"1. Finalità e modalità del trattamento cui sono destinati i dati.", purpose},
        {"2. Natura obbligatoria o facoltativa del conferimento e conseguenze al rifiuto del consenso.", obligation},
        {"3. Soggetti che possono venire a conoscenza dei dati.", recipients},
        {"4. Diritti degli interessati.", rights},
    };
    for (const auto &[title, body] : sections) {
        text("\\par");
        text("\\par \\b ");
        text(title);
        text("\\par \\b0 ");
        text(body);
    }
    text("\\par");
    text("\\par \\b 5. Titolare del trattamento dati.");
    text("\\par \\b0 Titolare del trattamento dei dati, nonché Responsabile del trattamento e Responsabile protezione "
         "dati (RPD) o Data Protection Officer (DPO) è il Centro ottico, rappresentato da \\b ");
    put(v("txtPrivacy"));
    text("\\b0 , domiciliato per la carica nella sede del medesimo Centro ottico.");
    text("\\par");
    text("\\par \\pard\\qc\\b Consenso dell'interessato");
    text("\\par \\pard\\qj\\b0 ");
    text(consent);
    text("\\par");
    text("\\par \\pard\\qc\\b Diritto di accesso ai dati personali ed altri diritti");
    // The control word takes the first blank; the second one shows after the number.
    text("\\par \\pard\\qj 1.\\b0  ");
    text(access[0]);
    for (int i = 1; i < 4; ++i) {
        put("\\par \\b " + QByteArray::number(i + 1) + ".\\b0  ");
        text(access[i]);
    }
    text("\\par");
    text("\\par \\pard\\qc\\b DICHIARAZIONE DEL CLIENTE");
    text("\\par");
    text("\\par \\pard\\qj\\b0 Io sottoscritto \\b ");
    put(v("txtPaziente"));
    text("\\b0 , nato a \\b ");
    put(v("txtComuneNasc"));
    text("\\b0  il \\b ");
    put(v("txtDataNasc"));
    text("\\b0 , residente a \\b ");
    put(v("txtComuneRes"));
    text("\\b0  (\\b ");
    put(v("txtProvRes"));
    text("\\b0 ), CAP: \\b ");
    put(v("txtCapRes"));
    text("\\b0  in \\b ");
    put(v("txtIndirizzo"));
    text("\\b0 , codice fiscale: \\b ");
    put(v("txtCodFisc"));
    text("\\b0 , esprimo il mio libero consenso al trattamento dei dati personali e particolari. A tal fine dichiaro "
         "di essere stato informato su:");
    for (int i = 0; i < 5; ++i) {
        put("\\par \\b " + QByteArray::number(i + 1) + ")\\b0  ");
        text(informed[i]);
    }
    text("\\par Con la presente, esprimo il mio consenso al trattamento dei dati personali e sensibili a \\b ");
    put(v("txtPrivacy"));
    text("\\b0  esclusivamente per le attività di prevenzione, diagnosi, cura e riabilitazione svolte a tutela della "
         "mia salute.");
    text("\\par");
    text("\\par \\b ");
    put(v("txtLuogo"));
    text("\\b0 , \\b ");
    put(v("txtData"));
    text("\\b0 .");
    text("\\par");
    text("\\par \\pard\\qr\\b Firma del Cliente per accettazione");
    text("\\par");
    put("\\par " + QByteArray(31, '_'));
    text("\\par \\b0");
    text("\\par \\pard\\cf1\\b\\f1");
    text("\\par }");
    return d;
}

} // namespace lumivista
