#pragma once
// The movie inside the container: a file in the published SWF format that carries the game's data
// (pictures, fonts, recordings) as named items. We build it ourselves and read back only what we
// write, but it stays a well-formed uncompressed SWF that other SWF tools can list:
//   header   "FWS", version 9, u32 file length, stage RECT 14000 x 11000 twips (700 x 550 px),
//            frame rate 30 (8.8 fixed), 16 frames
//   tags     FileAttributes, SetBackgroundColor, one DefineBinaryData per item (character ids from
//            1 in item order), one ExportAssets naming every item, 16 ShowFrame, End
// parse() checks the header and walks every tag within bounds; an item is any DefineBinaryData
// that ExportAssets (or SymbolClass) names. Errors name what and the offset, counted from `base`
// (the movie's offset in its container).

#include "host/Expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace valdorn {

struct SwfItem {
    QString name;
    QByteArray bytes;
    bool operator==(const SwfItem&) const = default;
};

struct SwfMovie {
    static constexpr int kTwipsPerPixel = 20;

    QByteArray signature;  // "FWS"
    quint8 version = 0;
    quint32 fileLength = 0;
    qint32 xMinTwips = 0, xMaxTwips = 0, yMinTwips = 0, yMaxTwips = 0;
    quint16 frameRate88 = 0;  // frames per second, 8.8 fixed point
    quint16 frameCount = 0;
    int showFrameTags = 0;
    std::vector<SwfItem> items;  // in the order ExportAssets names them

    // The program's movie around `items`. Names must be unique and non-empty.
    static QByteArray build(const std::vector<SwfItem>& items);
    static Expected<SwfMovie> parse(QByteArrayView movie, qsizetype base = 0);

    [[nodiscard]] int stageWidth() const { return (xMaxTwips - xMinTwips) / kTwipsPerPixel; }
    [[nodiscard]] int stageHeight() const { return (yMaxTwips - yMinTwips) / kTwipsPerPixel; }
    [[nodiscard]] double framesPerSecond() const { return frameRate88 / 256.0; }
};

}  // namespace valdorn
