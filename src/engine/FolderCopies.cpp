// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FolderCopies.h"

#include "engine/ResultList.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <numeric>
#include <tuple>

namespace
{
constexpr quint32 None = std::numeric_limits<quint32>::max();

bool idLess(const DirectoryListing::FileId &a, const DirectoryListing::FileId &b)
{
    return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
}

// Where the name of a folder text ("/a/b/") starts: after its parent's text ("/a/"); 0 for "/".
qsizetype nameStart(QStringView path)
{
    if (path.size() <= 1)
        return 0;
    return path.lastIndexOf(u'/', path.size() - 2) + 1;
}

// The folders of a file list as a tree: each folder once, its sub-folders and files, and the
// folders in depth-first order, so that a folder's tree is a range of that order.
class FolderTree
{
public:
    explicit FolderTree(const FileList &files) : m_files(files)
    {
        addFolders();
        linkParents();
        listFiles();
        orderDepthFirst();
    }

    quint32 count() const { return static_cast<quint32>(m_paths.size()); }
    const QString &path(quint32 node) const { return *m_paths[node]; }
    QStringView name(quint32 node) const { return QStringView(path(node)).sliced(m_nameStart[node]).chopped(1); }
    quint32 parent(quint32 node) const { return m_parent[node]; }
    quint32 nodeOfRecord(FileList::Index r) const { return m_nodeOfFolder[m_files.folderIndex(r)]; }
    /// The folder of this text, or of its parent when it is none.
    quint32 nodeOfPath(QString path) const
    {
        if (!path.endsWith(u'/'))
            path += u'/';
        const quint32 node = m_nodeOf.value(path, None);
        if (node != None || path.size() <= 1)
            return node;
        return m_nodeOf.value(QStringView(path).first(nameStart(path)), None);
    }

    // Depth-first order: a folder, then the trees of its sub-folders.
    const std::vector<quint32> &order() const { return m_order; }
    quint32 first(quint32 node) const { return m_in[node]; }
    quint32 end(quint32 node) const { return m_out[node]; }

    template <typename F> void forEachChild(quint32 node, F f) const
    {
        for (quint32 k = m_childStart[node]; k < m_childStart[node + 1]; ++k)
            f(m_children[k]);
    }
    template <typename F> void forEachFile(quint32 node, F f) const
    {
        for (quint32 k = m_fileStart[node]; k < m_fileStart[node + 1]; ++k)
            f(m_fileRecords[k]);
    }

private:
    void addFolders()
    {
        m_nodeOfFolder.resize(m_files.folderCount());
        for (quint32 f = 0; f < m_files.folderCount(); ++f)
        {
            const QString &text = m_files.folderText(f);
            auto it = m_nodeOf.constFind(text);
            if (it == m_nodeOf.cend())
            {
                it = m_nodeOf.insert(text, count());
                m_paths.push_back(&text);
            }
            m_nodeOfFolder[f] = *it;
        }
    }

    void linkParents()
    {
        m_parent.assign(count(), None);
        m_nameStart.assign(count(), 0);
        std::vector<quint32> children(count() + 1, 0);
        for (quint32 n = 0; n < count(); ++n)
        {
            const qsizetype start = nameStart(path(n));
            m_nameStart[n] = static_cast<quint32>(start);
            if (start > 0)
                m_parent[n] = m_nodeOf.value(QStringView(path(n)).first(start), None);
            if (m_parent[n] != None)
                ++children[m_parent[n]];
        }
        m_childStart = startsOf(children);
        m_children.assign(m_childStart.back(), 0);
        std::vector<quint32> next(m_childStart.begin(), m_childStart.end() - 1);
        for (quint32 n = 0; n < count(); ++n)
        {
            if (m_parent[n] != None)
                m_children[next[m_parent[n]]++] = n;
        }
        for (quint32 n = 0; n < count(); ++n)
        {
            std::sort(m_children.begin() + m_childStart[n], m_children.begin() + m_childStart[n + 1],
                      [&](quint32 a, quint32 b) { return name(a) < name(b); });
        }
    }

    void listFiles()
    {
        std::vector<quint32> perNode(count() + 1, 0);
        const auto records = static_cast<FileList::Index>(m_files.count());
        for (FileList::Index r = 0; r < records; ++r)
            ++perNode[nodeOfRecord(r)];
        m_fileStart = startsOf(perNode);
        m_fileRecords.assign(m_fileStart.back(), 0);
        std::vector<quint32> next(m_fileStart.begin(), m_fileStart.end() - 1);
        for (FileList::Index r = 0; r < records; ++r)
            m_fileRecords[next[nodeOfRecord(r)]++] = r;
    }

    void orderDepthFirst()
    {
        std::vector<quint32> roots;
        for (quint32 n = 0; n < count(); ++n)
        {
            if (m_parent[n] == None)
                roots.push_back(n);
        }
        std::sort(roots.begin(), roots.end(), [&](quint32 a, quint32 b) { return path(a) < path(b); });
        m_in.assign(count(), 0);
        m_out.assign(count(), 0);
        m_order.reserve(count());
        std::vector<quint32> cursor(m_childStart.begin(), m_childStart.end() - 1);
        std::vector<quint32> stack;
        for (const quint32 root : roots)
        {
            enter(root, stack);
            while (!stack.empty())
            {
                const quint32 u = stack.back();
                if (cursor[u] < m_childStart[u + 1])
                {
                    enter(m_children[cursor[u]++], stack);
                    continue;
                }
                m_out[u] = static_cast<quint32>(m_order.size());
                stack.pop_back();
            }
        }
    }

    void enter(quint32 node, std::vector<quint32> &stack)
    {
        m_in[node] = static_cast<quint32>(m_order.size());
        m_order.push_back(node);
        stack.push_back(node);
    }

    // Counts per node (one slot more) to the start of each node's range, in place.
    static std::vector<quint32> startsOf(std::vector<quint32> counts)
    {
        std::exclusive_scan(counts.begin(), counts.end(), counts.begin(), quint32{0});
        return counts;
    }

    const FileList &m_files;
    std::vector<const QString *> m_paths;
    QHash<QStringView, quint32> m_nodeOf;
    std::vector<quint32> m_nodeOfFolder;
    std::vector<quint32> m_parent;
    std::vector<quint32> m_nameStart;
    std::vector<quint32> m_childStart;
    std::vector<quint32> m_children;
    std::vector<quint32> m_fileStart;
    std::vector<FileList::Index> m_fileRecords;
    std::vector<quint32> m_order;
    std::vector<quint32> m_in;
    std::vector<quint32> m_out;
};

// One line of a folder's canonical listing: a file's name and content class, or a sub-folder's
// name and the number of its tree.
struct Entry
{
    QStringView name;
    quint32 value = 0;
    bool folder = false;

    bool operator==(const Entry &o) const { return value == o.value && folder == o.folder && name == o.name; }
    bool operator<(const Entry &o) const { return std::tie(name, folder) < std::tie(o.name, o.folder); }
};

// What the search knows of each folder of the tree, from the bottom up.
class FolderFinder
{
public:
    FolderFinder(const FileList &files, const FolderCopies::ContentClasses &classes, const QStringList &partlySeen)
        : m_files(files), m_classes(classes), m_tree(files)
    {
        const quint32 n = m_tree.count();
        m_incomplete.assign(n, 0);
        for (const QString &p : partlySeen)
        {
            const quint32 node = m_tree.nodeOfPath(p);
            if (node != None)
                m_incomplete[node] = 1;
        }
        m_treeNumber.assign(n, 0);
        m_facts.assign(n, {});
        m_entries.assign(n, 0);
        m_nothingUnique.assign(n, 0);
        listMembers();
    }

    FolderReport run()
    {
        const std::vector<quint32> &order = m_tree.order();
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            settle(*it);
        FolderReport report;
        const std::vector<char> inGroup = chooseGroups(report);
        chooseContained(report, inGroup);
        return report;
    }

private:
    // A folder once its sub-folders are settled: its counts, its tree number, and whether
    // anything in its tree is unique.
    void settle(quint32 node)
    {
        FolderFacts &f = m_facts[node];
        f.path = m_tree.path(node);
        bool childrenHold = true;
        m_tree.forEachChild(node, [&](quint32 c) {
            const FolderFacts &cf = m_facts[c];
            f.files += cf.files;
            f.size += cf.size;
            f.modified = std::max(f.modified, cf.modified);
            m_entries[node] += m_entries[c] + 1;
            m_incomplete[node] |= m_incomplete[c];
            childrenHold = childrenHold && m_nothingUnique[c];
        });
        m_tree.forEachFile(node, [&](FileList::Index r) {
            ++f.files;
            f.size += m_files.size(r);
            f.modified = std::max(f.modified, m_files.mtime(r));
            ++m_entries[node];
        });
        m_treeNumber[node] = treeNumber(node);
        m_nothingUnique[node] = !m_incomplete[node] && childrenHold && everyFileIsElsewhere(node);
    }

    // Equal numbers for equal trees: the same names, the same contents, the same sub-trees.
    quint32 treeNumber(quint32 node)
    {
        if (m_incomplete[node])
            return m_nextTree++;
        std::vector<Entry> entries;
        m_tree.forEachFile(node, [&](FileList::Index r) {
            entries.push_back({m_files.name(r), m_classes.of[r], false});
        });
        m_tree.forEachChild(node, [&](quint32 c) { entries.push_back({m_tree.name(c), m_treeNumber[c], true}); });
        std::sort(entries.begin(), entries.end());
        size_t hash = qHash(entries.size());
        for (const Entry &e : entries)
            hash = qHashMulti(hash, e.name, e.value, e.folder);
        for (auto it = m_trees.constFind(hash); it != m_trees.cend() && it.key() == hash; ++it)
        {
            if (m_listings[*it] == entries)
                return m_listingTree[*it];
        }
        m_trees.insert(hash, static_cast<quint32>(m_listings.size()));
        m_listings.push_back(std::move(entries));
        m_listingTree.push_back(m_nextTree);
        return m_nextTree++;
    }

    // The members of every class that may hold several files, in depth-first order of their
    // folders, and where in each class the file first and last changes.
    void listMembers()
    {
        const quint32 shared = m_classes.shared;
        std::vector<quint32> counts(shared + 1, 0);
        const auto records = static_cast<FileList::Index>(m_files.count());
        for (FileList::Index r = 0; r < records; ++r)
        {
            if (m_classes.of[r] < shared)
                ++counts[m_classes.of[r]];
        }
        std::exclusive_scan(counts.begin(), counts.end(), counts.begin(), quint32{0});
        m_memberStart = counts;
        m_members.assign(m_memberStart.back(), 0);
        for (FileList::Index r = 0; r < records; ++r)
        {
            if (m_classes.of[r] < shared)
                m_members[counts[m_classes.of[r]]++] = r;
        }
        m_firstOther.assign(shared, None);
        m_lastOther.assign(shared, None);
        for (quint32 c = 0; c < shared; ++c)
        {
            const auto b = m_members.begin() + m_memberStart[c];
            const auto e = m_members.begin() + m_memberStart[c + 1];
            std::sort(b, e, [&](FileList::Index x, FileList::Index y) { return position(x) < position(y); });
            for (quint32 k = m_memberStart[c]; k < m_memberStart[c + 1]; ++k)
            {
                if (m_files.id(m_members[k]) != m_files.id(*b))
                {
                    m_firstOther[c] = k;
                    break;
                }
            }
            for (quint32 k = m_memberStart[c + 1]; k > m_memberStart[c]; --k)
            {
                if (m_files.id(m_members[k - 1]) != m_files.id(*(e - 1)))
                {
                    m_lastOther[c] = k - 1;
                    break;
                }
            }
        }
    }

    quint32 position(FileList::Index r) const { return m_tree.first(m_tree.nodeOfRecord(r)); }

    // Another file with the bytes of r, outside the tree of `node`; None when there is none.
    FileList::Index copyOutside(FileList::Index r, quint32 node) const
    {
        const quint32 c = m_classes.of[r];
        if (c >= m_classes.shared)
            return None;
        const DirectoryListing::FileId id = m_files.id(r);
        const auto b = m_members.begin() + m_memberStart[c];
        const auto e = m_members.begin() + m_memberStart[c + 1];
        const auto before = [&](FileList::Index x, quint32 at) { return position(x) < at; };
        const auto inside = std::lower_bound(b, e, m_tree.first(node), before);
        const auto after = std::lower_bound(inside, e, m_tree.end(node), before);
        const auto k = static_cast<quint32>(inside - m_members.begin());
        const auto a = static_cast<quint32>(after - m_members.begin());
        if (inside != b && m_files.id(*b) != id)
            return *b;
        if (inside != b && m_firstOther[c] < k)
            return m_members[m_firstOther[c]];
        if (after != e && m_files.id(*(e - 1)) != id)
            return *(e - 1);
        if (after != e && m_lastOther[c] != None && m_lastOther[c] >= a)
            return m_members[m_lastOther[c]];
        return None;
    }

    bool elsewhere(FileList::Index r, quint32 node) const { return copyOutside(r, node) != None; }

    bool everyFileIsElsewhere(quint32 node) const
    {
        const std::vector<quint32> &order = m_tree.order();
        for (quint32 k = m_tree.first(node); k < m_tree.end(node); ++k)
        {
            bool all = true;
            m_tree.forEachFile(order[k], [&](FileList::Index r) { all = all && elsewhere(r, node); });
            if (!all)
                return false;
        }
        return true;
    }

    quint32 listed(FolderReport &report, quint32 node)
    {
        report.folders.push_back(m_facts[node]);
        return static_cast<quint32>(report.folders.size() - 1);
    }

    // The groups of equal trees, from the largest trees down, so that a folder's group is settled
    // before the groups of the folders in it; a folder inside a listed one is left out.
    std::vector<char> chooseGroups(FolderReport &report)
    {
        QHash<quint32, std::vector<quint32>> byTree;
        for (quint32 n = 0; n < m_tree.count(); ++n)
        {
            if (!m_incomplete[n] && m_facts[n].size > 0)
                byTree[m_treeNumber[n]].push_back(n);
        }
        std::vector<std::vector<quint32>> candidates;
        for (auto &members : byTree)
        {
            if (members.size() > 1)
                candidates.push_back(std::move(members));
        }
        std::sort(candidates.begin(), candidates.end(),
                  [&](const auto &a, const auto &b) { return m_entries[a.front()] > m_entries[b.front()]; });
        std::vector<char> inGroup(m_tree.count(), 0);
        std::vector<std::vector<quint32>> chosen;
        for (std::vector<quint32> &members : candidates)
        {
            std::erase_if(members, [&](quint32 m) {
                for (quint32 p = m_tree.parent(m); p != None; p = m_tree.parent(p))
                {
                    if (inGroup[p])
                        return true;
                }
                return false;
            });
            if (members.size() < 2)
                continue;
            for (const quint32 m : members)
                inGroup[m] = 1;
            std::sort(members.begin(), members.end(),
                      [&](quint32 a, quint32 b) { return m_tree.path(a) < m_tree.path(b); });
            chosen.push_back(std::move(members));
        }
        std::sort(chosen.begin(), chosen.end(), [&](const auto &a, const auto &b) {
            return std::tuple(-m_facts[a.front()].size, m_tree.path(a.front())) <
                   std::tuple(-m_facts[b.front()].size, m_tree.path(b.front()));
        });
        for (const std::vector<quint32> &members : chosen)
        {
            std::vector<quint32> group;
            group.reserve(members.size());
            for (const quint32 m : members)
                group.push_back(listed(report, m));
            report.groups.push_back(std::move(group));
        }
        return inGroup;
    }

    // The outermost folders with nothing unique that no group holds.
    void chooseContained(FolderReport &report, const std::vector<char> &inGroup)
    {
        std::vector<char> blocked(m_tree.count(), 0);
        std::vector<quint32> chosen;
        for (const quint32 n : m_tree.order())
        {
            const quint32 p = m_tree.parent(n);
            blocked[n] = inGroup[n] || (p != None && blocked[p]);
            if (blocked[n] || !m_nothingUnique[n] || m_facts[n].size == 0)
                continue;
            chosen.push_back(n);
            blocked[n] = 1; // its sub-folders hold nothing unique either
        }
        std::sort(chosen.begin(), chosen.end(), [&](quint32 a, quint32 b) {
            return std::tuple(-m_facts[a].size, m_tree.path(a)) < std::tuple(-m_facts[b].size, m_tree.path(b));
        });
        for (const quint32 n : chosen)
        {
            report.contained.push_back(listed(report, n));
            report.copiesOutside.push_back(copiesOutside(n));
        }
    }

    // For each file of the tree of `node`, by its path below the folder, a copy outside it.
    QHash<QString, QString> copiesOutside(quint32 node) const
    {
        QHash<QString, QString> copies;
        const QString &top = m_facts[node].path;
        const std::vector<quint32> &order = m_tree.order();
        for (quint32 k = m_tree.first(node); k < m_tree.end(node); ++k)
        {
            m_tree.forEachFile(order[k], [&](FileList::Index r) {
                copies.insert(m_files.folder(r).mid(top.size()) + m_files.name(r),
                              m_files.fullPath(copyOutside(r, node)));
            });
        }
        return copies;
    }

    const FileList &m_files;
    const FolderCopies::ContentClasses &m_classes;
    FolderTree m_tree;
    std::vector<char> m_incomplete;
    std::vector<quint32> m_treeNumber;
    std::vector<FolderFacts> m_facts;
    std::vector<quint32> m_entries; // files and folders in the tree
    std::vector<char> m_nothingUnique;
    // Distinct listings of complete folders, found by their hash.
    QMultiHash<size_t, quint32> m_trees;
    std::vector<std::vector<Entry>> m_listings;
    std::vector<quint32> m_listingTree;
    quint32 m_nextTree = 0;
    // The members of each shared class.
    std::vector<quint32> m_memberStart;
    std::vector<FileList::Index> m_members;
    std::vector<quint32> m_firstOther;
    std::vector<quint32> m_lastOther;
};
} // namespace

namespace FolderCopies
{
ContentClasses contentClasses(const FileList &files, const ResultList &results)
{
    const auto n = static_cast<FileList::Index>(files.count());
    ContentClasses c;
    c.of.assign(n, None);
    quint32 group = 0;
    for (quint32 row = 0; row < results.count(); ++row)
    {
        if (row > 0 && results.shade(row) != results.shade(row - 1))
            ++group;
        c.of[results.record(row)] = group;
    }
    const quint32 empty = results.count() > 0 ? group + 1 : 0;
    c.shared = empty + 1;
    quint32 next = c.shared;
    // The names of one file are neighbours in the order of their ids.
    std::vector<FileList::Index> byId(n);
    std::iota(byId.begin(), byId.end(), FileList::Index{0});
    std::sort(byId.begin(), byId.end(), [&](FileList::Index a, FileList::Index b) {
        const DirectoryListing::FileId x = files.id(a);
        const DirectoryListing::FileId y = files.id(b);
        return idLess(x, y) || (x == y && a < b);
    });
    for (size_t first = 0; first < byId.size();)
    {
        size_t last = first + 1;
        while (last < byId.size() && files.id(byId[last]) == files.id(byId[first]))
            ++last;
        quint32 cls = None;
        for (size_t k = first; k < last && cls == None; ++k)
            cls = c.of[byId[k]];
        if (cls == None)
            cls = files.size(byId[first]) == 0 ? empty : next++;
        for (size_t k = first; k < last; ++k)
            c.of[byId[k]] = cls;
        first = last;
    }
    return c;
}

std::vector<FileList::Index> contentCandidates(const FileList &files, const std::vector<FileList::Index> &sorted,
                                               const std::vector<FileList::Index> &laterNames)
{
    std::vector<FileList::Index> kept;
    kept.reserve(sorted.size());
    for (const FileList::Index r : sorted)
    {
        if (files.size(r) > 0 && !std::binary_search(laterNames.begin(), laterNames.end(), r))
            kept.push_back(r);
    }
    return kept;
}

FolderReport find(const FileList &files, const ContentClasses &classes, const QStringList &partlySeen)
{
    return FolderFinder(files, classes, partlySeen).run();
}
} // namespace FolderCopies
