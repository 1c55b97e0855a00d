#!/usr/bin/env bash
# Where tresslow-sim's files go (usage: output_files.sh TRESSLOW_SIM): a FIFO is written into and stays one,
# a symbolic link is followed and stays one, - is standard output, a full disk leaves the old file as it
# was. (Places that cannot be written: TresslowSimTest.)
set -euo pipefail
SIM=$(realpath "$1") WORK=$(mktemp -d) && cd "$WORK"
trap 'mountpoint -q full && umount full; cd / && rm -rf "$WORK"' EXIT
fail() { echo "FAIL at ${0##*/} line ${BASH_LINENO[0]}: $*" >&2; exit 1; }
is_picture() { [ "$(identify -format '%m %w %h' "$1" 2>/dev/null)" = "PNG 445 455" ]; }

mkfifo fifo
cat fifo >from-fifo.png &
"$SIM" --png fifo && [ -p fifo ] || kill $!  # else the reader would wait for a writer for ever
wait $! || true
[ -p fifo ] && is_picture from-fifo.png || fail "the FIFO is no longer one or gave no whole picture"
echo old >real.png && ln -s real.png link.png && ln -s new.png dangling.png
"$SIM" --png link.png && "$SIM" --png dangling.png
[ -L link.png ] && [ -L dangling.png ] && is_picture real.png && is_picture new.png ||
    fail "a link is no longer one or the file it names holds no picture"
# The commands' lines go to stderr then, so that standard output carries the picture alone.
"$SIM" --shape sphere --png - >stdout.png 2>err
is_picture stdout.png && [ "$(cat err)" = "ttotal = 441" ] || fail "--png - wrote no picture alone: $(cat err)"

# A file system of 64 KiB holds no dump of 400 strands on the sphere.
mkdir full
mount -t tmpfs -o size=64k tmpfs full 2>/dev/null || { echo "skipped the full disk: cannot mount" && exit 0; }
echo old >full/dump.json
status=0 && "$SIM" --shape sphere --hairs 20 --frames 1 --dump full/dump.json >/dev/null 2>err || status=$?
[ "$status $(cat full/dump.json) $(ls full)" = "1 old dump.json" ] &&
    [ "$(cat err)" = 'tresslow-sim: cannot write the dump file "full/dump.json": No space left on device' ] ||
    fail "on a full disk: status $status, $(cat err), left $(ls full)"
