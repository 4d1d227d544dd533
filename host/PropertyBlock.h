#pragma once
// The game surface's stored settings that follow the movie in the container: a 32-bit value whose
// meaning nobody relies on (kept as read), the surface's design size in HIMETRIC units, and 24
// typed values back to back. The byte layout is fixed by the container format:
//   u32 leading, u32 width, u32 height, then 24 x (u16 type, payload)
//   type 8  text:   u32 byte count L, L bytes of UTF-16LE ending in a NUL unit; L = 0 is "no text",
//                   which must stay distinct from the empty text (L = 2, the NUL alone)
//   type 13 object: 16 bytes
// Reading keeps every distinction the bytes make, so writing what was read gives the same bytes.

#include "host/ByteReader.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace valdorn {

struct TextValue {
    static constexpr quint16 kType = 8;
    std::optional<QString> text;  // nullopt: no text (L = 0); may hold NUL units before the end
    bool operator==(const TextValue&) const = default;
};

struct ObjectValue {
    static constexpr quint16 kType = 13;
    std::array<quint8, 16> bytes{};  // all zero: no object
    bool operator==(const ObjectValue&) const = default;
};

using PropertyValue = std::variant<TextValue, ObjectValue>;

struct PropertyBlock {
    static constexpr int kValueCount = 24;

    quint32 leading = 0x00000900;
    quint32 widthHimetric = 0;
    quint32 heightHimetric = 0;
    std::vector<PropertyValue> values;

    // The settings the program's game surface is stored with: design size 708 x 554 px at 96 dpi,
    // window mode "Window", quality "High", scale mode "ShowAll". 470 bytes when written.
    static PropertyBlock standard();

    // Reads exactly kValueCount values; the caller checks that nothing follows.
    static std::optional<PropertyBlock> read(ByteReader& reader);
    void write(QByteArray& out) const;

    // Bytes the value takes when written, type included: 2 + 4 + L for text, 2 + 16 for an object.
    static qsizetype writtenSize(const PropertyValue& value);
    // Bytes the whole block takes when written (470 for standard()).
    [[nodiscard]] qsizetype writtenSize() const;
    // HIMETRIC (1/100 mm) to pixels at 96 pixels per inch, rounded.
    static int himetricToPixels(quint32 himetric);

    bool operator==(const PropertyBlock&) const = default;
};

}  // namespace valdorn
