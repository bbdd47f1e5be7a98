#!/usr/bin/env bash
# Installs the Debian packages of debian-packages.txt that a stage needs and
# the machine lacks: `run` (make run, make install), `package` (make package,
# which needs the run's packages too) or `test` (make test, which needs them
# all).  Lists them before installing, as root or through sudo; with
# everything present it asks nothing of apt.
set -euo pipefail
stage=${1:?usage: install_packages.sh run|package|test}
list="$(dirname "$0")/../debian-packages.txt"

wanted=()
while read -r package needed _; do
  case $package in '' | '#'*) continue ;; esac
  if [ "$needed" = run ] || [ "$needed" = "$stage" ] || [ "$stage" = test ]; then
    wanted+=("$package")
  fi
done <"$list"

if ! command -v dpkg-query >/dev/null; then
  echo "Not a Debian system: install the packages of debian-packages.txt by hand: ${wanted[*]}" >&2
  exit 0
fi

# dpkg-query fails when it knows a package not at all, as on a fresh machine.
installed=$({ dpkg-query -W -f '${db:Status-Status} ${Package}\n' "${wanted[@]}" 2>/dev/null || true; } |
  awk '$1 == "installed" { print $2 }')
missing=()
for package in "${wanted[@]}"; do
  grep -qxF -- "$package" <<<"$installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing the Debian packages that 'make $stage' needs: ${missing[*]}"
if [ "$(id -u)" = 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "Neither root nor sudo: install them by hand (apt-get install ${missing[*]})" >&2
  exit 1
fi
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
