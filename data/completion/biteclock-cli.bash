# Bash completion for biteclock-cli: commands, options, their fixed values, PDF and CSV file names,
# folders, and the names of the locations saved in Biteclock. Needs nothing beyond bash itself.

# The saved location names, one per line, read from Biteclock's settings file as Qt writes it:
# "Locations\place%28N%29=NAME" lines of the [Settings] section, the name quoted when it holds
# characters such as a comma, with \" and \\ inside the quotes.
_biteclock_cli_locations() {
    local file="${XDG_CONFIG_HOME:-$HOME/.config}/Biteclock/Biteclock.ini"
    [[ -r $file ]] || return 0
    local line section="" value name i c
    while IFS= read -r line || [[ -n $line ]]; do
        line=${line%$'\r'}
        if [[ $line == \[*\] ]]; then
            section=${line:1:${#line}-2}
            continue
        fi
        [[ $section == Settings && $line =~ ^Locations\\place%28[0-9]+%29=(.*)$ ]] || continue
        value=${BASH_REMATCH[1]}
        if [[ ${#value} -ge 2 && $value == \"*\" ]]; then
            value=${value:1:${#value}-2}
            name=""
            for ((i = 0; i < ${#value}; i++)); do
                c=${value:i:1}
                if [[ $c == \\ && $((i + 1)) -lt ${#value} ]]; then
                    ((i++))
                    c=${value:i:1}
                fi
                name+=$c
            done
            value=$name
        fi
        [[ -n $value ]] && printf '%s\n' "$value"
    done <"$file"
}

# The zone names of the tz database as the system lists them, for --tz.
_biteclock_cli_zones() {
    local table=/usr/share/zoneinfo/tzdata.zi
    [[ -r $table ]] && awk '$1 == "Z" { print $2 } $1 == "L" { print $3 }' "$table"
    printf '%s\n' local
}

_biteclock_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "day range ical table calendar places journal help --help --version" -- "$cur")
        return 0
    fi
    local command=${COMP_WORDS[1]}
    # The journal's commands take a second word: list, export or stats.
    if [[ $command == journal ]]; then
        if ((COMP_CWORD == 2)); then
            mapfile -t COMPREPLY < <(compgen -W "list export stats" -- "$cur")
            return 0
        fi
        command="journal ${COMP_WORDS[2]}"
    fi

    case $prev in
    --format)
        case $command in
        range) mapfile -t COMPREPLY < <(compgen -W "json csv" -- "$cur") ;;
        day | table) mapfile -t COMPREPLY < <(compgen -W "text json csv" -- "$cur") ;;
        places | "journal stats") mapfile -t COMPREPLY < <(compgen -W "text json" -- "$cur") ;;
        "journal list") mapfile -t COMPREPLY < <(compgen -W "text json csv" -- "$cur") ;;
        esac
        return 0
        ;;
    --paper)
        mapfile -t COMPREPLY < <(compgen -W "a4 letter" -- "$cur")
        return 0
        ;;
    --grade)
        mapfile -t COMPREPLY < <(compgen -W "fair good excellent" -- "$cur")
        return 0
        ;;
    --with | --events)
        # A comma-separated list: complete its last item, keeping what comes before it.
        local head="" item=$cur
        if [[ $cur == *,* ]]; then
            head=${cur%,*},
            item=${cur##*,}
        fi
        local words="" word all="prediction sun moon periods phases"
        [[ $prev == --events ]] && all="periods days phases"
        for word in $all; do
            [[ ,$head == *,$word,* ]] || words+=" $word"
        done
        [[ -z $head && $prev == --with ]] && words+=" none"
        mapfile -t COMPREPLY < <(compgen -P "$head" -W "$words" -- "$item")
        [[ ${#COMPREPLY[@]} -eq 1 && -z $head && ${COMPREPLY[0]} != none ]] && compopt -o nospace 2>/dev/null
        return 0
        ;;
    --output | -o)
        compopt -o filenames 2>/dev/null
        local pattern='!*.[pP][dD][fF]'
        [[ $command == ical ]] && pattern='!*.[iI][cC][sS]'
        [[ $command == journal* ]] && pattern='!*.[cC][sS][vV]'
        mapfile -t COMPREPLY < <(compgen -d -- "$cur"; compgen -f -X "$pattern" -- "$cur")
        return 0
        ;;
    --folder)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return 0
        ;;
    --location)
        # The word as typed may hold backslashes or an opening quote; names are matched without them.
        local typed=${cur//\\/}
        typed=${typed#[\"\']}
        local name
        while IFS= read -r name; do
            [[ $name == "$typed"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
        done < <(_biteclock_cli_locations)
        return 0
        ;;
    --tz)
        mapfile -t COMPREPLY < <(compgen -W "$(_biteclock_cli_zones)" -- "$cur")
        return 0
        ;;
    --date | --from | --days | --jobs | --year | --month | --lat | --lon | --gmt | --place)
        return 0
        ;;
    esac

    local location="--lat --lon --gmt --tz --place --location --south"
    local options
    case $command in
    day) options="--date $location --format --help" ;;
    range) options="--from --days $location --format --jobs --help" ;;
    ical) options="--from --days $location --events --grade --output --jobs --help" ;;
    table) options="--year --gmt --tz --place --format --help" ;;
    calendar) options="--month --output --paper --with --lat --lon --gmt --tz --place --location --south --help" ;;
    places) options="--format --help" ;;
    "journal list" | "journal stats") options="--format --folder $location --help" ;;
    "journal export") options="--output --folder $location --help" ;;
    *) return 0 ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return 0
}

complete -F _biteclock_cli biteclock-cli
