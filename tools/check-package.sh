#!/usr/bin/env bash
# Builds the Debian package in the given build folder (default build-ci) and
# checks it as an installer would meet it: its files, its dependencies, the
# unpacked survey-tool on a store made here, the desktop entry and lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-ci}

rm -f "$build"/airport-survey_*.deb
cmake --build "$build" --target package >/dev/null
debs=("$build"/airport-survey_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no single package in $build" >&2; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "airport-survey_${version}_amd64.deb" ] || { echo "bad name $deb" >&2; exit 1; }
echo "checking $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

fail() { echo "package check: $*" >&2; exit 1; }
for f in usr/bin/airport-survey usr/bin/survey-tool usr/lib/airport-survey/survey-tool-gis \
  usr/lib/airport-survey/modules/survey-gis.so \
  usr/share/doc/airport-survey/help.pdf usr/share/doc/airport-survey/README.md \
  usr/share/doc/airport-survey/copyright usr/share/doc/airport-survey/changelog.gz \
  usr/share/man/man1/airport-survey.1.gz usr/share/man/man1/survey-tool.1.gz \
  usr/share/applications/airport-survey.desktop \
  usr/share/icons/hicolor/scalable/apps/airport-survey.svg \
  usr/share/icons/hicolor/48x48/apps/airport-survey.png; do
  [ -s "$root/$f" ] || fail "$f is missing"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends lacks the Qt libraries"

tool=$root/usr/bin/survey-tool
[ "$("$tool" --version)" = "survey-tool $version" ] || fail "survey-tool --version is not $version"
[ "$("$root/usr/bin/airport-survey" --version)" = "airport-survey $version" ] ||
  fail "airport-survey --version is not $version"

# A store of one survey, written as the program writes it (41 airport fields).
store=$scratch/store
mkdir "$store"
{
  printf '1 : 3.7\r\n'
  for field in $(seq 1 41); do
    case $field in
      1) printf 'Test Field\r\n' ;; 2) printf '12345.A\r\n' ;; 3) printf 'TST\r\n' ;;
      5) printf '01/02/2026\r\n' ;; 25) printf 'AOC\r\n' ;; 41) printf 'NEW\r\n' ;;
      *) printf '\r\n' ;;
    esac
  done
} >"$store/survey_apt.txt"
expected=$(printf 'TST\t12345.A\tTest Field\t01/02/2026\tNEW\tAOC')
[ "$("$tool" list "$store")" = "$expected" ] || fail "survey-tool list DIR"
[ "$("$tool" --store "$store" list)" = "$expected" ] || fail "survey-tool --store DIR list"

# Every relative link of the installed README leads to an installed file.
doc=$root/usr/share/doc/airport-survey
for link in $(grep -o '](docs/[^)]*)' "$doc/README.md" | sed 's/^](//; s/)$//'); do
  [ -e "$doc/$link" ] || fail "the installed README links to $link, which is not installed"
done

desktop-file-validate "$root/usr/share/applications/airport-survey.desktop"
lintian --fail-on error "$deb" | tee "$scratch/lintian.txt"
! grep -q "hardening-no-" "$scratch/lintian.txt" || fail "built without Debian's hardening flags"
echo "package $deb: files, versions, survey-tool, desktop entry and lintian are fine"
