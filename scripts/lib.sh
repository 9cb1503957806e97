# Shared by scripts/run and scripts/test: packages, build and a virtual display.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev libxcb1-dev
  qt6-qpa-plugins libqt6webenginecore6-bin libgl1-mesa-dri
  fonts-wqy-microhei
  xvfb xauth openbox xdotool x11-utils imagemagick python3
  desktop-file-utils appstream dpkg-dev
)

# Installs whatever Debian packages are missing (needs root, as on a fresh machine).
ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
  fi
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD" -j"$(nproc)"
}

# Starts Xvfb (1024 x 768 unless SCREEN_SIZE says otherwise) with openbox, and
# exports DISPLAY. stop_display ends both.
start_display() {
  local size="${SCREEN_SIZE:-1024x768}" fdfile
  fdfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  openbox >/dev/null 2>&1 &
  OPENBOX_PID=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}

# Serves the stand-in pages (scripts/demo) on loopback; sets DEMO_PORT and
# DEMO_LOG, where each page's load shows as "loaded PATH". stop_display ends it.
start_demo_server() {
  DEMO_LOG="$(mktemp)"
  python3 "$ROOT/scripts/demo_server.py" "$ROOT/scripts/demo" >"$DEMO_LOG" 2>&1 &
  DEMO_PID=$!
  for _ in $(seq 50); do grep -q '^port ' "$DEMO_LOG" && break; sleep 0.1; done
  DEMO_PORT="$(sed -n 's/^port //p' "$DEMO_LOG")"
}

stop_display() {
  [ -n "${DEMO_PID:-}" ] && kill "$DEMO_PID" 2>/dev/null
  [ -n "${OPENBOX_PID:-}" ] && kill "$OPENBOX_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null || true
}
