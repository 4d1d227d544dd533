#include "host/Container.h"

#include "host/ByteWriter.h"

#include <QtEndian>

namespace valdorn {

Expected<Container> Container::read(QByteArrayView bytes) {
    using Result = Expected<Container>;
    ByteReader reader(bytes);
    const auto magic = reader.u32(QStringLiteral("magic"));
    if (!magic)
        return Result::failure(reader.error());
    if (*magic != kMagic) {
        reader.fail(0, QStringLiteral("magic"),
                    QStringLiteral("0x%1 is not 0x%2").arg(*magic, 8, 16, QChar('0')).arg(kMagic, 8, 16, QChar('0')));
        return Result::failure(reader.error());
    }
    const auto length = reader.u32(QStringLiteral("movie length"));
    if (!length)
        return Result::failure(reader.error());
    if (qint64(*length) > reader.remaining()) {
        reader.fail(4, QStringLiteral("movie length"),
                    QStringLiteral("%1 bytes do not fit in the %2 bytes after offset %3")
                        .arg(*length).arg(reader.remaining()).arg(kMovieOffset));
        return Result::failure(reader.error());
    }
    if (*length < kMovieHeaderSize) {
        reader.fail(4, QStringLiteral("movie length"),
                    QStringLiteral("%1 bytes cannot hold the movie's %2-byte header").arg(*length).arg(kMovieHeaderSize));
        return Result::failure(reader.error());
    }
    const QByteArrayView movie = *reader.bytes(qsizetype(*length), QStringLiteral("movie"));
    const auto repeated = qFromLittleEndian<quint32>(movie.data() + 4);
    if (repeated != *length) {
        reader.fail(kMovieOffset + 4, QStringLiteral("movie header's length field"),
                    QStringLiteral("%1 differs from the container's movie length %2").arg(repeated).arg(*length));
        return Result::failure(reader.error());
    }

    auto properties = PropertyBlock::read(reader);
    if (!properties)
        return Result::failure(reader.error());
    if (reader.remaining() != 0) {
        reader.fail(reader.offset(), QStringLiteral("container"),
                    QStringLiteral("%1 bytes follow the last property value").arg(reader.remaining()));
        return Result::failure(reader.error());
    }
    return Container{movie.toByteArray(), std::move(*properties)};
}

QByteArray Container::write() const {
    QByteArray out;
    out.reserve(kMovieOffset + movie.size() + 512);
    bytes::putU32(out, kMagic);
    bytes::putU32(out, quint32(movie.size()));
    out.append(movie);
    properties.write(out);
    return out;
}

}  // namespace valdorn
