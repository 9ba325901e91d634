// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceTexts.h"

#include <QRegularExpression>

namespace SourceTexts
{
namespace
{
bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// What makes a literal into a string without saying where it goes: a literal inside belongs to
// the call around.
const QStringList kWrappers{QStringLiteral("QStringLiteral"),    QStringLiteral("QLatin1String"),
                            QStringLiteral("QLatin1StringView"), QStringLiteral("QStringView"),
                            QStringLiteral("QString"),           QStringLiteral("fromLatin1"),
                            QStringLiteral("fromUtf8"),          QStringLiteral("QByteArrayLiteral")};

// An open bracket: the call it begins (or "{", "["), and how many commas it has seen.
struct Open
{
    QString call;
    int argument = 0;
};

// Reads a C++ source one token at a time, as far as literals, brackets and commas need.
class Lexer
{
public:
    explicit Lexer(const QString &code) : m_code(code) {}

    std::vector<Literal> run()
    {
        while (m_at < m_code.size())
            step();
        return std::move(m_found);
    }

private:
    QChar at(qsizetype offset = 0) const
    {
        const qsizetype i = m_at + offset;
        return i < m_code.size() ? m_code[i] : QChar();
    }

    void skipTo(QStringView end)
    {
        const qsizetype found = m_code.indexOf(end, m_at);
        const qsizetype stop = found < 0 ? m_code.size() : found + end.size();
        m_line += static_cast<int>(QStringView(m_code).mid(m_at, stop - m_at).count(u'\n'));
        m_at = stop;
    }

    // At the start of a line (spaces aside)?
    bool lineStart() const
    {
        for (qsizetype i = m_at - 1; i >= 0 && m_code[i] != u'\n'; --i)
        {
            if (!m_code[i].isSpace())
                return false;
        }
        return true;
    }

    void step()
    {
        const QChar c = at();
        if (c == u'/' && at(1) == u'/')
            return skipTo(u"\n");
        if (c == u'/' && at(1) == u'*')
            return skipTo(u"*/");
        if (c == u'#' && lineStart())
            return preprocessorLine();
        if (c == u'"')
            return stringLiteral(false);
        if (c == u'\'')
            return characterLiteral();
        if (c.isLetter() || c == u'_')
            return identifier();
        if (c == u'\n')
            ++m_line;
        else if (c == u'(' && kWrappers.contains(m_lastIdentifier))
            m_open.push_back(m_open.empty() ? Open{} : m_open.back());
        else if (c == u'(' || c == u'{' || c == u'[')
            m_open.push_back({c == u'(' ? m_lastIdentifier : QString(c), 0});
        else if ((c == u')' || c == u'}' || c == u']') && !m_open.empty())
            m_open.pop_back();
        else if (c == u',' && !m_open.empty())
            ++m_open.back().argument;
        if (!c.isSpace())
        {
            m_lastIdentifier.clear();
            m_joinable = false;
        }
        ++m_at;
    }

    // Up to the end of the line, continued lines included.
    void preprocessorLine()
    {
        while (m_at < m_code.size() && at() != u'\n')
        {
            if (at() == u'\\' && at(1) == u'\n')
                ++m_line, ++m_at;
            ++m_at;
        }
    }

    void identifier()
    {
        const qsizetype start = m_at;
        while (m_at < m_code.size() && isIdentifierChar(at()))
            ++m_at;
        const QString name = m_code.mid(start, m_at - start);
        static const QStringList prefixes{QStringLiteral("u8"), QStringLiteral("u"), QStringLiteral("U"),
                                          QStringLiteral("L")};
        const bool raw = name.endsWith(u'R') && (name.size() == 1 || prefixes.contains(name.chopped(1)));
        if (at() == u'"' && (raw || prefixes.contains(name)))
            return stringLiteral(raw);
        if (at() == u'\'' && prefixes.contains(name))
            return characterLiteral();
        m_lastIdentifier = name;
        m_joinable = false;
    }

    void characterLiteral()
    {
        ++m_at;
        while (m_at < m_code.size() && at() != u'\'')
            m_at += at() == u'\\' ? 2 : 1;
        ++m_at;
        m_lastIdentifier.clear();
        m_joinable = false;
    }

    // At the opening quote.
    void stringLiteral(bool raw)
    {
        const int line = m_line;
        QString text;
        if (raw)
        {
            const qsizetype paren = m_code.indexOf(u'(', m_at);
            const QString end = u')' + m_code.mid(m_at + 1, paren - m_at - 1) + u'"';
            m_at = paren + 1;
            const qsizetype close = m_code.indexOf(end, m_at);
            text = m_code.mid(m_at, close - m_at);
            m_line += static_cast<int>(text.count(u'\n'));
            m_at = close + end.size();
        }
        else
        {
            ++m_at;
            while (m_at < m_code.size() && at() != u'"' && at() != u'\n')
            {
                const int length = at() == u'\\' ? 2 : 1;
                text += m_code.mid(m_at, length);
                m_at += length;
            }
            ++m_at;
        }
        if (m_joinable && !m_found.empty())
        {
            m_found.back().written += text;
        }
        else
        {
            const Open open = m_open.empty() ? Open{} : m_open.back();
            m_found.push_back({line, text, open.call, open.argument});
        }
        m_lastIdentifier.clear();
        m_joinable = true;
    }

    const QString &m_code;
    qsizetype m_at = 0;
    int m_line = 1;
    std::vector<Open> m_open;
    QString m_lastIdentifier;
    // The last token was a string literal, so a literal now continues it.
    bool m_joinable = false;
    std::vector<Literal> m_found;
};

// A call that hands its literals to the translator, and which of its arguments is the source text
// (the context, where there is one, comes before it).
struct TranslatingCall
{
    QStringView name;
    int sourceText;
};

constexpr TranslatingCall kTranslatingCalls[] = {
    {u"tr", 0},
    {u"QT_TR_NOOP", 0},
    {u"QT_TR_N_NOOP", 0},
    {u"translate", 1},
    {u"QT_TRANSLATE_NOOP", 1},
    {u"QT_TRANSLATE_N_NOOP", 1},
    {u"QT_TRANSLATE_NOOP3", 1},
};

const TranslatingCall *translatingCall(const QString &name)
{
    for (const TranslatingCall &call : kTranslatingCalls)
    {
        if (call.name == name)
            return &call;
    }
    return nullptr;
}
} // namespace

std::vector<Literal> literals(const QString &code)
{
    return Lexer(code).run();
}

QString decoded(const QString &written)
{
    QString text;
    for (qsizetype i = 0; i < written.size(); ++i)
    {
        if (written[i] != u'\\' || i + 1 == written.size())
        {
            text += written[i];
            continue;
        }
        const QChar e = written[++i];
        if (e == u'n')
            text += u'\n';
        else if (e == u't')
            text += u'\t';
        else if (e == u'r')
            text += u'\r';
        else if (e == u'x')
        {
            qsizetype end = i + 1;
            while (end < written.size() && end < i + 3 && isxdigit(written[end].unicode()))
                ++end;
            text += QChar(written.mid(i + 1, end - i - 1).toUShort(nullptr, 16));
            i = end - 1;
        }
        else
            text += e;
    }
    return text;
}

bool isTranslated(const Literal &literal)
{
    return translatingCall(literal.call) != nullptr;
}

bool isSourceText(const Literal &literal)
{
    const TranslatingCall *call = translatingCall(literal.call);
    return call && literal.argument == call->sourceText;
}

bool looksLikeText(const QString &written)
{
    static const QRegularExpression twoWords(QStringLiteral("[A-Za-z]{2,} +[A-Za-z]|[A-Za-z] +[A-Za-z]{2,}"));
    static const QRegularExpression capitalised(QStringLiteral(R"(\b[A-Z][a-z]+\b)"));
    static const QRegularExpression alone(QStringLiteral(R"(^&?[A-Z][a-z]+[.:!?]*$)"));
    static const QRegularExpression sentenceEnd(QStringLiteral(R"([A-Za-z]{2,}[.:!?]$)"));
    return written.contains(twoWords) || (written.contains(capitalised) && written.contains(u' ')) ||
           written.contains(alone) || written.contains(sentenceEnd);
}
} // namespace SourceTexts
