#!/usr/bin/env python3
"""Writes the report templates under templates/ from the layouts below.
Run it after changing a layout; the JSON files it writes are what the program reads.
An optional argument names another folder to write into (the tests compare the two)."""
import json, os, sys

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "templates")
ROYAL, BISQUE, BEIGE, ALICE, STEEL, GOLD, WHITE = "#4169E1", "#FFE4C4", "#F5F5DC", "#F0F8FF", "#B0C4DE", "#FFD700", "#FFFFFF"
W = 188.0  # printable width used by the documents, from x = 1


def text(x, y, w, h, value, name="", size=8, align="left", bold=None, **extra):
    o = {"type": "text", "x": round(x, 3), "y": round(y, 3), "w": round(w, 3), "h": round(h, 3), "text": value,
         "size": size, "align": align}
    if name:
        o["name"] = name
    if bold is not None:
        o["bold"] = bold
    o.update(extra)
    return o


def rect(x, y, w, h, fill=None, frame=False):
    o = {"type": "rect", "x": round(x, 3), "y": round(y, 3), "w": round(w, 3), "h": round(h, 3)}
    if fill:
        o["fill"] = fill
    if frame:
        o["frame"] = True
    return o


def line(x1, y1, x2, y2, width=0.25):
    return {"type": "line", "x1": x1, "y1": y1, "x2": x2, "y2": y2, "width": width}


def picture(x, y, w, h, source):
    return {"type": "picture", "x": x, "y": y, "w": w, "h": h, "source": source}


def band(y, caption, fill=ROYAL, size=8, x=1, w=W, h=5, colour=None):
    return text(x, y, w, h, caption, size=size, align="center", fill=fill,
                color=colour or (WHITE if fill == ROYAL else "#000000"))


def value(x, y, w, h, name, sample, size=8, align="left", fill=WHITE):
    return text(x, y, w, h, sample, name=name, size=size, align=align, frame=True, fill=fill)


def document(name, objects, margins=10):
    return {"name": name, "orientation": "portrait", "margins": margins,
            "defaults": {"font": "Arial", "bold": True, "color": "#000000"}, "objects": objects}


def shop_box(top, bottom):
    o = [rect(1, top, W, bottom - top, fill=BEIGE, frame=True)]
    y = top + 1
    for i in range(1, 6):
        h = 5 if i == 1 else 4
        o.append(text(2, y, W - 2, h, "DATI CENTRO OTTICO RIGO %d" % i, name="txtOtticoRigo%02d" % i,
                      size=10 if i == 1 else 8, align="center"))
        y += h
    return o


def client_rows(top, captions=("Cognome e nome:", "Indirizzo:", "Città:", "Codice fiscale:")):
    o = []
    for i, caption in enumerate(captions):
        y = top + 6 * i
        o.append(text(1, y, 42, 6, caption, size=8, fill=BISQUE, frame=True))
        width = 61 if i == 3 else 145
        o.append(value(44, y, width, 6, "txtClienteRigo%02d" % (i + 1), "DATI CLIENTE RIGO %d" % (i + 1)))
    o.append(value(107, top + 18, 82, 6, "txtClienteRigo05", "Cellulare:   "))
    return o


def lens_table(top, heads, captions, prefix="<<  ", suffix="  >>", picture_source=None):
    o = [band(top, heads[0], x=1, w=59, h=6), band(top, heads[1], x=130, w=59, h=6)]
    if picture_source:
        o.append(picture(64, top, 62, 6, picture_source))
    for i, caption in enumerate(captions):
        y = top + 6 + 6 * i
        o.append(value(1, y, 59, 6, "txtLenteDX%02d" % (i + 1), "", size=7, align="center"))
        o.append(text(64, y, 62, 6, prefix + caption + suffix, size=7, align="center", fill=BEIGE, frame=True))
        o.append(value(130, y, 59, 6, "txtLenteSX%02d" % (i + 1), "", size=7, align="center"))
    return o


def captioned_boxes(top, captions):
    widths, o, x = (46, 42, 55, 42), [], 1
    names = ("txtNumPre", "txtData", "txtTipoOc", "txtUso")
    for caption, w, name in zip(captions, widths, names):
        o.append(band(top, caption, x=x, w=w, h=4.5))
        o.append(value(x, top + 4.5, w, 6, name, "", size=9, align="center"))
        x += w + 1
    return o


def signatures(top, line_y, left="Titolare Centro Ottico", right="Cliente"):
    o = []
    for x, w, caption in ((1, 81, left), (109, 80, right)):
        o.append(text(x, top, w, 6, caption, size=12, align="center"))
        o.append(line(x + 4, line_y, x + w - 4, line_y))
        o.append(text(x, line_y + 1, w, 4, "(firma per esteso e leggibile)", size=8, align="center", bold=False))
    return o


def prescription(title, report, box_captions, lens_heads, lens_captions, accessory_title, accessory_rows,
                 amount_rows, lenses):
    o = [band(1, title, size=12, h=7)] + shop_box(10, 33) + captioned_boxes(34, box_captions)
    if lenses:
        client_top, lens_top, pic = 50, 89, picture(75.5, 83, 37, 10, "pictures/lente.svg")
        block, rows_top, row_h = 161, 167, 36 / 7
    else:
        client_top, lens_top, pic = 61, 99, picture(80, 93, 30, 5.5, "pictures/occhiali.svg")
        block, rows_top, row_h = 153, 158, 6
        o.append(picture(85, 48, 20, 12, "pictures/cliente.svg"))
    o.append(band(client_top, "DATI CLIENTE"))
    o += client_rows(client_top + 5 if lenses else client_top + 6)
    o.append(pic)
    o += lens_table(lens_top, lens_heads, lens_captions)
    # Frame or accessories, at the left.
    o.append(band(block, accessory_title, x=1, w=109))
    for i, caption in enumerate(accessory_rows):
        y = rows_top + row_h * i
        o.append(text(1, y, 40, row_h, caption, size=7, fill=BEIGE, frame=True))
        o.append(value(41, y, 69, row_h, "txtMontatura%02d" % (i + 1), "", size=7))
    # Amounts, at the right.
    o.append(band(block, "IMPORTI DOVUTI", x=115, w=74))
    head_h = row_h if lenses else 4
    o.append(band(rows_top, "CAUSALE", x=115, w=44, h=head_h, size=6))
    o.append(band(rows_top, "IMPORTO", x=159, w=30, h=head_h, size=6))
    for i, caption in enumerate(amount_rows):
        y = rows_top + head_h + row_h * i
        o.append(text(115, y, 44, row_h, caption, size=7, fill=WHITE, frame=True))
        o.append(value(159, y, 30, row_h, "txtImporto%02d" % (i + 1), "", size=7, align="right"))
    if lenses:
        delivery, deposit, balance, pay_band, pay_value, total = 210, 210, 217, 219, 225, 225
        notes, sign, sign_line = 237, 252, 269
    else:
        delivery, deposit, balance, pay_band, pay_value, total = 201, 199, 205, 208, 212, 212
        notes, sign, sign_line = 229, 246, 263
    o.append(text(1, delivery, 40, 6, "DATA CONSEGNA:", size=7, fill=ALICE, frame=True))
    o.append(value(41, delivery, 69, 6, "txtConsegna", "", size=7, fill=ALICE))
    o.append(band(pay_band, "MODALITA' DI PAGAMENTO", x=1, w=109, h=4.5 if lenses else 4, size=6))
    o.append(value(1, pay_value, 109, 6, "txtModalita", "", size=7, align="center", fill=BEIGE))
    for y, caption, name, fill, size in ((deposit, "ANTICIPO:", "txtFinale", ALICE, 7),
                                         (balance, "SALDO:", "txtTotale", ALICE, 7),
                                         (total, "IMPORTO TOTALE:", "txtDovuto", BEIGE, 8)):
        o.append(text(115, y, 44, 6, caption, size=size, fill=fill, frame=True))
        o.append(value(159, y, 30, 6, name, "", size=size, align="right", fill=fill))
    o.append(band(notes, "NOTE", fill=BISQUE))
    o.append(value(1, notes + 5, W, 6, "txtNote", "", size=8, align="center"))
    o += signatures(sign, sign_line)
    return document(report, o)


def glasses():
    return prescription(
        "PRESCRIZIONE OCCHIALI", "Prescrizione Occhiali",
        ("PRESCRIZIONE N.", "DATA EMISSIONE", "TIPO OCCHIALI", "USO"), ("LENTE DX", "LENTE SX"),
        ("FABBRICANTE", "TIPO / INDICE", "DIAMETRO", "TRATTAMENTO", "COLORAZIONE", "CLASSE FILTRO", "MATERIALE"),
        "MONTATURA", ("FABBRICANTE:", "MODELLO:", "CALIBRO:", "COLORE:", "PONTE:", "ASTA:", "MATERIALE:"),
        ("MONTATURA:", "LENTI:", "TRATTAMENTI:", "MONTAGGIO:", "VISITA:", "ALTRI LAVORI:"), lenses=False)


def lenses():
    return prescription(
        "PRESCRIZIONE LENTI A CONTATTO", "Prescrizione Lenti a Contatto",
        ("PRESCRIZIONE N.", "DATA EMISSIONE", "PRESCRITTORE", "DURATA LENTI"), ("OCCHIO DX", "OCCHIO SX"),
        ("NOME LENTE", "FABBRICANTE", "RAGGIO BASE", "SFERA", "CILINDRO", "ASSE", "ADDIZIONE", "DIAMETRO",
         "MATERIALE", "COLORE"),
        "ACCESSORI", ("TIPO CONTENITORE:", "LIQUIDO CONSERVAZIONE:", "LIQUIDO DETERGENTE:", "LIQUIDO RISCIACQUANTE:",
                      "LACRIME ARTIFICIALI:", "ENZIMI:", "ALTRO:"),
        ("LENTE DX:", "LENTE SX:", "LIQUIDO:", "PACCHETTO:", "VISITA:", "ALTRI LAVORI:"), lenses=True)


def declaration():
    o = [band(1, "DICHIARAZIONE DI CONFORMITA' PER OCCHIALE CORRETTIVO SU MISURA", size=12, h=7),
         text(1, 10, W, 4, "in base al Decreto Ministeriale 24/02/97, n. 46 (e successive modificazioni) di attuazione "
              "della Direttiva 93/42 CEE", size=8, align="center")]
    o += shop_box(15, 38)
    o.append(band(45, "COMPONENTI DEL DISPOSITIVO MEDICALE SU MISURA", size=9))
    o.append(band(51, "1. MONTATURA  -  C.E. (FASCICOLO TECNICO PRESSO IL PRODUTTORE)", fill=BISQUE))
    for i, caption in enumerate(("FABBRICANTE:", "MODELLO:", "CALIBRO:", "COLORE:")):
        y = 57 + 6 * i
        o.append(text(1, y, 44, 6, caption, size=7, fill=BEIGE, frame=True))
        o.append(value(47, y, 142, 6, "txtMontatura%02d" % (i + 1), "", size=7))
    o.append(band(88, "2. LENTI OFTALMICHE  -  C.E. (FASCICOLO TECNICO PRESSO IL PRODUTTORE)", fill=BISQUE))
    o += lens_table(94, ("LENTE DESTRA", "LENTE SINISTRA"),
                    ("FABBRICANTE", "TIPO / INDICE", "DIAMETRO", "TRATTAMENTO", "COLORAZIONE", "CLASSE FILTRO"),
                    picture_source="pictures/occhiali.svg")
    o.append(text(1, 139, W, 4.5, "Il Dispositivo medicale è conforme ai requisiti essenziali di sicurezza e salute "
                  "della Direttiva 93/42 CEE e della Direttiva 2007/47 CE", size=8, align="center"))
    for y, caption in ((145, "Come da prescrizione allegata"),
                       (152, "Come da Suo occhiale in uso su precedente prescrizione")):
        o.append(rect(40, y, 4, 4, frame=True))
        o.append(text(46, y - 0.5, 140, 5, caption, size=8))
    o.append(band(159, "DATI DEL CLIENTE AMETROPE UTILIZZATORE DEL DISPOSITIVO"))
    o += client_rows(165)
    for i, words in enumerate((
            "Il Cliente ametrope dichiara di aver ricevuto dall'Ottico optometrista copia della presente "
            "Dichiarazione di Conformità e le informazioni",
            "concernenti il dispositivo medicale acquistato, relativamente alle modalità d'uso e alle operazioni di "
            "manutenzione e pulizia.",
            "Dichiara, inoltre, di essere stato informato dei pericoli derivanti da una non corretta osservanza delle "
            "istruzioni per l'uso.")):
        o.append(text(1, 192 + 4 * i, W, 4, words, size=8))
    o.append(band(209, "DATA EMISSIONE", x=70, w=50, h=4.5))
    o.append(value(70, 213.5, 50, 6, "txtData", "", size=9, align="center"))
    o += signatures(228, 248, "L'Ottico optometrista", "Il Cliente ametrope")
    o.append(text(1, 267, W, 5, "La presente Dichiarazione di Conformità viene conservata per cinque anni dalla data "
                  "di emissione.", size=10, align="center", italic=True))
    return document("Dichiarazione di Lente Conforme", o)


def instructions():
    return document("Istruzioni Uso Occhiali",
                    [{"type": "document", "name": "picIstruzioni", "x": 0, "y": 0, "w": 197, "h": 281,
                      "source": "pictures/istruzioni_uso.html", "size": 10.5, "bold": False}], margins=5)


def row_sheet(report, title, rows, footer_name, footer_sample, footer_top):
    """The client and appointment sheets: framed rows of caption and value."""
    o = [rect(1, 1, W, 5.8, fill=STEEL), text(2, 2, 185.8, 4.2, title, name="tit" + "ArcataSup", size=9,
                                               align="center", bold=False)]
    for i, (caption, name) in enumerate(rows):
        o.append(rect(1, 7 + 5 * i, W, 4.6, frame=True))
        o.append(text(2, 7.5 + 5 * i, 37.8, 3.5, caption, size=7, bold=False))
        o.append(text(44, 7.5 + 5 * i, 144, 3.5, "", name=name, size=7, bold=False))
    o.append(line(42, 7, 42, 7 + 5 * (len(rows) - 1) + 4.6))
    o.append(rect(1, footer_top, W, 5.8, fill=GOLD))
    o.append(text(2, footer_top + 1, 185.8, 4.2, footer_sample, name=footer_name, size=8, align="center",
                  bold=False))
    return document(report, o)


def client_sheet():
    rows = [("Cognome e nome:", "txtName"), ("Sesso:", "txtGender"), ("Data di nascita:", "txtBirthDate"),
            ("Luogo di nascita:", "txtBirthPlace"), ("Via e numero civico:", "txtStreet"), ("Città:", "txtCity"),
            ("Provincia:", "txtState"), ("CAP:", "txtZip"), ("Cittadinanza:", "txtCitizenship"),
            ("Codice fiscale:", "txtTaxNumber"), ("Partita IVA:", "txtSSN"), ("E-mail:", "txtEmail"),
            ("Telefono:", "txtHomePhone"), ("Cellulare:", "txtMobilePhone"), ("Occupazione:", "txtOccupation"),
            ("Sede di lavoro:", "txtWork"), ("Problemi visivi da vicino:", "txtPathologies"),
            ("Problemi visivi da lontano:", "txtDrugs"), ("Occhiali:", "txtAllergies"),
            ("Lenti a contatto:", "txtProblems"), ("Questioni in sospeso:", "txtIssues"),
            ("Modalità di pagamento:", "txtCommunication"), ("Oculista:", "txtDentist"),
            ("Orari preferenziali:", "txtTimes"), ("Stato dei pagamenti:", "txtStatus"), ("Note:", "txtNotes")]
    return row_sheet("Scheda Cliente", "SCHEDA CLIENTE", rows, "txtCalce",
                     "Scheda stampata in data GG/MM/AAAA alle ore hh:mm:ss", 139)


def appointment_sheet():
    rows = [("Data appuntamento:", "txtData"), ("Ora:", "txtOra"), ("Ottico assegnato:", "txtTipologia"),
            ("Motivo appuntamento:", "txtCausale"), ("Dettagli:", "txtDettagli"), ("Cliente:", "txtContatto"),
            ("Telefono:", "txtTel"), ("Cellulare:", "txtCel"), ("E-mail:", "txtEmail"),
            ("Modalità di pagamento:", "txtLuogo"), ("Importo:", "txtImporto"), ("Note:", "txtNote"),
            ("Impegno assolto:", "txtOttemperata")]
    return row_sheet("Scheda Appuntamento", "SCHEDA APPUNTAMENTO", rows, "txtCalce", "Data e ora stampa", 76)


def summary_list(figures=False):
    width = 277
    title = [text(0, 1, width, 8, "TITOLO", name="txtTitolo", size=14, align="center", bold=True)]
    if figures:
        # The figures of a client's history or of the recalls, under the title.
        title += [text(0, 11, width, 6, "CIFRE", name="txtCifre", size=10, align="center"),
                  line(0, 19, width, 19, width=0.4)]
    else:
        title += [line(0, 11, width, 11, width=0.4)]
    return {"name": "Riepilogo dati", "orientation": "landscape", "margins": 10,
            "defaults": {"font": "Arial", "bold": False, "color": "#000000"},
            "bands": [
                {"name": "Titolo", "type": "title", "height": 22 if figures else 14, "objects": title},
                {"name": "MasterData", "type": "data", "height": 0, "objects": [
                    text(0, 0, width, 0, "", name="txtRiepilogo", font="Courier New", size=8)]},
                {"name": "Pie", "type": "footer", "height": 8, "objects": [
                    line(0, 1, width, 1, width=0.3),
                    text(0, 2, width, 5, "Stampa eseguita in data [DATE]", name="txtPagina", size=8, align="right",
                         expressions=True)]},
            ]}


NAVY = "#000080"
# The exam cells as the exam window's grids hold them (clients/ExamMap.cpp): [row][column], 0 = none.
RIGHT = [[8, 7, 6, 5, 4, 3, 2], [15, 16, 32, 31, 30, 0, 28], [21, 22, 23, 24, 36, 37, 0]]
LEFT = [[1, 9, 10, 11, 12, 13, 14], [27, 26, 25, 17, 18, 0, 20], [38, 39, 40, 41, 42, 43, 0]]
DISTANCES = [[19, 29, 33], [34, 35, 64], [65, 66, 67]]
TESTS = [[44, 45, 46], [47, 48, 49]]
VISUS = [[50, 51, 52], [53, 54, 55]]
AUTO = [[56, 57, 58, 59], [60, 61, 62, 63]]
# The template spells three names in lower case; the lookup ignores case.
LOWER = {22, 32, 62}


def cell(n):
    return ("txtdente%02d" if n in LOWER else "txtDente%02d") % n


def grid(x, y, label_w, col_w, heads, rows, cells, head=None):
    """A small grid: navy column heads, bisque row labels, framed value cells."""
    o = []
    if head is not None:
        o.append(text(x, y, label_w, 4, head, size=5, align="center", fill=NAVY, color=WHITE))
    for c, h in enumerate(heads):
        o.append(text(x + label_w + c * col_w, y, col_w, 4, h, size=5, align="center", fill=NAVY, color=WHITE))
    for r, label in enumerate(rows):
        ry = y + 4 + 6 * r
        o.append(text(x, ry, label_w, 6, label, size=6, align="center", fill=BISQUE, frame=True))
        for c, n in enumerate(cells[r]):
            if n:
                o.append(value(x + label_w + c * col_w, ry, col_w, 6, cell(n), "", size=7, align="center"))
    return o


def exam_sheet():
    o = [band(1, "ESAME OPTOMETRICO - SISTEMA TABO", size=12, h=7)]
    for x, w, caption, name in ((1, 42, "DATA ESAME", "txtDataEsame"), (45, 144, "OCULISTA", "txtOculista")):
        o.append(band(12, caption, fill=BISQUE, x=x, w=w, h=4.5))
        o.append(value(x, 16.5, w, 6, name, "", size=9, align="center"))
    o.append(picture(89, 24, 12, 12, "pictures/cliente.svg"))
    o.append(band(38, "DATI CLIENTE"))
    for i, (caption, name) in enumerate((("Cognome e nome:", "txtName"), ("Tel. cellulare:", "txtMobilePhone"),
                                         ("Codice fiscale:", "txtTaxNumber"), ("Età:", "txtEta"))):
        y = 43 + 6 * i
        o.append(text(1, y, 42, 6, caption, size=8, fill=BISQUE, frame=True))
        o.append(value(44, y, 145, 6, name, "", size=8))
    for x, caption in ((1, "OCCHIO DESTRO"), (99, "OCCHIO SINISTRO")):
        o.append(rect(x, 71, 90, 36, frame=True))
        o.append(band(71, caption, x=x, w=90))
        o.append(picture(x + 20, 77.5, 50, 28, "pictures/tabo.svg"))
    heads = ["SFERA", "CILINDRO", "ASSE", "PRISMA", "BASE", "ADDIZ", "VISUS"]
    for c, h in enumerate(heads):
        o.append(text(1 + 12 * c, 109, 12, 4, h, size=5, align="center", fill=NAVY, color=WHITE))
        o.append(text(105 + 12 * c, 109, 12, 4, h, size=5, align="center", fill=NAVY, color=WHITE))
    o.append(text(85, 109, 20, 4, "DISTANZA", size=5, align="center", fill=NAVY, color=WHITE))
    for r, label in enumerate(("LONTANO", "VICINO", "INTERMEDIA")):
        y = 113 + 6 * r
        o.append(text(85, y, 20, 6, label, size=6, align="center", fill=BISQUE, frame=True))
        for c in range(7):
            for x0, cells in ((1, RIGHT), (105, LEFT)):
                if cells[r][c]:
                    o.append(value(x0 + 12 * c, y, 12, 6, cell(cells[r][c]), "", size=7, align="center"))
    o.append(band(135, "DISTANZA INTERPUPILLARE", x=44, w=102))
    o += grid(44, 140, 30, 24, ["DX", "SX", "TOTALE"], ["LONTANO", "VICINO", "INTERMEDIA"], DISTANCES, head="")
    o.append(rect(1, 169, 112, 23, frame=True))
    o.append(band(169, "TEST PRELIMINARI", x=1, w=112))
    o += grid(2, 174, 17, 12.5, ["DOMINANTE", "FORIE NAT.", "FORIE COR."], ["LONTANO", "VICINO"], TESTS, head="")
    o += grid(58, 174, 17, 12.5, ["VISUS DX", "BINOC.", "VISUS SX"], ["NATURALE", "CORRETTO"], VISUS, head="")
    o.append(rect(117, 169, 72, 23, frame=True))
    o.append(band(169, "AUTOREFRATTOMETRO", x=117, w=72))
    o += grid(118, 174, 10, 15, ["SFERA", "CILINDRO", "ASSE", "VISUS"], ["DX", "SX"], AUTO, head="")
    for y, caption, name, fill in ((197, "PROBLEMI VISIVI DA VICINO", "txtPathologies", ROYAL),
                                   (214, "PROBLEMI VISIVI DA LONTANO", "txtDrugs", BISQUE),
                                   (245, "OCCHIALI", "txtAllergies", ROYAL),
                                   (262, "LENTI A CONTATTO", "txtProblems", BISQUE)):
        o.append(band(y, caption, fill=fill))
        o.append(value(1, y + 5, W, 6, name, "", size=9, align="center"))
    o.append(picture(80, 231, 30, 10, "pictures/occhiali.svg"))
    return document("Esame Optometrico", o)


def statistics():
    """The shop's year: four charts in a 2 x 2 grid with their totals beside them,
    and the makers most often chosen in a column on the right (A4 landscape)."""
    objects = [text(0, 0, 277, 8, "STATISTICHE", name="txtTitolo", size=14, align="center", bold=True),
               text(0, 8, 277, 5, "SCHEDE ESCLUSE", name="txtSaltati", size=8, align="center"),
               line(0, 14, 277, 14, width=0.4)]
    charts = [("chrIncassi", "Incassi per mese (totali delle prescrizioni, €)", ["#1565C0", "#F9A825"]),
              ("chrAcconti", "Acconti incassati e saldi aperti per mese (€)", ["#2E7D32", "#C62828"]),
              ("chrPrescrizioni", "Prescrizioni per mese", ["#1565C0", "#F9A825"]),
              ("chrAppuntamenti", "Appuntamenti per mese", ["#2E7D32", "#9E9E9E"])]
    for i, (name, caption, colours) in enumerate(charts):
        x = (i % 2) * 104
        y = 17 + (i // 2) * 86
        objects.append(text(x, y, 102, 5, caption, name="txtGrafico%d" % (i + 1), size=9, bold=True))
        objects.append({"type": "chart", "name": name, "x": x, "y": y + 6, "w": 62, "h": 74, "size": 5,
                        "colors": colours})
        # Wide enough for "Saldi aperti 2026: € 1000000,00".
        for row in range(5):
            objects.append(text(x + 63, y + 12 + row * 5, 40, 4.5, "TOTALE", name="txtTotale%d%d" % (i + 1, row + 1),
                                size=6.5, bold=row == 0))
    objects.append(line(209, 17, 209, 186, width=0.2))
    for k, (prefix, caption) in enumerate([("txtMontatura", "Fabbricanti di montature"),
                                           ("txtLente", "Fabbricanti di lenti")]):
        y = 17 + k * 86
        objects.append(text(212, y, 65, 5, caption, name=prefix + "Titolo", size=9, bold=True))
        for row in range(10):
            objects.append(text(212, y + 7 + row * 5, 65, 4.5, "%d." % (row + 1), name="%s%02d" % (prefix, row + 1),
                                size=7))
    objects.append(text(0, 186, 277, 4, "Stampa eseguita in data [DATE]", name="txtPagina", size=7, align="right",
                        expressions=True))
    return {"name": "Statistiche", "orientation": "landscape", "margins": 10,
            "defaults": {"font": "Arial", "bold": False, "color": "#000000"}, "objects": objects}


def main():
    files = {"PrescrizioneOcchiali.json": glasses(), "PrescrizioneLenti.json": lenses(),
             "Conformita.json": declaration(), "IstruzioniUso.json": instructions(),
             "SchedaCliente.json": client_sheet(), "SchedaAppuntamento.json": appointment_sheet(),
             "Riepilogo.json": summary_list(), "RiepilogoCifre.json": summary_list(figures=True),
             "EsameOptometrico.json": exam_sheet(), "Statistiche.json": statistics()}
    for name, content in files.items():
        with open(os.path.join(ROOT, name), "w", encoding="utf-8") as f:
            json.dump(content, f, ensure_ascii=False, indent=1)
            f.write("\n")


if __name__ == "__main__":
    main()
