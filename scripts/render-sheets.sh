#!/usr/bin/env bash
# Prints both sheets of a demo subject to PDF with kvadmin, renders every
# page as a PNG for a person to look at, and checks the PDFs' text: the
# header, the column titles, some marks and the footer's row count.
#
#   scripts/render-sheets.sh [OUTPUT_FOLDER]     (default: build/sheets-preview)
#
# Builds nothing: it expects kvadmin in build/ (or $KV_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KV_BUILD_DIR:-$root/build}
out=${1:-$build/sheets-preview}
kvadmin=$build/app/kvadmin
subject=${KV_SHEET_SUBJECT:-101} # Matemática, 4°A: grade book and tracking rows

if [ ! -x "$kvadmin" ]; then
  echo "render-sheets: $kvadmin not found; build first (scripts/build.sh)" >&2
  exit 2
fi
for tool in pdftoppm pdftotext; do
  if ! command -v "$tool" >/dev/null; then
    echo "render-sheets: $tool is missing (package poppler-utils)" >&2
    exit 2
  fi
done

school=$(mktemp -d)
trap 'rm -rf "$school"' EXIT
"$kvadmin" --dir "$school" demo >/dev/null

mkdir -p "$out"
rm -f "$out"/progress* "$out"/contents*
failed=0

# Fails the run when a text is missing from a sheet's text.
expect() {
  local sheet=$1 pattern=$2 what=$3
  if ! grep -Eq -- "$pattern" "$out/$sheet.txt"; then
    echo "render-sheets: $sheet sheet: $what not found" >&2
    failed=1
  fi
}

for sheet in progress contents; do
  summary=$("$kvadmin" --dir "$school" print "$sheet" "$subject" "$out/$sheet.pdf")
  echo "$summary"
  rows=$(sed -E 's/.*: ([0-9]+) rows? on ([0-9]+) pages?\./\1/' <<<"$summary")
  pages=$(sed -E 's/.*: ([0-9]+) rows? on ([0-9]+) pages?\./\2/' <<<"$summary")
  pdftoppm -png -r 100 "$out/$sheet.pdf" "$out/$sheet"
  pdftotext -layout "$out/$sheet.pdf" "$out/$sheet.txt"

  rendered=$(find "$out" -maxdepth 1 -name "$sheet-*.png" | wc -l)
  if [ "$rendered" -ne "$pages" ]; then
    echo "render-sheets: $sheet sheet: $rendered pictures for $pages pages" >&2
    failed=1
  fi
  expect "$sheet" 'Matemática' 'the subject'
  expect "$sheet" 'GONZÁLEZ, María Inés' "the teacher"
  expect "$sheet" 'Mañana' 'the shift'
  expect "$sheet" 'Alumno/a' 'the first column title'
  if [ "$sheet" = progress ]; then
    expect progress 'Segundo Cic ' 'the cycle (11 characters)'
    expect progress 'Etapa 1.*Etapa 2.*Anual' 'the mark column titles'
    expect progress '(^|[[:space:]])(MB|B|S|E|R)([[:space:]]|$)' 'a stage mark'
    expect progress "Alumns:[[:space:]]+$rows\$" "the last footer's count ($rows)"
  else
    expect contents 'Segundo Ci ' 'the cycle (10 characters)'
    expect contents 'Nucleos - Contenidos Priorizados' 'the content column title'
    expect contents 'Aprendizajes' 'the learning column title'
    expect contents 'ACUÑA, Ignacio' 'a student band'
    expect contents '(^|[[:space:]])X([[:space:]]|$)' 'an X mark'
  fi
done

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "Pictures in $out"
