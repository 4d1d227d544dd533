// The movie inside the container: a real uncompressed SWF whose header says what the stage is and
// whose tags carry the named items; a damaged movie is refused with what and where.
#include "host/SwfMovie.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtEndian>
#include <functional>
#include <memory>

using namespace valdorn;
using ::testing::HasSubstr;

namespace {

// Short (< 63 bytes with its id) and long tag forms, an empty item and a non-ASCII name.
const std::vector<SwfItem> kItems = {
    {"a.bin", "xyz"},
    {"empty", ""},
    {QStringLiteral("photo/ёлка.jpg"), QByteArray(300, 'p')},
    {"edge", QByteArray(56, 'e')},  // 6 + 56 = 62 bytes: the longest short tag
    {"edge2", QByteArray(57, 'f')},  // 63 bytes: must take the long form
};

constexpr qsizetype kHeaderSize = 21;  // "FWS", version, length, 9-byte RECT, rate, count
constexpr qsizetype kTrailerSize = 16 * 2 + 2;  // 16 ShowFrame and End, 2 bytes each

void setLength(QByteArray& movie) { qToLittleEndian(quint32(movie.size()), movie.data() + 4); }

// Offset of the ExportAssets tag's body: just before the frames, sized by the names it lists.
qsizetype exportBodyOffset(const QByteArray& movie, const std::vector<SwfItem>& items) {
    qsizetype body = 2;
    for (const SwfItem& item : items)
        body += 2 + item.name.toUtf8().size() + 1;
    return movie.size() - kTrailerSize - body;
}

}  // namespace

TEST(ContainerMovie, headerIsAnUncompressedVersion9StageOf700By550At30FpsWith16Frames) {
    const QByteArray movie = SwfMovie::build(kItems);
    // Bytes as the published format lays them out, independent of our parser.
    EXPECT_EQ(movie.left(3), "FWS");
    EXPECT_EQ(movie[3], 9);
    EXPECT_EQ(qFromLittleEndian<quint32>(movie.data() + 4), quint32(movie.size()));
    EXPECT_EQ(movie.mid(8, 9).toHex(), "780006d60000157c00");  // 15-bit fields 0, 14000, 0, 11000
    EXPECT_EQ(movie.mid(17, 2).toHex(), "001e");                // 30.0 in 8.8 fixed point
    EXPECT_EQ(movie.mid(19, 2).toHex(), "1000");                // 16 frames
    EXPECT_EQ(movie.right(kTrailerSize).toHex(), QByteArray("4000").repeated(16) + "0000");  // ShowFrame x 16, End

    const auto parsed = SwfMovie::parse(movie);
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    EXPECT_EQ(parsed->signature, "FWS");
    EXPECT_EQ(parsed->version, 9);
    EXPECT_EQ(parsed->fileLength, quint32(movie.size()));
    EXPECT_EQ(parsed->stageWidth(), 700);
    EXPECT_EQ(parsed->stageHeight(), 550);
    EXPECT_EQ(parsed->framesPerSecond(), 30.0);
    EXPECT_EQ(parsed->frameCount, 16);
    EXPECT_EQ(parsed->showFrameTags, 16);
}

TEST(ContainerMovie, itemsComeBackByNameWithTheirBytesInOrder) {
    const auto parsed = SwfMovie::parse(SwfMovie::build(kItems));
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    EXPECT_EQ(parsed->items, kItems);
}

TEST(ContainerMovie, everyTruncationIsAnError) {
    // The length field is set to each prefix's size, so the tag walk itself meets the cut.
    const QByteArray movie = SwfMovie::build(kItems);
    for (qsizetype size = 0; size < movie.size(); ++size) {
        QByteArray cut = movie.left(size);
        if (size >= 8)
            setLength(cut);
        auto exact = std::make_unique<char[]>(size_t(size));  // exact: a read past it trips the sanitizer
        std::copy(cut.begin(), cut.end(), exact.get());
        const auto parsed = SwfMovie::parse(QByteArrayView(exact.get(), size), 8);
        ASSERT_FALSE(parsed) << "prefix of " << size << " bytes";
        EXPECT_THAT(parsed.error().toStdString(), HasSubstr("at offset ")) << "prefix of " << size << " bytes";
    }
}

struct MovieDamage {
    const char* name;
    std::function<void(QByteArray&)> damage;
    std::string message;  // with offsets counted from the movie's start
    friend void PrintTo(const MovieDamage& c, std::ostream* os) { *os << c.name; }
};

class ContainerMovieDamage : public ::testing::TestWithParam<MovieDamage> {};

TEST_P(ContainerMovieDamage, isRefusedWithWhatAndWhere) {
    QByteArray movie = SwfMovie::build(kItems);
    GetParam().damage(movie);
    const auto parsed = SwfMovie::parse(movie);
    ASSERT_FALSE(parsed);
    EXPECT_THAT(parsed.error().toStdString(), HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Damages, ContainerMovieDamage,
    ::testing::Values(
        MovieDamage{"compressed", [](QByteArray& m) { m[0] = 'C'; },
                    "movie signature at offset 0: \"43 57 53\" is not an uncompressed movie"},
        MovieDamage{"lengthFieldDisagrees", [](QByteArray& m) { m[4] = char(m[4] + 1); },
                    "movie file length at offset 4"},
        MovieDamage{"tagLongerThanTheMovie",
                    [](QByteArray& m) {
                        qToLittleEndian(quint16(69 << 6 | 0x3f), m.data() + kHeaderSize);
                        qToLittleEndian(quint32(0xffffffff), m.data() + kHeaderSize + 2);
                    },
                    "tag 69 at offset 27: needs 4294967295 bytes"},
        MovieDamage{"exportOfAnUndefinedId",
                    [](QByteArray& m) { qToLittleEndian(quint16(999), m.data() + exportBodyOffset(m, kItems) + 2); },
                    "character id 999 is not defined before it"},
        MovieDamage{"nameWithoutNul",
                    [](QByteArray& m) { m[m.size() - kTrailerSize - 1] = 'x'; },  // the last name's NUL
                    "exported name at offset"},
        MovieDamage{"noEndTag", [](QByteArray& m) { m.chop(2); setLength(m); }, "tag header at offset"},
        MovieDamage{"bytesAfterEnd", [](QByteArray& m) { m.append('\0'); setLength(m); }, "1 bytes follow the End tag"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ContainerMovie, duplicateOrEmptyNamesAreRefused) {
    EXPECT_THAT(SwfMovie::parse(SwfMovie::build({{"a", "1"}, {"a", "2"}})).error().toStdString(),
                HasSubstr("export \"a\" at offset"));
    EXPECT_THAT(SwfMovie::parse(SwfMovie::build({{"", "1"}})).error().toStdString(), HasSubstr("empty name"));
}
