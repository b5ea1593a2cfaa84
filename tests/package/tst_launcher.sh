#!/usr/bin/env bash
# The package's launcher in a temporary home: the first run makes ~/Lumivista and
# starts it, an upgrade refreshes the program files and keeps every piece of data.
set -euo pipefail
launcher="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" LUMIVISTA_SOURCE="$work/opt"
mkdir -p "$HOME" "$LUMIVISTA_SOURCE/templates"
fail() { echo "FAIL: $*"; exit 1; }

release() { # version: a program that says which version it is
    printf '%s\n' "$1" > "$LUMIVISTA_SOURCE/.version"
    printf '#!/bin/sh\necho "%s $*" > "$HOME/started"\n' "$1" > "$LUMIVISTA_SOURCE/lumivista"
    chmod +x "$LUMIVISTA_SOURCE/lumivista"
    echo "guida $1" > "$LUMIVISTA_SOURCE/Guida.pdf"
    echo "modello $1" > "$LUMIVISTA_SOURCE/templates/occhiali.json"
}
release 1.0.0
echo "[Accesso]" > "$LUMIVISTA_SOURCE/unins000.dll"

"$launcher" --prova
copy="$HOME/Lumivista"
[ "$(cat "$HOME/started")" = "1.0.0 --prova" ] || fail "first run did not start the user's copy"
[ "$(cat "$copy/Guida.pdf")" = "guida 1.0.0" ] || fail "first run did not copy the program"
[ "$(cat "$copy/unins000.dll")" = "[Accesso]" ] || fail "first run did not copy the initial credentials"

# The shop works: data appears beside the program.
echo "password cambiata" > "$copy/unins000.dll"
for f in Archivio_Clienti.pro Lumivista.ini; do echo "dati" > "$copy/$f"; done
mkdir -p "$copy/Backup/2026-12-10_090000" "$copy/Documenti_Allegati" "$copy/Cliente_12"
echo "copia" > "$copy/Backup/2026-12-10_090000/Archivio_Clienti.pro"
echo "ricetta" > "$copy/Documenti_Allegati/ricetta.pdf"
echo "foto" > "$copy/Cliente_12/foto.jpg"

release 1.1.0
"$launcher"
[ "$(cat "$HOME/started")" = "1.1.0 " ] || fail "the upgrade did not start the new program"
[ "$(cat "$copy/Guida.pdf")" = "guida 1.1.0" ] || fail "the upgrade did not refresh the guide"
[ "$(cat "$copy/templates/occhiali.json")" = "modello 1.1.0" ] || fail "the upgrade did not refresh the templates"
[ "$(cat "$copy/unins000.dll")" = "password cambiata" ] || fail "the upgrade replaced the password"
for f in Archivio_Clienti.pro Lumivista.ini; do [ "$(cat "$copy/$f")" = "dati" ] || fail "the upgrade touched $f"; done
[ "$(cat "$copy/Backup/2026-12-10_090000/Archivio_Clienti.pro")" = "copia" ] || fail "the upgrade touched Backup"
[ -f "$copy/Documenti_Allegati/ricetta.pdf" ] && [ -f "$copy/Cliente_12/foto.jpg" ] || fail "the upgrade touched documents"
[ -z "$(find "$copy" -name '*.new' -o -name '*.old')" ] || fail "the upgrade left temporary copies"
echo "1 passed, 0 failed"
