// The container's byte layout: what the writer makes reads back unchanged, every value keeps its
// distinctions, and damaged input gives a message with what and where, never a read past the end.
#include "host/Container.h"
#include "host/SwfMovie.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace valdorn;
using ::testing::HasSubstr;

namespace {

Container smallContainer() {
    return Container{SwfMovie::build({{"a.txt", "abc"}, {"photo/x.jpg", QByteArray(70, 'x')}}),
                     PropertyBlock::standard()};
}

// A heap block of exactly the given bytes: under the address sanitizer, reading one byte beyond
// it stops the test (a QByteArray would hide that behind its terminating NUL and spare capacity).
class ExactCopy {
public:
    explicit ExactCopy(QByteArrayView bytes) : size_(bytes.size()), data_(new char[size_t(bytes.size())]) {
        std::copy(bytes.begin(), bytes.end(), data_.get());
    }
    QByteArrayView view() const { return {data_.get(), size_}; }

private:
    qsizetype size_;
    std::unique_ptr<char[]> data_;
};

// Offset of value `number` (1-based) in the written container.
qsizetype valueOffset(const Container& container, int number) {
    qsizetype offset = container.propertiesOffset() + 12;
    for (int i = 0; i < number - 1; ++i)
        offset += PropertyBlock::writtenSize(container.properties.values[size_t(i)]);
    return offset;
}

void putU32(QByteArray& bytes, qsizetype at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

}  // namespace

TEST(Container, writtenBytesReadBackToTheSameContainerAndTheSameBytes) {
    const Container original = smallContainer();
    const QByteArray bytes = original.write();
    ASSERT_EQ(bytes.size(), 8 + original.movie.size() + 470);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("66556655"));
    EXPECT_EQ(bytes.mid(8, original.movie.size()), original.movie);

    const auto read = Container::read(bytes);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->movie, original.movie);
    EXPECT_EQ(read->properties, original.properties);
    EXPECT_EQ(read->write(), bytes);
}

TEST(Container, standardBlockHoldsTheTablesTypesAndLengthsIn470Bytes) {
    // L of each value in stored order; -1 marks the one object value.
    constexpr int lengths[PropertyBlock::kValueCount] = {2, 98, 98, 14, 4, 6, 10, 2, 4, 0, 2, 16,
                                                         4, 6,  2,  0,  2, -1, 4, 4, 0, 4, 8, 12};
    const PropertyBlock block = PropertyBlock::standard();
    EXPECT_EQ(block.writtenSize(), 470);
    EXPECT_EQ(block.leading, 0x900u);
    EXPECT_EQ(PropertyBlock::himetricToPixels(block.widthHimetric), 708);
    EXPECT_EQ(PropertyBlock::himetricToPixels(block.heightHimetric), 554);
    ASSERT_EQ(block.values.size(), size_t(PropertyBlock::kValueCount));
    for (int i = 0; i < PropertyBlock::kValueCount; ++i) {
        const PropertyValue& value = block.values[size_t(i)];
        if (lengths[i] < 0) {
            EXPECT_TRUE(std::holds_alternative<ObjectValue>(value)) << "value " << i + 1;
            EXPECT_EQ(std::get<ObjectValue>(value), ObjectValue{}) << "value " << i + 1;
        } else {
            EXPECT_EQ(PropertyBlock::writtenSize(value), 6 + lengths[i]) << "value " << i + 1;
        }
    }
    EXPECT_EQ(std::get<TextValue>(block.values[3]).text, QStringLiteral("Window"));
    EXPECT_EQ(std::get<TextValue>(block.values[6]).text, QStringLiteral("High"));
    EXPECT_EQ(std::get<TextValue>(block.values[11]).text, QStringLiteral("ShowAll"));
}

// One value, its exact encoding, and that it survives a read and a write unchanged.
struct ValueCase {
    const char* name;
    PropertyValue value;
    QByteArray encoding;
    friend void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }
};

class ContainerValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ContainerValue, isWrittenAsItsEncodingAndReadBackUnchanged) {
    const ValueCase& c = GetParam();
    Container container = smallContainer();
    container.properties.values[9] = c.value;
    const QByteArray bytes = container.write();
    EXPECT_EQ(bytes.mid(valueOffset(container, 10), c.encoding.size()).toHex(' '), c.encoding.toHex(' '));

    const auto read = Container::read(bytes);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->properties.values[9], c.value);
    EXPECT_EQ(read->write(), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ContainerValue,
    ::testing::Values(
        ValueCase{"noText", TextValue{std::nullopt}, QByteArray::fromHex("0800 00000000")},
        ValueCase{"emptyText", TextValue{QString()}, QByteArray::fromHex("0800 02000000 0000")},
        ValueCase{"text", TextValue{QStringLiteral("ab")}, QByteArray::fromHex("0800 06000000 6100 6200 0000")},
        ValueCase{"textWithNulInside", TextValue{QString(QChar('a')) + QChar(0) + QChar('b')},
                  QByteArray::fromHex("0800 08000000 6100 0000 6200 0000")},
        ValueCase{"textStartingWithByteOrderMark", TextValue{QString(QChar(0xfeff)) + QChar(0x0416)},
                  QByteArray::fromHex("0800 06000000 fffe 1604 0000")},
        ValueCase{"object", ObjectValue{}, QByteArray::fromHex("0d00") + QByteArray(16, '\0')},
        ValueCase{"objectWithBytes", ObjectValue{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
                  QByteArray::fromHex("0d00 0102030405060708090a0b0c0d0e0f10")}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Container, noTextAndEmptyTextReadAsDifferentValues) {
    Container container = smallContainer();
    const auto read = Container::read(container.write());
    ASSERT_TRUE(read);
    const auto& values = read->properties.values;
    EXPECT_EQ(std::get<TextValue>(values[9]).text, std::nullopt);       // value 10, L = 0
    EXPECT_EQ(std::get<TextValue>(values[10]).text, QString(""));       // value 11, L = 2
    EXPECT_NE(values[9], values[10]);
}

TEST(Container, everyTruncationIsAnErrorWithAnOffset) {
    const QByteArray bytes = smallContainer().write();
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        const ExactCopy prefix(QByteArrayView(bytes).first(size));
        const auto read = Container::read(prefix.view());
        ASSERT_FALSE(read) << "prefix of " << size << " bytes";
        EXPECT_THAT(read.error().toStdString(), HasSubstr("at offset")) << "prefix of " << size << " bytes";
    }
    EXPECT_TRUE(Container::read(ExactCopy(bytes).view()));
}

// A damage done to a valid container, and the start of the message it must give.
struct Corruption {
    const char* name;
    std::function<void(QByteArray&, const Container&)> damage;
    std::function<std::string(const QByteArray&, const Container&)> message;
    friend void PrintTo(const Corruption& c, std::ostream* os) { *os << c.name; }
};

class ContainerCorruption : public ::testing::TestWithParam<Corruption> {};

TEST_P(ContainerCorruption, isRefusedWithWhatAndWhere) {
    const Container container = smallContainer();
    QByteArray bytes = container.write();
    GetParam().damage(bytes, container);
    const auto read = Container::read(ExactCopy(bytes).view());
    ASSERT_FALSE(read);
    EXPECT_THAT(read.error().toStdString(), HasSubstr(GetParam().message(bytes, container)));
}

namespace {
std::string n(qsizetype value) { return std::to_string(value); }
qsizetype movieSize(const Container& c) { return c.movie.size(); }
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Damages, ContainerCorruption,
    ::testing::Values(
        Corruption{"empty", [](QByteArray& b, const Container&) { b.clear(); },
                   [](const QByteArray&, const Container&) { return std::string("magic at offset 0: needs 4 bytes, only 0 left"); }},
        Corruption{"wrongMagic", [](QByteArray& b, const Container&) { b[0] = char(0x67); },
                   [](const QByteArray&, const Container&) { return std::string("magic at offset 0: 0x55665567 is not 0x55665566"); }},
        Corruption{"movieLengthPastTheEnd", [](QByteArray& b, const Container&) { putU32(b, 4, quint32(b.size())); },
                   [](const QByteArray& b, const Container&) {
                       return "movie length at offset 4: " + n(b.size()) + " bytes do not fit in the " + n(b.size() - 8) + " bytes after offset 8";
                   }},
        Corruption{"movieLengthHuge", [](QByteArray& b, const Container&) { putU32(b, 4, 0xffffffffu); },
                   [](const QByteArray&, const Container&) { return std::string("movie length at offset 4: 4294967295 bytes do not fit"); }},
        Corruption{"movieShorterThanItsHeader", [](QByteArray& b, const Container&) { putU32(b, 4, 7); },
                   [](const QByteArray&, const Container&) { return std::string("movie length at offset 4: 7 bytes cannot hold"); }},
        Corruption{"movieHeaderDisagrees", [](QByteArray& b, const Container& c) { putU32(b, 4, quint32(movieSize(c) - 1)); },
                   [](const QByteArray&, const Container& c) {
                       return "movie header's length field at offset 12: " + n(movieSize(c)) + " differs from the container's movie length " + n(movieSize(c) - 1);
                   }},
        Corruption{"unknownType", [](QByteArray& b, const Container& c) { b[valueOffset(c, 1)] = 9; },
                   [](const QByteArray&, const Container& c) { return "property value 1 at offset " + n(valueOffset(c, 1)) + ": unknown type 9"; }},
        Corruption{"oddTextLength", [](QByteArray& b, const Container& c) { putU32(b, valueOffset(c, 2) + 2, 97); },
                   [](const QByteArray&, const Container& c) { return "property value 2 at offset " + n(valueOffset(c, 2) + 2) + ": odd text byte count 97"; }},
        Corruption{"textPastTheEnd", [](QByteArray& b, const Container& c) { putU32(b, valueOffset(c, 24) + 2, 0x7ffffffe); },
                   [](const QByteArray&, const Container& c) {
                       return "property value 24 (text) at offset " + n(valueOffset(c, 24) + 6) + ": needs 2147483646 bytes, only 12 left";
                   }},
        Corruption{"textWithoutNul", [](QByteArray& b, const Container&) { b[b.size() - 2] = 'x'; },
                   [](const QByteArray&, const Container& c) {
                       return "property value 24 at offset " + n(valueOffset(c, 24) + 2) + ": text of 12 bytes does not end with a NUL";
                   }},
        Corruption{"trailingByte", [](QByteArray& b, const Container&) { b.append('\0'); },
                   [](const QByteArray& b, const Container&) {
                       return "container at offset " + n(b.size() - 1) + ": 1 bytes follow the last property value";
                   }},
        Corruption{"lastValueMissing", [](QByteArray& b, const Container& c) { b.truncate(valueOffset(c, 24)); },
                   [](const QByteArray&, const Container& c) {
                       return "property value 24 (type) at offset " + n(valueOffset(c, 24)) + ": needs 2 bytes, only 0 left";
                   }}),
    [](const auto& p) { return std::string(p.param.name); });
