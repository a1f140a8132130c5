#!/usr/bin/env bash
# Two real game processes play one network game on a private X server, and a picture of both
# tables is taken after every turn:
#
#   tools/two_window_game.sh OUTDIR
#
# The host plays in Japanese, the guest in English, each with its own HOME, XDG_CONFIG_HOME and
# dice.ini. The host makes the room through ネット対戦 → 部屋を作る on a free port of 127.0.0.1,
# copies the invitation with its コピー button; the guest starts with that line on its command line
# and joins with Return. The game is then played with clicks on the controls of whichever window
# has them enabled, as a player would: bets and Ready, ベント, 実 行, 次のﾀｰﾝ. Nothing listens
# anywhere but 127.0.0.1 (and the X server on its own socket only).
#
# Needs Xvfb, xdotool, ImageMagick (import, convert, compare) and xclip.
# QUBRIN names the program (build/debug/bin/qubrin of this tree by default), TURNS the game's
# length (4).
set -euo pipefail

[[ $# -eq 1 ]] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
out=$(mkdir -p "$1" && cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
qubrin=${QUBRIN:-$root/build/debug/bin/qubrin}
turns=${TURNS:-4}
for tool in Xvfb xdotool import convert compare xclip; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool imagemagick xclip)" >&2; exit 2; }
done
[[ -x $qubrin ]] || { echo "no program at $qubrin (set QUBRIN)" >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

log() { printf '%s %s\n' "$(date -u +%T)" "$*" | tee -a "$out/log.txt"; }
fail() { log "FAILED: $*"; exit 1; }
: >"$out/log.txt"

# --- the X server: the first free display, no TCP ---------------------------------------------
Xvfb -displayfd 3 -nolisten tcp -screen 0 1600x1600x24 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
log "X server on $DISPLAY"

# --- two players, each a home of their own ----------------------------------------------------
shipped=$(dirname "$qubrin")/dice.ini
[[ -f $shipped ]] || shipped=$root/assets/dice.ini
for who in host guest; do
    mkdir -p "$work/$who/.config" "$work/$who/run"
    chmod 700 "$work/$who/run"
done
# The host's rules: three seats (the host, one open to a remote player, the computer), two turns
# a bank, a short game.
# The file is CP932 with CRLF line ends: the values are replaced byte for byte, the rest kept.
perl -pe "s/^NINZU=\d+/NINZU=3/; s/^LAST=\d+/LAST=$turns/; s/^OYA=\d+/OYA=2/;
          s/^P_FLG0=\d+/P_FLG0=0/; s/^P_FLG1=\d+/P_FLG1=0/; s/^P_FLG2=\d+/P_FLG2=1/" "$shipped" >"$work/host/dice.ini"
perl -pe 's/^P_NAME0=[^\r\n]*/P_NAME0=Ken/' "$shipped" >"$work/guest/dice.ini"

started=
start_player() {  # who language [invitation]: the process id in $started
    local who=$1
    HOME=$work/$who XDG_CONFIG_HOME=$work/$who/.config XDG_RUNTIME_DIR=$work/$who/run QT_QPA_PLATFORM=xcb \
        "$qubrin" --lang "$2" --settings "$work/$who/dice.ini" "${@:3}" >"$out/$who.log" 2>&1 &
    started=$!
    pids+=("$started")
}

# The visible window of a process with this exact title.
window_of() {  # pid title
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n1) || true
        [[ -n $id ]] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window '$2' of process $1"
}

visible_window() {  # pid title: the window's id, or nothing
    xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n1 || true
}

# Without a window manager a click is the pointer's, and keys go to the window that has the focus.
click() {  # window x y [count]
    xdotool mousemove --window "$1" "$2" "$3" click --repeat "${4:-1}" --delay 40 1
    xdotool mousemove 1599 1199
}
keys() {  # window keys...
    xdotool windowfocus --sync "$1"
    xdotool key --delay 60 "${@:2}"
}
place() { xdotool windowmove "$1" "$2" "$3"; }

shot_root() {  # file width height
    import -window root -crop "$2x$3+0+0" +repage "$1"
}

# --- the host makes the room -----------------------------------------------------------------
start_player host ja
host_pid=$started
host_table=$(window_of "$host_pid" 'Qubrin　ちんちろりん')
read -r table_w table_h < <(xdotool getwindowgeometry --shell "$host_table" | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | paste -sd' ')
[[ "$table_w x $table_h" == "476 x 345" ]] || fail "the table is ${table_w}x$table_h, not 476x345 (a zoom in force?)"
place "$host_table" 0 0
sleep 0.5
keys "$host_table" alt+n Return  # ネット対戦 → 部屋を作る...
host_room=$(window_of "$host_pid" '部屋を作る')
room_h=$((table_h + 22))  # a table in a room grows by the strip under its seats
place "$host_room" 0 $((room_h + 10))
sleep 0.3
# The address field has the focus; the port after it: 0 takes a free one.
keys "$host_room" Tab ctrl+a 0 Tab
click "$host_room" 613 443  # 部屋を作る
sleep 1
invitation=
for _ in $(seq 30); do
    click "$host_room" 613 540  # コピー
    invitation=$(xclip -o -selection clipboard 2>/dev/null || true)
    [[ $invitation =~ ^qubrin://127\.0\.0\.1:[0-9]+/[A-Z0-9]{6}$ ]] && break
    sleep 0.3
done
[[ $invitation =~ ^qubrin://127\.0\.0\.1:[0-9]+/[A-Z0-9]{6}$ ]] || fail "no invitation on the clipboard: '$invitation'"
log "host: room made, invitation $invitation"

# --- the guest joins --------------------------------------------------------------------------
start_player guest en "$invitation"
guest_pid=$started
guest_table=$(window_of "$guest_pid" 'Qubrin — Chinchirorin')
guest_join=$(window_of "$guest_pid" 'Join a room')
guest_x=$((table_w + 10))
place "$guest_table" "$guest_x" 0
place "$guest_join" 690 $((room_h + 10))
sleep 0.5
shot_root "$out/00_rooms.png" 1400 1430
log "guest: join window filled in; Return joins"
keys "$guest_join" Return
sleep 1.5
place "$guest_table" "$guest_x" 0
shot_root "$out/01_joined.png" 1400 1430
click "$host_room" 525 958  # 開始
sleep 1
[[ -z $(visible_window "$host_pid" '部屋を作る') ]] ||
    fail "the host's room window is still open after 開始"
log "host: 開始"
keys "$host_table" F2  # 新規ｹﾞｰﾑ, the host's alone
log "host: F2 (new game)"

# --- the table's controls, in the table's own coordinates --------------------------------------
# The felt starts below the menu bar: the first row of the felt's green.
menu_h=0
shot=$work/probe.png
import -window "$host_table" "$shot"
for y in $(seq 10 40); do
    [[ $(convert "$shot" -format "%[hex:p{2,$y}]" info:) == 266846 ]] && { menu_h=$y; break; }
done
((menu_h > 0)) || fail "no felt below the menu bar"

# name left top width height (the felt's pixels)
declare -A control=(
    [bent]="192 44 58 24" [throw]="256 44 58 24" [next]="320 44 82 24" [ready]="392 307 76 20"
)
# Seat panels' top left corners; a seat's bet bar lies at +64,+73, 118 by 16.
panel_x=(12 12 244 244 244 12)
panel_y=(196 84 84 196 308 308)

# Whether a control is enabled in a picture of its window: a disabled command is grey (#ece8e0).
enabled() {  # picture control
    local l t w h
    read -r l t w h <<<"${control[$2]}"
    local colour
    colour=$(convert "$1" -format "%[hex:p{$((l + 4)),$((menu_h + t + h / 2))}]" info:)
    [[ $colour == FFF3D6 || $colour == FFE2A0 || $colour == F5C870 ]]
}
press() {  # window control
    local l t w h
    read -r l t w h <<<"${control[$2]}"
    click "$1" $((l + w / 2)) $((menu_h + t + h / 2))
}
raise_bet() {  # window seat clicks: the bar's right arrow, one step a click
    local s=$2
    click "$1" $((panel_x[s] + 64 + 118 - 7)) $((menu_h + panel_y[s] + 73 + 8)) "$3"
}

# Both tables still: two pictures half a second apart are the same.
settle() {
    for _ in $(seq 40); do
        import -window "$host_table" "$work/h1.png"; import -window "$guest_table" "$work/g1.png"
        sleep 0.5
        import -window "$host_table" "$work/h2.png"; import -window "$guest_table" "$work/g2.png"
        if [[ $(compare -metric AE "$work/h1.png" "$work/h2.png" null: 2>&1) == 0 &&
              $(compare -metric AE "$work/g1.png" "$work/g2.png" null: 2>&1) == 0 ]]; then
            return
        fi
    done
    log "the tables did not come to rest"
}

both_tables() { shot_root "$1" $((guest_x + table_w)) "$room_h"; }

declare -A table=([host]=$host_table [guest]=$guest_table)
declare -A seat=([host]=0 [guest]=1)
turn=0
deadline=$((SECONDS + 900))
for _ in $(seq 3000); do
    ((SECONDS < deadline)) || fail "the game did not end in time"
    # A game's end opens the result window over each table.
    host_result=$(visible_window "$host_pid" '対局結果')
    guest_result=$(visible_window "$guest_pid" 'Final results')
    [[ -n $host_result && -n $guest_result ]] && break
    place "$host_table" 0 0
    place "$guest_table" "$guest_x" 0
    import -window "$host_table" "$work/host.png"
    import -window "$guest_table" "$work/guest.png"
    acted=
    # Bets first: whoever may still bet raises the bet a few steps and says Ready.
    for who in host guest; do
        if enabled "$work/$who.png" ready; then
            steps=$(((turn * 3 + ${seat[$who]} * 5) % 9 + 1))
            raise_bet "${table[$who]}" "${seat[$who]}" "$steps"
            sleep 0.3
            press "${table[$who]}" ready
            log "$who: bet +$steps, Ready"
            # Ready is done once the room has answered it: the control closes.
            for _ in $(seq 40); do
                import -window "${table[$who]}" "$work/$who.png"
                enabled "$work/$who.png" ready || break
                sleep 0.2
            done
            acted=1
        fi
    done
    [[ -n $acted ]] && continue
    for who in host guest; do
        png=$work/$who.png
        if enabled "$png" bent; then
            press "${table[$who]}" bent; log "$who: ベント (open the bets)"; acted=1; break
        elif enabled "$png" throw; then
            press "${table[$who]}" throw; log "$who: 実 行 (throw)"; acted=1; break
        elif enabled "$png" next; then
            settle
            turn=$((turn + 1))
            both_tables "$out/$(printf 'turn_%02d.png' "$turn")"
            log "turn $turn settled: $(printf 'turn_%02d.png' "$turn"); $who: 次のﾀｰﾝ"
            press "${table[$who]}" next; acted=1; break
        fi
    done
    [[ -n $acted ]] && sleep 0.5 || sleep 0.3
done
[[ -n ${host_result:-} && -n ${guest_result:-} ]] || fail "no result window"
((turn == turns)) || log "played $turn turns of $turns"

# --- the end: both result windows beside their tables ------------------------------------------
sleep 1
settle
place "$host_result" 0 $((room_h + 10))
read -r result_w _ < <(xdotool getwindowgeometry --shell "$host_result" | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | paste -sd' ')
place "$guest_result" $((result_w > guest_x ? result_w + 10 : guest_x)) $((room_h + 10))
sleep 0.5
log "result windows: host '$(xdotool getwindowname "$host_result")', guest '$(xdotool getwindowname "$guest_result")'"
shot_root "$out/result.png" 1600 1200
convert "$out/result.png" -trim +repage "$out/result.png"
log "done: $turn turns; pictures in $out"
