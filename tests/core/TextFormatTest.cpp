// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextFormat.h"
#include "core/ShownSize.h"
#include "core/TextCompare.h"
#include "core/VbNumeric.h"
#include "core/VisibleText.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace TextFormat;

TEST(TextFormat, SizeTextThresholds)
{
    QLocale::setDefault(QLocale::c());
    const std::vector<std::pair<double, const char *>> cases{{0, "0 Bytes"},
                                                             {512, "512 Bytes"},
                                                             {1023, "1023 Bytes"},
                                                             {1024, "1.00 KB"},
                                                             {1536, "1.50 KB"},
                                                             {1048575, "1024.00 KB"},
                                                             {1048576, "1.00 MB"},
                                                             {1572864, "1.50 MB"},
                                                             {1073741823, "1024.00 MB"},
                                                             {1073741824, "1.00 GB"},
                                                             {3.0 * 1073741824, "3.00 GB"},
                                                             {1126, "1.10 KB"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(sizeText(value), QString::fromLatin1(text)) << value;

    // Files keep one text in every locale; the windows show ShownSize::text.
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(sizeText(1536), QStringLiteral("1.50 KB"));
    EXPECT_EQ(ShownSize::text(1536), QStringLiteral("1,50 KB"));
    EXPECT_EQ(ShownSize::text(512), QStringLiteral("512 Bytes"));
    QLocale::setDefault(QLocale::c());
    for (const auto &[value, text] : cases)
        EXPECT_EQ(ShownSize::text(value), QString::fromLatin1(text)) << value;
}

TEST(TextFormat, NumberFormats)
{
    EXPECT_EQ(pad12(1234), QStringLiteral("000000001234"));
    EXPECT_EQ(pad12(0), QStringLiteral("000000000000"));
    EXPECT_EQ(pad12(3000000000LL), QStringLiteral("000003000000000").right(12));
    EXPECT_EQ(pad11(2), QStringLiteral("00000000002"));
    EXPECT_EQ(oneDecimal(0), QStringLiteral("0.0"));
    EXPECT_EQ(oneDecimal(100.0 / 3), QStringLiteral("33.3"));
    EXPECT_EQ(oneDecimal(99.96), QStringLiteral("100.0"));
    EXPECT_EQ(twoDecimals(0.125), QStringLiteral("0.13"));
    EXPECT_EQ(twoDecimals(0.5), QStringLiteral("0.50"));
}

TEST(TextFormat, DateTextsWrittenAndReadBack)
{
    const QDateTime evening(QDate(2004, 3, 7), QTime(21, 5, 3));
    EXPECT_EQ(dateText(evening), QStringLiteral("3/7/2004 9:05:03 PM"));
    EXPECT_EQ(dateText(QDateTime(QDate(2026, 12, 25), QTime(0, 0, 9))), QStringLiteral("12/25/2026 12:00:09 AM"));
    EXPECT_EQ(dateText(QDateTime(QDate(2026, 1, 2), QTime(12, 30, 0))), QStringLiteral("1/2/2026 12:30:00 PM"));
    for (const QDateTime &when :
         {evening, QDateTime(QDate(2026, 12, 25), QTime(0, 0, 9)), QDateTime(QDate(1999, 11, 30), QTime(12, 59, 59))})
        EXPECT_EQ(parseDateText(dateText(when)), when);
    EXPECT_EQ(stampText(evening), QStringLiteral("20040307210503"));
    EXPECT_EQ(stampFromDateText(u"3/7/2004 9:05:03 PM"), QStringLiteral("20040307210503"));
    EXPECT_EQ(stampFromDateText(u"3/7/2004"), QStringLiteral("20040307000000"));
    EXPECT_EQ(stampFromDateText(u"3/7/2004 21:05"), QStringLiteral("20040307210500"));
    EXPECT_EQ(stampFromDateText(u"N/A"), QString());
    EXPECT_FALSE(parseDateText(u"13/40/2004 1:00:00 PM").isValid());
    EXPECT_FALSE(parseDateText(u"3/7/2004 13:00:00 PM").isValid());
    EXPECT_EQ(logDateText(QDateTime(QDate(2026, 12, 4), QTime(4, 30, 12))), QStringLiteral("04-Dec-2026 04:30:12 AM"));
    EXPECT_EQ(logDateText(QDateTime(QDate(2026, 5, 14), QTime(16, 0, 0))), QStringLiteral("14-May-2026 04:00:00 PM"));
}

TEST(VbNumeric, IsNumericAndLeadingNumber)
{
    struct Case
    {
        const char16_t *text;
        bool numeric;
        double val;
    };
    const std::vector<Case> cases{
        {u" 12", true, 12}, {u"1.5", true, 1.5},  {u"12x", false, 12},    {u"", false, 0},     {u"abc", false, 0},
        {u"-3", true, -3},  {u"1e3", true, 1000}, {u"&H1F", true, 31},    {u"1 2", false, 12}, {u".5", true, 0.5},
        {u"12 ", true, 12}, {u".", false, 0},     {u"1.2.3", false, 1.2}, {u"+7", true, 7},    {u"00012", true, 12}};
    for (const Case &c : cases)
    {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(VbNumeric::isNumeric(text), c.numeric) << text.toStdString();
        EXPECT_DOUBLE_EQ(VbNumeric::val(text), c.val) << text.toStdString();
    }
    EXPECT_EQ(VbNumeric::roundHalfEven(2.5), 2);
    EXPECT_EQ(VbNumeric::roundHalfEven(3.5), 4);
    EXPECT_EQ(VbNumeric::roundHalfEven(337.5), 338);
    EXPECT_EQ(VbNumeric::roundHalfEven(760.5), 760);
}

TEST(TextCompare, CaseInsensitiveEverywhereTheSame)
{
    EXPECT_EQ(TextCompare::compareNoCase(u"Readme.TXT", u"README.txt"), 0);
    EXPECT_EQ(TextCompare::compareNoCase(u"a", u"B"), -1);
    EXPECT_EQ(TextCompare::compareExact(u"a", u"B"), 1);
    EXPECT_TRUE(TextCompare::equalsNoCase(u"Ärger", u"äRGER"));
    EXPECT_FALSE(TextCompare::equalsNoCase(u"ab", u"abc"));
}

TEST(VisibleText, MarksWhatWouldBreakARowOrHideAName)
{
    const QString loneByte(QChar(char16_t(0xDCE9)));
    const QString pair = QString::fromUcs4(U"\U0001F480"); // U+D83D U+DC80: a pair, not a lone byte
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("plain name.txt"), QStringLiteral("plain name.txt")},
        {QStringLiteral("two\nlines"), QStringLiteral("two\u240Alines")},
        {QStringLiteral("tab\there"), QStringLiteral("tab\u2409here")},
        {QStringLiteral("bell\x07.wav"), QStringLiteral("bell\u2407.wav")},
        {QStringLiteral("del\x7F"), QStringLiteral("del\u2421")},
        {QStringLiteral("c1\u0085"), QStringLiteral("c1\uFFFD")},
        {QStringLiteral("line\u2028sep"), QStringLiteral("line\uFFFDsep")},
        {QStringLiteral("gpj.\u202Eexe"), QStringLiteral("gpj.\uFFFDexe")},
        {QStringLiteral("caf") + loneByte, QStringLiteral("caf\uFFFD")},
        {QStringLiteral("smile ") + pair, QStringLiteral("smile ") + pair},
        {QStringLiteral("\u00E9t\u00E9"), QStringLiteral("\u00E9t\u00E9")},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(VisibleText::of(text), shown) << text.toStdString();
}
