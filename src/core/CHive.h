// SPDX-License-Identifier: GPL-3.0-or-later
// The keyed collection that holds every scanned file and group: a red-black tree by key and a
// position table by insertion order, at once.
#pragma once

#include "core/CErrorCollection.h"
#include "core/CNode.h"

#include <QString>
#include <QVariant>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <set>
#include <vector>

/// The tree part of a node-table slot: what a descent reads, 32 bytes, kept apart from the entry
/// so that the upper levels of a large tree stay in the cache. Slot 0 is the sentinel: black, all
/// links 0.
struct HiveLink
{
    enum KeyKind : quint8
    {
        Other,     // the entry's key holds it (empty, a number, a date ...)
        Text,      // the entry's key holds a string
        Generated, // a generated identifier, kept as its 128 bits; its text is made when asked for
    };

    qint32 left = 0;
    qint32 right = 0;
    qint32 parent = 0;
    quint8 color = 0; // 1 = red, 0 = black
    KeyKind kind = Other;
    bool owned = false; // the entry's key and values are in the hive's own store (else values is a row)
    quint64 idHigh = 0;
    quint64 idLow = 0;
};

/// The entry part of a node-table slot: 8 bytes, whatever the entry holds.
struct HiveEntry
{
    qint32 raw = -1;    // where the entry stands in the position store
    quint32 values = 0; // a row of the hive's HiveValues, or the entry's place in the hive's own store
};

/// What an entry added by reference reads its six values from: a table the caller keeps, so that
/// a million entries hold a 32-bit row each instead of six values of their own.
class HiveValues
{
public:
    virtual ~HiveValues() = default;
    /// Value v (0..5) of row `row`.
    virtual QVariant value(quint32 row, int v) const = 0;
};

/// The node table: slots 0..lastSlot(), stored in fixed chunks so that growing never moves a
/// node, and a chunk's memory is taken only once one of its slots is in use (slots are handed out
/// from the lowest free one, so the table's last third, made ready by its growth, costs nothing
/// until it is needed).
class HiveNodeTable
{
public:
    HiveLink &link(qint32 n) { return m_links[chunk(n)][offset(n)]; }
    const HiveLink &link(qint32 n) const { return m_links[chunk(n)][offset(n)]; }
    HiveEntry &entry(qint32 n) { return m_entries[chunk(n)][offset(n)]; }
    const HiveEntry &entry(qint32 n) const { return m_entries[chunk(n)][offset(n)]; }
    bool empty() const { return m_slots == 0; }
    qint32 lastSlot() const { return m_slots - 1; }
    /// Makes slots 0..last part of the table; existing slots keep their contents.
    void resize(qint32 last) { m_slots = std::max(m_slots, last + 1); }
    /// Makes the memory of slot n (a slot of the table) ready before its first use.
    void use(qint32 n);
    void clear();

private:
    static constexpr int Shift = 12;
    static size_t chunk(qint32 n) { return static_cast<size_t>(n) >> Shift; }
    static size_t offset(qint32 n) { return static_cast<size_t>(n) & ((size_t{1} << Shift) - 1); }
    std::vector<std::unique_ptr<HiveLink[]>> m_links;
    std::vector<std::unique_ptr<HiveEntry[]>> m_entries;
    qint32 m_slots = 0;
};

/// Entries of one key and six values. Lookups take a position (an 8-, 16- or 32-bit integer) or a
/// key (anything else). Failures are listed in errors() and the operation returns an empty result,
/// unless raiseError is set, in which case a RaisedError is thrown.
///
/// An entry either owns its key and six values, or (added with addRef) holds a row of the
/// HiveValues table set with setValues() and a generated key; the two answer every operation
/// alike.
///
/// The position table is kept as a gap buffer: removing at a cursor that moves forward (what the
/// scan engines do) moves only the entries between two removals, so such a walk costs O(1)
/// amortised per removal instead of a block move of the whole table. Positions, keys, key order
/// and every error are as if the table were moved on each removal.
class CHive
{
public:
    CHive() = default;
    ~CHive();
    CHive(const CHive &) = delete;
    CHive &operator=(const CHive &) = delete;

    static constexpr qint32 ErrInvalidIndex = 1;
    static constexpr qint32 ErrKeyNotFound = 2;
    static constexpr qint32 ErrIntegerKey = 4;
    static constexpr qint32 ErrDuplicateKey = 8;
    static constexpr qint32 ErrEmptyKey = 4096;
    /// The object-error base plus 5000: every reported number is this plus the code.
    static constexpr qint32 ErrorBase = static_cast<qint32>(0x80041388u);

    /// The error list, created on first need.
    CErrorCollection &errors();
    bool raiseError = false;
    bool allowDuplicate = false;

    /// A new "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" identifier (upper-case hexadecimal).
    static QString createGuidKey();

    /// Adds an entry of six values. Without a key a generated identifier is the key; before or
    /// after (a position or a key) place it before or after that entry instead of at the end;
    /// before wins.
    void add(const QVariant &value0 = {}, const QVariant &value1 = {}, const QVariant &value2 = {},
             const QVariant &value3 = {}, const QVariant &value4 = {}, const QVariant &value5 = {},
             const std::optional<QVariant> &key = std::nullopt, const std::optional<QVariant> &before = std::nullopt,
             const std::optional<QVariant> &after = std::nullopt);

    /// The table that entries added with addRef read their values from; set it while the
    /// collection holds no such entry. It must outlive those entries.
    void setValues(const HiveValues *values) { m_values = values; }
    const HiveValues *values() const { return m_values; }

    /// Adds an entry without a key, before or after, whose six values are row `row` of the values
    /// table.
    void addRef(quint32 row);

    /// Removes the entry at a position or with a key; returns the position it had, 0 on a miss.
    qint32 remove(const QVariant &keyValue);

    /// Walk in ascending key order: the first entry's value 0 (and its key in keyValue), then the
    /// next.
    QVariant findFirst(QVariant &keyValue);
    QVariant findNext(QVariant &keyValue);

    void init(qint32 initialAlloc, float growthFactor);
    qint32 clear();
    bool exists(const QVariant &vKey);

    /// Value v (0..5) of the entry at a position or with a key; what each value holds is the
    /// caller's (ResultValue names those of the result collection).
    QVariant value(const QVariant &vKey, int v);
    /// Replaces value 0 of the entry at a position or with a key.
    void setFirstValue(const QVariant &vKey, const QVariant &newValue);

    QVariant key(qint32 index);
    void setKey(qint32 index, const QVariant &vNewKey);

    qint32 count() const { return m_count; }
    qint32 compareMode() const { return m_compareMode; }
    void setCompareMode(qint32 newMode) { m_compareMode = newMode; }

    /// Fast positional reads for the engines: the value v (0..5) of the entry at position p
    /// (1..count), without the checks of value(); p must be valid.
    QVariant at(qint32 p, int v) const { return valueOf(nodeAt(p), v); }
    /// The row of the entry at position p (1..count), which was added with addRef.
    quint32 rowAt(qint32 p) const
    {
        Q_ASSERT(!link(nodeAt(p)).owned);
        return entry(nodeAt(p)).values;
    }

    /// Table sizes, for tests: the last slot number of the node table (slots 0..) and of the
    /// position table (slots 1..); 0 before the collection is initialised.
    qint32 nodeTableLastSlot() const { return m_nodes.empty() ? 0 : m_nodes.lastSlot(); }
    qint32 positionTableLastSlot() const { return static_cast<qint32>(m_positions.size()); }

    /// Checks every invariant (tree order, red-black rules, positions, counts); for tests.
    bool checkInvariants(QString *why = nullptr) const;

    /// True for an 8-, 16- or 32-bit integer: such a lookup argument is a position.
    static bool isPosition(const QVariant &v);

private:
    /// The key and values of an entry that owns them.
    struct OwnedValues
    {
        QVariant key;
        std::array<QVariant, 6> values;
    };

    /// A key as the tree compares it: a text, a generated identifier (its 128 bits), or any value.
    struct LookupKey
    {
        const QVariant *value = nullptr;
        const QString *text = nullptr;
        bool identifier = false;
        quint64 high = 0;
        quint64 low = 0;
    };

    /// Validates the key, finds the tree place and the position, and links a new node there with
    /// an empty entry: add but for storing the values. Returns the node, or 0 after reporting an
    /// error.
    qint32 insert(const std::optional<QVariant> &givenKey, const std::optional<QVariant> &before,
                  const std::optional<QVariant> &after);
    /// The key of a new entry: the given one, checked, or a generated identifier (whose text
    /// generatedText holds once a comparison needs it). False after reporting an error.
    bool keyToAdd(const std::optional<QVariant> &givenKey, LookupKey &key, QVariant &generatedText);
    /// Where a new entry goes in the position table: before or after that entry, else at the end;
    /// 0 after reporting an error.
    qint32 positionToAdd(const std::optional<QVariant> &before, const std::optional<QVariant> &after);
    /// A free node slot, ready for use, the tables grown when it lies beyond them.
    qint32 takeNodeSlot();
    QVariant valueOf(qint32 n, int v) const;
    std::array<QVariant, 6> valuesOf(qint32 n) const;
    /// Gives node n a place in the own store holding key and items.
    void own(qint32 n, QVariant key, std::array<QVariant, 6> items);
    /// Empties node n's key and values (giving its place in the own store back).
    void release(qint32 n);
    void reportError(qint32 code, const QString &op);
    qint32 indexOf(const QVariant &vKey);
    qint32 positionOfNode(qint32 n) const;
    qint32 findNode(const QVariant &vKey) const;
    static LookupKey classify(const QVariant &key);
    int compareKeys(const QVariant &a, const QVariant &b) const;
    /// Compares a lookup key with the key of node n by the comparison rule.
    int compareWithNode(const LookupKey &key, qint32 n) const;
    /// The key of node n as the caller sees it (generated identifiers as text).
    QVariant keyOf(qint32 n) const;
    /// The parent a new key hangs from and on which side (below 0: left); false after reporting a
    /// duplicate key. Fills generatedText when a generated key meets a key of another kind.
    bool findTreePlace(const LookupKey &key, bool generated, QVariant &generatedText, qint32 &parent, int &side);
    /// Hangs node n (already given its position) into the tree and balances it.
    void linkIntoTree(qint32 n, qint32 parent, int side, const LookupKey &key, bool generated);
    /// Takes the entry of node z out of the tree and balances it; returns the slot that leaves
    /// with the entry (z, or the successor whose place z took).
    qint32 unlinkFromTree(qint32 z);
    void rotateLeft(qint32 x);
    void rotateRight(qint32 x);
    void insertFixup(qint32 x);
    void deleteFixup(qint32 x);
    // One step of deleteFixup for x on the left (right) of its parent, a black short of its
    // sibling's side; returns the node to go on from.
    qint32 fixLeftDeficit(qint32 x);
    qint32 fixRightDeficit(qint32 x);
    qint32 nextWalkNode();
    // checkInvariants in parts: "" when all is well, else what is wrong.
    QString treeProblem(std::set<qint32> &reachable) const;
    QString nodeProblem(qint32 n) const;
    QString positionProblem(const std::set<qint32> &reachable) const;

    // Position store (gap buffer over m_positions).
    qint32 nodeAt(qint32 p) const { return m_positions[static_cast<size_t>(rawOf(p))]; }
    qint32 rawOf(qint32 p) const { return p - 1 < m_gapStart ? p - 1 : p - 1 + (m_gapEnd - m_gapStart); }
    void moveGapTo(qint32 start);
    void openPositionGap(qint32 p, qint32 n);
    void closePositionGap(qint32 p);
    void place(qint32 raw, qint32 n);

    HiveLink &link(qint32 n) { return m_nodes.link(n); }
    const HiveLink &link(qint32 n) const { return m_nodes.link(n); }
    HiveEntry &entry(qint32 n) { return m_nodes.entry(n); }
    const HiveEntry &entry(qint32 n) const { return m_nodes.entry(n); }

    std::unique_ptr<CErrorCollection> m_errors;
    const HiveValues *m_values = nullptr;
    std::vector<OwnedValues> m_owned;
    std::vector<quint32> m_freeOwned; // places of m_owned given back
    double m_growthFactor = 1.5;
    qint32 m_initialAlloc = 100;
    HiveNodeTable m_nodes;
    qint16 m_walkTop = 0;
    std::array<qint32, 33> m_walkStack{}; // entries 1..32
    qint32 m_walkCurrent = 0;
    qint32 m_root = 0;
    std::unique_ptr<CNode> m_nodePool;
    qint32 m_count = 0;
    std::vector<qint32> m_positions; // raw slots; positions 1..P are raw slots 0..P-1
    qint32 m_gapStart = 0;           // raw index where the gap begins
    qint32 m_gapEnd = 0;             // raw index after the gap
    qint32 m_compareMode = 1;
};
