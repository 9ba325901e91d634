// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CHive.h"
#include "core/RaisedError.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace
{
QString s(const QVariant &v)
{
    return v.toString();
}

void expectLastError(CHive &h, qint32 code, const char *source, const char *description)
{
    ASSERT_GT(h.errors().count(), 0);
    EXPECT_EQ(h.errors().errNumber(), CHive::ErrorBase + code);
    EXPECT_EQ(h.errors().source(), QString::fromLatin1(source));
    EXPECT_EQ(h.errors().description(), QString::fromLatin1(description));
    EXPECT_EQ(h.errors().helpFile(), QString());
}

// Keys "k0000".."k9999" so that the reference order is plain text order.
QString keyOf(int i)
{
    return QStringLiteral("k%1").arg(i, 4, 10, QLatin1Char('0'));
}
} // namespace

TEST(CHive, AddWithoutKeyStoresAGeneratedIdentifier)
{
    CHive h;
    h.add(QStringLiteral("a"));
    h.add(QStringLiteral("b"));
    const QString key = s(h.key(h.count()));
    EXPECT_EQ(key.size(), 38);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"))
            .match(key)
            .hasMatch())
        << key.toStdString();
    EXPECT_NE(key, s(h.key(1)));
    EXPECT_EQ(s(h.value(key, 0)), QStringLiteral("b"));
}

TEST(CHive, RefusesIntegerAndEmptyKeysWithoutChanging)
{
    CHive h;
    h.add(QStringLiteral("x"), {}, {}, {}, {}, {}, QVariant(5));
    EXPECT_EQ(h.count(), 0);
    expectLastError(h, 4, "Add", "Key cannot be Integer or Long or Byte or any kind of Fixed Digit.");
    h.add(QStringLiteral("x"), {}, {}, {}, {}, {}, QVariant(QString()));
    EXPECT_EQ(h.count(), 0);
    expectLastError(h, 4096, "Add", "");
    EXPECT_EQ(h.errors().errNumber(), -2147216504 + 4096);
}

TEST(CHive, DuplicateKeysDependOnCompareModeAndAllowDuplicate)
{
    CHive h;
    h.add(1, {}, {}, {}, {}, {}, QVariant(QStringLiteral("Key")));
    h.add(2, {}, {}, {}, {}, {}, QVariant(QStringLiteral("KEY")));
    EXPECT_EQ(h.count(), 1);
    expectLastError(h, 8, "Add", "Duplicate Key.");

    CHive exact;
    exact.setCompareMode(0);
    exact.add(1, {}, {}, {}, {}, {}, QVariant(QStringLiteral("Key")));
    exact.add(2, {}, {}, {}, {}, {}, QVariant(QStringLiteral("KEY")));
    EXPECT_EQ(exact.count(), 2);

    for (int mode : {0, 1})
    {
        CHive dup;
        dup.setCompareMode(mode);
        dup.allowDuplicate = true;
        dup.add(1, {}, {}, {}, {}, {}, QVariant(QStringLiteral("Key")));
        dup.add(2, {}, {}, {}, {}, {}, QVariant(QStringLiteral("KEY")));
        dup.add(3, {}, {}, {}, {}, {}, QVariant(QStringLiteral("Key")));
        EXPECT_EQ(dup.count(), 3);
        EXPECT_TRUE(dup.checkInvariants());
    }
}

TEST(CHive, InvalidPositionsListErrorsAndReturnEmpty)
{
    CHive h;
    h.add(QStringLiteral("a"));
    EXPECT_FALSE(h.value(0, 0).isValid());
    EXPECT_EQ(h.errors().count(), 2);
    EXPECT_EQ(h.errors().errNumber(0), CHive::ErrorBase + 1);
    EXPECT_EQ(h.errors().source(0), QStringLiteral("GetIndex"));
    EXPECT_EQ(h.errors().description(0), QStringLiteral("Invalid Index."));
    expectLastError(h, 2, "Item", "Key not Found in the Hive.");

    EXPECT_FALSE(h.value(2, 0).isValid());
    EXPECT_FALSE(h.key(0).isValid());
    expectLastError(h, 1, "Key[Read]", "Invalid Index.");
    EXPECT_EQ(h.errors().count(), 5);

    EXPECT_EQ(h.remove(QVariant(7)), 0);
    EXPECT_EQ(h.errors().source(5), QStringLiteral("GetIndex"));
    expectLastError(h, 1, "Remove", "Invalid Index.");
    EXPECT_EQ(h.count(), 1);
}

TEST(CHive, ExistOfAMissingKeyIsFalseAndListsFindNode)
{
    CHive h;
    h.add(1, {}, {}, {}, {}, {}, QVariant(QStringLiteral("here")));
    EXPECT_TRUE(h.exists(QStringLiteral("HERE")));
    EXPECT_FALSE(h.exists(QStringLiteral("gone")));
    expectLastError(h, 2, "FindNode", "Key not Found in the Hive.");
    EXPECT_EQ(h.errors().count(), 1);
}

TEST(CHive, RaiseErrorThrowsNumberSourceAndDescription)
{
    CHive h;
    h.raiseError = true;
    h.add(QStringLiteral("a"));
    try
    {
        h.remove(QVariant(2));
        FAIL() << "no error raised";
    }
    catch (const RaisedError &e)
    {
        EXPECT_EQ(e.number(), -2147216504 + 1);
        EXPECT_EQ(e.source(), QStringLiteral("CHive.GetIndex"));
        EXPECT_EQ(e.description(), QStringLiteral("Invalid Index."));
    }
    EXPECT_EQ(h.count(), 1);
    EXPECT_EQ(h.errors().count(), 0);
}

TEST(CHive, RemovingKeepsTheOtherPositions)
{
    CHive h;
    for (const char *k : {"A", "B", "C"})
        h.add(QString::fromLatin1(k), QString(QString::fromLatin1(k) + u"1"), {}, {}, {}, {},
              QVariant(QString::fromLatin1(k)));
    EXPECT_EQ(h.remove(QVariant(2)), 2);
    EXPECT_EQ(h.count(), 2);
    EXPECT_EQ(s(h.value(2, 0)), QStringLiteral("C"));
    EXPECT_EQ(s(h.value(QStringLiteral("c"), 1)), QStringLiteral("C1"));
    EXPECT_TRUE(h.checkInvariants());
}

TEST(CHive, RemovingAnEntryWithTwoChildrenKeepsEveryPositionRight)
{
    // Keys added in this order make "d" the root with two children.
    CHive h;
    const QStringList keys{QStringLiteral("d"), QStringLiteral("b"), QStringLiteral("f"), QStringLiteral("a"),
                           QStringLiteral("c"), QStringLiteral("e"), QStringLiteral("g")};
    for (const QString &k : keys)
        h.add(k.toUpper(), {}, {}, {}, {}, {}, QVariant(k));
    EXPECT_EQ(h.remove(QVariant(QStringLiteral("d"))), 1);
    QStringList rest = keys;
    rest.removeFirst();
    ASSERT_EQ(h.count(), rest.size());
    for (int p = 1; p <= h.count(); ++p)
    {
        EXPECT_EQ(s(h.key(p)), rest[p - 1]);
        EXPECT_EQ(s(h.value(p, 0)), rest[p - 1].toUpper());
    }
    EXPECT_EQ(s(h.value(QStringLiteral("e"), 0)), QStringLiteral("E"));
    EXPECT_TRUE(h.checkInvariants());
}

TEST(CHive, TablesGrowByTheFactor)
{
    CHive h;
    h.add(1);
    EXPECT_EQ(h.nodeTableLastSlot(), 100);
    EXPECT_EQ(h.positionTableLastSlot(), 101);
    const std::vector<std::pair<int, std::pair<int, int>>> steps{
        {101, {150, 152}}, {151, {225, 227}}, {226, {338, 340}}, {339, {507, 509}}, {508, {760, 762}}};
    int added = 1;
    for (const auto &[entries, sizes] : steps)
    {
        while (added < entries - 1)
        {
            h.add(++added);
        }
        const int before = h.nodeTableLastSlot();
        h.add(++added);
        EXPECT_NE(before, h.nodeTableLastSlot()) << "entry " << entries;
        EXPECT_EQ(h.nodeTableLastSlot(), sizes.first) << "entry " << entries;
        EXPECT_EQ(h.positionTableLastSlot(), sizes.second) << "entry " << entries;
    }
}

TEST(CHive, InitWithOwnSizesAndReuseOfFreedSlots)
{
    CHive h;
    h.init(2, 2.0f);
    h.add(1);
    h.add(2);
    EXPECT_EQ(h.nodeTableLastSlot(), 2);
    h.add(3);
    EXPECT_EQ(h.nodeTableLastSlot(), 4);
    EXPECT_EQ(h.positionTableLastSlot(), 6);
    h.remove(QVariant(1));
    h.add(4); // takes the freed slot: no growth
    EXPECT_EQ(h.nodeTableLastSlot(), 4);
    EXPECT_EQ(h.value(3, 0).toInt(), 4);
    EXPECT_TRUE(h.checkInvariants());
}

TEST(CHive, WalksKeysInOrderOfTheCompareMode)
{
    CHive h;
    for (const char *k : {"b", "A", "c"})
        h.add(QString::fromLatin1(k), {}, {}, {}, {}, {}, QVariant(QString::fromLatin1(k)));
    QVariant key;
    QStringList seen;
    for (QVariant item = h.findFirst(key); key.isValid(); item = h.findNext(key))
        seen << s(key);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    expectLastError(h, 2, "GetNextNode", "Key not Found in the Hive.");

    for (int mode : {1, 0})
    {
        CHive m;
        m.setCompareMode(mode);
        for (const char *k : {"b", "a", "C"})
            m.add(QString::fromLatin1(k), {}, {}, {}, {}, {}, QVariant(QString::fromLatin1(k)));
        QStringList order;
        QVariant k;
        m.findFirst(k);
        order << s(k);
        m.findNext(k);
        order << s(k);
        // An interrupted walk starts again from the first key.
        m.findFirst(k);
        order << s(k);
        m.findNext(k);
        m.findNext(k);
        order << s(k);
        const QVariant after = m.findNext(k);
        EXPECT_FALSE(k.isValid());
        EXPECT_FALSE(after.isValid());
        if (mode == 1)
            EXPECT_EQ(order.join(u','), QStringLiteral("a,b,a,C"));
        else
            EXPECT_EQ(order.join(u','), QStringLiteral("C,a,C,b"));
    }
}

TEST(CHive, ClearReturnsToTheCreatedState)
{
    CHive never;
    EXPECT_EQ(never.clear(), 0);
    EXPECT_EQ(never.count(), 0);

    CHive h;
    h.allowDuplicate = true;
    h.setCompareMode(0);
    h.add(1, {}, {}, {}, {}, {}, QVariant(QStringLiteral("k")));
    EXPECT_EQ(h.clear(), 0);
    EXPECT_EQ(h.count(), 0);
    EXPECT_FALSE(h.exists(QStringLiteral("k")));
    expectLastError(h, 2, "FindNode", "Key not Found in the Hive.");
    EXPECT_TRUE(h.allowDuplicate);
    EXPECT_EQ(h.compareMode(), 0);
    h.add(2);
    EXPECT_EQ(h.nodeTableLastSlot(), 100);
}

TEST(CHive, BeforeAndAfterPlaceTheEntryAndAMissLeavesItUnchanged)
{
    CHive h;
    h.add(QStringLiteral("A"), {}, {}, {}, {}, {}, QVariant(QStringLiteral("a")));
    h.add(QStringLiteral("C"), {}, {}, {}, {}, {}, QVariant(QStringLiteral("c")));
    h.add(QStringLiteral("B"), {}, {}, {}, {}, {}, QVariant(QStringLiteral("b")), QVariant(QStringLiteral("c")));
    h.add(QStringLiteral("D"), {}, {}, {}, {}, {}, QVariant(QStringLiteral("d")), std::nullopt, QVariant(3));
    h.add(QStringLiteral("Z"), {}, {}, {}, {}, {}, QVariant(QStringLiteral("z")), QVariant(1), QVariant(4));
    QStringList order;
    for (int p = 1; p <= h.count(); ++p)
        order << s(h.value(p, 0));
    EXPECT_EQ(order.join(QString()), QStringLiteral("ZABCD"));
    h.add(QStringLiteral("Q"), {}, {}, {}, {}, {}, QVariant(QStringLiteral("q")), QVariant(QStringLiteral("nope")));
    EXPECT_EQ(h.count(), 5);
    expectLastError(h, 2, "Add", "Key not Found in the Hive.");
    EXPECT_TRUE(h.checkInvariants());
}

TEST(CHive, AssigningAKeyKeepsThePositionAndFindsTheEntry)
{
    CHive h;
    for (const char *k : {"a", "b", "c"})
        h.add(QString::fromLatin1(k).toUpper(), {}, {}, {}, {}, {}, QVariant(QString::fromLatin1(k)));
    h.setKey(2, QStringLiteral("zz"));
    EXPECT_EQ(s(h.key(2)), QStringLiteral("zz"));
    EXPECT_EQ(s(h.value(QStringLiteral("zz"), 0)), QStringLiteral("B"));
    EXPECT_FALSE(h.exists(QStringLiteral("b")));
    h.setKey(1, QStringLiteral("C"));
    expectLastError(h, 8, "Key[Assign]", "Duplicate Key.");
    h.setKey(9, QStringLiteral("x"));
    expectLastError(h, 1, "Key[Assign]", "Invalid Index.");
    EXPECT_TRUE(h.checkInvariants());
}

// Random sequences of adds and removes against a plain vector: the tree keeps its rules, every
// position leads to the right entry, and the walk lists the keys in order.
TEST(CHive, RandomOperationsMatchAReference)
{
    std::mt19937 rng(20261205);
    for (int round = 0; round < 40; ++round)
    {
        CHive h;
        struct Entry
        {
            QString key;
            int value;
        };
        std::vector<Entry> ref;
        std::vector<int> unused(3000);
        std::iota(unused.begin(), unused.end(), 0);
        std::shuffle(unused.begin(), unused.end(), rng);
        int next = 0;
        const int ops = 200 + static_cast<int>(rng() % 800);
        for (int op = 0; op < ops; ++op)
        {
            const unsigned kind = rng() % 10;
            if (kind < 5 || ref.empty())
            {
                const int id = unused[static_cast<size_t>(next++)];
                const QString key = keyOf(id);
                const unsigned where = rng() % 3;
                if (where == 0 || ref.empty())
                {
                    h.add(id, {}, {}, {}, {}, {}, QVariant(key));
                    ref.push_back({key, id});
                }
                else
                {
                    const int p = 1 + static_cast<int>(rng() % ref.size());
                    if (where == 1)
                    {
                        h.add(id, {}, {}, {}, {}, {}, QVariant(key), QVariant(p));
                        ref.insert(ref.begin() + (p - 1), {key, id});
                    }
                    else
                    {
                        h.add(id, {}, {}, {}, {}, {}, QVariant(key), std::nullopt, QVariant(ref[p - 1].key));
                        ref.insert(ref.begin() + p, {key, id});
                    }
                }
            }
            else if (kind < 8)
            {
                const int p = 1 + static_cast<int>(rng() % ref.size());
                ASSERT_EQ(h.remove(QVariant(p)), p);
                ref.erase(ref.begin() + (p - 1));
            }
            else
            {
                const size_t i = rng() % ref.size();
                ASSERT_EQ(h.remove(QVariant(ref[i].key.toUpper())), static_cast<int>(i) + 1);
                ref.erase(ref.begin() + static_cast<std::ptrdiff_t>(i));
            }
            if (op % 25 == 0)
            {
                QString why;
                ASSERT_TRUE(h.checkInvariants(&why)) << why.toStdString() << " after op " << op;
            }
        }
        QString why;
        ASSERT_TRUE(h.checkInvariants(&why)) << why.toStdString();
        ASSERT_EQ(h.count(), static_cast<int>(ref.size()));
        for (int p = 1; p <= h.count(); ++p)
        {
            ASSERT_EQ(h.value(p, 0).toInt(), ref[static_cast<size_t>(p - 1)].value);
            ASSERT_EQ(s(h.key(p)), ref[static_cast<size_t>(p - 1)].key);
        }
        EXPECT_EQ(h.errors().count(), 0);
        std::vector<QString> sorted;
        for (const Entry &e : ref)
            sorted.push_back(e.key);
        std::sort(sorted.begin(), sorted.end());
        QVariant key;
        size_t i = 0;
        if (!sorted.empty())
        {
            for (h.findFirst(key); key.isValid() && i < sorted.size(); h.findNext(key))
                ASSERT_EQ(s(key), sorted[i++]);
        }
        EXPECT_EQ(i, sorted.size());
    }
}

// What the scan engines do: a cursor that walks forward and removes most entries at the cursor.
TEST(CHive, CursorWalkRemovalKeepsOrder)
{
    CHive h;
    const int n = 5000;
    for (int i = 0; i < n; ++i)
        h.add(i);
    std::vector<int> ref(n);
    std::iota(ref.begin(), ref.end(), 0);
    std::mt19937 rng(7);
    int cursor = 1;
    while (cursor <= h.count())
    {
        if (rng() % 10 < 7)
        {
            ASSERT_EQ(h.remove(QVariant(cursor)), cursor);
            ref.erase(ref.begin() + (cursor - 1));
        }
        else
        {
            ++cursor;
        }
    }
    ASSERT_EQ(h.count(), static_cast<int>(ref.size()));
    for (int p = 1; p <= h.count(); ++p)
        ASSERT_EQ(h.at(p, 0).toInt(), ref[static_cast<size_t>(p - 1)]);
    h.add(-1);
    h.add(-2, {}, {}, {}, {}, {}, std::nullopt, QVariant(2));
    EXPECT_EQ(h.value(2, 0).toInt(), -2);
    EXPECT_EQ(h.value(h.count(), 0).toInt(), -1);
    EXPECT_TRUE(h.checkInvariants());
}

// Entries that read their values from a table (AddRef) and entries that own theirs, mixed and
// moved about by removals (also of nodes with two children, which take over another entry), by
// a new first value and by a new key: every position reads what a plain vector holds.
TEST(CHive, EntriesReadFromATableAnswerLikeEntriesThatOwnTheirValues)
{
    class Table : public HiveValues
    {
    public:
        QVariant value(quint32 row, int v) const override { return QStringLiteral("row%1/%2").arg(row).arg(v); }
    } table;
    std::mt19937 rng(99);
    CHive h;
    h.setValues(&table);
    std::vector<std::array<QString, 6>> ref;
    auto tableRow = [](quint32 row) {
        std::array<QString, 6> values;
        for (int v = 0; v < 6; ++v)
            values[static_cast<size_t>(v)] = QStringLiteral("row%1/%2").arg(row).arg(v);
        return values;
    };
    for (int op = 0; op < 4000; ++op)
    {
        const unsigned kind = rng() % 10;
        if (kind < 4 || ref.empty())
        {
            const auto row = static_cast<quint32>(rng() % 100000);
            h.addRef(row);
            ref.push_back(tableRow(row));
        }
        else if (kind < 6)
        {
            std::array<QString, 6> own;
            for (int v = 0; v < 6; ++v)
                own[static_cast<size_t>(v)] = QStringLiteral("own%1/%2").arg(op).arg(v);
            h.add(own[0], own[1], own[2], own[3], own[4], own[5]);
            ref.push_back(own);
        }
        else if (kind < 9)
        {
            const int p = 1 + static_cast<int>(rng() % ref.size());
            ASSERT_EQ(h.remove(QVariant(p)), p);
            ref.erase(ref.begin() + (p - 1));
        }
        else
        {
            const int p = 1 + static_cast<int>(rng() % ref.size());
            const QString first = QStringLiteral("new%1").arg(op);
            h.setFirstValue(QVariant(p), first);
            ref[static_cast<size_t>(p - 1)][0] = first;
        }
    }
    // A key given to an entry of the table keeps its values and position.
    const QVariant keyBefore = h.key(1);
    h.setKey(1, QStringLiteral("named"));
    EXPECT_EQ(s(h.value(QStringLiteral("NAMED"), 1)), ref[0][1]);
    EXPECT_FALSE(h.exists(keyBefore));
    QString why;
    ASSERT_TRUE(h.checkInvariants(&why)) << why.toStdString();
    ASSERT_EQ(h.count(), static_cast<qint32>(ref.size()));
    for (qint32 p = 1; p <= h.count(); ++p)
    {
        for (int v = 0; v < 6; ++v)
            ASSERT_EQ(h.at(p, v).toString(), ref[static_cast<size_t>(p - 1)][static_cast<size_t>(v)]) << p << v;
        ASSERT_EQ(s(h.value(h.key(p), 0)), ref[static_cast<size_t>(p - 1)][0]);
    }
    // After the last key the walk answers the sentinel's empty value, not a row of the table.
    QVariant key;
    h.findFirst(key);
    for (qint32 n = 1; n < h.count(); ++n)
        h.findNext(key);
    EXPECT_FALSE(h.findNext(key).isValid());
    EXPECT_FALSE(key.isValid());
}
