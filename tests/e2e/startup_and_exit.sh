# A user starts the program: the 822 x 500 "Tresslow" window shows the light-blue view with the plane
# drawn as lines and prints nothing; "Smooth" fills the square in pure blue; "Exit" ends the program with
# status 1.
source "$(dirname "$0")/lib.sh" "$@"

start_tresslow
expect [ "$WW" = 822 ]
expect [ "$WH" = 500 ]
shot start
at_least "$(count_colour start $VIEW 153 178 229 2)" 150000 "view background pixels"
at_least "$(count_colour start $VIEW 0 0 255 2)" 300 "blue pixels of the wireframe plane"
at_most "$(count_colour start $VIEW 0 0 255 2)" 3000 "blue pixels of the wireframe plane"
expect [ ! -s "$WORK/stdout" ]

menu 3 4  # Model / Smooth; the view is drawn again as the menu closes
shot smooth
at_least "$(count_colour smooth $VIEW 0 0 255 2)" 15000 "blue pixels of the filled plane"

menu 5 0  # Exit
expect_exit_status 1
