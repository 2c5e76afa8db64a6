#!/usr/bin/env bash
# Kills the real program with SIGKILL at random moments of a game against the
# computer, restarts it, answers "¿Recuperar la partida interrumpida?" with
# Return, and checks that the game came back as of its last completed move:
# the killed run left a record holding at least every half-move recorded
# just before the kill, and the recovered game is exactly that record's. Runs under its own
# X server (Xvfb) with a state folder of its own.
#
#   scripts/kill-recovery.sh [rounds] [program]
#
# Needs Xvfb and xdotool (scripts/deps.sh installs them). Exit status 0 when
# every round recovered its game.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-20}
program=${2:-build/release/app/tablerix}
[[ -x $program ]] || { echo "no program at $program (cmake --build --preset release)" >&2; exit 2; }

work=$(mktemp -d)
# A display nobody else uses.
n=$((100 + RANDOM % 400))
while [[ -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
display=:$n
xvfb_pid=
app_pid=
cleanup() {
    [[ -n $app_pid ]] && kill -9 "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display XDG_STATE_HOME=$work/state QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

record=$work/state/tablerix/en-curso.Chess

# The move lines of a ".Chess" file: everything before its first marker.
moves_of() { [[ -f $1 ]] && awk '/^(Tiempos|Jugadas Jaque|Notas)/{exit} {print}' "$1" | tr -d '\r' || true; }
count_of() { moves_of "$1" | grep -c . || true; }

# Waits for a visible window whose title is $1; prints its id.
window_named() {
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Return on the message box now on screen (no window manager: focus by hand).
answer_box() {
    local box
    box=$(window_named "Tablerix  Aviso") || { echo "no message box" >&2; return 1; }
    xdotool windowfocus --sync "$box" key Return
    for _ in $(seq 50); do xdotool search --onlyvisible --name "^Tablerix  Aviso\$" >/dev/null 2>&1 || return 0; sleep 0.1; done
}

start_program() {
    "$program" >"$work/out.log" 2>&1 &
    app_pid=$!
    main=$(window_named " Tablerix 1.0") || {
        echo "the window did not appear:" >&2
        cat "$work/out.log" >&2
        exit 1
    }
    sleep 0.3
}

# The human's moves, in turn; a move the game no longer allows is refused on
# the status line and the next one is tried.
human_moves=(a2a3 h2h3 b2b3 g2g3 a3a4 h3h4 c2c3 f2f3 b3b4 g3g4 d2d3 e2e3 c1d2 f1g2 b1a3 g1h3 d1c2 e1f2 a1b1 h1e1)
next_move=0
typed_before_kill=0

play_some() {
    local n=$((1 + RANDOM % 3))
    # Focus on the board: a click on its middle (rank 4 or 5 between pieces).
    xdotool windowfocus --sync "$main"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 200)) $((Y + 232)) click 1
    for _ in $(seq "$n"); do
        local move=${human_moves[$((next_move % ${#human_moves[@]}))]}
        next_move=$((next_move + 1))
        xdotool type --delay 20 "$move"
        xdotool key Return
        sleep 0.6  # the computer's reply at the lowest level
    done
}

failures=0
start_program
xdotool windowfocus --sync "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 530)) $((Y + 231)) click 1  # "Empezar"
sleep 0.3

for round in $(seq "$rounds"); do
    played_from=$(count_of "$record")
    play_some
    if [[ $(count_of "$record") -eq $played_from ]]; then
        # The game is over (a mate): a new one, which gives the old one up.
        xdotool windowfocus --sync "$main" key ctrl+n
        sleep 0.3
        next_move=0
        play_some
    fi
    sleep "0.$((RANDOM % 9))"  # anywhere: during a search, a write, or idle
    [[ -n ${TABLERIX_SHOTS:-} ]] && import -window root "$TABLERIX_SHOTS/round-$round.png" 2>/dev/null
    before=$(count_of "$record")
    kill -9 "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    cp "$record" "$work/left.Chess" 2>/dev/null || : >"$work/left.Chess"
    left=$(count_of "$work/left.Chess")

    start_program
    if [[ -n ${TABLERIX_SHOTS:-} && $round -eq 1 ]] && window_named "Tablerix  Aviso" >/dev/null; then
        sleep 0.3
        import -window root "$TABLERIX_SHOTS/question.png" 2>/dev/null
    fi
    answer_box  # "¿Recuperar la partida interrumpida?": Return is yes
    # Then what any load says: "Jaque Mate" for a game that ended so, and
    # "Continuar Partida".
    sleep 0.5
    while xdotool search --onlyvisible --name "^Tablerix  Aviso\$" >/dev/null 2>&1; do
        answer_box
        sleep 0.3
    done
    now=$(count_of "$record")
    if [[ $left -eq 0 ]]; then
        echo "round $round: the killed run left no record" >&2
        failures=$((failures + 1))
    elif [[ $left -lt $before ]]; then
        echo "round $round: the record went back from $before to $left half-moves" >&2
        failures=$((failures + 1))
    elif [[ "$(moves_of "$work/left.Chess")" != "$(moves_of "$record")" ]]; then
        echo "round $round: recovered $now half-moves, the killed run left $left" >&2
        failures=$((failures + 1))
    else
        echo "round $round: $left half-moves recovered (record had $before before the kill)"
    fi
done

kill "$app_pid" 2>/dev/null || true
[[ $failures -eq 0 ]] && echo "all $rounds rounds recovered" || echo "$failures of $rounds rounds failed" >&2
exit $((failures > 0))
