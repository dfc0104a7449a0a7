#!/usr/bin/env bash
# Times the report on a large generated company, as whole processes:
#  1. the batch PDF grouped by customer against a peer drawing the same rows in
#     the same layout on a ReportLab canvas, in alternating pairs; the ratio of
#     their CPU is the figure that counts on a shared machine;
#  2. the batch PDF of the plain list, grouped, with invoice lines, long names;
#     the .xls, .xlsx, text and HTML exports of the plain list against its PDF;
#  3. about 1,000 PNG pages;
#  4. the preview off screen: the report into it, then pages 1-200 painted,
#     then a find through every page;
#  5. long texts;
#  6. a company of a million invoices beside the first one: start-up, the
#     first page in the preview, the whole PDF (MILYON=0 skips it).
# Usage: tools/benchmark.sh [invoices] [pairs]   (defaults 100000 and 3)
set -euo pipefail
cd "$(dirname "$0")/.."
FATURA=${1:-100000}
CIFT=${2:-3}
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
command -v /usr/bin/time >/dev/null && /usr/bin/python3 -c "import reportlab" 2>/dev/null ||
    $SUDO apt-get install -y -qq time python3-reportlab >/dev/null
[ -x "build/Rapor/Fatura Listesi" ] && [ -x build/tools/onizleme_olc ] || bash tools/derle.sh
IS=$(mktemp -d)
trap 'rm -rf "$IS"' EXIT
echo "Generating $FATURA invoices..."
/usr/bin/time -f "  generator: %e s, %M KB" build/tools/demo_uret --folder "$IS/sunucu" --invoices "$FATURA"
export XDG_CONFIG_HOME="$IS/ayarlar"
PROGRAM="build/Rapor/Fatura Listesi"
DEMO="DEMOFIRMA|$IS/sunucu|1|sa|æ"
"$PROGRAM" --batch "$DEMO" --yes >/dev/null 2>&1 || true # regional settings once
TUM=(--set "İşlem Tarihi=01/01/2025" --end "İşlem Tarihi=31/12/2026")
GRUP=("${TUM[@]}" --set "Grupla=Cari Kodu" --set "Genel Rapor Toplamı=Evet")

# Runs a command under /usr/bin/time; leaves "cpu wall kb" in $OLCUM.
zamanla() {
    /usr/bin/time -f "%U %S %e %M" -o "$IS/olcum" "$@" >"$IS/cikti" 2>"$IS/hata" || { cat "$IS/hata"; exit 1; }
    read -r u s e kb <"$IS/olcum"
    OLCUM="$(awk "BEGIN {print $u + $s}") $e $kb"
}
satir() { # name cpu wall kb pages
    printf "%-36s %6.2f s CPU %6.2f s wall %6d MB  %6s pages\n" "$1" "$2" "$3" $(($4 / 1024)) "$5"
}
ortanca() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

echo
echo "1. Grouped by customer, the program against ReportLab's canvas ($CIFT pairs):"
: >"$IS/program" && : >"$IS/esi"
for i in $(seq "$CIFT"); do
    zamanla "$PROGRAM" --batch "$DEMO" "${GRUP[@]}" --pdf "$IS/grup.pdf"
    read -r c w kb <<<"$OLCUM"
    echo "$c $w $kb" >>"$IS/program"
    satir "  program, run $i" "$c" "$w" "$kb" "$(pdfinfo "$IS/grup.pdf" | awk '/^Pages:/ {print $2}')"
    zamanla /usr/bin/python3 tools/benchmark/reportlab_esi.py "$IS/sunucu/DEMOFIRMA.sqlite" "$IS/esi.pdf"
    read -r c w kb <<<"$OLCUM"
    echo "$c $w $kb" >>"$IS/esi"
    satir "  ReportLab, run $i" "$c" "$w" "$kb" "$(cat "$IS/cikti")"
done
pc=$(cut -d' ' -f1 "$IS/program" | ortanca) && ec=$(cut -d' ' -f1 "$IS/esi" | ortanca)
pm=$(cut -d' ' -f3 "$IS/program" | sort -n | tail -1) && em=$(cut -d' ' -f3 "$IS/esi" | sort -n | tail -1)
printf "  median CPU: program %.2f s, ReportLab %.2f s; peak memory %d MB and %d MB\n" "$pc" "$ec" $((pm / 1024)) $((em / 1024))
printf "  ratio (program / ReportLab CPU): %.2f of the medians, %.2f the median of the pairs\n" "$(awk "BEGIN {print $pc / $ec}")" \
    "$(paste -d' ' "$IS/program" "$IS/esi" | awk '{print $1 / $4}' | ortanca)"

olc() { # name, then the batch options
    local ad=$1
    shift
    zamanla "$PROGRAM" --batch "$DEMO" --pdf "$IS/olcum.pdf" "$@"
    read -r c w kb <<<"$OLCUM"
    satir "$ad" "$c" "$w" "$kb" "$(pdfinfo "$IS/olcum.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')"
}
echo
echo "2. Batch PDF, whole process (start-up, look-ups, query, layout, PDF):"
zamanla "$PROGRAM" --batch "$DEMO" "${TUM[@]}" --sql
read -r BASLANGIC _ _ <<<"$OLCUM"
satir "start-up alone (--sql)" $OLCUM ""
olc "plain list ($FATURA invoices)" "${TUM[@]}"
read -r LISTE _ _ <<<"$OLCUM"
olc "grouped by customer" "${GRUP[@]}"
# About a tenth of the invoices, each with its lines.
SON=$((730 * 10000 / FATURA))
[ "$SON" -lt 1 ] && SON=1
BITIS=$(date -d "2025-01-01 +$SON days" +%d/%m/%Y)
olc "with invoice lines (~10000 inv.)" --set "İşlem Tarihi=01/01/2025" --end "İşlem Tarihi=$BITIS" --set "Fatura Satırlarını Göster=Evet"

echo
echo "2b. The file exports of the plain list, each against the PDF of the same list (CPU ratio):"
zamanla "$PROGRAM" --batch "$DEMO" "${TUM[@]}" --pdf "$IS/liste.pdf"
read -r pdfc w kb <<<"$OLCUM"
satir "  PDF" "$pdfc" "$w" "$kb" "$(pdfinfo "$IS/liste.pdf" | awk '/^Pages:/ {print $2}')"
for cikti in excel:xls xlsx:xlsx text:txt html:htm; do
    zamanla "$PROGRAM" --batch "$DEMO" "${TUM[@]}" --"${cikti%%:*}" "$IS/liste.${cikti##*:}"
    read -r c w kb <<<"$OLCUM"
    printf "  %-34s %6.2f s CPU %6.2f s wall %6d MB  %6.2fx the PDF, %.1f MB file\n" "${cikti%%:*}" "$c" "$w" $((kb / 1024)) \
        "$(awk "BEGIN {print $c / $pdfc}")" "$(awk "BEGIN {print $(stat -c %s "$IS/liste.${cikti##*:}") / 1048576}")"
done
/usr/bin/python3 -c "import openpyxl, sys; print('  .xlsx sheets:', len(openpyxl.load_workbook(sys.argv[1], read_only=True).sheetnames))" "$IS/liste.xlsx"

echo
echo "3. PNG pages at 150 dpi (the plain list of about 57,000 invoices):"
SON=$((730 * 57000 / FATURA))
BITIS=$(date -d "2025-01-01 +$SON days" +%d/%m/%Y)
zamanla "$PROGRAM" --batch "$DEMO" --set "İşlem Tarihi=01/01/2025" --end "İşlem Tarihi=$BITIS" --png "$IS/png"
read -r c w kb <<<"$OLCUM"
n=$(find "$IS/png" -name '*.png' | wc -l)
satir "PNG" "$c" "$w" "$kb" "$n"
printf "  %.1f pages per CPU second\n" "$(awk "BEGIN {print $n / $c}")"
rm -rf "$IS/png"

echo
echo "4. Preview off screen, grouped by customer:"
build/tools/onizleme_olc --pages 200 --template build/Rapor/Master.mtr --batch "$DEMO" "${GRUP[@]}"

echo
echo "5. Long texts cost no more than their visible part (2,000 invoices):"
for uzunluk in 0 100000; do
    build/tools/demo_uret --folder "$IS/metin$uzunluk" --invoices 2000 --name-length "$uzunluk" >/dev/null
    DEMO="DEMOFIRMA|$IS/metin$uzunluk|1|sa|æ"
    olc "names of $uzunluk chars" "${TUM[@]}"
done

echo
echo "6. A million invoices beside the $FATURA above:"
if [ "${MILYON:-1}" = 0 ]; then
    echo "  skipped (MILYON=0)"
    exit 0
fi
/usr/bin/time -f "  generator: %e s, %M KB" build/tools/demo_uret --folder "$IS/milyon" --invoices 1000000
DEMO="DEMOFIRMA|$IS/milyon|1|sa|æ"
zamanla "$PROGRAM" --batch "$DEMO" "${TUM[@]}" --sql
read -r c _ _ <<<"$OLCUM"
satir "start-up alone (--sql)" $OLCUM ""
printf "  %.1fx the CPU at %d invoices (target: at most 2x, under 48 MB)\n" "$(awk "BEGIN {print $c / ($BASLANGIC > 0.01 ? $BASLANGIC : 0.01)}")" "$FATURA"
olc "plain list (1000000 invoices)" "${TUM[@]}"
read -r c _ _ <<<"$OLCUM"
printf "  %.1fx the CPU at %d invoices (target: at most 11x, under 10 s wall and 64 MB)\n" "$(awk "BEGIN {print $c / $LISTE}")" "$FATURA"
build/tools/onizleme_olc --pages 1 --template build/Rapor/Master.mtr --batch "$DEMO" "${TUM[@]}" | grep "first page" |
    sed 's/^/  (target: under 1 s) /'
