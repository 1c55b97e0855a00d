# A user clicks "P l a y": its light comes on and the hair moves, each screenshot differs from the one
# before, at no more than one frame per 34 ms and on little processor time. A second click stops it: the
# view stays still, and the program left alone sleeps.
source "$(dirname "$0")/lib.sh" "$@"

PLAY="527 445"
LIGHT="478 435 20 20"  # the button's light, left of its label: a check mark while on

start_tresslow
shot off
click_at $PLAY
shot on
at_least "$(count_changed off on $LIGHT)" 20 "light pixels changed by the first click"

ticks=$(cpu_ticks)
frames=$(frames_in 3)
ticks=$(($(cpu_ticks) - ticks))
# Frames come at least 34 ms apart: at most 3000 / 34 + 1 = 89 of them in 3 s, and one more that the X
# server may have been late to show when the count began (one frame per 33 ms would make 91).
at_most "$frames" 90 "frames in 3 s of Play"
at_least "$frames" 15 "frames in 3 s of Play"
at_most "$ticks" 150 "processor time in 3 s of Play with one strand, in 1/100 s"
echo "Play with one strand: $frames frames and $ticks/100 s of processor time in 3 s"

for i in 1 2 3; do shot "playing$i"; done
at_least "$(count_changed playing1 playing2 $VIEW)" 1 "pixels changed between two screenshots while playing"
at_least "$(count_changed playing2 playing3 $VIEW)" 1 "pixels changed between two screenshots while playing"

click_at $PLAY
rest_view
shot stopped
at_most "$(count_changed off stopped $LIGHT)" 0 "light pixels that differ from the light before Play"
sleep 1
shot still
at_most "$(count_changed stopped still $VIEW)" 0 "pixels changed in a second after Play was stopped"

ticks=$(cpu_ticks)
sleep 10
ticks=$(($(cpu_ticks) - ticks))
at_most "$ticks" 20 "processor time in 10 s without Play or input, in 1/100 s"
echo "Without Play or input: $ticks/100 s of processor time in 10 s"
close_tresslow
