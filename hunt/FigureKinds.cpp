#include "hunt/FigureKinds.h"

#include <QPainter>
#include <array>
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

std::shared_ptr<const FigureClip::Frames> framesOf(const KindSpec& spec) {
    auto frames = std::make_shared<FigureClip::Frames>();
    const auto keys = keysOf(spec.kind);
    for (int f = 1; f <= spec.frames; ++f) {
        const StickPose p = poseAt(keys, f, spec.frames);
        frames->body.push_back(bodyOutline(p));
        frames->cap.push_back(spec.cap ? capOutline(p, spec.facingLeft) : QPainterPath());
        frames->bounds |= frames->body.back().boundingRect() | frames->cap.back().boundingRect();
    }
    return frames;
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

std::shared_ptr<const FigureClip::Frames> walkCycle() {
    static std::shared_ptr<const FigureClip::Frames> frames = [] {
        auto table = std::make_shared<FigureClip::Frames>();
        for (int f = 0; f < kWalkCycle; ++f) {
            const double phase = 2 * std::numbers::pi * f / kWalkCycle;
            const double swing = 1.5 * std::sin(phase);
            const double bob = -0.25 * std::abs(std::sin(phase));
            StickPose p = pose({-0.4, -3.55 + bob}, 1.05, {-0.2, -2.4 + bob}, {0, 1.0 + bob},
                               {0.6 * swing - 0.2, -0.8 + bob}, {1.0 * swing - 0.3, 0.6 + bob},
                               {-0.6 * swing - 0.2, -0.8 + bob}, {-1.0 * swing - 0.3, 0.6 + bob},
                               {-0.7 * swing - 0.3, 2.8}, {-1.2 * swing, 4.55}, {0.7 * swing - 0.3, 2.8},
                               {1.2 * swing, 4.55}, {}, {}, 0.75, 1.3);
            table->body.push_back(bodyOutline(p));
            table->cap.push_back(QPainterPath());
            table->bounds |= table->body.back().boundingRect();
        }
        return table;
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
            for (const KindSpec& spec : kKinds)
                if (spec.kind == kind) return spec.frames;
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

FigureClip::FigureClip(std::shared_ptr<const Frames> frames)
    : Clip(static_cast<int>(frames->body.size())), frames_(std::move(frames)) {}

void FigureClip::paint(QPainter& painter, const PaintContext& context) const {
    const size_t i = static_cast<size_t>(currentFrame() - 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(context.color.apply(kBodyColour));
    painter.drawPath(frames_->body[i]);
    if (!frames_->cap[i].isEmpty()) {
        painter.setBrush(context.color.apply(kCapColour));
        painter.drawPath(frames_->cap[i]);
    }
}

bool FigureClip::hitsContent(QPointF local) const {
    const size_t i = static_cast<size_t>(currentFrame() - 1);
    return frames_->body[i].contains(local) || frames_->cap[i].contains(local);
}

QPainterPath FigureClip::contentShape() const {
    const size_t i = static_cast<size_t>(currentFrame() - 1);
    return frames_->body[i];
}

}  // namespace valdorn
