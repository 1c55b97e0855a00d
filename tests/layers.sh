#!/usr/bin/env bash
# The library layers hold (usage: layers.sh SOURCE_FOLDER CORE_LIBRARY GL_LIBRARY): no source names a header,
# and no library needs a symbol, from a layer above it or from a library that its layer must not use.
set -euo pipefail
cd "$1"
status=0
# Fails the test, naming the RULE and what breaks it, unless HITS is empty.
none() { [ -z "$2" ] || { printf 'FAIL: %s:\n%s\n' "$1" "$2" >&2 && status=1; }; }
none "a toolkit, GL or X11 header in the core" "$(grep -rnE '#include <(FL|GL|X11)/' src/core)"
none "the command class below the commands" \
    "$(grep -rnE '#include "app/(HairModel|MainPanel)\.h"' src/core/{hair,nurbs,anim,view})"
none "a toolkit header in the GL layer" "$(grep -rnE '#include <FL/' src/gl)"
none "GL, FLTK or X11 symbols needed by the core" "$(nm -uC "$2" | grep -E '\b(gl[A-Z]|glX|X[A-Z][a-z]|Fl_|Fl::|fl_)')"
none "FLTK symbols needed by the GL layer" "$(nm -uC "$3" | grep -E '\b(Fl_|Fl::|fl_)')"
exit $status
