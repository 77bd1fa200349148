#include "tools/assetgen/raymarch.h"

namespace zelkor::assetgen {

Mat3 RotateX(float a) {
    const float c = std::cos(a), s = std::sin(a);
    return {{1, 0, 0}, {0, c, -s}, {0, s, c}};
}

Mat3 RotateY(float a) {
    const float c = std::cos(a), s = std::sin(a);
    return {{c, 0, s}, {0, 1, 0}, {-s, 0, c}};
}

Mat3 RotateZ(float a) {
    const float c = std::cos(a), s = std::sin(a);
    return {{c, -s, 0}, {s, c, 0}, {0, 0, 1}};
}

float SdSphere(Vec3 p, float r) {
    return Length(p) - r;
}

float SdEllipsoid(Vec3 p, Vec3 r) {
    // Bounded approximation that stays conservative near the surface.
    const float k0 = Length({p.x / r.x, p.y / r.y, p.z / r.z});
    const float k1 = Length({p.x / (r.x * r.x), p.y / (r.y * r.y), p.z / (r.z * r.z)});
    if (k1 == 0) return -std::min({r.x, r.y, r.z});
    return k0 * (k0 - 1.0f) / k1;
}

float SdCapsule(Vec3 p, Vec3 a, Vec3 b, float r) {
    const Vec3 pa = p - a, ba = b - a;
    const float h = Clamp01(Dot(pa, ba) / Dot(ba, ba));
    return Length(pa - ba * h) - r;
}

float SdRoundCone(Vec3 p, Vec3 a, Vec3 b, float r1, float r2) {
    const Vec3 ba = b - a;
    const float l2 = Dot(ba, ba);
    const float rr = r1 - r2;
    const float a2 = l2 - rr * rr;
    const float il2 = 1.0f / l2;
    const Vec3 pa = p - a;
    const float y = Dot(pa, ba);
    const float z = y - l2;
    const Vec3 xv = pa * l2 - ba * y;
    const float x2 = Dot(xv, xv);
    const float y2 = y * y * l2;
    const float z2 = z * z * l2;
    const float k = (rr > 0 ? 1.0f : -1.0f) * rr * rr * x2;
    if ((z > 0 ? 1.0f : -1.0f) * a2 * z2 > k) return std::sqrt(x2 + z2) * il2 - r2;
    if ((y > 0 ? 1.0f : -1.0f) * a2 * y2 < k) return std::sqrt(x2 + y2) * il2 - r1;
    return (std::sqrt(x2 * a2 * il2) + y * rr) * il2 - r1;
}

float SdTorus(Vec3 p, float major, float minor) {
    const float q = std::sqrt(p.x * p.x + p.y * p.y) - major;
    return std::sqrt(q * q + p.z * p.z) - minor;
}

float SdRoundBox(Vec3 p, Vec3 half, float round) {
    const Vec3 q{std::fabs(p.x) - half.x + round, std::fabs(p.y) - half.y + round,
                 std::fabs(p.z) - half.z + round};
    const Vec3 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f), std::max(q.z, 0.0f)};
    return Length(outside) + std::min(std::max({q.x, q.y, q.z}), 0.0f) - round;
}

float SdCylinder(Vec3 p, float radius, float halfHeight, float round) {
    const float dx = std::sqrt(p.x * p.x + p.z * p.z) - radius + round;
    const float dy = std::fabs(p.y) - halfHeight + round;
    const float outside = std::sqrt(std::max(dx, 0.0f) * std::max(dx, 0.0f) +
                                    std::max(dy, 0.0f) * std::max(dy, 0.0f));
    return std::min(std::max(dx, dy), 0.0f) + outside - round;
}

float SmoothMin(float a, float b, float k) {
    const float h = Clamp01(0.5f + 0.5f * (b - a) / k);
    return b + (a - b) * h - k * h * (1.0f - h);
}

}  // namespace zelkor::assetgen
