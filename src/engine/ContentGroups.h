// The groups that pairwise comparison of one candidate group gives, found by reading each file
// at most once: exact content read in step, CRC-32 once per file, fuzzy over block digests.
#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace ContentGroups
{
/// Groups as indices into the member list: each group in ascending order, groups in order of
/// their first members; only groups of two or more.
using Groups = std::vector<std::vector<qsizetype>>;

/// Asked between steps (and between large reads); false stops the search, which then answers
/// nothing.
using KeepGoing = std::function<bool()>;

/// How files are compared: Byte to Byte exact or fuzzy, or CRC32.
enum class Method
{
    Exact,
    Fuzzy,
    Crc,
};

/// What a search tells besides its groups. bytesRead may be read from any thread while the search
/// runs; unreadable is complete once the search has returned.
struct Tally
{
    std::atomic<qint64> bytesRead{0};  // bytes of the members read so far
    std::vector<qsizetype> unreadable; // members that could not be opened or read, ascending
};

/// Most files one search holds open at once (a larger set opens each file for its read only).
constexpr qsizetype OpenFileLimit = 128;

/// The groups of `method`: one of the functions below. Safe to call from several threads at once.
/// With a tally, the bytes read and the members that could not be read are counted there.
std::optional<Groups> find(Method method, const std::vector<QString> &paths, const KeepGoing &keepGoing,
                           Tally *tally = nullptr);

/// Files of the same current length and the same bytes. A file that cannot be opened or read
/// matches nothing. Reads every set of still-equal files block by block in step and splits it
/// where contents differ, with a bounded number of open files and bounded memory.
std::optional<Groups> exact(const std::vector<QString> &paths, const KeepGoing &keepGoing, Tally *tally = nullptr);

/// Files whose CRC-32 checksums are equal, each checksum computed once.
std::optional<Groups> crc(const std::vector<QString> &paths, const KeepGoing &keepGoing, Tally *tally = nullptr);

/// The fuzzy rule of CompareFilesFuzzy applied pairwise in member order (a file joins the group
/// of the first earlier file it matches that is not itself taken), over per-file digests of the
/// whole 1000-byte blocks read once per file.
std::optional<Groups> fuzzy(const std::vector<QString> &paths, const KeepGoing &keepGoing, Tally *tally = nullptr);
} // namespace ContentGroups
