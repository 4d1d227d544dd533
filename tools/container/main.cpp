// valdorn5-container: looks into, takes apart and makes the game-data container.
//   info FILE        prints the container's fields, the movie's header and items, the 24 values
//   unpack FILE DIR  writes every item of the movie to DIR/<name>
//   pack DIR FILE    makes the program's container from every file under DIR (the build's step)
// A container that does not read prints the reader's message; exit codes: 0 done, 1 bad input or
// file error, 2 wrong usage.

#include "host/Container.h"
#include "host/SwfMovie.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

using namespace valdorn;

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

int fail(const QString& message) {
    QTextStream(stderr) << "valdorn5-container: " << message << Qt::endl;
    return 1;
}

std::optional<QByteArray> readFile(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

// Text values printed in quotes with anything unprintable escaped, so L = 0 and L = 2 differ.
QString describe(const PropertyValue& value) {
    if (const auto* object = std::get_if<ObjectValue>(&value)) {
        return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(object->bytes.data()), 16).toHex());
    }
    const auto& text = std::get<TextValue>(value).text;
    if (!text)
        return QStringLiteral("(no text)");
    QString quoted = QStringLiteral("\"");
    for (QChar c : *text)
        quoted += c.isPrint() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
    return quoted + u'"';
}

struct Opened {
    qsizetype fileSize = 0;
    Container container;
    SwfMovie movie;
};

// A container file read and its movie parsed; the message names the file and the reader's finding.
Expected<Opened> open(const QString& path) {
    QString error;
    const auto bytes = readFile(path, error);
    if (!bytes)
        return Expected<Opened>::failure(error);
    auto container = Container::read(*bytes);
    if (!container)
        return Expected<Opened>::failure(QStringLiteral("%1: %2").arg(path, container.error()));
    auto movie = SwfMovie::parse(container->movie, Container::kMovieOffset);
    if (!movie)
        return Expected<Opened>::failure(QStringLiteral("%1: %2").arg(path, movie.error()));
    return Opened{bytes->size(), std::move(*container), std::move(*movie)};
}

int info(const QString& path) {
    const auto opened = open(path);
    if (!opened)
        return fail(opened.error());
    const Container& container = opened->container;
    const SwfMovie& movie = opened->movie;
    const PropertyBlock& block = container.properties;
    QTextStream& o = out();
    o << "file: " << path << " (" << opened->fileSize << " bytes)\n"
      << "magic: 0x" << QString::number(Container::kMagic, 16) << "\n"
      << "movie length N: " << container.movie.size() << "\n"
      << "movie signature: " << movie.signature << "\n"
      << "movie version: " << movie.version << "\n"
      << "movie file length: " << movie.fileLength << "\n"
      << "stage: " << movie.xMaxTwips - movie.xMinTwips << " x " << movie.yMaxTwips - movie.yMinTwips
      << " twips (" << movie.stageWidth() << " x " << movie.stageHeight() << " px)\n"
      << "frame rate: " << movie.framesPerSecond() << "\n"
      << "frame count: " << movie.frameCount << "\n"
      << "items: " << movie.items.size() << "\n";
    for (const SwfItem& item : movie.items)
        o << "  " << item.name << " " << item.bytes.size() << "\n";
    o << "property block: offset " << container.propertiesOffset() << ", " << block.writtenSize() << " bytes\n"
      << "first value: 0x" << QStringLiteral("%1").arg(block.leading, 8, 16, QChar('0')) << "\n"
      << "surface: " << block.widthHimetric << " x " << block.heightHimetric << " HIMETRIC ("
      << PropertyBlock::himetricToPixels(block.widthHimetric) << " x "
      << PropertyBlock::himetricToPixels(block.heightHimetric) << " px)\n"
      << "values: " << block.values.size() << "\n";
    int number = 0;
    for (const PropertyValue& value : block.values) {
        const bool isText = std::holds_alternative<TextValue>(value);
        o << "  " << ++number << " type " << (isText ? TextValue::kType : ObjectValue::kType);
        if (isText)
            o << " L " << PropertyBlock::writtenSize(value) - 6;
        o << " " << describe(value) << "\n";
    }
    o.flush();
    return 0;
}

// Item names become paths below DIR; a name that would leave it is refused.
bool isSafeName(const QString& name) {
    const QString clean = QDir::cleanPath(name);
    return !name.isEmpty() && clean == name && !QDir::isAbsolutePath(name) && !name.startsWith(u"../") && name != u"..";
}

int unpack(const QString& path, const QString& dir) {
    const auto opened = open(path);
    if (!opened)
        return fail(opened.error());
    QString error;
    for (const SwfItem& item : opened->movie.items) {
        if (!isSafeName(item.name))
            return fail(QStringLiteral("%1: item name \"%2\" is not a relative path").arg(path, item.name));
        const QString target = QDir(dir).filePath(item.name);
        if (!QDir().mkpath(QFileInfo(target).path()))
            return fail(QStringLiteral("%1: cannot create the folder").arg(QFileInfo(target).path()));
        if (!writeFile(target, item.bytes, error))
            return fail(error);
    }
    return 0;
}

int pack(const QString& dir, const QString& path) {
    if (!QFileInfo(dir).isDir())
        return fail(QStringLiteral("%1: not a folder").arg(dir));
    // Sorted, so the same folder always gives the same bytes.
    QStringList names;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(dir).relativeFilePath(it.next());
    std::sort(names.begin(), names.end());
    std::vector<SwfItem> items;
    QString error;
    for (const QString& name : names) {
        const auto bytes = readFile(QDir(dir).filePath(name), error);
        if (!bytes)
            return fail(error);
        items.push_back({name, *bytes});
    }
    const QByteArray movie = SwfMovie::build(items);
    const QByteArray bytes = Container{movie, PropertyBlock::standard()}.write();
    // The build's check that the writer and the reader agree, before anything embeds the file.
    const auto check = Container::read(bytes);
    if (!check)
        return fail(QStringLiteral("%1: the packed container does not read back: %2").arg(path, check.error()));
    const auto checkMovie = SwfMovie::parse(check->movie, Container::kMovieOffset);
    if (!checkMovie)
        return fail(QStringLiteral("%1: the packed movie does not read back: %2").arg(path, checkMovie.error()));
    return writeFile(path, bytes, error) ? 0 : fail(error);
}

int usage() {
    QTextStream(stderr) << "usage: valdorn5-container info FILE | unpack FILE DIR | pack DIR FILE" << Qt::endl;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() == 2 && args[0] == u"info")
        return info(args[1]);
    if (args.size() == 3 && args[0] == u"unpack")
        return unpack(args[1], args[2]);
    if (args.size() == 3 && args[0] == u"pack")
        return pack(args[1], args[2]);
    return usage();
}
