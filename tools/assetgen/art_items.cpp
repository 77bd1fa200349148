#include <array>
#include <cmath>
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/raymarch.h"

namespace zelkor::assetgen {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kFrames = 45;

// Where an object stands in a picture: picture point -> object point.
struct Pose {
    Vec3 centre;
    Mat3 toObject;  // rotation from picture axes to object axes
    float scale = 1;

    Vec3 ToObject(Vec3 p) const { return toObject * (p - centre) * (1.0f / scale); }
};

// Frame f of an animation: a turn about the vertical axis with a slight forward tilt.
// Frame 1 shows the object side-on.
Mat3 SpinRotation(int frame) {
    const float turn = 2 * kPi * (frame - 1) / kFrames;
    return RotateY(-turn) * RotateX(0.28f);
}

enum Material {
    kSkin = 0,
    kEnds = 1,
    kMark = 2,
    kBand = 3,
    kFuse = 4,
    kSpark = 5,
    kCore = 6,
    kRing = 7
};

// ---- Bananas ---------------------------------------------------------------------------

enum class Fruit { Yellow, Red, Blue, Black };

struct FruitLook {
    Color base, highlight, shadow;
};

FruitLook LookOf(Fruit f) {
    switch (f) {
        case Fruit::Yellow:
            return {Rgb255(240, 200, 40), Rgb255(255, 250, 190), Rgb255(150, 100, 20)};
        case Fruit::Red:
            return {Rgb255(220, 40, 40), Rgb255(255, 170, 150), Rgb255(110, 20, 20)};
        case Fruit::Blue:
            return {Rgb255(50, 110, 230), Rgb255(170, 210, 255), Rgb255(20, 40, 120)};
        case Fruit::Black:
            break;
    }
    return {Rgb255(60, 55, 70), Rgb255(160, 150, 180), Rgb255(30, 28, 36)};
}

// A brighter tone that keeps the colour (the highlight colour would wash it out).
Color Brighter(const FruitLook& look) {
    return Mix(look.base, look.highlight, 0.35f) * 1.08f;
}

// Each kind has its own build, so that the four read apart without colour: how far
// the fruit bends, how plump it is and which way it curves. A brightness of its own
// does the rest.
struct FruitShape {
    float spanDegrees;  // half the angle the arc covers
    float thickness;    // the radius in the middle
    bool mirrored;      // curves the other way
    float rim;          // how much the silhouette darkens
    float lift;         // how far the peel is lifted towards a full, bright tone of its
                        // colour (below 0: lowered towards its shadow)
};

FruitShape ShapeOf(Fruit f) {
    switch (f) {
        case Fruit::Yellow:  // plain, plump and bright
            return {58, 4.0f, false, 0.4f, 0.45f};
        case Fruit::Red:  // curves the other way
            return {50, 2.9f, true, 0.8f, 0.0f};
        case Fruit::Blue:  // long and nearly straight, deep blue
            return {26, 2.9f, false, 0.7f, 0.1f};
        case Fruit::Black:
            break;
    }
    return {78, 3.3f, false, 1.0f, -0.6f};  // bent hard, dark
}

// A curved banana in the x-y plane: an arc of its shape's span, about 19 units long,
// thick in the middle.
class BananaScene {
public:
    BananaScene(Fruit fruit, Pose pose) : fruit_(fruit), pose_(pose), shape_(ShapeOf(fruit)) {
        span_ = shape_.spanDegrees * kPi / 180.0f;
        arcR_ = kHalfLength / std::sin(span_);
        // The middle of the arc stays where the plain banana has it.
        arcX_ = kMiddleX + arcR_ * (1 + std::cos(span_)) / 2;
    }

    float Distance(Vec3 p, int& material) const {
        const Vec3 q = ToObject(p);
        return ObjectDistance(q, material) * pose_.scale;
    }

    Color Paint(const SurfaceHit& hit) const {
        const Vec3 q = ToObject(hit.position);
        const FruitLook look = LookOf(fruit_);
        Surface s{look.base, 0.55f, 30.0f, shape_.rim, Outline()};
        if (hit.material == kEnds) {
            s.base = fruit_ == Fruit::Black ? Rgb255(70, 60, 50) : Rgb255(95, 70, 35);
            s.specular = 0.1f;
            return Shade(s, hit.normal);
        }
        const float t = Along(q);
        const float dx = q.x - arcX_, dy = q.y;
        const float radial = std::sqrt(dx * dx + dy * dy) - arcR_;  // > 0 on the outer side
        const float around = std::atan2(q.z, -radial);  // 0 inner side, +-pi/2 the flat faces
        // A soft ridge along the peel and a little colour drift towards the ends.
        s.base = Mix(look.shadow, look.base, 0.75f + 0.25f * std::cos(around * 5.0f));
        s.base = Mix(s.base, look.highlight, 0.25f * SmoothStep(0.3f, 0.0f, std::fabs(t - 0.5f)));
        s.base = shape_.lift >= 0 ? Mix(s.base, Brighter(look), shape_.lift)
                                  : Mix(s.base, look.shadow, -shape_.lift);
        const float face = std::fabs(std::fabs(around) - kPi / 2);  // 0 in the middle of a face
        switch (fruit_) {
            case Fruit::Red: {
                // A white lightning zig-zag along both faces.
                const float zig =
                    0.45f * (std::fmod(t * 6.0f, 1.0f) < 0.5f ? std::fmod(t * 6.0f, 1.0f) * 4 - 1
                                                              : 3 - std::fmod(t * 6.0f, 1.0f) * 4);
                const float offset = (std::fabs(around) - kPi / 2) - zig * 0.6f;
                if (std::fabs(offset) < 0.32f && t > 0.12f && t < 0.88f) {
                    s.base = Rgb255(250, 248, 240);
                    s.glow = Rgb255(40, 30, 30);
                }
                break;
            }
            case Fruit::Blue:
                // Three small bright dots on each face.
                for (float c : {0.25f, 0.5f, 0.75f}) {
                    if (std::hypot((t - c) * 3.4f, face) < 0.36f) {
                        s.base = Rgb255(235, 250, 255);
                        s.glow = Rgb255(70, 110, 150);
                    }
                }
                break;
            case Fruit::Black:
                // Two pale spots.
                for (float c : {0.35f, 0.66f}) {
                    if (std::hypot((t - c) * 3.0f, face * 0.9f) < 0.36f)
                        s.base = Rgb255(175, 168, 150);
                }
                s.specular = 0.25f;
                break;
            case Fruit::Yellow:
                break;
        }
        return Shade(s, hit.normal);
    }

    Color Outline() const {
        return fruit_ == Fruit::Black ? Rgb255(30, 26, 34) : Rgb255(60, 40, 22);
    }

private:
    static constexpr float kHalfLength = 9.33f;
    static constexpr float kMiddleX = -0.42f;

    // A mirrored kind is the plain one turned over about the vertical through its middle.
    Vec3 ToObject(Vec3 p) const {
        Vec3 q = pose_.ToObject(p);
        if (shape_.mirrored) q.x = 2 * kMiddleX - q.x;
        return q;
    }
    Vec3 ArcPoint(float t) const {
        const float phi = (t * 2 - 1) * span_;
        return {arcX_ - arcR_ * std::cos(phi), arcR_ * std::sin(phi), 0};
    }
    float Along(Vec3 q) const {
        const float phi = std::atan2(q.y, arcX_ - q.x);
        return Clamp01((phi / span_ + 1) * 0.5f);
    }
    float Radius(float t) const {
        const float swell = std::sin(kPi * (0.08f + 0.84f * t));
        return 0.8f + (shape_.thickness - 0.5f) * swell;
    }

    float ObjectDistance(Vec3 q, int& material) const {
        constexpr int kPieces = 8;
        float d = 1e9f;
        for (int i = 0; i < kPieces; ++i) {
            const float t0 = static_cast<float>(i) / kPieces,
                        t1 = static_cast<float>(i + 1) / kPieces;
            d = std::min(d, SdRoundCone(q, ArcPoint(t0), ArcPoint(t1), Radius(t0), Radius(t1)));
        }
        if (fruit_ == Fruit::Black) {
            // Wrinkles: shallow dents across the peel.
            d += 0.22f * std::sin(q.y * 2.3f + q.x * 1.1f) * std::sin(q.z * 2.7f + q.y * 0.6f);
        }
        // The stalk at the top and the dark tip at the bottom.
        const Vec3 top = ArcPoint(0.0f), tip = ArcPoint(1.0f);
        const float stalk = SdCapsule(q, top, top + Vec3{0.9f, -2.2f, 0}, 0.9f);
        const float end = SdSphere(q - tip, 1.05f);
        material = kSkin;
        if (stalk < d) {
            d = stalk;
            material = kEnds;
        }
        if (end < d) {
            d = end;
            material = kEnds;
        }
        return d;
    }

    Fruit fruit_;
    Pose pose_;
    FruitShape shape_;
    float span_ = 0, arcR_ = 0, arcX_ = 0;
};

// ---- TNT -------------------------------------------------------------------------------

class TntScene {
public:
    TntScene(Pose pose, int frame) : pose_(pose), frame_(frame) {}

    float Distance(Vec3 p, int& material) const {
        const Vec3 q = pose_.ToObject(p);
        float d = 1e9f;
        material = kSkin;
        for (const Vec3 at : kSticks)
            d = std::min(d, SdCylinder(q - at, 2.45f, 7.0f, 0.7f));
        const float band = SdCylinder(q - Vec3{0, 1.5f, 0.8f}, 5.7f, 1.4f, 0.5f);
        if (band < d) {
            d = band;
            material = kBand;
        }
        const Vec3 f0{0, -7.0f, 2.2f}, f1{1.3f, -9.2f, 2.2f}, f2{3.0f, -10.2f, 2.0f};
        const float fuse = std::min(SdCapsule(q, f0, f1, 0.6f), SdCapsule(q, f1, f2, 0.6f));
        if (fuse < d) {
            d = fuse;
            material = kFuse;
        }
        const float spark = SdSphere(q - f2, SparkSize());
        if (spark < d) {
            d = spark;
            material = kSpark;
        }
        return d * pose_.scale;
    }

    Color Paint(const SurfaceHit& hit) const {
        const Vec3 q = pose_.ToObject(hit.position);
        Surface s{Rgb255(200, 30, 25), 0.45f, 24.0f, 1.0f, Outline()};
        switch (hit.material) {
            case kBand:
                s.base = Rgb255(230, 220, 200);
                // A dark print line round the band.
                if (std::fabs(q.y - 1.5f) < 0.35f) s.base = Rgb255(60, 40, 30);
                break;
            case kFuse:
                s.base = Rgb255(70, 60, 50);
                s.specular = 0.1f;
                break;
            case kSpark:
                s.base = Rgb255(255, 230, 120);
                s.glow = Rgb255(255, 200, 80) * 0.8f;
                s.rim = 0.2f;
                break;
            default:
                // Lighter paper caps at the stick ends.
                if (std::fabs(q.y) > 6.3f) s.base = Rgb255(235, 190, 160);
                break;
        }
        return Shade(s, hit.normal);
    }

    Color Outline() const { return Rgb255(60, 16, 14); }

private:
    // The spark flickers: its size jumps from frame to frame.
    float SparkSize() const { return 0.9f + 0.9f * Hash01(frame_, 5, 901); }

    static constexpr std::array<Vec3, 3> kSticks = {Vec3{-2.5f, 1, -0.9f}, Vec3{2.5f, 1, -0.9f},
                                                    Vec3{0, 1, 2.2f}};
    Pose pose_;
    int frame_;
};

// ---- Atomic power ----------------------------------------------------------------------

class AtomScene {
public:
    AtomScene(Pose pose, int frame) : pose_(pose), frame_(frame) {
        for (int i = 0; i < 3; ++i) {
            rings_[i] = RotateX(1.15f) * RotateZ(-i * kPi / 3);
        }
    }

    float Distance(Vec3 p, int& material) const {
        const Vec3 q = pose_.ToObject(p);
        material = kCore;
        float d = SdSphere(q, 3.2f);
        for (int i = 0; i < 3; ++i) {
            const Vec3 r = rings_[i] * q;
            const float ring = SdTorus(r, 8.4f, 0.85f);
            if (ring < d) {
                d = ring;
                material = kRing;
            }
            // An electron running round each ring.
            const float a = 2 * kPi * ((frame_ - 1) / static_cast<float>(kFrames) * 2 + i / 3.0f);
            const float e = SdSphere(r - Vec3{8.4f * std::cos(a), 8.4f * std::sin(a), 0}, 1.5f);
            if (e < d) {
                d = e;
                material = kSpark;
            }
        }
        return d * pose_.scale;
    }

    Color Paint(const SurfaceHit& hit) const {
        Surface s{Rgb255(60, 230, 90), 0.6f, 36.0f, 0.8f, Outline()};
        if (hit.material == kCore) {
            s.base = Rgb255(220, 255, 220);
            s.glow = Rgb255(60, 120, 60);
        } else if (hit.material == kSpark) {
            s.base = Rgb255(240, 255, 200);
            s.glow = Rgb255(120, 160, 60);
            s.rim = 0.3f;
        }
        return Shade(s, hit.normal);
    }

    Color Outline() const { return Rgb255(16, 60, 30); }

private:
    Pose pose_;
    int frame_;
    std::array<Mat3, 3> rings_;
};

Pose SpinPose(Vec3 centre, int frame, float scale = 1) {
    return {centre, SpinRotation(frame), scale};
}

// The dark fruit's outermost pixels turn pale, a light rim that keeps it readable on the
// darkest backgrounds. Only pixels the picture shows (coverage of a half or more) count.
Canvas WithLightRim(Canvas canvas) {
    const Canvas shape = canvas;
    const auto shown = [&](int x, int y) {
        return shape.inside(x, y) && shape.alpha[shape.index(x, y)] >= 0.5f;
    };
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            if (!shown(x, y)) continue;
            if (shown(x - 1, y) && shown(x + 1, y) && shown(x, y - 1) && shown(x, y + 1)) continue;
            canvas.at(x, y) = Mix(canvas.at(x, y), Rgb255(196, 190, 220), 0.7f);
        }
    }
    return canvas;
}

// The flat pictures lie the object diagonally so that it fills a 16 x 16 square.
Pose FlatPose(float tilt, float scale) {
    return {{8, 8, 0}, RotateX(0.2f) * RotateZ(tilt), scale};
}

}  // namespace

void MakeItems(AssetSet& set) {
    struct Kind {
        const char* folder;
        const char* flat;
        Fruit fruit;
        float flatTilt;  // the nearly straight blue one lies steeper to fill its square
    };
    const Kind kinds[] = {{"Yellow_animated", "banana.bmp", Fruit::Yellow, 0.75f},
                          {"red_animated", "red_banana.bmp", Fruit::Red, 0.75f},
                          {"blue_animated", "blue_banana.bmp", Fruit::Blue, 0.4f},
                          {"black_animated", "black_banana.bmp", Fruit::Black, 0.75f}};
    for (const Kind& k : kinds) {
        for (int f = 1; f <= kFrames; ++f) {
            const BananaScene scene(k.fruit, SpinPose({8.6f, 12.8f, 0}, f, 0.95f));
            const Canvas picture = RayCast(scene, 16, 24);
            set.AddPicture(std::string("gfx/") + k.folder + "/" + std::to_string(f) + ".bmp",
                           k.fruit == Fruit::Black ? WithLightRim(picture) : picture,
                           KeyMode::Grey131);
        }
        const BananaScene flat(k.fruit, FlatPose(k.flatTilt, 0.72f));
        const Canvas picture = RayCast(flat, 16, 16);
        set.AddPicture(std::string("gfx/") + k.flat,
                       k.fruit == Fruit::Black ? WithLightRim(picture) : picture,
                       KeyMode::NearBlack);
    }
    for (int f = 1; f <= kFrames; ++f) {
        const TntScene tnt(SpinPose({8, 13, 0}, f), f);
        set.AddPicture("gfx/tnt_animated/" + std::to_string(f) + ".bmp", RayCast(tnt, 16, 24),
                       KeyMode::Grey128);
        const AtomScene atom(SpinPose({11, 10.5f, 0}, f), f);
        set.AddPicture("gfx/atomic_animated/" + std::to_string(f) + ".bmp", RayCast(atom, 22, 21),
                       KeyMode::Grey131);
    }
    const TntScene flatTnt({{8.2f, 9.0f, 0}, RotateX(0.2f) * RotateZ(0.3f), 0.74f}, 1);
    set.AddPicture("gfx/TNT.bmp", RayCast(flatTnt, 16, 16), KeyMode::NearBlack);
}

}  // namespace zelkor::assetgen
