#include "host/Jpeg.h"

#include <turbojpeg.h>

#include <memory>

namespace valdorn::jpeg {
namespace {

// QImage::Format_RGB32 is 0xffRRGGBB per 32-bit word; the byte order in memory follows the CPU.
// The "A" formats, unlike the "X" ones, fill the fourth byte with 0xff, which RGB32 requires.
constexpr int kPixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRA : TJPF_ARGB;

struct HandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};

}  // namespace

bool looksLikeJpeg(QByteArrayView bytes) {
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xff && uchar(bytes[1]) == 0xd8 && uchar(bytes[2]) == 0xff;
}

Expected<QImage> decode(QByteArrayView bytes) {
    using Result = Expected<QImage>;
    std::unique_ptr<void, HandleDeleter> handle(tjInitDecompress());
    if (!handle)
        return Result::failure(QStringLiteral("libjpeg: %1").arg(QString::fromLocal8Bit(tjGetErrorStr2(nullptr))));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());
    auto libjpegError = [&] { return QStringLiteral("libjpeg: %1").arg(QString::fromLocal8Bit(tjGetErrorStr2(handle.get()))); };

    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsampling, &colorspace) != 0)
        return Result::failure(libjpegError());
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return Result::failure(QStringLiteral("no memory for a %1 x %2 picture").arg(width).arg(height));
    if (tjDecompress2(handle.get(), data, size, image.bits(), width, int(image.bytesPerLine()), height, kPixelFormat,
                      TJFLAG_ACCURATEDCT | TJFLAG_STOPONWARNING) != 0)
        return Result::failure(libjpegError());
    return image;
}

}  // namespace valdorn::jpeg
