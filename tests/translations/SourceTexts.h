// SPDX-License-Identifier: GPL-3.0-or-later
// The string literals of C++ sources as the translation tests read them: where each stands, and
// whether the translator sees it.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace SourceTexts
{
/// One string literal, with the literals written right after it ("a" "b") joined to it.
struct Literal
{
    int line = 0;
    /// As written between the quotes, escapes and all; a raw string's text as it stands.
    QString written;
    /// The function whose argument list holds the literal ("tr", "setText"), looking through
    /// QStringLiteral(), QLatin1String() and the like; "{" inside braces, empty outside any call.
    QString call;
    /// The literal's place in that list, from 0.
    int argument = 0;
};

/// Every string literal of a C++ source, in order; those in comments, in preprocessor lines and in
/// character literals are not literals. A macro call counts as a call.
std::vector<Literal> literals(const QString &code);

/// The text of a literal as the program holds it: the escapes \n \t \r \" \' \\ \? and \xHH
/// resolved.
QString decoded(const QString &written);

/// True when the literal is an argument of tr(), QCoreApplication::translate() or a QT_TR*_NOOP
/// marker: a source text, or the context or the disambiguation that goes with one.
bool isTranslated(const Literal &literal);

/// True when the literal is a source text the translator is asked for (not a context or a
/// comment for the translator).
bool isSourceText(const Literal &literal);

/// True when the literal reads like words a person is meant to read: two words with spaces
/// between, a capitalised word in a text with a space ("Error: %1"), a capitalised word alone
/// ("Cancel", "&Yes"), or a word closing a sentence ("failed:"). Names of objects, keys and
/// options ("cmdAdd", "keep-oldest", "*.log"), program names and style sheets do not.
bool looksLikeText(const QString &written);
} // namespace SourceTexts
