#!/usr/bin/env bash
# The bash completion of biteclock-cli, driven as bash drives it, and held against the program: every
# option --help lists is offered, and every option offered is one the program accepts.
# Usage: completion_test.sh PROGRAM COMPLETION_SCRIPT
set -uo pipefail
program=$1
# shellcheck source=/dev/null
source "$2"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config
export XDG_DATA_HOME=$home/data
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# What the completion offers for a command line whose last word is being typed.
complete_line() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _biteclock_cli
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
    local want=$1
    shift
    local got
    got=$(complete_line "$@")
    [[ $got == "$want" ]] || fail "'$*': expected [$want], got [$got]"
}

expect "--help --version calendar day help ical journal places range table" biteclock-cli ""
expect "--help --version" biteclock-cli --
expect "day" biteclock-cli d
expect "csv json text" biteclock-cli day --format ""
expect "csv json" biteclock-cli range --from 2000-01-01 --format ""
expect "a4 letter" biteclock-cli calendar --paper ""
expect "excellent fair good" biteclock-cli ical --grade ""
expect "days periods phases" biteclock-cli ical --events ""
expect "periods,days periods,phases" biteclock-cli ical --events periods,
expect "periods phases prediction" biteclock-cli calendar --with p
expect "none" biteclock-cli calendar --with n
expect "prediction,sun" biteclock-cli calendar --with prediction,s
expect "sun,moon,periods sun,moon,phases sun,moon,prediction" biteclock-cli calendar --with sun,moon,
expect "prediction,moon,periods prediction,moon,phases" biteclock-cli calendar --with prediction,moon,p
expect "--format --gmt --help --place --tz --year" biteclock-cli table --
expect "--format --help" biteclock-cli places Paris --
expect "json text" biteclock-cli places Paris --format ""
expect "export list stats" biteclock-cli journal ""
expect "csv json text" biteclock-cli journal list --format ""
expect "json text" biteclock-cli journal stats --format ""
expect "--folder --format --gmt --help --lat --location --lon --place --south --tz" biteclock-cli journal stats --
expect "--folder --gmt --help --lat --location --lon --output --place --south --tz" biteclock-cli journal export --
# Zone names from the tz database, and the computer's own zone.
expect "America/New_York" biteclock-cli day --tz America/New_Y
expect "local" biteclock-cli range --tz loc
expect "" biteclock-cli day --place ""
expect "" biteclock-cli day --date ""
expect "" biteclock-cli nonsense --

# PDF files and folders for the calendar's output.
mkdir -p "$home/out/pages"
touch "$home/out/march.pdf" "$home/out/notes.txt" "$home/out/APRIL.PDF"
expect "$home/out/APRIL.PDF $home/out/march.pdf $home/out/pages" biteclock-cli calendar --output "$home/out/"
touch "$home/out/trips.ics"
expect "$home/out/pages $home/out/trips.ics" biteclock-cli ical --output "$home/out/"

# CSV files and folders for the journal's export, folders for its --folder.
touch "$home/out/trips.csv"
expect "$home/out/pages $home/out/trips.csv" biteclock-cli journal export --output "$home/out/"
expect "$home/out/pages" biteclock-cli journal list --folder "$home/out/"

# Saved location names as Qt writes Biteclock's settings file: names with a comma or quotes are
# quoted, a backslash and a quote inside are escaped, and non-ASCII text is plain UTF-8.
mkdir -p "$XDG_CONFIG_HOME/Biteclock"
cat >"$XDG_CONFIG_HOME/Biteclock/Biteclock.ini" <<'INI'
[General]
Locations\place%281%29=Not a location

[Settings]
Locations\Lake%20Tahoe\latdeg=39
Locations\nlist=" 4"
Locations\place%281%29=Lake Tahoe
Locations\place%282%29="Tromsø, Norway"
Locations\place%283%29="Bob's \"pond\" \\ east"
Locations\place%284%29=Lake Placid
current=x
INI
expect "Bob\\'s\\ \\\"pond\\\"\\ \\\\\\ east Lake\\ Placid Lake\\ Tahoe Tromsø\\,\\ Norway" \
    biteclock-cli day --location ""
expect "Lake\\ Placid Lake\\ Tahoe" biteclock-cli range --location La
expect "Lake\\ Tahoe" biteclock-cli range --location 'Lake\ T'
expect "Tromsø\\,\\ Norway" biteclock-cli calendar --location '"Tr'
rm "$XDG_CONFIG_HOME/Biteclock/Biteclock.ini"
expect "" biteclock-cli day --location ""

# Held against the program itself.
offered=""
for command in day range ical table calendar; do
    options=$(complete_line biteclock-cli "$command" --)
    offered+=" $options"
    for option in $options; do
        [[ $option == --help ]] && continue
        error=$("$program" "$command" "$option" 2>&1 >/dev/null)
        [[ $error != *"unknown option"* ]] || fail "$command $option is offered but refused: $error"
    done
done
for action in list export stats; do
    options=$(complete_line biteclock-cli journal "$action" --)
    offered+=" $options"
    for option in $options; do
        [[ $option == --help ]] && continue
        error=$("$program" journal "$action" "$option" 2>&1 >/dev/null)
        [[ $error != *"unknown option"* ]] || fail "journal $action $option is offered but refused: $error"
    done
done
for option in $("$program" --help | grep -o -- '--[a-z]\+' | sort -u); do
    [[ $option == --version ]] && continue
    [[ " $offered " == *" $option "* ]] || fail "$option is in --help but never offered"
done

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "the completion offers what biteclock-cli takes"
