# Sourced by the install tests: check_layout PREFIX checks what a Linux desktop expects of Tresslow there:
# a valid desktop entry whose icon the hicolor theme holds as SVG and at 48 and 256 pixels, AppStream
# metadata that validates without a note and launches that entry, manual pages that render without a
# warning, and the licence of LICENSE in Debian's machine-readable copyright format.
fail() { echo "FAIL: $*" >&2; exit 1; }

# The icon at SIZE pixels, probed at points of its 256 grid (wide bounds: antialiasing blends edges): the
# ball's lit gold, a strand's brown, the light-blue ground, and nothing outside its rounded square.
check_icon() {
    local x y colour r g b a
    [[ $(identify -format '%w %h' "$1") == "$2 $2" ]] || fail "$1 is not $2 x $2 pixels"
    while read -r x y colour; do
        read -r r g b a <<<"$(convert "$1" -crop "1x1+$((x * $2 / 256))+$((y * $2 / 256))" rgba:- | od -An -tu1)"
        case $colour in
        gold) ((a == 255 && r > 180 && r > g && g > 140 && b < 120)) ;;
        brown) ((a == 255 && r > g && g > b && r < 200 && g < 130)) ;;
        blue) ((a == 255 && b > r + 50 && b > g + 30)) ;;
        clear) ((a == 0)) ;;
        esac || fail "$1 at ($x, $y) of 256 is not $colour: $r $g $b $a"
    done <<<$'124 166 gold\n125 85 brown\n24 232 blue\n1 1 clear'
}

check_layout() {
    local share=$1/share page icon size warnings metainfo=$1/share/metainfo/invalid.tresslow.tresslow.metainfo.xml
    desktop-file-validate "$share/applications/tresslow.desktop" || fail "the desktop entry does not validate"
    icon=$(sed -n 's/^Icon=//p' "$share/applications/tresslow.desktop")
    grep -q '<svg' "$share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon \"$icon\""
    for size in 48 256; do check_icon "$share/icons/hicolor/${size}x$size/apps/$icon.png" $size; done
    warnings=$(appstreamcli validate --pedantic --no-net "$metainfo" | grep -E '^[EWP]:' || true)
    [[ -z $warnings ]] || fail "$metainfo does not validate: $warnings"
    grep -qF "<release version=\"$("$1/bin/tresslow" --version | cut -d' ' -f2)\"" "$metainfo" ||
        fail "$metainfo lists no release of this version"
    grep -qF '<launchable type="desktop-id">tresslow.desktop</launchable>' "$metainfo" ||
        fail "$metainfo does not launch tresslow.desktop"
    for page in tresslow tresslow-sim; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "$page.1 renders with warnings: $warnings"
    done
    # Read by python3-debian's parser, strictly: every file of the package under the text of LICENSE.
    /usr/bin/python3 - "$share/doc/tresslow/copyright" "$(dirname "${BASH_SOURCE[0]}")/../../LICENSE" <<'EOF' ||
import sys
from debian.copyright import Copyright
copyright, licence = Copyright(open(sys.argv[1]), strict=True), open(sys.argv[2]).read()
files = copyright.find_files_paragraph("usr/bin/tresslow")
text = [p.license.text for p in copyright.all_license_paragraphs() if p.license.synopsis == files.license.synopsis]
sys.exit(not (files.copyright == "2026 the Tresslow authors" and licence.split("\n\n", 2)[2] == text[0] + "\n"))
EOF
        fail "the package's copyright file does not give LICENSE in Debian's format"
}
