#!/usr/bin/env bash
# tresslow-sim's exports judged by tools that are not ours (usage: export.sh TRESSLOW_SIM NODE_TOOLS): the
# Khronos glTF validator and Assimp on each shape in each style, the exported samples held to the dump of the
# same run and the free-form surfaces evaluated by the OBJ format's rules (export_check.py), the film of
# exports, and the refusals that come before any frame and leave no file.
set -euo pipefail
SIM=$(realpath "$1") NODE_TOOLS=$(realpath "$2") CHECK=$(dirname "$(realpath "$0")")/export_check.py
WORK=$(mktemp -d) && trap 'rm -rf "$WORK"' EXIT && cd "$WORK" && mkdir obj
fail() { echo "FAIL at ${0##*/} line ${BASH_LINENO[0]}: $*" >&2; exit 1; }
[ -d "$NODE_TOOLS/node_modules/gltf-validator" ] || fail "no gltf-validator in $NODE_TOOLS: run scripts/install-deps.sh --validator BUILD"

# Each mesh that Assimp finds, unprocessed, as "name vertices faces".
meshes() {
    assimp info "$1" -r | sed -n 's|^ *[0-9]* (\(.*\)): \[\([0-9]*\) / 0 / \([0-9]*\) .*|\1 \2 \3|p' | paste -sd ' '
}

# n x n strands: a tube is 11 x 11 samples in 10 strips of 20 triangles, the sphere or torus 21 x 21 in 20
# of 40, the square one quad (two triangles in glTF); a strand's control polygon is 7 segments of their own
# two vertices and its 8 points. OBJ gives Assimp every corner of a face as a vertex of its own.
for case in "plane messy 3 --control-polygons" "plane combed 2 --smooth" "sphere messy 2 --smooth --control-polygons" \
    "sphere combed 3" "torus messy 3 --smooth" "torus combed 2 --control-polygons"; do
    read -r shape style n view <<<"$case"
    run="$shape-$style" args="--shape $shape --style $style --hairs $n $view"  # one frame, as for --png
    "$SIM" $args --dump $run.json --export $run.glb --export-nurbs $run-nurbs.obj >/dev/null
    "$SIM" $args --export obj/$run.obj >/dev/null
    python3 "$CHECK" $run.json $run.glb obj/$run.obj $run-nurbs.obj
    glb="hair $((121 * n * n)) $((200 * n * n))" obj="hair $((600 * n * n)) $((200 * n * n))"
    [ $shape = plane ] && glb+=" shape 4 2" obj+=" shape 4 1" || glb+=" shape 441 800" obj+=" shape 2400 800"
    [[ $view != *control* ]] || glb+=" controlPolygons-0 $((14 * n * n)) $((7 * n * n)) controlPolygons-1 $((8 * n * n)) \
$((8 * n * n))" obj+=" controlPolygons $((22 * n * n)) $((15 * n * n))"
    found="$(meshes $run.glb); $(meshes obj/$run.obj)"
    [ "$found" = "$glb; $obj" ] || fail "$case: Assimp finds $found in the glTF; the OBJ, not $glb; $obj"
    [ -f "obj/$(sed -n 's/^mtllib //p' obj/$run.obj)" ] || fail "$case: the OBJ's mtllib names no file beside it"
done

# Every export of the film and the last frame's: not one error, warning, note or hint of the validator.
"$SIM" --shape torus --hairs 2 --frames 4 --export-every 2 . --export last.glb >/dev/null
[ "$(ls frame-* | paste -sd ' ')" = "frame-000002.glb frame-000004.glb" ] || fail "the film holds $(ls frame-*)"
cmp -s last.glb frame-000004.glb || fail "the film's export 4 is not the export after 4 frames"
node -e 'const validator = require(process.argv[1]), read = require("fs").readFileSync;
Promise.all(process.argv.slice(2).map(async file => (await validator.validateBytes(new Uint8Array(read(file))))
    .issues.messages.map(m => console.log(file, m.code, m.message, m.pointer || "")).length))
    .then(counts => process.exit(counts.some(Boolean) ? 1 : 0))' "$NODE_TOOLS/node_modules/gltf-validator" ./*.glb >report ||
    fail "the validator: $(cat report)"

# Refused before any frame runs (100000 would take minutes): status 2, one line, and no file left.
rm -r ./* && mkdir taken.mtl
for case in "--export x.stl|needs a file name ending in .glb or .obj" "--export -|ending in .glb or .obj" \
    "--export-nurbs x.glb|needs a file name ending in .obj (or -)" \
    "--export /proc/x.glb|cannot write the export \"/proc/x.glb\"" \
    "--export taken.obj|cannot write the export's materials \"taken.mtl\": it is a folder" \
    "--export-every 1 /proc|cannot write exports into \"/proc\"" "--export-nurbs /proc/x.obj|\"/proc/x.obj\""; do
    IFS='|' read -r args reason <<<"$case"
    status=0 && "$SIM" --frames 100000 $args 2>err >/dev/null || status=$?
    [ "$status $(wc -l <err) $(ls -A | paste -sd ' ')" = "2 1 err taken.mtl" ] &&
        grep -qF -- "$reason" err || fail "$args: status $status, $(cat err), files $(ls -A)"
done
