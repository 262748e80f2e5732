#include "platform/resource_file.h"

#include <QtEndian>

#include <vector>

namespace tornavel {

namespace {

// Node flags of the resource tree.
constexpr quint16 kCompressedZlib = 0x01;
constexpr quint16 kDirectory = 0x02;
constexpr quint16 kCompressedZstd = 0x04;

class ResourceChecker {
public:
    explicit ResourceChecker(QByteArrayView data) : data_(data) {}

    bool Check()
    {
        if (!Has(0, 20) || data_.first(4) != QByteArrayView("qres"))
            return false;
        const quint32 version = Big32(4);
        if (version < 1 || version > 3)
            return false;
        tree_ = Big32(8);
        files_ = Big32(12);
        names_ = Big32(16);
        if (version >= 3 && !Has(0, 24))
            return false;
        // Version 2 added the last-modified time to each node.
        nodeSize_ = version >= 2 ? 22 : 14;
        if (tree_ > data_.size())
            return false;
        const qint64 nodeCount = (data_.size() - tree_) / nodeSize_;
        if (nodeCount < 1)
            return false;
        // Each node is checked once, from the root down; children come after their directory.
        std::vector<bool> seen(static_cast<size_t>(nodeCount), false);
        std::vector<qint64> pending{0};
        seen[0] = true;
        while (!pending.empty()) {
            const qint64 node = pending.back();
            pending.pop_back();
            const qint64 at = tree_ + node * nodeSize_;
            // The root's name is never read.
            if (node != 0 && !NameInside(Big32(at)))
                return false;
            const quint16 flags = Big16(at + 4);
            // Qt reads the root's children without looking at its flags.
            if (node == 0 && !(flags & kDirectory))
                return false;
            if (flags & kDirectory) {
                const qint64 count = Big32(at + 6);
                const qint64 first = Big32(at + 10);
                if (count > 0 && (first <= node || first + count > nodeCount))
                    return false;
                // A node has one directory: no two share a child, which also bounds the walk.
                for (qint64 child = first; child < first + count; ++child) {
                    if (seen[static_cast<size_t>(child)])
                        return false;
                    seen[static_cast<size_t>(child)] = true;
                    pending.push_back(child);
                }
            } else if (!FileInside(Big32(at + 10), flags)) {
                return false;
            }
        }
        return true;
    }

private:
    bool Has(qint64 at, qint64 bytes) const { return at >= 0 && bytes >= 0 && at + bytes <= data_.size(); }
    quint32 Big32(qint64 at) const { return qFromBigEndian<quint32>(data_.data() + at); }
    quint16 Big16(qint64 at) const { return qFromBigEndian<quint16>(data_.data() + at); }

    // A name: its length in UTF-16 units, its hash, then the units.
    bool NameInside(qint64 offset) const
    {
        const qint64 at = names_ + offset;
        return Has(at, 6) && Has(at + 6, 2 * qint64(Big16(at)));
    }

    // A file: its length, then its bytes, packed by zlib (after the unpacked length) or by
    // zstd (a frame that says its unpacked length) when the node says so.
    bool FileInside(qint64 offset, quint16 flags) const
    {
        const qint64 at = files_ + offset;
        if (!Has(at, 4))
            return false;
        const qint64 length = Big32(at);
        if (!Has(at + 4, length))
            return false;
        if (flags & kCompressedZlib)
            return length >= 4 && Big32(at + 4) <= kMaxResourceEntryBytes;
        if (flags & kCompressedZstd)
            return ZstdSizeBounded(at + 4, length);
        return true;
    }

    // The frame header of zstd: magic number, descriptor, window, dictionary id, then the
    // content size, absent, or of 1, 2 (less 256), 4 or 8 little-endian bytes.
    bool ZstdSizeBounded(qint64 at, qint64 length) const
    {
        if (length < 5 || qFromLittleEndian<quint32>(data_.data() + at) != 0xFD2FB528u)
            return false;
        const auto descriptor = static_cast<quint8>(data_[at + 4]);
        const bool singleSegment = descriptor & 0x20;
        const int dictionaryBytes[] = {0, 1, 2, 4};
        const int sizeFlag = descriptor >> 6;
        const int sizeBytes = sizeFlag == 0 ? (singleSegment ? 1 : 0) : 1 << sizeFlag;
        const qint64 sizeAt = at + 5 + (singleSegment ? 0 : 1) + dictionaryBytes[descriptor & 0x03];
        if (sizeBytes == 0 || sizeAt + sizeBytes > at + length)
            return false;
        quint64 size = 0;
        for (int k = sizeBytes - 1; k >= 0; --k)
            size = (size << 8) | static_cast<quint8>(data_[sizeAt + k]);
        if (sizeBytes == 2)
            size += 256;
        return size <= quint64(kMaxResourceEntryBytes);
    }

    QByteArrayView data_;
    qint64 tree_ = 0;
    qint64 files_ = 0;
    qint64 names_ = 0;
    qint64 nodeSize_ = 22;
};

} // namespace

bool IsSoundResourceData(QByteArrayView data)
{
    return ResourceChecker(data).Check();
}

} // namespace tornavel
