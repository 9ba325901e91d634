# Bash completion for corvina-cli: its options and their values, then folders.
#
# The options and the placeholders of their values (FILE, FOLDER, ENGINE, ...) are read from
# "corvina-cli --help", so a new option completes without a change here. Values that are one of a
# few words are listed in _corvina_cli_values; tests/packaging fails when --help shows a value
# that function does not know, or words that differ from the ones --help names.

# Reads the options of PROGRAM --help into _corvina_cli_names (in their order) and
# _corvina_cli_placeholder (option -> the placeholder of its value, "" for a switch); once per
# program and shell.
_corvina_cli_read_help()
{
    [[ ${_corvina_cli_help_of-} == "$1" ]] && return
    _corvina_cli_names=()
    declare -gA _corvina_cli_placeholder=()
    local line rest placeholder name names
    while IFS= read -r line; do
        [[ $line == "  -"* ]] || continue
        # "  --name VALUE  text" or "  -n, --name  text"
        rest=${line:2}
        names=()
        while [[ $rest =~ ^(-[-a-zA-Z0-9]+)(,\ )?(.*)$ ]]; do
            names+=("${BASH_REMATCH[1]}")
            rest=${BASH_REMATCH[3]}
            [[ -n ${BASH_REMATCH[2]} ]] || break
        done
        placeholder=""
        [[ $rest =~ ^\ ([A-Z][A-Z0-9_]*)(\ |$) ]] && placeholder=${BASH_REMATCH[1]}
        for name in "${names[@]}"; do
            _corvina_cli_names+=("$name")
            _corvina_cli_placeholder[$name]=$placeholder
        done
    done < <("$1" --help 2>/dev/null)
    _corvina_cli_help_of=$1
}

# How the value of OPTION (PLACEHOLDER in --help) completes: prints "words W..." (one of those
# words), "files", "folders" or "text" (anything, so nothing to offer). Returns 1 for a value it
# does not know.
_corvina_cli_values()
{
    case $1 in
    --engine) echo "words byte crc name zero folders pictures" ;;
    --similarity) echo "words strict close loose" ;;
    --format) echo "words text groups json null" ;;
    --export-format) echo "words csv html" ;;
    --export-rows) echo "words all marked" ;;
    --delimiter) echo "words comma semi tab" ;;
    --mark) echo "words keep-newest keep-oldest keep-largest keep-smallest saved in:" ;;
    --link) echo "words hard clone" ;;
    *)
        case $2 in
        FILE) echo files ;;
        FOLDER) echo folders ;;
        KB | TEXT) echo text ;;
        *) return 1 ;;
        esac
        ;;
    esac
}

_corvina_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} option how i ended=""
    COMPREPLY=()
    _corvina_cli_read_help "$1"

    # "--name=value" reaches us as the words "--name", "=" and the value.
    option=$prev
    if [[ $cur == = ]]; then
        cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD >= 2)); then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    # After "--" every word is a folder, even one that starts with "-".
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -- ]] && ended=yes
    done
    how=folders
    if [[ -z $ended && $option == -* && -n ${_corvina_cli_placeholder[$option]-} ]]; then
        how=$(_corvina_cli_values "$option" "${_corvina_cli_placeholder[$option]}") || how=files
    elif [[ -z $ended && $cur == -* ]]; then
        how="words ${_corvina_cli_names[*]}"
    fi

    case $how in
    words\ *) mapfile -t COMPREPLY < <(compgen -W "${how#words }" -- "$cur") ;;
    files)
        compopt -o filenames
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    folders)
        compopt -o filenames
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        ;;
    esac
}

complete -F _corvina_cli corvina-cli
