#!/usr/bin/env bash
# The library layers hold: nothing under src/core names a toolkit, GL or X11 header, the subsystems below
# the commands do not include the command class, and nothing under src/gl names a toolkit header; the
# core library needs no GL, FLTK or X11 symbol and the GL library no FLTK one.
# Usage: layers.sh SOURCE_FOLDER CORE_LIBRARY GL_LIBRARY
set -euo pipefail
cd "$1"
status=0
found() { echo "FAIL: $1:" >&2; echo "$2" >&2; status=1; }

hits=$(grep -rnE '#include <(FL|GL|X11)/' src/core || true)
[ -z "$hits" ] || found "a toolkit, GL or X11 header in the core" "$hits"
hits=$(grep -rnE '#include "app/(HairModel|MainPanel)\.h"' src/core/{hair,nurbs,anim,view} || true)
[ -z "$hits" ] || found "the command class below the commands" "$hits"
hits=$(grep -rnE '#include <FL/' src/gl || true)
[ -z "$hits" ] || found "a toolkit header in the GL layer" "$hits"

toolkit='Fl_|Fl::|fl_'
hits=$(nm -uC "$2" | grep -E "\b(gl[A-Z]|glX|X[A-Z][a-z]|$toolkit)" || true)
[ -z "$hits" ] || found "GL, FLTK or X11 symbols needed by $(basename "$2")" "$hits"
hits=$(nm -uC "$3" | grep -E "\b($toolkit)" || true)
[ -z "$hits" ] || found "FLTK symbols needed by $(basename "$3")" "$hits"
exit $status
