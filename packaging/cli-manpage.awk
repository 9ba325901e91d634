# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the text of "corvina-cli --help" into the manual page corvina-cli(1), so that the page
# lists exactly the options the program reads. The help text's layout:
#
#   Usage: PROGRAM ...            the synopsis; further forms indented below it
#   paragraphs                    the description
#   Heading:                      after a blank line: a group of options ("Options:" first)
#     --name VALUE  text          an option, its text continued on indented lines
#   Label: paragraph              a closing section, such as "Exit status: ..."
#
# A line that fits none of these stops the build, rather than leaving it out of the page.
#
#   awk -v version=3.0 -v date=2026-12-07 -f cli-manpage.awk help.txt > corvina-cli.1

function fail(why) {
    printf "cli-manpage.awk: line %d of the help text %s: %s\n", NR, why, $0 > "/dev/stderr"
    failed = 1
    exit 1
}

# The text as roff: backslashes kept, options (--name, -h) in bold with their hyphens as \-.
function roff(s,    out, i, n, c, before) {
    out = ""
    n = length(s)
    for (i = 1; i <= n; i++) {
        c = substr(s, i, 1)
        before = i == 1 ? " " : substr(s, i - 1, 1)
        if (c == "-" && before ~ /[ ("]/ && substr(s, i + 1, 1) ~ /[-a-zA-Z]/) {
            out = out "\\fB"
            while (i <= n && substr(s, i, 1) ~ /[-a-zA-Z0-9]/) {
                c = substr(s, i, 1)
                out = out (c == "-" ? "\\-" : c)
                i++
            }
            out = out "\\fR"
            i--
        } else if (c == "\\") {
            out = out "\\e"
        } else {
            out = out c
        }
    }
    return out ~ /^[.']/ ? "\\&" out : out
}

# One form of the synopsis: the program in bold, options in bold, placeholders in italics.
function synopsis(s,    n, words, i, w, core, lead, tail, out) {
    n = split(s, words, " ")
    out = ".B " words[1]
    for (i = 2; i <= n; i++) {
        w = words[i]
        lead = ""
        tail = ""
        while (substr(w, 1, 1) == "[") { lead = lead "["; w = substr(w, 2) }
        while (w ~ /(\]|\.\.\.)$/) {
            if (w ~ /\]$/) { tail = "]" tail; w = substr(w, 1, length(w) - 1) }
            else { tail = "..." tail; w = substr(w, 1, length(w) - 3) }
        }
        if (w ~ /^-/)
            core = roff(w)
        else
            core = "\\fI" w "\\fR"
        out = out (i > 2 ? " " : "\n") lead core tail
    }
    return out "\n"
}

function flushItem() {
    if (tag != "")
        printf ".TP\n%s\n%s\n", tag, roff(itemText)
    tag = ""
    itemText = ""
}

function flushParagraph(    label) {
    if (paragraph == "")
        return
    if (part == "after" && match(paragraph, /^[A-Z][A-Za-z ]*: /)) {
        label = toupper(substr(paragraph, 1, RLENGTH - 2))
        paragraph = substr(paragraph, RLENGTH + 1)
        printf ".SH \"%s\"\n%s\n", label, roff(toupper(substr(paragraph, 1, 1)) substr(paragraph, 2))
    } else {
        printf "%s%s\n", (paragraphs++ > 0 || part == "after" ? ".PP\n" : ""), roff(paragraph)
    }
    paragraph = ""
}

# The tag of an option line ("--name VALUE", "-n, --name"); the rest of the line is its text.
function optionTag(line,    out, value) {
    out = ""
    line = substr(line, 3)
    while (match(line, /^-[-a-zA-Z0-9]+/)) {
        out = out (out == "" ? "" : ", ") roff(substr(line, 1, RLENGTH))
        line = substr(line, RLENGTH + 1)
        if (substr(line, 1, 3) ~ /^, -/)
            line = substr(line, 3)
    }
    if (match(line, /^ [A-Z][A-Z0-9_]*( |$)/)) {
        value = substr(line, 2, RLENGTH - 1)
        sub(/ $/, "", value)
        out = out " \\fI" value "\\fR"
        line = substr(line, RLENGTH + 1)
    }
    sub(/^ +/, "", line)
    itemText = line
    return out
}

BEGIN {
    part = "usage"
    tag = ""
    paragraph = ""
    paragraphs = 0
    blankBefore = 0
}

NR == 1 {
    if ($0 !~ /^Usage: [a-z]/)
        fail("does not begin with \"Usage: \"")
    program = $2
    printf ".\\\" Made from \"%s --help\" at build time by packaging/cli-manpage.awk.\n", program
    printf ".TH %s 1 \"%s\" \"Corvina %s\" \"User Commands\"\n", toupper(program), date, version
    printf ".SH NAME\n%s \\- find duplicate files from a terminal\n", program
    printf ".SH SYNOPSIS\n%s", synopsis(substr($0, 8))
    next
}

part == "usage" && /^ +[a-z]/ {
    sub(/^ +/, "")
    printf ".br\n%s", synopsis($0)
    next
}

/^$/ {
    blankBefore = 1
    flushItem()
    flushParagraph()
    if (part == "usage") {
        part = "description"
        print ".SH DESCRIPTION"
    } else if (part == "options") {
        part = "between"
    }
    next
}

# A heading stands after a blank line; a paragraph's line that happens to end with ":" is none.
blankBefore && /^[A-Z][^:]*:$/ {
    blankBefore = 0
    flushParagraph()
    if (!optionsSeen)
        print ".SH OPTIONS"
    if (optionsSeen || $0 != "Options:")
        printf ".SS \"%s\"\n", substr($0, 1, length($0) - 1)
    optionsSeen = 1
    part = "options"
    next
}

{ blankBefore = 0 }

/^  -/ {
    if (part != "options")
        fail("holds an option outside a group of options")
    flushItem()
    tag = optionTag($0)
    next
}

/^   +[^ ]/ {
    if (tag == "")
        fail("is indented but continues no option")
    sub(/^ +/, "")
    itemText = itemText " " $0
    next
}

/^[^ ]/ {
    if (part == "between")
        part = "after"
    if (part != "description" && part != "after")
        fail("has a paragraph where an option was expected")
    paragraph = paragraph (paragraph == "" ? "" : " ") $0
    next
}

{
    fail("has a layout this script does not know")
}

END {
    if (failed)
        exit 1
    flushItem()
    flushParagraph()
    if (!optionsSeen) {
        print "cli-manpage.awk: the help text lists no options" > "/dev/stderr"
        exit 1
    }
    print ".SH \"SEE ALSO\""
    print ".BR corvina (1)"
}
