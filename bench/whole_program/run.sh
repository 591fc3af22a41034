#!/usr/bin/env bash
# Whole-program figures of the release build with the default skin, each run on a fresh HOME
# under a private Xvfb with SDL's dummy sound output:
#   1. exec to first painted window (ms), beside a trivial Qt window's in the same runs (the
#      floor), and the player's start phases      2. resident memory when idle (MiB)
#   3. CPU share of one core playing MP3/FLAC  4. time until a 10,000-file folder is added (s)
#   5. the CPU share of a real sound server (PulseAudio with a null sink, started here inside a
#      private runtime folder) and of the player, before the first play, while playing an MP3 and
#      while paused, with SDL's pulseaudio driver beside its dummy driver
# Prints figures beside their goals; asserts nothing. Takes about four minutes once built.
#
#   bench/whole_program/run.sh            all five
#   bench/whole_program/run.sh start      only the start and memory figures
#   bench/whole_program/run.sh server     only the sound server figures
#   START_RUNS=15 PLAY_SECONDS=20 SERVER_SECONDS=20 bench/whole_program/run.sh
#   PLAYER=/kept/aside/veskplayer bench/whole_program/run.sh start
#                                         the same figures of another build of the launcher (an
#                                         earlier one kept aside, with its veskplayer-ui beside it)
set -euo pipefail

top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$top/build/bench-release"
start_runs="${START_RUNS:-11}"
play_seconds="${PLAY_SECONDS:-20}"
server_seconds="${SERVER_SECONDS:-20}"
sections="${1:-all}"
folder_size=10000

# ---- packages: the project's own list, then what only this benchmark needs --------------------
"$top/scripts/install-deps.sh"
bench_packages=(xvfb xdotool sox lame flac libx11-dev libxext-dev)
missing=()
for pkg in "${bench_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ---- release build ------------------------------------------------------------------------------
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESK_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target veskplayer whole_program_probe trivial_qt_window
player="${PLAYER:-$build/veskplayer}"
probe="$build/bench/whole_program/whole_program_probe"
floor_window="$build/bench/whole_program/trivial_qt_window"

# ---- scratch space and a private X server -------------------------------------------------------
work="$(mktemp -d /tmp/vesk-whole-program.XXXXXX)"
xvfb_pid=""
pulse_pid=""
cleanup() {
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# -displayfd: the server picks a free display and writes its number; -br: a black root, so
# nothing on screen has the skin's background colour before the player paints it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -br 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q . "$work/display" 2>/dev/null && break
    sleep 0.1
done
display=":$(tr -d '[:space:]' <"$work/display")"
[ "$display" != ":" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

# The player's sound output: SDL's dummy driver unless a section says otherwise.
audio_env=(SDL_AUDIODRIVER=dummy)
# Runs the probe with the player's environment on the given HOME. Its own runtime folder keeps a
# player already running for the user from taking the files of the start being measured.
run_probe_in() {
    local home="$1"
    shift
    mkdir -p -m 700 "$home/runtime"
    env -u XDG_DOCUMENTS_DIR -u XDG_CONFIG_HOME -u WAYLAND_DISPLAY -u PULSE_SERVER \
        HOME="$home" XDG_RUNTIME_DIR="$home/runtime" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
        "${audio_env[@]}" \
        "$probe" "$@"
}
# The same on a fresh HOME, which is left in $last_home.
run_probe() {
    last_home="$(mktemp -d "$work/home.XXXXXX")"
    run_probe_in "$last_home" "$@"
}
figure() { # figure KEY FILE: the value of a "key value" line
    awk -v key="$1" '$1 == key { print $2; exit }' "$2"
}
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
stats() { # min median max of the numbers on standard input
    local values
    values="$(cat)"
    printf '%s %s %s\n' "$(sort -g <<<"$values" | head -1)" "$(median <<<"$values")" \
        "$(sort -g <<<"$values" | tail -1)"
}

make_song() { # the 60 s test song as WAV, MP3 and FLAC, made once
    [ -f "$work/song.mp3" ] && return
    sox -q -n -r 44100 -c 2 -b 16 "$work/song.wav" synth 60 sine 440 sine 660 brownnoise \
        remix 1,3 2,3 gain -6
    lame --quiet -b 192 "$work/song.wav" "$work/song.mp3"
    flac --silent -o "$work/song.flac" "$work/song.wav"
}

if [ "$sections" = all ] || [ "$sections" = start ]; then
# ---- 1 and 2: start to first painted window, idle memory ----------------------------------------
echo "== start: $start_runs runs (each: exec, first painted window, 2 s idle, VmRSS, close), each"
echo "   followed by a start of the trivial Qt window"
: >"$work/painted" && : >"$work/rss" && : >"$work/cpu-by-paint" && : >"$work/phases"
: >"$work/floor-painted" && : >"$work/floor-rss" && : >"$work/floor-cpu"
for run in $(seq "$start_runs"); do
    audio_env+=(VESK_START_PHASES=1)
    run_probe start "$work/start.out" "$work/start.err" -- "$player" >"$work/start.txt" || {
        echo "run $run failed:"; cat "$work/start.txt" "$work/start.err"; exit 1; }
    unset 'audio_env[-1]'
    grep '^phase_' "$work/start.txt" >>"$work/phases" || true
    run_probe start "$work/floor.out" "$work/floor.err" -- "$floor_window" >"$work/floor.txt" || {
        echo "trivial window run $run failed:"; cat "$work/floor.txt" "$work/floor.err"; exit 1; }
    figure painted_ms "$work/floor.txt" >>"$work/floor-painted"
    figure cpu_by_paint_ms "$work/floor.txt" >>"$work/floor-cpu"
    awk -v k="$(figure VmRSS_kib "$work/floor.txt")" 'BEGIN { printf "%.2f\n", k / 1024 }' \
        >>"$work/floor-rss"
    painted="$(figure painted_ms "$work/start.txt")"
    rss="$(figure VmRSS_kib "$work/start.txt")"
    echo "$painted" >>"$work/painted"
    figure cpu_by_paint_ms "$work/start.txt" >>"$work/cpu-by-paint"
    awk -v k="$rss" 'BEGIN { printf "%.2f\n", k / 1024 }' >>"$work/rss"
    printf '  run %2d: mapped %6.1f ms, painted %6.1f ms (%5.1f ms of CPU), VmRSS %.0f kB (anon %.0f, file %.0f), %.0f threads, %s\n' \
        "$run" "$(figure mapped_ms "$work/start.txt")" "$painted" \
        "$(figure cpu_by_paint_ms "$work/start.txt")" "$rss" \
        "$(figure RssAnon_kib "$work/start.txt")" "$(figure RssFile_kib "$work/start.txt")" \
        "$(figure threads "$work/start.txt")" "$(figure exit "$work/start.txt")"
done
read -r start_min start_median start_max < <(stats <"$work/painted")
cpu_by_paint="$(median <"$work/cpu-by-paint")"
read -r floor_min floor_median floor_max < <(stats <"$work/floor-painted")
floor_rss="$(median <"$work/floor-rss")"
floor_cpu="$(median <"$work/floor-cpu")"
echo "  the player's start phases, ms after the launcher's exec (median of the runs; marks the player"
echo "  writes when VESK_START_PHASES is set):"
for phase in launcher exec player qt sound data-folder windows command-line first-paint icon bus tray; do
    values="$(awk -v key="phase_${phase}_ms" '$1 == key { print $2 }' "$work/phases")"
    [ -n "$values" ] && printf '    %-14s %7.1f\n' "$phase" "$(median <<<"$values")"
done
# Not a goal, but it tells first-start work (writing the data folder) from the rest.
used_home="$last_home"
: >"$work/painted-again"
for _ in 1 2 3; do
    run_probe_in "$used_home" start "$work/start.out" "$work/start.err" -- "$player" >"$work/start.txt" &&
        figure painted_ms "$work/start.txt" >>"$work/painted-again"
done
read -r again_min again_median again_max < <(stats <"$work/painted-again")
printf '  for comparison, 3 starts on the HOME of the last run (data folder already there): median %.1f ms (min %.1f, max %.1f)\n' \
    "$again_median" "$again_min" "$again_max"
read -r rss_min rss_median rss_max < <(stats <"$work/rss")
fi

if [ "$sections" = all ]; then
# ---- 3: CPU share while playing -----------------------------------------------------------------
echo "== play: 60 s MP3 and 60 s FLAC, ${play_seconds} s measured each"
make_song
declare -A cpu cpu_exact
for kind in mp3 flac; do
    run_probe play "$work/play.out" "$work/play.err" "$play_seconds" -- "$player" \
        "$work/song.$kind" >"$work/play-$kind.txt" || {
        echo "$kind run failed:"; cat "$work/play-$kind.txt" "$work/play.err"; exit 1; }
    cpu[$kind]="$(figure cpu_percent "$work/play-$kind.txt")"
    cpu_exact[$kind]="$(figure cpu_percent_exact "$work/play-$kind.txt")"
    moved="$(figure progress_pixels_changed "$work/play-$kind.txt")"
    played=yes
    [ "$(figure play_pressed "$work/play-$kind.txt")" = "1.000" ] || played="NO (no \"play pressed\")"
    [ "${moved%.*}" -gt 0 ] 2>/dev/null || played="NO (the progress slider did not move)"
    printf '  %-4s: %s%% of one core (%.0f ticks in %.1f s; scheduler run time %s%%), playing: %s, %s\n' \
        "$kind" "${cpu[$kind]}" "$(figure cpu_ticks "$work/play-$kind.txt")" \
        "$(figure wall_s "$work/play-$kind.txt")" "${cpu_exact[$kind]}" "$played" \
        "$(figure exit "$work/play-$kind.txt")"
    grep '^thread ' "$work/play-$kind.txt" | sort -t' ' -k3 -g -r | sed 's/^/        /'
    if grep -q 'ERROR' "$work/play.out"; then
        sed 's/^/        player: /' "$work/play.out"
    fi
done

# ---- 4: a 10,000-file folder on the command line ------------------------------------------------
echo "== folder: $folder_size tiny WAV files given as one folder on the command line"
mkdir "$work/folder"
"$probe" wavs "$work/folder" "$folder_size"
run_probe folder "$work/folder.out" "$work/folder.err" -- "$player" "$work/folder" \
    >"$work/folder.txt" || { echo "folder run failed:"; cat "$work/folder.txt" "$work/folder.err"; exit 1; }
folder_done="$(figure worker_done_s "$work/folder.txt")"
saved="$last_home/Documents/VeskPlayer/playlist.vpl"
saved_songs=0
[ -f "$saved" ] && saved_songs="$(tail -n +2 "$saved" | tr -d '\r' | grep -cv '^\(#\|$\)' || true)"
printf '  openfiles thread seen %s s after exec, last busy %s s after exec (busy span %s s, %s s of CPU), %s\n' \
    "$(figure worker_seen_s "$work/folder.txt")" "$folder_done" \
    "$(figure worker_busy_span_s "$work/folder.txt")" \
    "$(figure worker_cpu_s "$work/folder.txt")" "$(figure exit "$work/folder.txt")"
printf '  closing took %s s; the saved playlist holds %s songs\n' \
    "$(figure close_s "$work/folder.txt")" "$saved_songs"

fi

if [ "$sections" = all ] || [ "$sections" = start ]; then
# ---- the table ----------------------------------------------------------------------------------
verdict() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v != "" && v + 0 < goal + 0) ? "meets" : "MISSES" }'; }
if [ "$sections" = all ]; then
    folder_verdict="$(verdict "$folder_done" 0.3)"
    [ "$saved_songs" -eq "$folder_size" ] || folder_verdict="INCOMPLETE: $saved_songs of $folder_size saved"
fi
echo
# Other work on the machine stretches the start most: the load average goes with the figures.
echo "VeskPlayer whole program, default skin, release build ($(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-44s %-28s %-10s %s\n' "figure" "measured" "goal" ""
printf '%-44s %-28s %-10s %s\n' "start to first painted window (ms)" \
    "$(printf '%.1f (min %.1f, max %.1f)' "$start_median" "$start_min" "$start_max")" "" \
    "(player's own CPU by then: median $(printf '%.1f' "$cpu_by_paint") ms)"
printf '%-44s %-28s %-10s %s\n' "  trivial Qt window, the same runs (ms)" \
    "$(printf '%.1f (min %.1f, max %.1f)' "$floor_median" "$floor_min" "$floor_max")" "" \
    "(its own CPU by then: median $(printf '%.1f' "$floor_cpu") ms)"
start_ratio="$(awk -v a="$start_median" -v b="$floor_median" 'BEGIN { printf "%.2f", a / b }')"
printf '%-44s %-28s %-10s %s\n' "  start as a multiple of the trivial window" "$start_ratio" "< 1.5" \
    "$(verdict "$start_ratio" 1.5)"
printf '%-44s %-28s %-10s %s\n' "resident memory idle (MiB)" \
    "$(printf '%.1f (min %.1f, max %.1f)' "$rss_median" "$rss_min" "$rss_max")" "< 30" \
    "$(verdict "$rss_median" 30) (trivial Qt window: $floor_rss)"
if [ "$sections" = all ]; then
# utime + stime count whole clock ticks; the scheduler's run time beside it is exact.
printf '%-44s %-28s %-10s %s\n' "CPU share playing MP3 (% of one core)" \
    "${cpu[mp3]} (exact ${cpu_exact[mp3]})" "< 0.6" "$(verdict "${cpu[mp3]}" 0.6)"
printf '%-44s %-28s %-10s %s\n' "CPU share playing FLAC (% of one core)" \
    "${cpu[flac]} (exact ${cpu_exact[flac]})" "< 0.3" "$(verdict "${cpu[flac]}" 0.3)"
printf '%-44s %-28s %-10s %s\n' "10,000-file folder in the playlist (s)" \
    "$folder_done ($saved_songs saved)" "< 0.3" "$folder_verdict"
fi
fi

[ "$sections" = start ] && exit 0

# ---- 5: a real sound server ---------------------------------------------------------------------
echo "== sound server: PulseAudio with a null sink; ${server_seconds} s before the first play, playing the MP3, paused"
make_song
runtime="$work/runtime"
mkdir -m 700 "$runtime" "$work/pulse-home"
# -n: no default script, only the null sink and the socket; it runs until its pid is killed.
env -u PULSE_SERVER XDG_RUNTIME_DIR="$runtime" HOME="$work/pulse-home" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1" \
    --log-target=file:"$work/pulse.log" &
pulse_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/pulse/native" ] && break
    sleep 0.1
done
[ -S "$runtime/pulse/native" ] || { echo "PulseAudio did not start"; cat "$work/pulse.log"; exit 1; }
declare -A server
for driver in dummy pulseaudio; do
    if [ "$driver" = pulseaudio ]; then
        audio_env=(SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$runtime/pulse/native")
        server_pid="$pulse_pid"
    else
        audio_env=(SDL_AUDIODRIVER=dummy)
        server_pid=0
    fi
    run_probe server "$work/server.out" "$work/server.err" "$server_seconds" "$server_pid" -- \
        "$player" "$work/song.mp3" >"$work/server-$driver.txt" || {
        echo "$driver run failed:"; cat "$work/server-$driver.txt" "$work/server.err"; exit 1; }
    pressed=yes
    [ "$(figure play_pressed "$work/server-$driver.txt")" = "1.000" ] &&
        [ "$(figure pause_pressed "$work/server-$driver.txt")" = "1.000" ] || pressed="NO"
    for phase in unplayed playing paused; do
        server[$driver,$phase]="$(figure "${phase}_server_percent" "$work/server-$driver.txt")"
        server[$driver,$phase,exact]="$(figure "${phase}_server_percent_exact" "$work/server-$driver.txt")"
        server[$driver,$phase,player]="$(figure "${phase}_player_percent" "$work/server-$driver.txt")"
    done
    echo "  $driver: play and pause pressed: $pressed, $(figure exit "$work/server-$driver.txt")"
    if grep -q 'ERROR' "$work/server.out"; then
        sed 's/^/        player: /' "$work/server.out"
    fi
done
echo
echo "CPU share of one core over ${server_seconds} s ($(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-30s %-26s %-26s %-26s\n' "" "before the first play" "playing the MP3" "paused"
for driver in dummy pulseaudio; do
    printf '%-30s' "player, SDL $driver driver"
    for phase in unplayed playing paused; do
        printf ' %-26s' "${server[$driver,$phase,player]}"
    done
    echo
done
printf '%-30s' "PulseAudio server"
for phase in unplayed playing paused; do
    printf ' %-26s' "${server[pulseaudio,$phase]} (exact ${server[pulseaudio,$phase,exact]})"
done
echo
echo "goal: the server at 0.0 while the player is idle (before the first play and paused)"
