# bash completion for tessarin: commands, options, and the style names of
# the working folder's Specs.lst (the folder -C/--dir names, else this one).

_tessarin_styles() {
    local dir=$1 line
    [ -r "$dir/Specs.lst" ] || return 0
    while IFS= read -r line || [ -n "$line" ]; do
        line=${line%$'\r'}
        [ "$line" = "Enter New Specs" ] && break
        [ -n "$line" ] && printf '%s\n' "$line"
    done < "$dir/Specs.lst"
}

# The sample materials the program itself names (the first word of each
# line of `init --list`), asked of the program as it was typed.
_tessarin_materials() {
    "$1" init --list 2>/dev/null | while read -r name _; do printf '%s\n' "$name"; done
}

_tessarin() {
    local cur prev word cmd="" sub="" dir=. i
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
            -C|--dir)
                # bash splits --dir=DIR at the '=' (COMP_WORDBREAKS).
                [ "${COMP_WORDS[i+1]}" = "=" ] && ((i++))
                dir=${COMP_WORDS[i+1]}; ((i++)) ;;
            --dir=*) dir=${word#--dir=} ;;
            -*) ;;
            *) if [ -z "$cmd" ]; then cmd=$word; elif [ -z "$sub" ]; then sub=$word; fi ;;
        esac
    done
    dir=${dir/#\~/$HOME}

    case $prev in
        -C|--dir) mapfile -t COMPREPLY < <(compgen -d -- "$cur"); return ;;
        --seed|--max) return ;;
        --material) mapfile -t COMPREPLY < <(compgen -W "$(_tessarin_materials "${COMP_WORDS[0]}")" -- "$cur"); return ;;
        --paper) mapfile -t COMPREPLY < <(compgen -W "letter a4" -- "$cur"); return ;;
        --cards) mapfile -t COMPREPLY < <(compgen -W "single sheet" -- "$cur"); return ;;
        -o|--output) mapfile -t COMPREPLY < <(compgen -f -X '!*.pdf' -- "$cur"); return ;;
    esac

    local opts
    case $cmd in
        "") opts="-h --help --version -C --dir init run check pdf season help" ;;
        init) opts="-h --help --material --list" ;;
        run) opts="-h --help --seed -q --quiet -k --keep-going --pdf --no-season" ;;
        check) opts="-h --help --max --verbose" ;;
        pdf) opts="-h --help -o --output --paper --cards" ;;
        season) opts="-h --help" ;;
        help) opts="init run check pdf season" ;;
    esac
    if [[ $cur == -* || $cmd == "" || $cmd == help ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$opts" -- "$cur")
        return
    fi
    case $cmd in
        init) mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
        run)
            local IFS=$'\n'
            mapfile -t COMPREPLY < <(compgen -W "$(_tessarin_styles "$dir")" -- "$cur") ;;
        check) mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
        pdf) mapfile -t COMPREPLY < <(compgen -f -X '!*.@(qui|inf)' -- "$cur"; compgen -d -- "$cur") ;;
        season) [ -z "$sub" ] && mapfile -t COMPREPLY < <(compgen -W "start list forget" -- "$cur") ;;
    esac
}
complete -F _tessarin tessarin
