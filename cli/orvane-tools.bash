# bash completion for orvane-tools: commands, their options and the unit names.
#
# The names come from the program itself (its --help texts and 'orvane-tools units'), so the
# completion follows the installed version.

_orvane_tools() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local program=${COMP_WORDS[0]}
    if [[ $COMP_CWORD -eq 1 ]]; then
        local commands
        commands=$("$program" --help 2>/dev/null | awk '/^Commands:/ {on = 1; next} on && /^  [a-z]/ {print $1}')
        COMPREPLY=($(compgen -W "$commands help --help --version" -- "$cur"))
        return
    fi
    local command=${COMP_WORDS[1]}
    if [[ $command == help ]]; then
        [[ $COMP_CWORD -eq 2 ]] && COMPREPLY=($(compgen -W "$("$program" --help 2>/dev/null |
            awk '/^Commands:/ {on = 1; next} on && /^  [a-z]/ {print $1}')" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        local options
        options=$("$program" "$command" --help 2>/dev/null | grep -oE -- '(^|[][ (|,])--?[a-z][a-z-]*' |
            sed 's/^[][ (|,]//' | grep -E -- '^(-[a-z]|--[a-z][a-z-]+)$' | sort -u)
        COMPREPLY=($(compgen -W "$options --help --quiet" -- "$cur"))
        return
    fi
    case $command in
        format | parse | convert | current)
            if [[ $COMP_CWORD -eq 2 ]]; then
                COMPREPLY=($(compgen -W "angle length area volume" -- "$cur"))
            else
                local kind=${COMP_WORDS[2]} units
                units=$("$program" units 2>/dev/null | awk -v kind="$kind" '$1 == kind {print $2}')
                COMPREPLY=($(compgen -W "$units" -- "$cur"))
            fi
            ;;
        solve)
            [[ $COMP_CWORD -eq 2 ]] && COMPREPLY=($(compgen -W "quadratic cubic" -- "$cur"))
            ;;
        matrix)
            [[ $COMP_CWORD -eq 2 ]] && COMPREPLY=($(compgen -W "inverse solve" -- "$cur"))
            ;;
        grep)
            COMPREPLY=($(compgen -f -- "$cur"))
            ;;
    esac
}
complete -F _orvane_tools orvane-tools
