#pragma once
// Bounds-checked little-endian reading of untrusted bytes (the container, the movie's tags).
// Every read names what it reads; a read that would pass the end fails instead, records
// "<what> at offset <n>: <problem>" and leaves the reader failed, so later reads fail too and the
// first problem is the one reported. Offsets are absolute: `base` is the offset of the first byte
// of `bytes` within the whole file, so a message points into the file the user has.
// The reader never copies: views stay valid as long as the bytes do.

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace valdorn {

class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes, qsizetype base = 0) : bytes_(bytes), base_(base) {}

    [[nodiscard]] qsizetype offset() const { return base_ + pos_; }
    [[nodiscard]] qsizetype remaining() const { return bytes_.size() - pos_; }
    [[nodiscard]] bool failed() const { return !error_.isEmpty(); }
    [[nodiscard]] const QString& error() const { return error_; }

    std::optional<quint8> u8(const QString& what);
    std::optional<quint16> u16(const QString& what);
    std::optional<quint32> u32(const QString& what);
    std::optional<QByteArrayView> bytes(qsizetype count, const QString& what);
    // A NUL-terminated byte string; the NUL is consumed but not returned.
    std::optional<QByteArrayView> cString(const QString& what);

    // Records a problem found in what was read, at `offset` (absolute); returns false so callers
    // can `return reader.fail(...)`. Keeps the first message if one is already there.
    bool fail(qsizetype offset, const QString& what, const QString& problem);

private:
    bool take(qsizetype count, const QString& what);

    QByteArrayView bytes_;
    qsizetype base_;
    qsizetype pos_ = 0;
    QString error_;
};

}  // namespace valdorn
