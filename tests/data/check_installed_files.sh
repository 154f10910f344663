#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a packager rely on: the
# layout, the icon sizes, and the menu entries, metadata and manual pages with their validators.
# A validator that is not installed is skipped (exit 77 when anything was skipped and nothing failed).
# Usage: check_installed_files.sh BUILD_DIR SOURCE_DIR VERSION
set -uo pipefail
build=$1
source=$2
version=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
skipped=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
skip() {
    echo "SKIP: $*"
    skipped=$((skipped + 1))
}
have() { command -v "$1" >/dev/null 2>&1; }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    echo "FAIL: cmake --install"
    exit 1
fi
rm -f "$prefix.log"

share=$prefix/share
app_id=io.github.biteclock.Biteclock
sizes=(16 22 24 32 48 64 128 256)
expected=(
    bin/Biteclock bin/Bitetray bin/biteclock-cli
    share/applications/biteclock.desktop share/applications/bitetray.desktop
    share/metainfo/$app_id.metainfo.xml
    share/icons/hicolor/scalable/apps/biteclock.svg
    share/man/man1/biteclock-cli.1.gz share/man/man1/Biteclock.1.gz share/man/man1/Bitetray.1.gz
    share/bash-completion/completions/biteclock-cli
    share/doc/biteclock/copyright share/doc/biteclock/changelog.gz
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/biteclock.png")
done
for file in "${expected[@]}"; do
    [[ -f $prefix/$file ]] || fail "not installed: $file"
done
for program in Biteclock Bitetray biteclock-cli; do
    [[ -x $prefix/bin/$program ]] || fail "not executable: bin/$program"
done

# Every rendering has the size its folder names.
if have identify; then
    for size in "${sizes[@]}"; do
        png=$share/icons/hicolor/${size}x${size}/apps/biteclock.png
        [[ -f $png ]] || continue
        got=$(identify -format '%wx%h' "$png" 2>&1)
        [[ $got == "${size}x${size}" ]] || fail "$png is $got"
    done
else
    skip "identify (imagemagick) for the icon sizes"
fi

# The menu entries start installed programs and name the installed icon.
for entry in "$share"/applications/*.desktop; do
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [[ -x $prefix/bin/$program ]] || fail "$(basename "$entry"): Exec=$program is not an installed program"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [[ -f $share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "$(basename "$entry"): no icon $icon"
done
if have desktop-file-validate; then
    for entry in "$share"/applications/*.desktop; do
        out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate $(basename "$entry") failed"
        [[ -z $out ]] || fail "desktop-file-validate $(basename "$entry"): $out"
    done
else
    skip "desktop-file-validate (desktop-file-utils)"
fi

metainfo=$share/metainfo/$app_id.metainfo.xml
if have appstreamcli; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
    [[ $out == *"Validation was successful"* ]] || fail "appstreamcli validate: $out"
else
    skip "appstreamcli (appstream)"
fi

# Each page renders without a single groff warning.
if have man && have groff; then
    for page in "$share"/man/man1/*.1.gz; do
        errors=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [[ -z $errors ]] || fail "man --warnings $(basename "$page"): $errors"
        errors=$(gzip -dc "$page" | groff -ww -z -man 2>&1)
        [[ -z $errors ]] || fail "groff -ww $(basename "$page"): $errors"
        title=$(gzip -dc "$page" | sed -n 's/^\.TH [^ ]* 1 "[^"]*" "Biteclock \([^"]*\)".*/\1/p')
        [[ $title == "$version" ]] || fail "$(basename "$page") is dated for version '$title', not $version"
    done
else
    skip "man and groff for the manual pages"
fi

bash -n "$share/bash-completion/completions/biteclock-cli" || fail "the bash completion does not parse"

# The release history names this version first, in the metadata and in the Debian changelog.
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
[[ $release == "$version" ]] || fail "the newest release in the metadata is '$release', not $version"
changelog=$(head -n 1 "$source/packaging/changelog" | sed -n 's/^biteclock (\([^)]*\)).*/\1/p')
[[ $changelog == "$version" ]] || fail "packaging/changelog starts at '$changelog', not $version"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
if ((skipped > 0)); then
    exit 77
fi
echo "all installed files check out"
