#pragma once
// The block of bytes the game travels in: the movie followed by the game surface's settings.
// Byte layout (little-endian):
//   offset 0   u32 magic 0x55665566
//   offset 4   u32 movie length N
//   offset 8   N bytes: the movie, whose own header repeats N in its bytes 4 to 7
//   offset 8+N the property block (see PropertyBlock), ending exactly at the container's end
// read() accepts only that: any other input yields a message saying what is wrong and at which
// offset, and no input makes it read outside `bytes`. write() of what read() gave returns the very
// same bytes.

#include "host/Expected.h"
#include "host/PropertyBlock.h"

#include <QByteArray>
#include <QByteArrayView>

namespace valdorn {

struct Container {
    static constexpr quint32 kMagic = 0x55665566;
    static constexpr qsizetype kMovieOffset = 8;
    // The movie's header is at least signature (3), version (1) and its length field (4).
    static constexpr qsizetype kMovieHeaderSize = 8;

    QByteArray movie;
    PropertyBlock properties;

    static Expected<Container> read(QByteArrayView bytes);
    [[nodiscard]] QByteArray write() const;
    // Where the property block starts in the written container.
    [[nodiscard]] qsizetype propertiesOffset() const { return kMovieOffset + movie.size(); }
};

}  // namespace valdorn
