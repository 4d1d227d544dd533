#include "host/ByteReader.h"

namespace valdorn {

bool ByteReader::fail(qsizetype offset, const QString& what, const QString& problem) {
    if (error_.isEmpty())
        error_ = QStringLiteral("%1 at offset %2: %3").arg(what).arg(offset).arg(problem);
    return false;
}

bool ByteReader::take(qsizetype count, const QString& what) {
    if (failed())
        return false;
    if (count < 0 || count > remaining()) {
        return fail(offset(), what,
                    QStringLiteral("needs %1 bytes, only %2 left").arg(count).arg(remaining()));
    }
    return true;
}

std::optional<quint8> ByteReader::u8(const QString& what) {
    if (!take(1, what))
        return std::nullopt;
    return static_cast<quint8>(bytes_[pos_++]);
}

std::optional<quint16> ByteReader::u16(const QString& what) {
    if (!take(2, what))
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(bytes_.data() + pos_);
    pos_ += 2;
    return static_cast<quint16>(p[0] | p[1] << 8);
}

std::optional<quint32> ByteReader::u32(const QString& what) {
    if (!take(4, what))
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(bytes_.data() + pos_);
    pos_ += 4;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

std::optional<QByteArrayView> ByteReader::bytes(qsizetype count, const QString& what) {
    if (!take(count, what))
        return std::nullopt;
    QByteArrayView view = bytes_.sliced(pos_, count);
    pos_ += count;
    return view;
}

std::optional<QByteArrayView> ByteReader::cString(const QString& what) {
    if (!take(0, what))
        return std::nullopt;
    const qsizetype nul = bytes_.sliced(pos_).indexOf('\0');
    if (nul < 0) {
        fail(offset(), what, QStringLiteral("no terminating NUL before the end"));
        return std::nullopt;
    }
    QByteArrayView view = bytes_.sliced(pos_, nul);
    pos_ += nul + 1;
    return view;
}

}  // namespace valdorn
