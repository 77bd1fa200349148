#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/raymarch.h"

namespace zelkor::assetgen {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kTube = 6.3f;  // body radius; the head is a little wider

// The four directions of travel, as unit steps in picture space (y down).
enum class Dir { Forw, Back, Left, Right };

struct Flat {
    float x, y;
};

Flat Step(Dir d) {
    switch (d) {
        case Dir::Forw:
            return {0, -1};
        case Dir::Back:
            return {0, 1};
        case Dir::Left:
            return {-1, 0};
        case Dir::Right:
            break;
    }
    return {1, 0};
}

// A pack's colouring of the body: u runs along the body (0..20 per cell, towards the head),
// v across it (-1 left edge .. +1 right edge, seen in the direction of travel).
struct PackStyle {
    std::string name;
    std::string displayName;
    bool edgesInverted = false;
    Color base;
    Color eye = Rgb255(250, 250, 240);
    bool chrome = false;
    std::function<Color(float u, float v, Color base)> pattern;
};

// One stretch of the body's centre line with its radius and pattern position at both ends.
struct Bone {
    Vec3 a, b;
    float ra, rb;
    float ua, ub;
};

enum PieceMaterial { kBody = 0, kEyeWhite = 1, kHeadTop = 2, kGlowRing = 3 };

class PieceScene {
public:
    PieceScene(const PackStyle& style, std::vector<Bone> bones)
        : style_(style), bones_(std::move(bones)) {}

    // A head looking along `facing`, its neck reaching back to the cell edge behind it.
    void AddHead(Dir facing) {
        hasHead_ = true;
        const Flat f = Step(facing);
        forward_ = {f.x, f.y, 0};
        right_ = {-f.y, f.x, 0};
    }
    void AddRing() { hasRing_ = true; }

    float Distance(Vec3 p, int& material) const {
        material = kBody;
        float d = 1e9f;
        for (const Bone& bone : bones_)
            d = std::min(d, SdRoundCone(p, bone.a, bone.b, bone.ra, bone.rb));
        if (hasHead_) {
            const Vec3 l = Local(p);
            const float skull = SdEllipsoid(l - Vec3{0, 1.8f, 1.0f}, {8.3f, 8.2f, 5.8f});
            const float neck = SdCapsule(l, {0, 0, 0}, {0, -16, 0}, kTube);
            d = SmoothMin(skull, neck, 2.5f);
            for (const float side : {-1.0f, 1.0f}) {
                const float eye = SdSphere(l - Vec3{side * 4.3f, 4.4f, 4.2f}, 2.2f);
                if (eye < d) {
                    d = eye;
                    material = kEyeWhite;
                }
            }
        }
        if (hasRing_) {
            const float ring = SdTorus(p - Vec3{10, 10, 0}, 6.4f, 1.7f);
            if (ring < d) {
                d = ring;
                material = kGlowRing;
            }
        }
        return d;
    }

    Color Paint(const SurfaceHit& hit) const {
        Surface s{style_.base, style_.chrome ? 0.9f : 0.5f, style_.chrome ? 60.0f : 30.0f, 1.0f,
                  Outline()};
        s.chrome = style_.chrome;
        if (hit.material == kGlowRing) {
            s.base = Mix(style_.base, Color{1, 1, 1}, 0.35f);
            s.glow = style_.base * 0.55f;
            s.chrome = false;
            s.rim = 0.5f;
            return Shade(s, hit.normal);
        }
        if (hit.material == kEyeWhite) {
            const Vec3 l = Local(hit.position);
            const Vec3 eyeCentre{l.x > 0 ? 4.3f : -4.3f, 4.4f, 4.2f};
            const Vec3 look = Normalize(l - eyeCentre);
            s.chrome = false;
            s.base = style_.eye;
            s.specular = 0.8f;
            s.rim = 0.4f;
            // The pupil looks forward, a little outward.
            if (look.y > 0.35f) s.base = Rgb255(26, 24, 30);
            return Shade(s, hit.normal);
        }
        float u = 0, v = 0;
        if (hasHead_) {
            const Vec3 l = Local(hit.position);
            u = 10 + l.y;
            v = l.x / kTube;
            // A hint of a mouth round the front of the snout.
            const float front = 9.6f - 0.09f * l.x * l.x;
            if (std::fabs(l.y - front + 1.2f) < 0.45f && std::fabs(l.x) < 5.5f && l.z < 1.6f) {
                s.base = Rgb255(40, 24, 24);
                s.chrome = false;
                return Shade(s, hit.normal);
            }
            // Nostrils.
            if (l.y > 7.2f && l.y < 8.2f && std::fabs(std::fabs(l.x) - 1.7f) < 0.5f && l.z > 2.0f) {
                s.base = s.base * 0.35f;
                return Shade(s, hit.normal);
            }
        } else {
            BodyCoordinates(hit.position, u, v);
        }
        s.base = style_.pattern ? style_.pattern(std::fmod(u + 40.0f, 20.0f), v, style_.base)
                                : style_.base;
        return Shade(s, hit.normal);
    }

    Color Outline() const { return style_.base * 0.22f + Rgb255(12, 12, 14); }

private:
    // Head coordinates: x to the head's right, y forward, z up.
    Vec3 Local(Vec3 p) const {
        const Vec3 d = p - Vec3{10, 10, 0};
        return {Dot(d, right_), Dot(d, forward_), d.z};
    }

    void BodyCoordinates(Vec3 p, float& u, float& v) const {
        float best = 1e9f;
        for (const Bone& bone : bones_) {
            const float d = SdRoundCone(p, bone.a, bone.b, bone.ra, bone.rb);
            if (d >= best) continue;
            best = d;
            const Vec3 ab = bone.b - bone.a;
            const float t = Clamp01(Dot(p - bone.a, ab) / Dot(ab, ab));
            u = bone.ua + (bone.ub - bone.ua) * t;
            const Vec3 along = Normalize({ab.x, ab.y, 0});
            const Vec3 rightHand{-along.y, along.x, 0};
            const Vec3 centre = bone.a + ab * t;
            const float r = bone.ra + (bone.rb - bone.ra) * t;
            v = std::clamp(Dot(p - centre, rightHand) / std::max(r, 0.5f), -1.0f, 1.0f);
        }
    }

    const PackStyle& style_;
    std::vector<Bone> bones_;
    bool hasHead_ = false;
    bool hasRing_ = false;
    Vec3 forward_{0, -1, 0};
    Vec3 right_{1, 0, 0};
};

Vec3 EdgeMiddle(Flat towards) {
    return {10 + 10 * towards.x, 10 + 10 * towards.y, 0};
}

// Points along the body from the tail side to the head side of a cell: a straight line
// or a quarter circle round the corner the two edges share. The ends reach a little past
// the edges so that no rounded end shows inside the picture.
std::vector<Bone> Path(Dir before, Dir after, float r0, float r1, float stopAt, int pieces) {
    const Flat in = Step(before), out = Step(after);
    const Vec3 from = EdgeMiddle({-in.x, -in.y});
    const Vec3 to = EdgeMiddle(out);
    const bool straight = in.x == out.x && in.y == out.y;
    auto point = [&](float s) -> Vec3 {
        if (straight) return from + (to - from) * s;
        const Vec3 corner{from.x + to.x - 10, from.y + to.y - 10, 0};
        const float a0 = std::atan2(from.y - corner.y, from.x - corner.x);
        float a1 = std::atan2(to.y - corner.y, to.x - corner.x);
        if (a1 - a0 > kPi) a1 -= 2 * kPi;
        if (a0 - a1 > kPi) a1 += 2 * kPi;
        const float a = a0 + (a1 - a0) * s;
        return corner + Vec3{10 * std::cos(a), 10 * std::sin(a), 0};
    };
    std::vector<Bone> bones;
    // s runs from the tail side (0) to the head side (1); stopAt < 1 ends a tail early.
    const float start = 1 - stopAt;
    for (int i = 0; i < pieces; ++i) {
        const float s0 = start + (1 - start) * i / pieces;
        const float s1 = start + (1 - start) * (i + 1) / pieces;
        // Tails stay full for most of their length and narrow quickly towards the tip.
        auto radius = [&](int k) {
            const float w = static_cast<float>(k) / pieces;
            return r0 + (r1 - r0) * (1 - (1 - w) * (1 - w));
        };
        bones.push_back({point(s0), point(s1), radius(i), radius(i + 1), s0 * 20, s1 * 20});
    }
    const Vec3 outward{out.x * 4, out.y * 4, 0};
    bones.push_back({to, to + outward, r1, r1, 20, 24});
    if (stopAt >= 1) bones.push_back({from - Vec3{in.x * 4, in.y * 4, 0}, from, r0, r0, -4, 0});
    return bones;
}

Canvas Straight(const PackStyle& s, Dir d) {
    return RayCast(PieceScene(s, Path(d, d, kTube, kTube, 1, 1)), 20, 20);
}

Canvas Corner(const PackStyle& s, Dir before, Dir after) {
    return RayCast(PieceScene(s, Path(before, after, kTube, kTube, 1, 8)), 20, 20);
}

Canvas Tail(const PackStyle& s, Dir before, Dir after) {
    const bool straight = before == after;
    return RayCast(PieceScene(s, Path(before, after, 1.3f, kTube, straight ? 0.8f : 0.82f, 8)), 20,
                   20);
}

Canvas Head(const PackStyle& s, Dir d) {
    PieceScene scene(s, {});
    scene.AddHead(d);
    return RayCast(scene, 20, 20);
}

Canvas StartMarker(const PackStyle& s) {
    PieceScene scene(s, {});
    scene.AddRing();
    return RayCast(scene, 20, 20);
}

std::vector<PackStyle> Packs() {
    std::vector<PackStyle> packs;
    // Sorted by file name, "Standart" comes second and so is the default model 1.
    packs.push_back({"Azure", "Azure", false, Rgb255(40, 105, 200), Rgb255(250, 250, 240), false,
                     [](float u, float, Color base) {
                         const float band = 1 - SmoothStep(1.6f, 2.6f, std::fabs(u - 10));
                         return Mix(base, Rgb255(150, 215, 245), band * 0.85f);
                     }});
    packs.push_back({"Standart", "Standart", false, Rgb255(60, 150, 50), Rgb255(250, 240, 170),
                     false, [](float u, float v, Color base) {
                         const float diamond = std::fabs(u - 10) / 4.5f + std::fabs(v) / 0.42f;
                         if (diamond < 1)
                             return Mix(Rgb255(235, 190, 60), Rgb255(255, 230, 120), 1 - diamond);
                         const float flank = SmoothStep(0.55f, 0.95f, std::fabs(v));
                         return Mix(base, Rgb255(40, 95, 35), flank);
                     }});
    packs.push_back({"Tropic", "Tropic Coral", false, Rgb255(225, 85, 65), Rgb255(250, 250, 230),
                     false, [](float u, float v, Color base) {
                         const bool spot = std::hypot(u - 5, (v - 0.45f) * 6) < 2.3f ||
                                           std::hypot(u - 15, (v + 0.45f) * 6) < 2.3f;
                         return spot ? Rgb255(250, 235, 200) : base;
                     }});
    packs.push_back({"Velvet", "Velvet Night", false, Rgb255(125, 60, 180), Rgb255(255, 230, 120),
                     false, [](float, float v, Color base) {
                         const float a = std::fabs(v);
                         if (a < 0.12f) return Rgb255(60, 25, 90);
                         if (a > 0.32f && a < 0.55f) return Rgb255(215, 180, 245);
                         return base;
                     }});
    packs.push_back({"Viper", "Desert Viper", true, Rgb255(205, 170, 105), Rgb255(250, 220, 80),
                     false, [](float u, float v, Color base) {
                         // Chevrons point towards the head, so turns need their own corner
                         // pictures.
                         const float chevron = std::fabs(u - (13 - 6 * std::fabs(v)));
                         if (chevron < 1.6f) return Rgb255(95, 60, 35);
                         if (chevron < 2.6f) return Rgb255(235, 210, 160);
                         return base;
                     }});
    packs.push_back({"Zinc", "Zinc Chrome", false, Rgb255(225, 228, 235), Rgb255(230, 40, 40), true,
                     [](float u, float, Color base) {
                         const float joint = std::min(u, 20 - u);
                         return joint < 0.8f ? base * 0.45f : base;
                     }});
    return packs;
}

std::string ModelIni(const PackStyle& s) {
    return "NAME=" + s.displayName +
           "\nAUTHOR=Zelkor Team\nEDGES=1\nEDGES_INVERS=" + (s.edgesInverted ? "1" : "0") +
           "\nTAIL_EDGES=1\n";
}

}  // namespace

void MakeSnakeModels(AssetSet& set) {
    using D = Dir;
    for (const PackStyle& s : Packs()) {
        const std::string dir = "models/" + s.name + "/";
        auto add = [&](const char* file, const Canvas& c) {
            set.AddPicture(dir + file, c, KeyMode::NearBlack);
        };
        add("head_forw.bmp", Head(s, D::Forw));
        add("head_back.bmp", Head(s, D::Back));
        add("head_left.bmp", Head(s, D::Left));
        add("head_right.bmp", Head(s, D::Right));
        add("Snake_forw.bmp", Straight(s, D::Forw));
        add("Snake_back.bmp", Straight(s, D::Back));
        add("Snake_left.bmp", Straight(s, D::Left));
        add("Snake_right.bmp", Straight(s, D::Right));
        // Corner pictures: each serves two turns that pass the same two edges in opposite
        // ways; a pack with its own left-hand corners draws those four separately.
        add("Snake_b_l.bmp", Corner(s, D::Right, D::Back));
        add("Snake_b_r.bmp", Corner(s, D::Forw, D::Right));
        add("Snake_f_l.bmp", Corner(s, D::Back, D::Left));
        add("Snake_f_r.bmp", Corner(s, D::Left, D::Forw));
        add("Snake_b_l_i.bmp", Corner(s, D::Forw, D::Left));
        add("Snake_b_r_i.bmp", Corner(s, D::Left, D::Back));
        add("Snake_f_l_i.bmp", Corner(s, D::Right, D::Forw));
        add("Snake_f_r_i.bmp", Corner(s, D::Back, D::Right));
        add("tail_forw.bmp", Tail(s, D::Forw, D::Forw));
        add("tail_back.bmp", Tail(s, D::Back, D::Back));
        add("tail_left.bmp", Tail(s, D::Left, D::Left));
        add("tail_right.bmp", Tail(s, D::Right, D::Right));
        add("Tail_b_l.bmp", Tail(s, D::Forw, D::Left));
        add("Tail_b_r.bmp", Tail(s, D::Left, D::Back));
        add("Tail_f_l.bmp", Tail(s, D::Right, D::Forw));
        add("Tail_f_r.bmp", Tail(s, D::Back, D::Right));
        add("Tail_f_l_2.bmp", Tail(s, D::Back, D::Left));
        add("Tail_r_f.bmp", Tail(s, D::Left, D::Forw));
        add("Tail_l_b.bmp", Tail(s, D::Right, D::Back));
        add("Tail_b_r_2.bmp", Tail(s, D::Forw, D::Right));
        add("start.bmp", StartMarker(s));
        const std::string ini = ModelIni(s);
        set.AddFile(dir + "model.ini", {ini.begin(), ini.end()});
    }
}

}  // namespace zelkor::assetgen
