// The program's own container, as linked into it: the movie and block it must carry, every picture
// decoded to its size, the particle bitmap's exact pixels, the fonts registered, and start-up
// messages that name the bad item.
#include "game/AssetLibrary.h"
#include "game/GameFonts.h"
#include "host/Container.h"
#include "host/EmbeddedContainer.h"
#include "host/GameData.h"
#include "host/SwfMovie.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QtEndian>

using namespace valdorn;
using ::testing::HasSubstr;

namespace {

// An item name as a test name: gtest allows letters, digits and underscores only.
std::string testName(std::string name) {
    std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(uchar(ch)); }, '_');
    return name;
}

// Loaded once: registering the fonts again in every test would only add duplicates.
const AssetLibrary& programAssets() {
    static const AssetLibrary assets = [] {
        AssetLibrary library;
        const auto error = loadGameData(library);
        EXPECT_FALSE(error) << error->toStdString();
        return library;
    }();
    return assets;
}

}  // namespace

TEST(ContainerProgram, readsAsAVersion9MovieOf700By550At30FpsWith16FramesAndA470ByteBlock) {
    const QByteArrayView bytes = embeddedContainer();
    const auto container = Container::read(bytes);
    ASSERT_TRUE(container) << container.error().toStdString();
    const QByteArray& movie = container->movie;
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.data()), Container::kMagic);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.data() + 4), quint32(movie.size()));
    EXPECT_TRUE(movie.startsWith("FWS"));
    EXPECT_EQ(qFromLittleEndian<quint32>(movie.data() + 4), quint32(movie.size()));
    EXPECT_EQ(bytes.size() - 8 - movie.size(), 470);
    EXPECT_EQ(container->properties, PropertyBlock::standard());
    EXPECT_EQ(container->write(), bytes.toByteArray());

    const auto parsed = SwfMovie::parse(movie, Container::kMovieOffset);
    ASSERT_TRUE(parsed) << parsed.error().toStdString();
    EXPECT_EQ(parsed->version, 9);
    EXPECT_EQ(parsed->stageWidth(), 700);
    EXPECT_EQ(parsed->stageHeight(), 550);
    EXPECT_EQ(parsed->framesPerSecond(), 30.0);
    EXPECT_EQ(parsed->frameCount, 16);
}

TEST(ContainerProgram, theFileBesideTheExecutableIsTheEmbeddedContainer) {
    QFile file(QFileInfo(VALDORN5_EXE_PATH).dir().filePath("valdorn5.container"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_TRUE(file.readAll() == embeddedContainer());
}

struct PictureCase {
    const char* name;
    int width;
    int height;
    bool alpha;
    friend void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }
};

class ContainerProgramPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(ContainerProgramPicture, decodesToItsExactSize) {
    const PictureCase& c = GetParam();
    const QImage& image = programAssets().image(c.name);
    ASSERT_FALSE(image.isNull()) << c.name;
    EXPECT_EQ(image.size(), QSize(c.width, c.height)) << c.name;
    EXPECT_EQ(image.format(), c.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32) << c.name;
    EXPECT_FALSE(programAssets().data(c.name).isEmpty()) << "the bytes stay available too";
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ContainerProgramPicture,
    ::testing::Values(PictureCase{"photo/level1.jpg", 1600, 1200, false}, PictureCase{"photo/level2.jpg", 1400, 933, false},
                      PictureCase{"photo/level3.jpg", 1824, 1224, false}, PictureCase{"photo/level4.jpg", 1920, 1080, false},
                      PictureCase{"photo/level5.jpg", 1400, 949, false}, PictureCase{"photo/level6.jpg", 2959, 1661, false},
                      PictureCase{"banner.jpg", 347, 190, false}, PictureCase{"texture/planks.jpg", 226, 225, false},
                      PictureCase{"texture/stonewall.jpg", 300, 225, false}, PictureCase{"texture/metal.jpg", 300, 225, false},
                      PictureCase{"rifle.png", 282, 897, true}, PictureCase{"fire.jpg", 3, 3, true},
                      PictureCase{"icon/app-30.png", 30, 30, true}, PictureCase{"icon/app-64.png", 64, 64, true},
                      PictureCase{"icon/app-256.png", 256, 256, true}),
    [](const auto& p) { return testName(p.param.name); });

TEST(ContainerProgram, particleBitmapHoldsExactlyTheNinePremultipliedPixels) {
    constexpr QRgb corner = qRgba(25, 0, 0, 27), side = qRgba(203, 0, 0, 205), centre = qRgba(255, 0, 0, 255);
    constexpr QRgb expected[3][3] = {{corner, side, corner}, {side, centre, side}, {corner, side, corner}};
    const QImage& fire = programAssets().image("fire.jpg");
    ASSERT_EQ(fire.format(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(fire.pixel(x, y), expected[y][x]) << "pixel " << x << ", " << y;
}

TEST(ContainerProgram, riflePictureIsOpaqueAtTheEyepieceAndClearInTheCorners) {
    const QImage& rifle = programAssets().image("rifle.png");
    EXPECT_EQ(qAlpha(rifle.pixel(166, 175)), 255);
    EXPECT_EQ(qAlpha(rifle.pixel(166, 600)), 255);
    EXPECT_EQ(qAlpha(rifle.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(rifle.pixel(281, 0)), 0);
}

struct FontCase {
    const char* role;
    QFont font;
    const char* family;
    const char* style;
    friend void PrintTo(const FontCase& c, std::ostream* os) { *os << c.role; }
};

class ContainerProgramFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(ContainerProgramFont, roleResolvesToItsEmbeddedFace) {
    programAssets();
    const QFontInfo info(GetParam().font);
    EXPECT_EQ(info.family().toStdString(), GetParam().family);
    EXPECT_EQ(info.styleName().toStdString(), GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    Roles, ContainerProgramFont,
    ::testing::Values(FontCase{"tahoma", fonts::tahoma(11), "DejaVu Sans Condensed", "Condensed"},
                      FontCase{"tahomaBold", fonts::tahoma(11, true), "DejaVu Sans Condensed", "Condensed Bold"},
                      FontCase{"verdana", fonts::verdana(12), "DejaVu Sans", "Book"},
                      FontCase{"verdanaBold", fonts::verdana(12, true), "DejaVu Sans", "Bold"},
                      FontCase{"arial", fonts::arial(18), "Liberation Sans", "Regular"},
                      FontCase{"arialBold", fonts::arial(18, true), "Liberation Sans", "Bold"},
                      FontCase{"arialBlack", fonts::arialBlack(18), "Roboto", "Black"},
                      FontCase{"stencil", fonts::stencil(14), "Allerta", "Stencil"},
                      FontCase{"handwriting", fonts::handwriting(20), "Kaushan Script", "Regular"},
                      FontCase{"monospace", fonts::monospace(14), "Liberation Mono", "Regular"},
                      FontCase{"monospaceBold", fonts::monospace(14, true), "Liberation Mono", "Bold"}),
    [](const auto& p) { return std::string(p.param.role); });

// A container whose one item is broken, and what start-up must say about it.
struct BadItem {
    const char* name;
    QByteArray bytes;
    const char* message;
    friend void PrintTo(const BadItem& c, std::ostream* os) { *os << c.name; }
};

class ContainerProgramBadItem : public ::testing::TestWithParam<BadItem> {};

TEST_P(ContainerProgramBadItem, stopsStartUpWithAMessageNamingIt) {
    const BadItem& c = GetParam();
    const QByteArray container = Container{SwfMovie::build({{c.name, c.bytes}}), PropertyBlock::standard()}.write();
    AssetLibrary library;
    const auto error = loadGameData(container, library);
    ASSERT_TRUE(error);
    EXPECT_THAT(error->toStdString(), HasSubstr(c.message));
}

namespace {
QByteArray programItem(const char* name) {
    const auto movie = SwfMovie::parse(Container::read(embeddedContainer())->movie);
    for (const SwfItem& item : movie->items)
        if (item.name == QLatin1String(name))
            return item.bytes;
    return {};
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Items, ContainerProgramBadItem,
    ::testing::Values(BadItem{"photo/cut.jpg", programItem("banner.jpg").left(4000), "game data picture photo/cut.jpg: libjpeg: "},
                      BadItem{"photo/notAPicture.jpg", "plain text", "photo/notAPicture.jpg: neither a JPEG nor a PNG"},
                      BadItem{"rifle.png", QByteArray("\x89PNG\r\n\x1a\n", 8) + "garbage", "rifle.png: the PNG data does not decode"},
                      BadItem{"font/broken.ttf", "not a font", "game data font font/broken.ttf"}),
    [](const auto& p) { return testName(p.param.name); });

TEST(ContainerProgram, aDamagedContainerStopsStartUpWithTheReadersMessage) {
    QByteArray bytes = embeddedContainer().toByteArray();
    bytes[0] = 0;
    AssetLibrary library;
    const auto error = loadGameData(bytes, library);
    ASSERT_TRUE(error);
    EXPECT_THAT(error->toStdString(), HasSubstr("game data container: magic at offset 0"));
}
