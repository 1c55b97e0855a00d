# Sourced by the install tests: check_layout PREFIX checks what a Linux desktop expects of Tresslow
# installed there: both programs, a valid desktop entry whose icon the hicolor theme holds as SVG and at
# 48 and 256 pixels (a gold ball with brown hair on light blue), AppStream metadata that validates and
# launches that entry, and manual pages that render without a warning.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The pixel at (x, y) of the icon's 256 grid, scaled to the PNG's size, as "r g b alpha" (0 to 255).
pixel() {
    local x=$(($3 * $2 / 256)) y=$(($4 * $2 / 256))
    local channel="%[fx:round(255*p{$x,$y}.C)]"
    convert "$1" -format "${channel/C/r} ${channel/C/g} ${channel/C/b} ${channel/C/a}" info:
}

# Whether the pixel is of the named colour: the ball's lit gold, the strands' brown, the light-blue
# ground, or nothing (outside the rounded square). Wide bounds: antialiasing blends edges.
is_colour() {
    local r g b a
    read -r r g b a <<<"$2"
    case $1 in
    gold) ((a == 255 && r > 180 && r > g && g > 140 && b < 120)) ;;
    brown) ((a == 255 && r > g && g > b && r < 200 && g < 130)) ;;
    blue) ((a == 255 && b > r + 50 && b > g + 30)) ;;
    clear) ((a == 0)) ;;
    esac
}

check_icon() {
    local png=$1 size=$2 where colour
    [[ $(identify -format '%w %h' "$png") == "$size $size" ]] || fail "$png is not $size x $size pixels"
    for where in "124 166 gold" "125 85 brown" "24 232 blue" "1 1 clear"; do
        read -r x y colour <<<"$where"
        is_colour "$colour" "$(pixel "$png" "$size" "$x" "$y")" ||
            fail "$png at ($x, $y) of 256 is not $colour: $(pixel "$png" "$size" "$x" "$y")"
    done
}

check_layout() {
    local share=$1/share page warnings
    [[ -x $1/bin/tresslow && -x $1/bin/tresslow-sim ]] || fail "the programs are not in $1/bin"
    local entry=$share/applications/tresslow.desktop
    desktop-file-validate "$entry" || fail "$entry does not validate"
    local icon
    icon=$(sed -n 's/^Icon=//p' "$entry")
    grep -q '<svg' "$share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon \"$icon\""
    check_icon "$share/icons/hicolor/48x48/apps/$icon.png" 48
    check_icon "$share/icons/hicolor/256x256/apps/$icon.png" 256
    local metainfo=$share/metainfo/invalid.tresslow.tresslow.metainfo.xml
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "$metainfo does not validate"
    grep -qF '<launchable type="desktop-id">tresslow.desktop</launchable>' "$metainfo" ||
        fail "$metainfo does not launch tresslow.desktop"
    for page in tresslow tresslow-sim; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "$page.1 renders with warnings: $warnings"
    done
}
