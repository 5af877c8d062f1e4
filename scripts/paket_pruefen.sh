#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack -G DEB` make of a finished build (default build/):
# installs into a temporary DESTDIR and lists every expected file, validates the desktop entry,
# the AppStream file and the XML files, lets the worksheet type recognise a file by its start,
# runs the installed program's command line, and reads the Debian package's control data and
# contents. Exit status non-zero on the first fault, with the fault named.
set -euo pipefail
cd "$(dirname "$0")/.."
bau="${1:-build}"
[ -x "$bau/quadrix" ] || { echo "kein gebautes Programm in $bau/" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

id=de.quadrix.Quadrix
ziel="$tmp/ziel"
DESTDIR="$ziel" cmake --install "$bau" --prefix /usr >/dev/null
erwartet=(
  usr/bin/quadrix
  "usr/share/applications/$id.desktop"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  "usr/share/mime/packages/$id.xml"
  "usr/share/metainfo/$id.metainfo.xml"
)
for n in 16 24 32 48 64 128 256; do
  erwartet+=("usr/share/icons/hicolor/${n}x${n}/apps/$id.png")
done
for datei in "${erwartet[@]}"; do
  [ -s "$ziel/$datei" ] || fehler "nicht installiert: /$datei"
  echo "installiert: /$datei"
done
# Each PNG is as large as its folder says (width and height from the PNG header).
for n in 16 24 32 48 64 128 256; do
  kopf="$(od -An -tu4 --endian=big -j16 -N8 "$ziel/usr/share/icons/hicolor/${n}x${n}/apps/$id.png" |
    tr -s ' ')"
  [ "$kopf" = " $n $n" ] || fehler "Symbol ${n}x${n} hat die Größe$kopf"
done
unerwartet="$(cd "$ziel" && find . -type f | sed 's|^\./||' | sort |
  grep -vxF -f <(printf '%s\n' "${erwartet[@]}") || true)"
[ -z "$unerwartet" ] || fehler "unerwartet installiert: $unerwartet"

desktop-file-validate "$ziel/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$ziel/usr/share/metainfo/$id.metainfo.xml"
xmllint --noout "$ziel/usr/share/mime/packages/$id.xml" "$ziel/usr/share/metainfo/$id.metainfo.xml" \
  "$ziel/usr/share/icons/hicolor/scalable/apps/$id.svg"
echo "Desktop-Eintrag, AppStream und XML gültig"

# The worksheet type: by name, and by the start of a file without the name's ending.
update-mime-database "$ziel/usr/share/mime" >/dev/null 2>&1
printf '{\n    "Format": "Quadrix-Arbeitsblatt",\n    "Version": 1,\n    "Felder": {}\n}\n' \
  >"$tmp/ohne_endung"
cp "$tmp/ohne_endung" "$tmp/blatt.qdx"
for datei in "$tmp/ohne_endung" "$tmp/blatt.qdx"; do
  typ="$(XDG_DATA_DIRS="$ziel/usr/share" XDG_DATA_HOME="$tmp/leer" \
    gio info -a standard::content-type "$datei" | sed -n 's/.*standard::content-type: //p')"
  [ "$typ" = application/x-quadrix-arbeitsblatt ] || fehler "$(basename "$datei") gilt als '$typ'"
done
echo "Dateityp erkannt: nach Endung und nach Dateianfang"

# The installed program answers its command line without a display.
"$ziel/usr/bin/quadrix" --version | grep -qx "Quadrix [0-9.]*" || fehler "--version"
"$ziel/usr/bin/quadrix" --help | grep -q -- "--druck BLATT.qdx SEITEN.pdf" || fehler "--help"
status=0
"$ziel/usr/bin/quadrix" --gibt-es-nicht 2>"$tmp/meldung" || status=$?
[ "$status" -eq 2 ] && grep -q "Unbekannte Option" "$tmp/meldung" || fehler "unbekannte Option"
echo "Kommandozeile: --version, --help, unbekannte Option (2)"

# The Debian package.
cpack --config "$bau/CPackConfig.cmake" -G DEB -B "$tmp/paket" >/dev/null
deb="$(ls "$tmp"/paket/quadrix_*.deb)"
dpkg-deb --info "$deb"
abhaengig="$(dpkg-deb --field "$deb" Depends)"
for paket in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
  fonts-liberation2 qt6-translations-l10n; do
  grep -q "$paket" <<<"$abhaengig" || fehler "Paket hängt nicht von $paket ab: $abhaengig"
done
dpkg-deb --contents "$deb"
inhalt="$(dpkg-deb --contents "$deb" | awk '{print $6}')"
for datei in "${erwartet[@]}"; do
  grep -qx "\./$datei" <<<"$inhalt" || fehler "nicht im Paket: /$datei"
done
echo "Paket $(basename "$deb") vollständig"
