#pragma once
// JPEG pictures (banner, photographs, textures) decoded through libjpeg-turbo rather than Qt's
// image plug-ins, which a minimal Qt install may lack. A damaged or truncated picture is an error,
// not a grey-filled picture: libjpeg's warnings stop the decode.

#include "host/Expected.h"

#include <QByteArrayView>
#include <QImage>

namespace valdorn::jpeg {

// True when the bytes start with the JPEG start-of-image marker.
[[nodiscard]] bool looksLikeJpeg(QByteArrayView bytes);

// An opaque QImage::Format_RGB32 picture of the JPEG's own size, or libjpeg's message.
Expected<QImage> decode(QByteArrayView bytes);

}  // namespace valdorn::jpeg
