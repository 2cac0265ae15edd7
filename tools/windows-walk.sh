#!/usr/bin/env bash
# The installed program walked through its six steps with the keyboard, as a user would, on the
# display it is run on (tools/windows-install-check.sh runs it on a virtual one): started through
# the association of ".stu" on the copy of the sample competition in COMPETITION, each step's
# window opened from the Steps menu's keys and closed again, an entry form opened from step (4),
# the data file and the summary report made by step (6) and found beside the setup file, then
# the program closed. With PICTURES set, a picture of the main window, the entry form and the
# summary report goes there.
#   tools/windows-walk.sh WINE COMPETITION [PICTURES]
set -euo pipefail
wine=$1 competition=$2 pictures=${3:-}

fail() { echo "Walk: $*" >&2; exit 1; }
# The visible window whose title begins with $1, waited for up to $2 seconds.
window_named() {
    local id
    for _ in $(seq "${2:-60}"); do
        id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 1
    done
    return 1
}
gone() {
    for _ in $(seq 20); do
        xdotool search --onlyvisible --name "^$1" >/dev/null 2>&1 || return 0
        sleep 0.5
    done
    return 1
}
# Keys pressed in window $1 until `$3 ...` succeeds. Without a window manager Wine may take the
# first key press after a window closes only to bring its window forward: hence the retries.
press_until() {
    local in=$1 keys=$2
    shift 2
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$in" 2>/dev/null || true
        sleep 0.3
        # shellcheck disable=SC2086
        xdotool key --clearmodifiers $keys
        "$@" && return 0
    done
    return 1
}
# Keys pressed in window $1 until window $3 shows; its id is printed.
keys_until() {
    press_until "$1" "$2" window_named "$3" 10 || fail "no window \"$3\" after $2"
}
# Keys pressed in window $2 (titled $1) until it has closed.
keys_closing() {
    press_until "$2" "$3" gone "$1" || fail "\"$1\" did not close on $3"
}
picture() {
    [ -n "$pictures" ] || return 0
    sleep 1
    import -window "$1" "$pictures/$2"
}
step() { echo "Walk: $*"; }

# Left from an earlier run, these would prove nothing.
data_file=$competition/SpringFestival_Starlight_Ballroom.tvr
rm -f "$competition"/SummaryReport_*.txt
touch -d 2001-01-01 "$data_file"
"$wine" start /unix "$competition/SpringFestival.stu"
main_title="Data for Spring Dance Festival 2025 - Starlight Ballroom"
main=$(window_named "$main_title" 180) || fail "no main window \"$main_title\""
step "main window \"$(xdotool getwindowname "$main")\""
picture "$main" windows-main.png

for visit in "ctrl+1|Studio or mailing address data" "ctrl+2|List of persons" \
    "ctrl+3|List of purchases"; do
    key=${visit%%|*} title=${visit#*|}
    id=$(keys_until "$main" "$key" "$title")
    step "($key) \"$title\""
    keys_closing "$title" "$id" Escape
done

# Step (4): the first category of the first entry type opens its form. The categories have the
# focus; Enter walks on to "Go to selected entry form", and Enter again presses it.
select_title="Select entry type and dance category"
select=$(keys_until "$main" ctrl+4 "$select_title")
step "(4) \"$select_title\""
form=$(keys_until "$select" "Down Up Return Return" "Adult lady pro/am in American Smooth")
step "(4) entry form \"$(xdotool getwindowname "$form")\""
picture "$form" windows-entry-form.png
keys_closing "Adult lady pro/am in" "$form" Escape
# Leaving a new form leaves the step too; the choice is closed where it came back.
if window_named "$select_title" 3 >/dev/null; then
    keys_closing "$select_title" "$select" Escape
fi

report=$(keys_until "$main" ctrl+5 "Summary report")
step "(5) \"Summary report\""
picture "$report" windows-report.png
keys_closing "Summary report" "$report" Escape

# Step (6): no review; the instructions name the files, which are then beside the setup file.
question=$(keys_until "$main" ctrl+6 "Tavorin")
instructions=$(keys_until "$question" n "Instructions")
step "(6) \"Instructions\""
ls "$competition"/SummaryReport_*.txt >/dev/null 2>&1 || fail "step (6) wrote no summary report"
[ -n "$(find "$data_file" -newermt 2002-01-01)" ] && grep -q "^ST|Starlight Ballroom|" "$data_file" ||
    fail "step (6) did not write the studio data file"
keys_closing "Instructions" "$instructions" Escape

# Closed as a user would, where Wine takes Alt+F4 without a window manager.
keys_closing "$main_title" "$main" alt+F4
step "closed by Alt+F4"
