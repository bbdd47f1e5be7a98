#!/usr/bin/env bash
# The package installer against stand-ins for dpkg-query, apt-get, id and
# sudo that log their calls: which packages a stage asks for, that nothing
# is asked of apt when all are there, and how it installs what is missing.
#   install_packages_test.sh SOURCE_DIR
set -u
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# The stand-ins: dpkg-query reports the packages of $INSTALLED as installed
# and fails, as dpkg does, when it knows one of those asked for not at all.
mkdir "$work/bin"
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/bash
shift 3
status=0
for package in "$@"; do
  if [[ " $INSTALLED " == *" $package "* ]]; then echo "installed $package"; else status=1; fi
done
exit $status
STUB
printf '#!/bin/bash\necho "apt-get $*" >>"$LOG"\n' >"$work/bin/apt-get"
printf '#!/bin/bash\necho "sudo" >>"$LOG"\nexec "$@"\n' >"$work/bin/sudo"
printf '#!/bin/bash\necho "$USER_ID"\n' >"$work/bin/id"
chmod +x "$work"/bin/*
# The rest of what the installer calls, and nothing else: no sudo of the
# machine's own, for the case without one.
for tool in awk grep dirname env; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
mkdir "$work/nosudo"
cp -P "$work"/bin/* "$work/nosudo/" && rm "$work/nosudo/sudo"

# The packages of a stage, read from the list itself.
stage_packages() {
  awk -v stage="$1" '!/^#/ && NF >= 2 && ($2 == "run" || $2 == stage || stage == "test") { print $1 }' \
    "$source_dir/debian-packages.txt" | tr '\n' ' ' | sed 's/ $//'
}
run_packages=$(stage_packages run)
package_packages=$(stage_packages package)
test_packages=$(stage_packages test)
last_test_package=${test_packages##* }
all_but_last=${test_packages% *}

# name | stage | installed | user id | sudo there | status | apt calls (";"-joined)
cases=(
  "fresh machine, run|run||0|yes|0|apt-get update;apt-get install -y --no-install-recommends $run_packages"
  "fresh machine, package|package||0|yes|0|apt-get update;apt-get install -y --no-install-recommends $package_packages"
  "fresh machine, test|test||0|yes|0|apt-get update;apt-get install -y --no-install-recommends $test_packages"
  "everything there|test|$test_packages|0|yes|0|"
  "run's packages there, test|test|$run_packages|0|yes|0|apt-get update;apt-get install -y --no-install-recommends ${test_packages#"$run_packages "}"
  "one missing|test|$all_but_last|0|yes|0|apt-get update;apt-get install -y --no-install-recommends $last_test_package"
  "not root, sudo|run||1000|yes|0|sudo;apt-get update;sudo;apt-get install -y --no-install-recommends $run_packages"
  "not root, no sudo|run||1000|no|1|"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r name stage installed user_id sudo_there status calls <<<"$entry"
  : >"$work/log"
  path=$work/bin
  [ "$sudo_there" = no ] && path=$work/nosudo
  PATH=$path INSTALLED=$installed USER_ID=$user_id LOG=$work/log \
    "$BASH" "$source_dir/tools/install_packages.sh" "$stage" >"$work/out" 2>&1
  actual_status=$?
  [ "$actual_status" = "$status" ] || { cat "$work/out"; fail "$name: status $actual_status"; }
  actual_calls=$(paste -sd ';' "$work/log")
  [ "$actual_calls" = "$calls" ] || fail "$name: apt calls '$actual_calls', not '$calls'"
  # What is installed is listed before apt is called; nothing is said otherwise.
  if [ -n "$calls" ]; then
    grep -q "^Installing the Debian packages that 'make $stage' needs: " "$work/out" ||
      fail "$name: the packages were not listed"
  elif [ "$status" = 0 ] && [ -s "$work/out" ]; then
    fail "$name: said something with nothing to install"
  fi
done
echo "package installer: ${#cases[@]} cases"
