# Sourced by the scripts that run programs under Wine: a virtual display when
# none is set, and a persistent wineserver for the build tree's prefix, so that
# each program start costs milliseconds instead of a server start.
ZQ_XVFB_PID=""
ZQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZQ_BUILD=${ZQ_BUILD_DIR:-$ZQ_ROOT/build}

# Sets up and builds the tree, then opens a Wine session that ends with the
# calling script.
zq_build_and_open_session() {
  "$ZQ_ROOT/scripts/setup.sh"
  # The trap first: a start that fails half-way still stops its Xvfb.
  trap zq_wine_session_stop EXIT
  zq_wine_session_start "$ZQ_BUILD"
}

zq_wine_session_start() {
  local build=$1
  export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
  if [ -z "${DISPLAY:-}" ]; then
    local n=91
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ZQ_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  # Exits with 2 when a persistent server already runs for the prefix (an
  # earlier run that was killed): that server serves this session as well.
  wineserver -p || [ $? -eq 2 ]
  # The first program of a session starts Wine's background services, which
  # would inherit and hold open the output pipes of whatever runs next (ctest
  # would wait for them for ever): start them here, detached from our output.
  wineboot -u </dev/null >/dev/null 2>&1 || true
}

zq_wine_session_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$ZQ_XVFB_PID" ]; then
    kill "$ZQ_XVFB_PID" 2>/dev/null || true
    wait "$ZQ_XVFB_PID" 2>/dev/null || true
  fi
}
