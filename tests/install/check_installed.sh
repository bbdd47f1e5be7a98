#!/usr/bin/env bash
# Installs the programs the way a user does and runs them from there, away
# from the build and source folders:
#   check_installed.sh prefix  BUILD_DIR SOURCE_DIR VERSION PROGRAM...
#     cmake --install into a temporary prefix;
#   check_installed.sh package BUILD_DIR SOURCE_DIR VERSION PROGRAM...
#     the Debian package that CPack builds, unpacked with dpkg-deb -x into a
#     temporary root (its fields checked too, and lintian finds no error).
# In the installed tree every PROGRAM (the programs with a manual page) answers
# its help, and each companion program its version; the listing of the
# installed example is the build's own listing of the example, byte for byte,
# and the report reads it; every program has its manual page, which man
# renders without a warning.
set -u
mode=$1
build_dir=$2
source_dir=$3
version=$4
shift 4
programs=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

install_prefix() {
  cmake --install "$build_dir" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install"; }
  root=$work/prefix
}

# The fields of the package, then its files under a temporary root.
install_package() {
  (cd "$build_dir" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
  local deb
  deb=$(echo "$work"/package/*.deb)
  [ -f "$deb" ] || fail "no package in $work/package"
  [ "$(dpkg-deb -f "$deb" Package)" = quintavelmor ] || fail "package name"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "package version"
  [ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
  dpkg-deb -c "$deb" | awk '$6 !~ /^\.\/usr\// { print; bad = 1 } END { exit bad }' ||
    fail "files outside /usr"
  lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian reports errors"; }
  dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
  root=$work/root/usr
  local depends packages=(libc6 libstdc++6)
  depends=$(dpkg-deb -f "$deb" Depends)
  # zlib when a program links it (the converter does).
  readelf -d "$root"/bin/* | grep -q 'NEEDED.*libz\.' && packages+=(zlib1g)
  for package in "${packages[@]}"; do
    [[ $depends == *"$package "* ]] || fail "Depends lacks $package: $depends"
  done
}

check_manual_page() {
  local program=$1
  local page=$root/share/man/man1/$program.1.gz
  [ -f "$page" ] || fail "no manual page $page"
  MANWIDTH=80 man --warnings=w -l "$page" >"$work/page.txt" 2>"$work/page.err" ||
    fail "man -l $page"
  [ -s "$work/page.err" ] && { cat "$work/page.err"; fail "$program(1) renders with warnings"; }
  grep -q "^NAME" "$work/page.txt" || fail "$program(1) has no NAME section"
  # An underscore at the edge of a word is Markdown emphasis that leaked.
  grep -nE '(^|[][ (|])_[A-Za-z]|[A-Za-z]_($|[][ ,.)|])' "$work/page.txt" &&
    fail "$program(1) shows Markdown underscores"
}

check_listing_help() {
  Quintavelmor -help >"$work/help.out" 2>"$work/help.err" || fail "Quintavelmor -help"
  [ -s "$work/help.out" ] && fail "Quintavelmor -help wrote to standard output"
  grep -q "^PROGRAM: Quintavelmor.exe" "$work/help.err" || fail "Quintavelmor -help: no help text"
}

check_companion() {
  local program=$1
  "$program" --help >"$work/help.out" 2>&1 || fail "$program --help"
  [ -s "$work/help.out" ] || fail "$program --help wrote nothing"
  [ "$("$program" --version)" = "$program $version" ] || fail "$program --version"
}

# The example's listing from the installed tree against the build's, with
# the same relative file names, so that the settings reports agree too.
check_example() {
  local arguments=(-oexamples/sim_GRE_30s_1h.sd -gfexamples/sim_GRE_30s_1h_glonass.txt -cGRE
    -lC1:L1:L4:P4:L3:MW:MP1:MP2:CL1: -ms)
  (cd "$root/share/quintavelmor" && Quintavelmor "${arguments[@]}") \
    >"$work/installed.out" 2>"$work/installed.err" || fail "the installed example's listing"
  (cd "$source_dir" && exec -a Quintavelmor "$build_dir/Quintavelmor" "${arguments[@]}") \
    >"$work/built.out" 2>"$work/built.err"
  cmp -s "$work/built.out" "$work/installed.out" || fail "listing differs from the build's"
  cmp -s "$work/built.err" "$work/installed.err" || fail "messages differ from the build's"
  Quintavelmor-report "$work/installed.out" >"$work/stats" || fail "Quintavelmor-report"
  grep -q '^SUMMARY G: ' "$work/stats" || fail "report: no GPS summary"
}

check_documents() {
  local doc=$root/share/doc/quintavelmor
  grep -q '^Copyright: .*Quintavelmor developers' "$doc/copyright" || fail "no copyright holder"
  grep -q 'No licence is granted yet' "$doc/copyright" || fail "copyright: no word on the licence"
  gzip -dc "$doc/changelog.Debian.gz" | head -1 | grep -q "^quintavelmor ($version-1) " ||
    fail "changelog.Debian.gz: no entry of $version-1"
}

case $mode in
  prefix) install_prefix ;;
  package) install_package ;;
  *) fail "mode $mode" ;;
esac

# By name through PATH, as a user runs them (the listing reads its own name).
export PATH=$root/bin:$PATH
for program in "${programs[@]}"; do
  [ "$(command -v "$program")" = "$root/bin/$program" ] || fail "$program not installed"
  if [ "$program" = Quintavelmor ]; then
    check_listing_help
  else
    check_companion "$program"
  fi
  check_manual_page "$program"
done
# The listing keeps to the standard library.
readelf -d "$root/bin/Quintavelmor" | grep -q 'NEEDED.*libz' && fail "Quintavelmor links zlib"
check_documents
check_example
echo "installed from $mode: ${programs[*]}"
