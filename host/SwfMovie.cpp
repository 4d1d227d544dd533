#include "host/SwfMovie.h"

#include "host/ByteReader.h"
#include "host/ByteWriter.h"

#include <QHash>
#include <QSet>
#include <bit>

namespace valdorn {
namespace {

enum Tag : quint16 {
    End = 0,
    ShowFrame = 1,
    SetBackgroundColor = 9,
    ExportAssets = 56,
    FileAttributes = 69,
    SymbolClass = 76,
    DefineBinaryData = 87,
};

constexpr quint8 kVersion = 9;  // the first version with DefineBinaryData
constexpr qint32 kStageWidthTwips = 700 * SwfMovie::kTwipsPerPixel;
constexpr qint32 kStageHeightTwips = 550 * SwfMovie::kTwipsPerPixel;
constexpr quint16 kFrameRate88 = 30 << 8;
constexpr quint16 kFrameCount = 16;
constexpr quint16 kShortLengthLimit = 0x3f;  // a tag length of 0x3f means "a u32 length follows"

void putTag(QByteArray& out, quint16 code, const QByteArray& body) {
    if (body.size() < kShortLengthLimit) {
        bytes::putU16(out, quint16(code << 6 | body.size()));
    } else {
        bytes::putU16(out, quint16(code << 6 | kShortLengthLimit));
        bytes::putU32(out, quint32(body.size()));
    }
    out.append(body);
}

// Bits of a signed field wide enough for every value (the RECT packs four of them).
int signedBits(std::initializer_list<qint32> values) {
    int bits = 1;
    for (qint32 v : values) {
        const quint32 magnitude = v < 0 ? ~quint32(v) : quint32(v);
        bits = std::max(bits, int(std::bit_width(magnitude)) + 1);
    }
    return bits;
}

QByteArray packRect(qint32 xMin, qint32 xMax, qint32 yMin, qint32 yMax) {
    const int n = signedBits({xMin, xMax, yMin, yMax});
    QByteArray out;
    quint64 acc = 0;
    int filled = 0;
    auto push = [&](quint32 value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            acc = acc << 1 | ((value >> i) & 1);
            if (++filled == 8) {
                out.append(char(acc));
                acc = 0;
                filled = 0;
            }
        }
    };
    push(quint32(n), 5);
    for (qint32 v : {xMin, xMax, yMin, yMax})
        push(quint32(v), n);
    if (filled > 0)
        out.append(char(acc << (8 - filled)));
    return out;
}

// Reads the bit-packed RECT (5-bit field width, then four signed fields); false, with the reader's
// error set, when it runs past the end.
bool readRect(ByteReader& reader, SwfMovie& movie) {
    const auto first = reader.u8(QStringLiteral("stage rectangle"));
    if (!first)
        return false;
    const int n = *first >> 3;
    const int totalBytes = (5 + 4 * n + 7) / 8;
    const auto rest = reader.bytes(totalBytes - 1, QStringLiteral("stage rectangle"));
    if (!rest)
        return false;
    QByteArray packed = QByteArray(1, char(*first)) + rest->toByteArray();
    int bit = 5;
    auto field = [&]() {
        qint64 value = 0;
        for (int i = 0; i < n; ++i, ++bit)
            value = value << 1 | ((quint8(packed[bit / 8]) >> (7 - bit % 8)) & 1);
        if (n > 0 && (value >> (n - 1)) & 1)
            value -= qint64(1) << n;
        return qint32(value);
    };
    movie.xMinTwips = field();
    movie.xMaxTwips = field();
    movie.yMinTwips = field();
    movie.yMaxTwips = field();
    return true;
}

}  // namespace

QByteArray SwfMovie::build(const std::vector<SwfItem>& items) {
    Q_ASSERT(items.size() < 0xffff);
    QByteArray tags;
    putTag(tags, FileAttributes, QByteArray(4, '\0'));
    putTag(tags, SetBackgroundColor, QByteArray(3, char(0xff)));
    QByteArray exports;
    bytes::putU16(exports, quint16(items.size()));
    quint16 id = 0;
    for (const SwfItem& item : items) {
        QByteArray body;
        bytes::putU16(body, ++id);
        bytes::putU32(body, 0);  // reserved
        body.append(item.bytes);
        putTag(tags, DefineBinaryData, body);
        bytes::putU16(exports, id);
        exports.append(item.name.toUtf8());
        exports.append('\0');
    }
    putTag(tags, ExportAssets, exports);
    for (int frame = 0; frame < kFrameCount; ++frame)
        putTag(tags, ShowFrame, {});
    putTag(tags, End, {});

    QByteArray header("FWS");
    bytes::putU8(header, kVersion);
    bytes::putU32(header, 0);  // the file length, filled in below
    header.append(packRect(0, kStageWidthTwips, 0, kStageHeightTwips));
    bytes::putU16(header, kFrameRate88);
    bytes::putU16(header, kFrameCount);

    QByteArray movie = header + tags;
    const auto length = quint32(movie.size());
    for (int i = 0; i < 4; ++i)
        movie[4 + i] = char(length >> (8 * i));
    return movie;
}

Expected<SwfMovie> SwfMovie::parse(QByteArrayView bytes, qsizetype base) {
    using Result = Expected<SwfMovie>;
    SwfMovie movie;
    ByteReader reader(bytes, base);
    const auto signature = reader.bytes(3, QStringLiteral("movie signature"));
    if (!signature)
        return Result::failure(reader.error());
    movie.signature = signature->toByteArray();
    if (movie.signature != "FWS") {
        reader.fail(base, QStringLiteral("movie signature"),
                    QStringLiteral("\"%1\" is not an uncompressed movie (\"FWS\")").arg(QString::fromLatin1(movie.signature.toHex(' '))));
        return Result::failure(reader.error());
    }
    const auto version = reader.u8(QStringLiteral("movie version"));
    const auto length = reader.u32(QStringLiteral("movie file length"));
    if (!version || !length)
        return Result::failure(reader.error());
    movie.version = *version;
    movie.fileLength = *length;
    if (qint64(*length) != bytes.size()) {
        reader.fail(base + 4, QStringLiteral("movie file length"),
                    QStringLiteral("%1 differs from the movie's %2 bytes").arg(*length).arg(bytes.size()));
        return Result::failure(reader.error());
    }
    if (!readRect(reader, movie))
        return Result::failure(reader.error());
    const auto rate = reader.u16(QStringLiteral("frame rate"));
    const auto frames = reader.u16(QStringLiteral("frame count"));
    if (!rate || !frames)
        return Result::failure(reader.error());
    movie.frameRate88 = *rate;
    movie.frameCount = *frames;

    QHash<quint16, QByteArrayView> data;  // DefineBinaryData by character id
    QSet<QString> names;
    bool ended = false;
    while (!ended) {
        const auto codeAndLength = reader.u16(QStringLiteral("tag header"));
        if (!codeAndLength)
            return Result::failure(reader.error());
        const quint16 code = *codeAndLength >> 6;
        qsizetype size = *codeAndLength & kShortLengthLimit;
        if (size == kShortLengthLimit) {
            const auto longSize = reader.u32(QStringLiteral("tag length"));
            if (!longSize)
                return Result::failure(reader.error());
            size = qsizetype(*longSize);
        }
        const QString what = QStringLiteral("tag %1").arg(code);
        const qsizetype bodyAt = reader.offset();
        const auto body = reader.bytes(size, what);
        if (!body)
            return Result::failure(reader.error());
        ByteReader tag(*body, bodyAt);

        switch (code) {
        case End:
            ended = true;
            break;
        case ShowFrame:
            ++movie.showFrameTags;
            break;
        case DefineBinaryData: {
            const auto id = tag.u16(QStringLiteral("binary data id"));
            if (!id || !tag.u32(QStringLiteral("binary data reserved field")))
                return Result::failure(tag.error());
            if (data.contains(*id)) {
                tag.fail(bodyAt, what, QStringLiteral("character id %1 is defined twice").arg(*id));
                return Result::failure(tag.error());
            }
            data.insert(*id, body->sliced(6));
            break;
        }
        case ExportAssets:
        case SymbolClass: {
            const auto count = tag.u16(QStringLiteral("export count"));
            if (!count)
                return Result::failure(tag.error());
            for (int i = 0; i < *count; ++i) {
                const qsizetype entryAt = tag.offset();
                const auto id = tag.u16(QStringLiteral("exported id"));
                const auto name = tag.cString(QStringLiteral("exported name"));
                if (!id || !name)
                    return Result::failure(tag.error());
                const QString text = QString::fromUtf8(*name);
                if (!data.contains(*id)) {
                    tag.fail(entryAt, QStringLiteral("export \"%1\"").arg(text),
                             QStringLiteral("character id %1 is not defined before it").arg(*id));
                    return Result::failure(tag.error());
                }
                if (text.isEmpty() || names.contains(text)) {
                    tag.fail(entryAt, QStringLiteral("export \"%1\"").arg(text),
                             text.isEmpty() ? QStringLiteral("empty name") : QStringLiteral("name used twice"));
                    return Result::failure(tag.error());
                }
                names.insert(text);
                movie.items.push_back({text, data.value(*id).toByteArray()});
            }
            break;
        }
        default:
            break;  // drawing and other tags carry nothing we read
        }
    }
    if (reader.remaining() != 0) {
        reader.fail(reader.offset(), QStringLiteral("movie"),
                    QStringLiteral("%1 bytes follow the End tag").arg(reader.remaining()));
        return Result::failure(reader.error());
    }
    return movie;
}

}  // namespace valdorn
