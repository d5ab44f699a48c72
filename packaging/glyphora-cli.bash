# bash completion for glyphora-cli: commands, their options, option values, and the installed
# font families wherever a family is asked for.

_glyphora_cli_families() {
    # The second field of "glyphora-cli fonts"; a family with blanks stays one word.
    local IFS=$'\n'
    local families
    families=$(glyphora-cli fonts 2>/dev/null | cut -f2)
    COMPREPLY=($(compgen -W "$families" -- "$cur"))
    local i
    for i in "${!COMPREPLY[@]}"; do COMPREPLY[i]=$(printf '%q' "${COMPREPLY[i]}"); done
}

_glyphora_cli() {
    local cur prev words cword
    _init_completion || return

    local commands="name type entities entity subranges fonts glyphs find page encode"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]}
    case $prev in
        --font)
            _glyphora_cli_families
            return
            ;;
        --data-dir)
            _filedir -d
            return
            ;;
        --show-all | --hex | --preview-charset)
            COMPREPLY=($(compgen -W "on off" -- "$cur"))
            return
            ;;
        --scroll-line | --scroll-page)
            COMPREPLY=($(compgen -W "up down" -- "$cur"))
            return
            ;;
        --notation)
            COMPREPLY=($(compgen -W "hex dec" -- "$cur"))
            return
            ;;
        --keys)
            COMPREPLY=($(compgen -W "Left Right Up Down Home End PageUp PageDown Enter
                Ctrl+Home Ctrl+End Ctrl+PageUp Ctrl+PageDown" -- "$cur"))
            return
            ;;
        --format | --code-page | --coverage | --covering | --next | --subrange | --goto | \
            --fill | --select | --scroll | --copy-text | --search | --symbol | --goto-box)
            return  # a value of the user's own
            ;;
    esac

    local options=""
    case $command in
        name | entities | entity) options="--data-dir" ;;
        subranges) options="--all --coverage --font" ;;
        fonts) options="--covering" ;;
        glyphs)
            ((cword == 2)) && _glyphora_cli_families
            return
            ;;
        find) options="--show-all --font --next --data-dir" ;;
        encode) options="--format --code-page --font --current --data-dir" ;;
        page)
            options="--font --show-all --subrange --goto --fill --select --keys --scroll
                --scroll-line --scroll-page --hex --format --copy-text --code-page
                --preview-charset --search --search-next --symbol --goto-box --notation --json"
            ;;
        *) return ;;
    esac
    [[ $cur == -* || $command == page ]] && COMPREPLY=($(compgen -W "$options" -- "$cur"))
}
complete -F _glyphora_cli glyphora-cli
