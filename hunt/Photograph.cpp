#include "hunt/Photograph.h"

#include "game/AssetLibrary.h"
#include "game/Bitmap.h"
#include "effects/Pigeon.h"
#include "game/VectorShape.h"
#include "hunt/FigureKinds.h"
#include "hunt/HintMarker.h"
#include "hunt/Lamp.h"
#include "hunt/LevelTargets.h"

namespace valdorn {
namespace {

ColorTransform colourOf(const Tint& tint) {
    return ColorTransform::tint(tint.mul256, tint.redAdd, tint.greenAdd, tint.blueAdd);
}

const TargetSpec* targetNamed(const LevelTargets& table, const char* name) {
    for (const TargetSpec& target : table.targets)
        if (qstrcmp(target.name, name) == 0) return &target;
    return nullptr;
}

void addTargets(Clip& photograph, const LevelSpec& level, const LevelTargets& table) {
    for (const char* name : table.drawOrder) {
        const TargetSpec* row = targetNamed(table, name);
        if (!row) continue;
        auto figure = makeFigure(row->kind);
        figure->setName(QString::fromLatin1(row->name));
        figure->setPosition(photographPoint(level, row->x, row->y));
        figure->setScale(row->mirrored ? -row->scaleX : row->scaleX, row->scaleY);
        figure->setRotation(row->rotation);
        figure->setColorTransform(colourOf(row->tint));
        photograph.add(figure);
    }
}

void addPigeons(Clip& photograph, const LevelSpec& level, const LevelTargets& table) {
    for (const PigeonSpec& row : table.pigeons) {
        auto pigeon = std::make_shared<Pigeon>();
        pigeon->setName(QString::fromLatin1(row.name));
        pigeon->setPosition(photographPoint(level, row.x, row.y));
        pigeon->setScale(row.mirrored ? -row.scale : row.scale, row.scale);
        pigeon->setColorTransform(colourOf(row.tint));
        photograph.add(pigeon);
    }
}

void addLamps(Clip& photograph, const LevelSpec& level, const LevelTargets& table) {
    for (const LampSpec& row : table.lamps) {
        auto lamp = makeLamp();
        lamp->setPosition(photographPoint(level, row.x, row.y));
        lamp->setScale(row.scaleX, row.scaleY);
        photograph.add(lamp);
    }
}

void addHintMarker(Clip& photograph, const LevelSpec& level, const LevelTargets& table, PhotographRole role) {
    auto marker = makeHintMarker();
    marker->setPosition(photographPoint(level, table.hint.parkX, table.hint.parkY));
    marker->setScale(table.hint.scale);
    if (role == PhotographRole::OnStage) {
        marker->setFilters({GlowFilter{Qt::white, table.hint.glowBlur, table.hint.glowBlur, table.hint.glowStrength, 1}},
                           /*cached=*/false);
    }
    photograph.add(marker);
}

// The picture without smoothing, or a flat grey of its size while it is missing (a vector fill: a
// tiny stretched bitmap would make the renderer prepare huge device-size copies of it).
ObjectPtr pictureOf(const LevelSpec& level, const AssetLibrary& assets) {
    const QRectF area(level.pictureLeft, level.pictureTop, kPictureWidth, kPictureHeight);
    const QImage& picture = assets.image(QString::fromLatin1(level.photographAsset));
    if (picture.isNull()) return makeShape({fillRect(area, QColor(128, 128, 128))});
    return std::make_shared<Bitmap>(picture, area, /*smooth=*/false);
}

}  // namespace

QPointF photographPoint(const LevelSpec& level, double x, double y) {
    return {level.pictureLeft + x, level.pictureTop + y};
}

std::shared_ptr<Clip> makePhotograph(const LevelSpec& level, const AssetLibrary& assets, PhotographRole role) {
    auto photograph = std::make_shared<Clip>();
    photograph->setName(QString::fromLatin1(level.photographName));
    photograph->add(pictureOf(level, assets));
    // Nothing of the photograph shows or takes clicks beyond the picture's edges: a figure walking in
    // from beyond the right edge appears only as it steps onto the picture.
    photograph->setClipRect(QRectF(level.pictureLeft, level.pictureTop, kPictureWidth, kPictureHeight));
    const LevelTargets& table = levelTargets(level.level);
    addTargets(*photograph, level, table);
    addPigeons(*photograph, level, table);
    addLamps(*photograph, level, table);
    addHintMarker(*photograph, level, table, role);
    return photograph;
}

}  // namespace valdorn
