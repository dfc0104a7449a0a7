#!/usr/bin/env bash
# Times the batch PDF of a large company as whole processes: wall time and
# peak memory. Usage: tools/benchmark.sh [invoices]   (default 100000)
set -euo pipefail
cd "$(dirname "$0")/.."
FATURA=${1:-100000}
[ -x "build/Rapor/Fatura Listesi" ] || bash tools/derle.sh
command -v /usr/bin/time >/dev/null || { echo "needs /usr/bin/time (apt-get install time)"; exit 1; }
IS=$(mktemp -d)
trap 'rm -rf "$IS"' EXIT
echo "Generating $FATURA invoices..."
/usr/bin/time -f "  generator: %e s, %M KB" build/tools/demo_uret --folder "$IS/sunucu" --invoices "$FATURA"
export XDG_CONFIG_HOME="$IS/ayarlar"
PROGRAM="build/Rapor/Fatura Listesi"
DEMO="DEMOFIRMA|$IS/sunucu|1|sa|æ"
"$PROGRAM" --batch "$DEMO" --yes >/dev/null 2>&1 || true # regional settings once

olc() { # name, then the batch options
    local ad=$1; shift
    /usr/bin/time -f "%e %M" -o "$IS/olcum" "$PROGRAM" --batch "$DEMO" --pdf "$IS/$ad.pdf" "$@" 2>"$IS/hata" || { cat "$IS/hata"; exit 1; }
    read -r sn kb < "$IS/olcum"
    sayfa=$(pdfinfo "$IS/$ad.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
    printf "%-34s %7s s %8d MB  %6s pages\n" "$ad" "$sn" $((kb / 1024)) "${sayfa:-?}"
}
TUM=(--set "İşlem Tarihi=01/01/2025" --end "İşlem Tarihi=31/12/2026")
echo "Batch PDF, whole process (start-up, look-ups, query, layout, PDF):"
olc "plain list ($FATURA invoices)" "${TUM[@]}"
olc "grouped by customer" "${TUM[@]}" --set "Grupla=Cari Kodu" --set "Genel Rapor Toplamı=Evet"
# About a tenth of the invoices, each with its lines.
SON=$(( 730 * 10000 / FATURA )); [ "$SON" -lt 1 ] && SON=1
BITIS=$(date -d "2025-01-01 +$SON days" +%d/%m/%Y)
olc "with invoice lines (~10000 inv.)" --set "İşlem Tarihi=01/01/2025" --end "İşlem Tarihi=$BITIS" --set "Fatura Satırlarını Göster=Evet"
# Long texts cost no more than their visible part: 2,000 invoices whose
# customer names run to 100,000 characters, against the same with ordinary names.
for uzunluk in 0 100000; do
    build/tools/demo_uret --folder "$IS/metin$uzunluk" --invoices 2000 --name-length "$uzunluk" >/dev/null
    DEMO="DEMOFIRMA|$IS/metin$uzunluk|1|sa|æ"
    olc "2000 invoices, names of ${uzunluk:-0} chars" "${TUM[@]}"
done
