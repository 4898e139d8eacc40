#!/usr/bin/env bash
# Prints the almanac report on a real printer queue and reads the paper back:
# starts a private cupsd, checks that Print without a default printer shows
# "デフォルト プリンタが存在しません", adds a cups-pdf queue as the default,
# prints through the almanac window's Print command, and checks the PDF that
# cups-pdf writes (text, page count, file name) and the job name CUPS
# logged.
#   scripts/print_test.sh path/to/almanac_print_check
# Exit 0 passed, 77 skipped (not root: the cups-pdf backend must run as root),
# anything else failed. Every wait is bounded.
set -Eeuo pipefail
# Every way out says why: a failing command names itself and its line.
trap 'echo "print_test: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR

check=${1:?usage: print_test.sh path/to/almanac_print_check}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

fail() { echo "print_test: FAIL: $*" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  echo "print_test: skipped: needs root for the cups-pdf backend" >&2
  exit 77
fi
for tool in /usr/sbin/cupsd lpadmin lpstat pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/setup.sh)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing (run scripts/setup.sh)"

# Where cups-pdf puts the PDF of a job of this user.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=
if [ -r /etc/cups/cups-pdf.conf ]; then
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
fi
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$home}

work=$(mktemp -d /tmp/vadelon-print.XXXXXX)
chmod 755 "$work"
mkdir -p "$work/root" "$work/spool" "$work/cache" "$work/state" "$work/log" "$work/tmp"
chmod 1777 "$work/tmp"  # the filters run as lp
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work/root
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
SystemGroup root
Sandboxing Relaxed
Printcap $work/printcap
CONF
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel info
Browsing No
WebInterface No
PageLogFormat job=%j page=%P copies=%C name=%{job-name}
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF

cupsd_pid=
pdf=
marker="$work/marker"
cleanup() {
  if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
    kill "$cupsd_pid" 2>/dev/null || true
    for _ in $(seq 1 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  # Only the PDF of our own job.
  if [ -n "$pdf" ]; then rm -f "$pdf"; fi
  rm -rf "$work"
}
trap cleanup EXIT

/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!

# Only our cupsd and no printer chosen by the environment.
export CUPS_SERVER="$work/cups.sock"
unset LPDEST PRINTER
export HOME="$work"  # no ~/.cups/lpoptions of the user's

for _ in $(seq 1 100); do
  lpstat -r 2>/dev/null | grep -q 'is running' && break
  kill -0 "$cupsd_pid" 2>/dev/null || { cat "$work/log/cupsd.out" >&2; fail "cupsd did not start"; }
  sleep 0.2
done
lpstat -r 2>/dev/null | grep -q 'is running' || fail "cupsd did not answer within 20 seconds"

echo "print_test: Print with no default printer"
timeout 60 "$check" no-printer || fail "Print without a default printer did not show the expected error"

lpadmin -p VadelonPDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
  fail "could not add the cups-pdf queue"
lpadmin -d VadelonPDF || fail "could not make the queue the default"

echo "print_test: Print of the 2000-01-01 report on the default printer"
touch "$marker"
sleep 1  # file times have a resolution of a second on some file systems
timeout 120 "$check" print || fail "Print on the default printer failed"

for _ in $(seq 1 180); do
  # cups-pdf makes the folder with the first PDF it writes: on a fresh
  # machine there is nothing to look in until then.
  pdf=
  if [ -d "$out" ]; then
    pdf=$(find "$out" -maxdepth 1 -name '*.pdf' -newer "$marker" | head -n 1)
  fi
  if [ -n "$pdf" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; then break; fi
  sleep 0.5
done
[ -n "$pdf" ] || { tail -n 30 "$work/log/error_log" >&2; fail "no PDF appeared in $out within 90 seconds"; }
[ -z "$(lpstat -o 2>/dev/null)" ] || fail "the job did not finish within 90 seconds"

# The text: read back exactly, or, where the PDF conversion of the queue
# (Ghostscript) dropped the font's Unicode map, as one consistent glyph for
# each character of the report, line for line.
timeout 60 "$check" verify "$pdf" || fail "the printed text is not the report"

pages=$(pdfinfo "$pdf" | sed -n 's/^Pages:[[:space:]]*//p')
[ "$pages" = 1 ] || fail "the report printed on ${pages:-no} pages, expected 1"

# The caption cut to 31 bytes of Shift-JIS: 西暦2000年（平成12年）1月1日の.
grep -qE '^job=[0-9]+ page=[^ ]+ copies=[0-9]+ name=西暦2000年（平成12年）1月1日の$' "$work/log/page_log" ||
  { cat "$work/log/page_log" >&2 2>/dev/null; fail "the job name is not the shortened caption"; }
case "$(basename "$pdf")" in
  350_245_277_346_232_246*) ;;  # cups-pdf names the file after the job: 西暦… escaped
  *) fail "the PDF is not named after the job: $(basename "$pdf")" ;;
esac

echo "print_test: passed ($pdf, $pages page)"
