// JPEG decoding through libjpeg-turbo: colours land in the right channels of an opaque RGB32
// picture, and damaged data is an error with libjpeg's message rather than a half-grey picture.
#include "host/Jpeg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <turbojpeg.h>

using namespace valdorn;
using ::testing::HasSubstr;

namespace {

// Four 8 x 8 quadrants, red, green / blue, white, compressed losslessly enough (quality 100, no
// chroma subsampling; or as greyscale) that each quadrant's centre decodes to within a few levels.
QByteArray quadrantsJpeg(bool grey = false) {
    constexpr int size = 16;
    const unsigned char colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    std::vector<unsigned char> rgb(size * size * 3);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            std::copy_n(colours[(y / 8) * 2 + x / 8], 3, &rgb[size_t((y * size + x) * 3)]);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int subsampling = grey ? TJSAMP_GRAY : TJSAMP_444;
    EXPECT_EQ(tjCompress2(handle, rgb.data(), size, 0, size, TJPF_RGB, &jpeg, &jpegSize, subsampling, 100, 0), 0);
    QByteArray bytes(reinterpret_cast<const char*>(jpeg), qsizetype(jpegSize));
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

void expectNear(QRgb actual, int r, int g, int b) {
    EXPECT_NEAR(qRed(actual), r, 4);
    EXPECT_NEAR(qGreen(actual), g, 4);
    EXPECT_NEAR(qBlue(actual), b, 4);
    EXPECT_EQ(qAlpha(actual), 255);
}

}  // namespace

TEST(Jpeg, coloursLandInTheirChannelsOfAnOpaqueRgb32Picture) {
    const auto image = jpeg::decode(quadrantsJpeg());
    ASSERT_TRUE(image) << image.error().toStdString();
    ASSERT_EQ(image->size(), QSize(16, 16));
    ASSERT_EQ(image->format(), QImage::Format_RGB32);
    expectNear(image->pixel(4, 4), 255, 0, 0);
    expectNear(image->pixel(12, 4), 0, 255, 0);
    expectNear(image->pixel(4, 12), 0, 0, 255);
    expectNear(image->pixel(12, 12), 255, 255, 255);
}

TEST(Jpeg, greyscalePicturesDecodeToGreyRgb) {
    const auto image = jpeg::decode(quadrantsJpeg(true));
    ASSERT_TRUE(image) << image.error().toStdString();
    const QRgb white = image->pixel(12, 12), blue = image->pixel(4, 12);
    expectNear(white, 255, 255, 255);
    EXPECT_EQ(qRed(blue), qGreen(blue));
    EXPECT_EQ(qGreen(blue), qBlue(blue));
}

TEST(Jpeg, recognisesTheStartOfImageMarker) {
    EXPECT_TRUE(jpeg::looksLikeJpeg(quadrantsJpeg()));
    EXPECT_FALSE(jpeg::looksLikeJpeg(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    EXPECT_FALSE(jpeg::looksLikeJpeg(QByteArray("\xff\xd8", 2)));
}

struct DamagedJpeg {
    const char* name;
    QByteArray bytes;
    friend void PrintTo(const DamagedJpeg& c, std::ostream* os) { *os << c.name; }
};

class JpegDamage : public ::testing::TestWithParam<DamagedJpeg> {};

TEST_P(JpegDamage, isAnErrorWithLibjpegsMessage) {
    const auto image = jpeg::decode(GetParam().bytes);
    ASSERT_FALSE(image);
    EXPECT_THAT(image.error().toStdString(), HasSubstr("libjpeg: "));
}

INSTANTIATE_TEST_SUITE_P(
    Damages, JpegDamage,
    ::testing::Values(DamagedJpeg{"empty", {}}, DamagedJpeg{"notAJpeg", "plain text, not a picture"},
                      DamagedJpeg{"headerOnly", quadrantsJpeg().left(200)},
                      DamagedJpeg{"cutInTheScan", quadrantsJpeg().chopped(60)}),
    [](const auto& p) { return std::string(p.param.name); });
