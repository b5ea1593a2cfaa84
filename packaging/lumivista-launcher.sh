#!/bin/sh
# Starts Lumivista for this user. The program keeps its data beside its
# executable, so each user runs a copy in ~/Lumivista: the first run makes it,
# a newer package refreshes its program files, and the shop's data there
# (archives, Lumivista.ini, unins000.dll, Backup/, Documenti_Allegati/,
# Cliente_* folders) is never touched.
set -eu
source="${LUMIVISTA_SOURCE:-/opt/lumivista}"
target="${HOME}/Lumivista"

mkdir -p "$target"
if [ ! -e "$target/.version" ] || ! cmp -s "$source/.version" "$target/.version"; then
    for entry in "$source"/* "$source/.version"; do
        name=$(basename "$entry")
        case "$name" in
            # Data: the first copy of the credentials only, never over the shop's own.
            unins000.dll) [ -e "$target/$name" ] || cp -p "$entry" "$target/$name" ;;
            *.pro|Lumivista.ini|Backup|Documenti_Allegati|Cliente_*) ;;
            *)
                # Beside the old file first, then in its place in one step: a copy
                # that is still running keeps its executable.
                rm -rf "$target/.$name.new"
                cp -Rp "$entry" "$target/.$name.new"
                rm -rf "$target/$name.old"
                [ ! -e "$target/$name" ] || mv -f "$target/$name" "$target/$name.old"
                mv -f "$target/.$name.new" "$target/$name"
                rm -rf "$target/$name.old"
                ;;
        esac
    done
fi
exec "$target/lumivista" "$@"
