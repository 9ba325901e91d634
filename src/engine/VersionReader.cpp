// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/VersionReader.h"

#include "platform/ReadOnlyFile.h"

#include <array>
#include <cstring>
#include <optional>

// The PE image is read piece by piece at offsets taken from the file itself, so every offset and
// length is checked against the file's size before it is used; the resource tree is descended a
// fixed three levels, so a directory that points back at itself cannot make a loop.
namespace
{
// A value of the row, saved in session files and exports: the same in every language.
const QString NotAvailable = QStringLiteral("N/A");

constexpr quint32 PeSignature = 0x00004550; // "PE\0\0"
constexpr quint16 Pe32Magic = 0x10b;
constexpr quint16 Pe32PlusMagic = 0x20b;
constexpr quint32 ResourceDirectoryIndex = 2;
constexpr qint64 DataDirectorySize = 8; // address and size, 4 bytes each
constexpr quint32 RtVersion = 16;
constexpr quint32 VsVersionInfoId = 1;
constexpr quint32 FixedInfoSignature = 0xFEEF04BD;
constexpr quint32 SubdirectoryFlag = 0x80000000u;
// More sections or directory entries than this means a damaged image.
constexpr quint32 MaxSections = 96;
constexpr quint32 MaxEntries = 4096;

struct Section
{
    quint32 virtualAddress;
    quint32 virtualSize;
    quint32 rawSize;
    quint32 rawOffset;
};

class ImageReader
{
public:
    explicit ImageReader(const ReadOnlyFile &file) : m_file(file) {}

    template <size_t N> std::optional<std::array<unsigned char, N>> bytes(qint64 offset) const
    {
        std::array<unsigned char, N> out{};
        if (offset < 0 || offset > m_file.size() - static_cast<qint64>(N))
            return std::nullopt;
        if (m_file.readAt(reinterpret_cast<char *>(out.data()), N, offset) != static_cast<qint64>(N))
            return std::nullopt;
        return out;
    }
    std::optional<quint16> u16(qint64 offset) const
    {
        const auto b = bytes<2>(offset);
        if (!b)
            return std::nullopt;
        return static_cast<quint16>((*b)[0] | ((*b)[1] << 8));
    }
    std::optional<quint32> u32(qint64 offset) const
    {
        const auto b = bytes<4>(offset);
        if (!b)
            return std::nullopt;
        return le32(b->data());
    }
    static quint32 le32(const unsigned char *p)
    {
        return static_cast<quint32>(p[0]) | static_cast<quint32>(p[1]) << 8 | static_cast<quint32>(p[2]) << 16 |
               static_cast<quint32>(p[3]) << 24;
    }

private:
    const ReadOnlyFile &m_file;
};

bool hasVersionExtension(const QString &path)
{
    // Only names ending in one of the three extensions are read (a name such as "a.xe .d" that
    // merely occurs inside ".exe .dll .ocx" is not a program).
    for (const char *ext : {".exe", ".dll", ".ocx"})
    {
        if (path.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

class VersionResource
{
public:
    explicit VersionResource(const ReadOnlyFile &file) : m_in(file) {}

    std::optional<QString> read()
    {
        const auto mz = m_in.u16(0);
        const auto peOffset = m_in.u32(0x3C);
        if (!mz || *mz != 0x5A4D || !peOffset)
            return std::nullopt;
        const qint64 pe = *peOffset;
        const auto sig = m_in.u32(pe);
        const auto sectionCount = m_in.u16(pe + 6);
        const auto optionalSize = m_in.u16(pe + 20);
        if (!sig || *sig != PeSignature || !sectionCount || !optionalSize || *sectionCount > MaxSections)
            return std::nullopt;
        const qint64 optional = pe + 24;
        const auto magic = m_in.u16(optional);
        if (!magic)
            return std::nullopt;
        qint64 directories = 0;
        qint64 countField = 0;
        if (*magic == Pe32Magic)
        {
            countField = optional + 92;
            directories = optional + 96;
        }
        else if (*magic == Pe32PlusMagic)
        {
            countField = optional + 108;
            directories = optional + 112;
        }
        else
            return std::nullopt;
        const auto directoryCount = m_in.u32(countField);
        if (!directoryCount || *directoryCount <= ResourceDirectoryIndex ||
            directories + (ResourceDirectoryIndex + 1) * DataDirectorySize > optional + *optionalSize)
            return std::nullopt;
        const auto resourceRva = m_in.u32(directories + ResourceDirectoryIndex * DataDirectorySize);
        if (!resourceRva || *resourceRva == 0)
            return std::nullopt;
        if (!readSections(optional + *optionalSize, *sectionCount))
            return std::nullopt;
        const auto root = fileOffset(*resourceRva);
        if (!root)
            return std::nullopt;
        m_resourceBase = *root;

        const auto typeDir = findEntry(0, RtVersion, false);
        if (!typeDir || !(*typeDir & SubdirectoryFlag))
            return std::nullopt;
        const auto nameDir = findEntry(*typeDir & ~SubdirectoryFlag, VsVersionInfoId, true);
        if (!nameDir || !(*nameDir & SubdirectoryFlag))
            return std::nullopt;
        const auto langEntry = findEntry(*nameDir & ~SubdirectoryFlag, 0, true);
        if (!langEntry || (*langEntry & SubdirectoryFlag))
            return std::nullopt;
        return readVersionInfo(m_resourceBase + *langEntry);
    }

private:
    bool readSections(qint64 table, quint16 count)
    {
        for (quint16 s = 0; s < count; ++s)
        {
            const auto header = m_in.bytes<40>(table + qint64{s} * 40);
            if (!header)
                return false;
            const unsigned char *h = header->data();
            m_sections[s] = {ImageReader::le32(h + 12), ImageReader::le32(h + 8), ImageReader::le32(h + 16),
                             ImageReader::le32(h + 20)};
        }
        m_sectionCount = count;
        return true;
    }

    std::optional<qint64> fileOffset(quint32 rva) const
    {
        for (quint32 s = 0; s < m_sectionCount; ++s)
        {
            const Section &sec = m_sections[s];
            const quint64 extent = qMax(sec.virtualSize, sec.rawSize);
            if (rva < sec.virtualAddress || rva - sec.virtualAddress >= extent)
                continue;
            const quint32 delta = rva - sec.virtualAddress;
            if (delta >= sec.rawSize)
                return std::nullopt;
            return qint64{sec.rawOffset} + delta;
        }
        return std::nullopt;
    }

    // The OffsetToData of the entry with that id in the directory at `offset` (relative to the
    // resource root); with `orFirst`, the first entry when no entry has the id.
    std::optional<quint32> findEntry(quint32 offset, quint32 id, bool orFirst) const
    {
        const qint64 dir = m_resourceBase + offset;
        const auto named = m_in.u16(dir + 12);
        const auto ids = m_in.u16(dir + 14);
        if (!named || !ids)
            return std::nullopt;
        const quint32 total = quint32{*named} + *ids;
        if (total == 0 || total > MaxEntries)
            return std::nullopt;
        std::optional<quint32> first;
        for (quint32 e = 0; e < total; ++e)
        {
            const auto entry = m_in.bytes<8>(dir + 16 + qint64{e} * 8);
            if (!entry)
                return std::nullopt;
            const quint32 name = ImageReader::le32(entry->data());
            const quint32 data = ImageReader::le32(entry->data() + 4);
            if (!first)
                first = data;
            if (!(name & SubdirectoryFlag) && name == id)
                return data;
        }
        return orFirst ? first : std::nullopt;
    }

    std::optional<QString> readVersionInfo(qint64 dataEntry) const
    {
        const auto rva = m_in.u32(dataEntry);
        const auto size = m_in.u32(dataEntry + 4);
        if (!rva || !size)
            return std::nullopt;
        const auto start = fileOffset(*rva);
        // wLength, wValueLength, wType, "VS_VERSION_INFO" with its NUL, padding, then the fixed part.
        constexpr qint64 FixedOffset = 40;
        constexpr qint64 FixedSize = 52;
        if (!start || *size < FixedOffset + FixedSize)
            return std::nullopt;
        const auto head = m_in.bytes<FixedOffset + FixedSize>(*start);
        if (!head)
            return std::nullopt;
        const unsigned char *h = head->data();
        const quint16 valueLength = static_cast<quint16>(h[2] | (h[3] << 8));
        static const char16_t key[] = u"VS_VERSION_INFO";
        for (size_t c = 0; c < std::size(key); ++c)
        {
            const char16_t ch = static_cast<char16_t>(h[6 + 2 * c] | (h[7 + 2 * c] << 8));
            if (ch != key[c])
                return std::nullopt;
        }
        const unsigned char *fixed = h + FixedOffset;
        if (valueLength < FixedSize || ImageReader::le32(fixed) != FixedInfoSignature)
            return std::nullopt;
        const quint32 ms = ImageReader::le32(fixed + 8);
        const quint32 ls = ImageReader::le32(fixed + 12);
        return QString::number(ms >> 16) + u'.' + QString::number(ms & 0xFFFF) + u'.' + QString::number(ls >> 16) +
               u'.' + QString::number(ls & 0xFFFF);
    }

    ImageReader m_in;
    std::array<Section, MaxSections> m_sections{};
    quint32 m_sectionCount = 0;
    qint64 m_resourceBase = 0;
};
} // namespace

QString fileVersionText(const QString &path)
{
    if (!hasVersionExtension(path))
        return NotAvailable;
    ReadOnlyFile file;
    if (!file.open(path))
        return NotAvailable;
    return VersionResource(file).read().value_or(NotAvailable);
}
