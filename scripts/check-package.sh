#!/usr/bin/env bash
# Installs the Debian package built by `make package` into this machine, runs the tool and the
# desktop program from their installed paths, and removes the package again. Needs root (or
# sudo). The program must show its main window on a virtual screen and stay up.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
deb=$(ls build/tessaly_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$deb" > "$work/install.log" 2>&1 ||
  { cat "$work/install.log"; exit 1; }

models=$(/usr/bin/tessaly-kit models)
[ "$(printf '%s\n' "$models" | wc -l)" -eq 17 ] || { echo "package: tessaly-kit models gave:"; echo "$models"; exit 1; }
[ -f /usr/lib/tessaly/libtessaly_sim_ni.so ] && [ -f /usr/share/applications/tessaly.desktop ] &&
  [ -f /usr/share/mime/packages/tessaly-kit-file.xml ] || { echo "package: files missing"; exit 1; }

# The program on a virtual screen, with settings of its own: after 5 s it must still run and
# its main window must be on the screen.
cat > "$work/show.sh" <<'SHOW'
/usr/bin/tessaly & pid=$!
sleep 5
kill -0 $pid || { echo "package: tessaly ended at start"; exit 1; }
xwininfo -root -tree | grep -q '"Tessaly' || { echo "package: no Tessaly window"; kill $pid; exit 1; }
kill $pid
wait $pid || true
SHOW
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" TESSALY_SPLASH_MILLISECONDS=0 \
  xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/show.sh"

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq tessaly > "$work/remove.log" 2>&1 ||
  { cat "$work/remove.log"; exit 1; }
[ ! -e /usr/bin/tessaly ] && [ ! -e /usr/lib/tessaly ] || { echo "package: files left after removal"; exit 1; }
echo "package: $deb installs, runs tessaly-kit and tessaly, and removes cleanly"
