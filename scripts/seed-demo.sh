#!/usr/bin/env bash
# Prepares a Wine prefix for trying Tarvio: three demo dial-up entries, a current
# connection and an idle time, and the sample plan beside the program with its example
# lines in force (the demo entries bear their names).
#   seed-demo.sh PREFIX PROGRAM_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
prefix="$1"; folder="$2"
reg() { bash scripts/wine-run.sh "$prefix" reg "$@" >/dev/null; }
for entry in Nachttarif Tagtarif Abendtarif; do
  reg add "HKCU\\remoteaccess\\Profile\\$entry" /f
done
reg add 'HKCU\remoteaccess' /v InternetProfile /t REG_SZ /d Tagtarif /f
reg add 'HKLM\System\CurrentControlSet\Services\ICSharing\Settings\General' /v HangupTimer /t REG_SZ /d 300 /f

sed 's/^;\([0-2][0-9]:[0-5][0-9]=\)/\1/' docs/Provider.INI >"$folder/Provider.INI"
cp docs/hilfe.htm "$folder/hilfe.htm"
bash scripts/wine-run.sh "$prefix" wineserver -w
