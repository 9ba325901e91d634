// SPDX-License-Identifier: GPL-3.0-or-later
// The German catalogue (translations/corvina_de.ts) against the sources: every text lupdate finds
// has a finished translation, nothing vanished is left, every text given to tr() is found, and
// each translation keeps its source's placeholders, access key, line breaks and ending. Then the
// catalogue as the programs load it.
#include "SourceTexts.h"
#include "core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace
{
const QString kSourceRoot = QStringLiteral(CORVINA_SOURCE_DIR);
const QString kCatalogue = QStringLiteral(CORVINA_CATALOGUE);

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    QString type; // the translation's type: "" when finished, else "unfinished", "vanished", ...
    QStringList translations;

    std::string where() const { return QString(context + QStringLiteral(": \"") + source + u'"').toStdString(); }
};

// The text of the element the reader is at, with lupdate's <byte value="xd"/> for each character
// XML cannot hold as it is (a carriage return).
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd())
    {
        switch (xml.readNext())
        {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == u"byte")
                text += QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUShort(nullptr, 16));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

std::vector<Message> messages(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&f);
    std::vector<Message> found;
    QString context;
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = elementText(xml);
        else if (xml.name() == u"message")
            found.push_back(
                {context, QString(), xml.attributes().value(QStringLiteral("numerus")) == u"yes", QString(), {}});
        else if (xml.name() == u"source")
            found.back().source = elementText(xml);
        else if (xml.name() == u"translation")
        {
            found.back().type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!found.back().numerus)
                found.back().translations << elementText(xml);
        }
        else if (xml.name() == u"numerusform")
            found.back().translations << elementText(xml);
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return found;
}

// The catalogue as lupdate leaves it after reading the sources now: new texts come in unfinished,
// texts no source holds any more are marked vanished. What lupdate says besides (such as
// "Discarding unconsumed meta data", a translator's comment that found no text) goes to `said`.
std::vector<Message> catalogueAfterLupdate(QString &said)
{
    const QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("corvina_de.ts"));
    EXPECT_TRUE(QFile::copy(kCatalogue, copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(CORVINA_LUPDATE),
                  {QStringLiteral("-recursive"), kSourceRoot + QStringLiteral("/src"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-ts"), copy});
    // lupdate can loop for ever on a text it misreads: a hang fails instead of stopping CI.
    if (!lupdate.waitForFinished(120000))
    {
        lupdate.kill();
        lupdate.waitForFinished();
        ADD_FAILURE() << "lupdate did not finish in two minutes";
        return {};
    }
    EXPECT_EQ(lupdate.exitCode(), 0);
    said = QString::fromUtf8(lupdate.readAllStandardError());
    return messages(copy);
}

// The placeholders of a text, in order of number: %1..%99, and %n for the count of a plural.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?([0-9]{1,2}|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

// The access keys: an "&" before a letter ("&&" is an ampersand).
int accessKeys(const QString &text)
{
    static const QRegularExpression key(QStringLiteral("&(?=[^&\\s])"));
    return static_cast<int>(text.count(key)) - static_cast<int>(text.count(QStringLiteral("&&"))) * 2;
}

struct Ends
{
    QString leading;
    QString trailing;
};

Ends blanksAround(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text[first].isSpace())
        ++first;
    qsizetype last = text.size();
    while (last > first && text[last - 1].isSpace())
        --last;
    return {text.left(first), text.mid(last)};
}

// Where the source's ending asks for one: a colon stays a colon, "..." stays "...", and a sentence
// ends as a sentence ("." "?" or "!", so a statement may become a question).
QString endingFault(const QString &source, const QString &translation)
{
    const QString s = source.trimmed();
    const QString t = translation.trimmed();
    if (s.endsWith(u':') != t.endsWith(u':'))
        return QStringLiteral("a colon at the end in one of them only");
    if (s.endsWith(u"...") != t.endsWith(u"..."))
        return QStringLiteral("\"...\" at the end in one of them only");
    static const QRegularExpression sentenceEnd(QStringLiteral("[.?!]$"));
    if (s.contains(sentenceEnd) && !t.contains(sentenceEnd))
        return QStringLiteral("the sentence's end is missing");
    return {};
}

// The source texts given to tr(), translate() and the QT_TR*_NOOP markers as literals.
std::set<QString> sourceTextsInTheCode()
{
    std::set<QString> texts;
    QDirIterator it(kSourceRoot + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        for (const SourceTexts::Literal &l : SourceTexts::literals(QString::fromUtf8(f.readAll())))
        {
            if (SourceTexts::isSourceText(l))
                texts.insert(SourceTexts::decoded(l.written));
        }
    }
    return texts;
}

// Removes every translator Translations::install gave the application.
void removeTranslators()
{
    for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>())
    {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}
} // namespace

TEST(TranslationCatalogue, EveryTextOfTheSourcesHasAFinishedGermanTranslation)
{
    QString said;
    const std::vector<Message> catalogue = catalogueAfterLupdate(said);
    ASSERT_GT(catalogue.size(), 500u); // lupdate found the sources
    const auto faults = QRegularExpression(QStringLiteral(".*:[0-9]+: .*"));
    for (const QString &line : said.split(u'\n'))
    {
        EXPECT_FALSE(faults.match(line).hasMatch())
            << "lupdate: " << line.toStdString() << " (a translator's comment //: must stand right before its text)";
    }
    const std::string howTo = "; run `cmake --build build/asan --target update_translations` and translate it in "
                              "translations/corvina_de.ts";
    for (const Message &m : catalogue)
    {
        if (m.type == u"vanished" || m.type == u"obsolete")
            ADD_FAILURE() << m.where() << " is no longer in the sources" << howTo;
        else if (!m.type.isEmpty())
            ADD_FAILURE() << m.where() << " is " << m.type.toStdString() << howTo;
        EXPECT_EQ(m.translations.size(), m.numerus ? 2 : 1) << m.where();
        for (const QString &t : m.translations)
            EXPECT_FALSE(t.trimmed().isEmpty()) << m.where() << " has an empty translation";
    }

    // Every literal text given to the translator reaches the catalogue: lupdate skips a text it
    // misreads without a word (Qt 6.4 does so for a plural whose count is a cast).
    std::set<QString> extracted;
    for (const Message &m : catalogue)
        extracted.insert(m.source);
    for (const QString &text : sourceTextsInTheCode())
        EXPECT_TRUE(extracted.count(text)) << "lupdate does not find \"" << text.toStdString() << '"';
}

TEST(TranslationCatalogue, TranslationsKeepPlaceholdersAccessKeysLinesAndEnds)
{
    for (const Message &m : messages(kCatalogue))
    {
        for (const QString &t : m.translations)
        {
            EXPECT_EQ(placeholders(t), placeholders(m.source)) << m.where() << " -> " << t.toStdString();
            EXPECT_EQ(accessKeys(t), accessKeys(m.source)) << m.where() << " -> " << t.toStdString();
            EXPECT_EQ(t.count(u'\n'), m.source.count(u'\n')) << m.where() << " -> " << t.toStdString();
            const Ends s = blanksAround(m.source);
            const Ends tr = blanksAround(t);
            EXPECT_EQ(tr.leading, s.leading) << m.where() << " -> " << t.toStdString();
            EXPECT_EQ(tr.trailing, s.trailing) << m.where() << " -> " << t.toStdString();
            const QString fault = endingFault(m.source, t);
            EXPECT_TRUE(fault.isEmpty()) << m.where() << " -> " << t.toStdString() << ": " << fault.toStdString();
        }
    }
}

TEST(TranslationCatalogue, TheUsersLocalePicksTheLanguage)
{
    QCoreApplication &app = *QCoreApplication::instance();
    // German, in the forms LANG and LANGUAGE give it.
    for (const char *name : {"de_DE", "de_AT", "de"})
    {
        EXPECT_EQ(Translations::install(app, QLocale(QString::fromLatin1(name))), QLocale::German) << name;
        EXPECT_EQ(QCoreApplication::translate("MainFrm", "&File"), QStringLiteral("&Datei")) << name;
        EXPECT_EQ(QCoreApplication::translate("ShownSize", "%n Bytes", nullptr, 1), QStringLiteral("1 Byte"));
        EXPECT_EQ(QCoreApplication::translate("ShownSize", "%n Bytes", nullptr, 512), QStringLiteral("512 Bytes"));
        removeTranslators();
    }
    // English and the C locale keep the texts as the sources write them, Qt's included.
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom)})
    {
        EXPECT_EQ(Translations::install(app, locale), QLocale::C) << locale.name().toStdString();
        EXPECT_TRUE(app.findChildren<QTranslator *>().isEmpty());
        EXPECT_EQ(QCoreApplication::translate("MainFrm", "&File"), QStringLiteral("&File"));
    }
    // Qt's own texts (its buttons) follow Corvina's language where Qt's translations are installed.
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translation (qt6-translations-l10n) is not installed";
    Translations::install(app, QLocale(QLocale::German));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    removeTranslators();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
