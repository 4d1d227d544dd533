#include "host/PropertyBlock.h"

#include "host/ByteWriter.h"

#include <cmath>

namespace valdorn {
namespace {

// Where the movie lived when the layout was designed. Nothing reads it; it is stored twice and its
// 48 characters are what makes the block 470 bytes long.
constexpr char16_t kDesignPath[] = u"D:\\Projects\\Vortel\\Valdorn5\\Flash\\valdorn5v2.swf";
static_assert(std::size(kDesignPath) - 1 == 48);

PropertyValue text(const char16_t* chars) { return TextValue{QString::fromUtf16(chars)}; }
PropertyValue noText() { return TextValue{std::nullopt}; }

QString valueName(int index) { return QStringLiteral("property value %1").arg(index + 1); }

std::optional<PropertyValue> readText(ByteReader& reader, int index) {
    const QString what = valueName(index);
    const qsizetype at = reader.offset();
    const auto length = reader.u32(what + QStringLiteral(" (text byte count)"));
    if (!length)
        return std::nullopt;
    if (*length == 0)
        return noText();
    if (*length % 2 != 0) {
        reader.fail(at, what, QStringLiteral("odd text byte count %1").arg(*length));
        return std::nullopt;
    }
    const auto raw = reader.bytes(qsizetype(*length), what + QStringLiteral(" (text)"));
    if (!raw)
        return std::nullopt;
    // Copied unit by unit: QString's UTF-16 decoders would drop a leading byte-order mark.
    const qsizetype units = raw->size() / 2;
    const auto* p = reinterpret_cast<const uchar*>(raw->data());
    if (p[raw->size() - 2] != 0 || p[raw->size() - 1] != 0) {
        reader.fail(at, what, QStringLiteral("text of %1 bytes does not end with a NUL character").arg(*length));
        return std::nullopt;
    }
    QString chars(units - 1, Qt::Uninitialized);
    for (qsizetype i = 0; i < units - 1; ++i)
        chars[i] = QChar(char16_t(p[2 * i] | p[2 * i + 1] << 8));
    return TextValue{std::move(chars)};
}

}  // namespace

PropertyBlock PropertyBlock::standard() {
    PropertyBlock block;
    block.widthHimetric = 18733;   // 708 px
    block.heightHimetric = 14658;  // 554 px
    block.values = {
        text(u""),        text(kDesignPath), text(kDesignPath), text(u"Window"), text(u"0"),
        text(u"-1"),      text(u"High"),     text(u""),         text(u"0"),      noText(),
        text(u""),        text(u"ShowAll"),  text(u"0"),        text(u"-1"),     text(u""),
        noText(),         text(u""),         ObjectValue{},     text(u"1"),      text(u"0"),
        noText(),         text(u"0"),        text(u"all"),      text(u"false"),
    };
    return block;
}

std::optional<PropertyBlock> PropertyBlock::read(ByteReader& reader) {
    PropertyBlock block;
    const auto leading = reader.u32(QStringLiteral("property block"));
    const auto width = reader.u32(QStringLiteral("surface width"));
    const auto height = reader.u32(QStringLiteral("surface height"));
    if (!leading || !width || !height)
        return std::nullopt;
    block.leading = *leading;
    block.widthHimetric = *width;
    block.heightHimetric = *height;
    for (int i = 0; i < kValueCount; ++i) {
        const qsizetype at = reader.offset();
        const auto type = reader.u16(valueName(i) + QStringLiteral(" (type)"));
        if (!type)
            return std::nullopt;
        if (*type == TextValue::kType) {
            auto value = readText(reader, i);
            if (!value)
                return std::nullopt;
            block.values.push_back(std::move(*value));
        } else if (*type == ObjectValue::kType) {
            const auto raw = reader.bytes(16, valueName(i) + QStringLiteral(" (object)"));
            if (!raw)
                return std::nullopt;
            ObjectValue object;
            std::copy(raw->begin(), raw->end(), object.bytes.begin());
            block.values.push_back(object);
        } else {
            reader.fail(at, valueName(i), QStringLiteral("unknown type %1").arg(*type));
            return std::nullopt;
        }
    }
    return block;
}

void PropertyBlock::write(QByteArray& out) const {
    bytes::putU32(out, leading);
    bytes::putU32(out, widthHimetric);
    bytes::putU32(out, heightHimetric);
    for (const PropertyValue& value : values) {
        if (const auto* t = std::get_if<TextValue>(&value)) {
            bytes::putU16(out, TextValue::kType);
            if (!t->text) {
                bytes::putU32(out, 0);
                continue;
            }
            bytes::putU32(out, quint32(2 * (t->text->size() + 1)));
            for (QChar c : *t->text)
                bytes::putU16(out, c.unicode());
            bytes::putU16(out, 0);
        } else {
            const auto& object = std::get<ObjectValue>(value);
            bytes::putU16(out, ObjectValue::kType);
            out.append(reinterpret_cast<const char*>(object.bytes.data()), qsizetype(object.bytes.size()));
        }
    }
}

qsizetype PropertyBlock::writtenSize(const PropertyValue& value) {
    if (const auto* t = std::get_if<TextValue>(&value))
        return 2 + 4 + (t->text ? 2 * (t->text->size() + 1) : 0);
    return 2 + 16;
}

qsizetype PropertyBlock::writtenSize() const {
    qsizetype size = 12;
    for (const PropertyValue& value : values)
        size += writtenSize(value);
    return size;
}

int PropertyBlock::himetricToPixels(quint32 himetric) {
    return int(std::lround(double(himetric) * 96.0 / 2540.0));
}

}  // namespace valdorn
