# A user closes the main window from the window manager: the program ends with status 1.
source "$(dirname "$0")/lib.sh" "$@"

start_tresslow
"$WM_DELETE" "$WID"
expect_exit_status 1
