#include "hunt/FigureKinds.h"

#include <QPainter>
#include <array>
#include <tuple>
#include <cmath>
#include <numbers>

#include "game/ColorTransform.h"
#include "game/VectorShape.h"
#include "hunt/StickPose.h"

namespace valdorn {
namespace {

const QColor kBodyColour(0, 0, 0);
const QColor kCapColour(0xcc, 0x10, 0x10);

struct KindSpec {
    FigureKind kind;
    int frames;
    bool cap;
    bool facingLeft;
};

constexpr std::array<KindSpec, 5> kKinds{{
    {FigureKind::A, 207, false, false},
    {FigureKind::B, 65, true, false},
    {FigureKind::C, 155, true, false},
    {FigureKind::D, 180, true, false},
    {FigureKind::E, 170, false, false},
}};

// Pose shorthand: joints in the order of StickPose.
StickPose pose(QPointF head, double radius, QPointF neck, QPointF hips, QPointF lElbow, QPointF lHand,
               QPointF rElbow, QPointF rHand, QPointF lKnee, QPointF lFoot, QPointF rKnee, QPointF rFoot,
               QPointF butt, QPointF muzzle, double limb, double body) {
    return {head, radius, neck, hips, lElbow, lHand, rElbow, rHand, lKnee, lFoot, rKnee, rFoot, butt, muzzle, limb, body};
}

// Moves the upper body (head, neck, arms, rifle) by `offset`, the legs stay.
StickPose upper(StickPose p, QPointF offset) {
    for (QPointF* point : {&p.head, &p.neck, &p.leftElbow, &p.leftHand, &p.rightElbow, &p.rightHand, &p.rifleButt,
                           &p.rifleMuzzle})
        *point += offset;
    return p;
}

std::vector<PoseKey> keysOf(FigureKind kind) {
    switch (kind) {
        case FigureKind::A: {  // lying, facing right, aiming along the ground
            const StickPose base = pose({105, -30}, 30, {80, -5}, {-60, 30}, {70, 45}, {125, 5}, {110, 50}, {140, 0},
                                        {-118, 45}, {-165, 68}, {-112, 62}, {-160, 96}, {50, -12}, {168, -36}, 22, 38);
            StickPose aim = base;
            aim.head = {110, -22};
            aim.rifleMuzzle = {168, -26};
            StickPose rest = upper(base, {-4, -8});
            rest.head = {100, -44};
            rest.rifleMuzzle = {160, -58};
            rest.rightFoot = {-150, 100};
            rest.rightKnee = {-108, 70};
            StickPose shift = base;
            shift.leftFoot = {-162, 80};
            shift.leftKnee = {-120, 52};
            return {{1, base}, {60, aim}, {110, aim}, {140, rest}, {175, shift}};
        }
        case FigureKind::B: {  // seated, facing right, rifle across the knees
            const StickPose raised = pose({0, -110}, 36, {-10, -62}, {5, 110}, {-45, 20}, {-5, -15}, {20, 5}, {70, -40},
                                          {85, 55}, {130, 160}, {75, 80}, {140, 170}, {-105, 45}, {225, -105}, 24, 44);
            StickPose lowered = raised;
            lowered.head = {6, -104};
            lowered.rightHand = {80, 10};
            lowered.rightElbow = {30, 30};
            lowered.leftHand = {0, 20};
            lowered.rifleButt = {-108, 50};
            lowered.rifleMuzzle = {226, -12};
            return {{1, raised}, {28, lowered}, {45, lowered}};
        }
        case FigureKind::C: {  // standing, facing the viewer
            const StickPose base = pose({0, -158}, 34, {0, -118}, {0, 40}, {-42, -60}, {-54, 12}, {42, -60}, {54, 12},
                                        {-22, 118}, {-32, 190}, {22, 118}, {32, 190}, {}, {}, 24, 42);
            StickPose hands = base;
            hands.head = {-10, -156};
            hands.leftElbow = {-72, -40};
            hands.leftHand = {-26, 28};
            hands.rightElbow = {72, -40};
            hands.rightHand = {26, 28};
            StickPose wave = base;
            wave.head = {6, -158};
            wave.rightElbow = {82, -118};
            wave.rightHand = {104, -186};
            StickPose lean = base;
            lean.head = {12, -156};
            lean.neck = {6, -118};
            lean.hips = {10, 40};
            lean.leftKnee = {-14, 118};
            return {{1, base}, {35, hands}, {70, hands}, {90, wave}, {105, base}, {125, lean}};
        }
        case FigureKind::D: {  // head and shoulders behind cover
            const StickPose base = pose({0, -44}, 40, {0, 8}, {0, 56}, {-42, 30}, {-58, 84}, {42, 30}, {58, 84},
                                        {0, 56}, {0, 56}, {0, 56}, {0, 56}, {}, {}, 26, 84);
            StickPose left = base;
            left.head = {-14, -40};
            StickPose peek = base.moved({0, -4});
            peek.head = {12, -50};
            StickPose low = base;
            low.head = {4, -36};
            return {{1, base}, {50, left}, {95, peek}, {140, low}};
        }
        case FigureKind::E: {  // crouching, facing right, rifle ready
            const StickPose base = pose({15, -130}, 34, {5, -92}, {-10, 50}, {-20, -30}, {30, -58}, {40, -42}, {92, -62},
                                        {70, 40}, {62, 168}, {-50, 150}, {-124, 165}, {-12, -70}, {132, -82}, 24, 42);
            const StickPose up = upper(base, {0, -24});
            const StickPose duck = upper(base, {-4, 16});
            StickPose look = base;
            look.head = {27, -124};
            look.rifleMuzzle = {128, -60};
            return {{1, base}, {50, up}, {90, up}, {115, duck}, {145, look}};
        }
        default:
            return {};
    }
}

std::shared_ptr<const FigureClip::Frames> framesOf(const KindSpec& kindRow) {
    const auto keys = keysOf(kindRow.kind);
    // Every in-between pose blends its joints between two keys, so the keys' outlines bound them all.
    QRectF bounds;
    for (const PoseKey& key : keys)
        bounds |= bodyOutline(key.pose).boundingRect() |
                  (kindRow.cap ? capOutline(key.pose, kindRow.facingLeft).boundingRect() : QRectF());
    return std::make_shared<FigureClip::Frames>(kindRow.frames, bounds, [keys, kindRow](int frame) {
        const StickPose p = poseAt(keys, frame, kindRow.frames);
        return std::make_pair(bodyOutline(p), kindRow.cap ? capOutline(p, kindRow.facingLeft) : QPainterPath());
    });
}

// One shared table per kind: every figure of a kind draws from the same outlines.
std::shared_ptr<const FigureClip::Frames> sharedFrames(FigureKind kind) {
    static std::array<std::shared_ptr<const FigureClip::Frames>, kKinds.size()> cache;
    for (size_t i = 0; i < kKinds.size(); ++i)
        if (kKinds[i].kind == kind) {
            if (!cache[i]) cache[i] = framesOf(kKinds[i]);
            return cache[i];
        }
    return nullptr;
}

// The walking figure's 25-frame walk cycle, facing left, 5.4 x 9.2 units around its origin.
constexpr int kWalkCycle = 25;
constexpr int kWalkFrames = 292;
constexpr int kWalkLeftUntil = 157;   // last frame of the walk to the left
constexpr int kTurnUntil = 167;       // last frame of the turn
constexpr QPointF kWalkStart{61.5, -18};
constexpr QPointF kWalkEnd{-9.75, -18.5};

StickPose walkPose(int f) {
    const double phase = 2 * std::numbers::pi * f / kWalkCycle;
            const double swing = 1.5 * std::sin(phase);
            const double bob = -0.25 * std::abs(std::sin(phase));
    StickPose p = pose({-0.4, -3.55 + bob}, 1.05, {-0.2, -2.4 + bob}, {0, 1.0 + bob},
                               {0.6 * swing - 0.2, -0.8 + bob}, {1.0 * swing - 0.3, 0.6 + bob},
                               {-0.6 * swing - 0.2, -0.8 + bob}, {-1.0 * swing - 0.3, 0.6 + bob},
                               {-0.7 * swing - 0.3, 2.8}, {-1.2 * swing, 4.55}, {0.7 * swing - 0.3, 2.8},
                               {1.2 * swing, 4.55}, {}, {}, 0.75, 1.3);
    return p;
}

std::shared_ptr<const FigureClip::Frames> walkCycle() {
    static const std::shared_ptr<const FigureClip::Frames> frames = [] {
        QRectF bounds;
        for (int f = 0; f < kWalkCycle; ++f) bounds |= bodyOutline(walkPose(f)).boundingRect();
        return std::make_shared<FigureClip::Frames>(
            kWalkCycle, bounds, [](int frame) { return std::make_pair(bodyOutline(walkPose(frame - 1)), QPainterPath()); });
    }();
    return frames;
}

std::shared_ptr<Clip> makeWalkingFigure() {
    auto path = std::make_shared<Clip>(kWalkFrames);
    auto walker = path->add(std::make_shared<FigureClip>(walkCycle()));
    path->onFrameEntered = [w = walker.get()](int frame) {
        if (frame <= kWalkLeftUntil) {
            const double t = double(frame - 1) / (kWalkLeftUntil - 1);
            w->setPosition(kWalkStart + (kWalkEnd - kWalkStart) * t);
            w->setScale(100, 100);
        } else if (frame <= kTurnUntil) {
            // Turning about: the horizontal scale passes through zero to mirrored.
            const double t = double(frame - kWalkLeftUntil) / (kTurnUntil - kWalkLeftUntil);
            w->setPosition(kWalkEnd);
            w->setScale(100 - 200 * t, 100);
        } else {
            const double t = double(frame - kTurnUntil) / (kWalkFrames - kTurnUntil);
            w->setPosition(kWalkEnd + (kWalkStart - kWalkEnd) * t);
            w->setScale(-100, 100);
        }
    };
    path->onFrameEntered(1);
    return path;
}

constexpr double kHiddenScale = 5.18;  // percent of kind C
constexpr QRectF kHiddenWindow{-9.4, -13.2, 11.0, 11.25};

std::shared_ptr<Clip> makePartlyHiddenFigure() {
    auto holder = std::make_shared<Clip>(1);
    auto figure = holder->add(makeFigure(FigureKind::C));
    figure->setScale(kHiddenScale);
    figure->setColorTransform(ColorTransform::tint(128, 15, 16, 10));
    auto window = holder->add(makeShape({fillRect(kHiddenWindow, Qt::white)}));
    figure->setMask(window);
    return holder;
}

}  // namespace

int figureFrameCount(FigureKind kind) {
    switch (kind) {
        case FigureKind::Walking: return kWalkFrames;
        case FigureKind::PartlyHidden: return 1;
        default:
            for (const KindSpec& kindRow : kKinds)
                if (kindRow.kind == kind) return kindRow.frames;
    }
    return 1;
}

std::shared_ptr<Clip> makeFigure(FigureKind kind) {
    switch (kind) {
        case FigureKind::Walking: return makeWalkingFigure();
        case FigureKind::PartlyHidden: return makePartlyHiddenFigure();
        default: return std::make_shared<FigureClip>(sharedFrames(kind));
    }
}

FigureClip::Frames::Frames(int count, QRectF bounds, Maker maker)
    : body_(count), cap_(count), made_(count, false), bounds_(bounds), maker_(std::move(maker)) {}

void FigureClip::Frames::make(int frame) const {
    const auto i = static_cast<size_t>(frame - 1);
    if (made_[i]) return;
    std::tie(body_[i], cap_[i]) = maker_(frame);
    made_[i] = true;
}

const QPainterPath& FigureClip::Frames::body(int frame) const {
    make(frame);
    return body_[static_cast<size_t>(frame - 1)];
}

const QPainterPath& FigureClip::Frames::cap(int frame) const {
    make(frame);
    return cap_[static_cast<size_t>(frame - 1)];
}

FigureClip::FigureClip(std::shared_ptr<const Frames> frames) : Clip(frames->count()), frames_(std::move(frames)) {}

void FigureClip::paint(QPainter& painter, const PaintContext& context) const {
    painter.setPen(Qt::NoPen);
    painter.setBrush(context.color.apply(kBodyColour));
    painter.drawPath(frames_->body(currentFrame()));
    const QPainterPath& cap = frames_->cap(currentFrame());
    if (!cap.isEmpty()) {
        painter.setBrush(context.color.apply(kCapColour));
        painter.drawPath(cap);
    }
}

bool FigureClip::hitsContent(QPointF local) const {
    if (!frames_->bounds().contains(local)) return false;
    return frames_->body(currentFrame()).contains(local) || frames_->cap(currentFrame()).contains(local);
}

QPainterPath FigureClip::contentShape() const { return frames_->body(currentFrame()); }

}  // namespace valdorn
