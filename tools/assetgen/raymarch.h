#pragma once

#include <algorithm>
#include <cmath>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/shading.h"

namespace zelkor::assetgen {

// A rotation; rows are the images of the axes.
struct Mat3 {
    Vec3 r0{1, 0, 0}, r1{0, 1, 0}, r2{0, 0, 1};

    Vec3 operator*(Vec3 v) const { return {Dot(r0, v), Dot(r1, v), Dot(r2, v)}; }
    Mat3 Transposed() const { return {{r0.x, r1.x, r2.x}, {r0.y, r1.y, r2.y}, {r0.z, r1.z, r2.z}}; }
    friend Mat3 operator*(const Mat3& a, const Mat3& b) {
        const Mat3 t = b.Transposed();
        return {{Dot(a.r0, t.r0), Dot(a.r0, t.r1), Dot(a.r0, t.r2)},
                {Dot(a.r1, t.r0), Dot(a.r1, t.r1), Dot(a.r1, t.r2)},
                {Dot(a.r2, t.r0), Dot(a.r2, t.r1), Dot(a.r2, t.r2)}};
    }
};

Mat3 RotateX(float radians);
Mat3 RotateY(float radians);
Mat3 RotateZ(float radians);

// Signed distances (negative inside) of the shapes everything is built from.
float SdSphere(Vec3 p, float r);
float SdEllipsoid(Vec3 p, Vec3 radii);
float SdCapsule(Vec3 p, Vec3 a, Vec3 b, float r);
// A capsule whose radius changes from ra at a to rb at b.
float SdRoundCone(Vec3 p, Vec3 a, Vec3 b, float ra, float rb);
// A ring around the z axis (lying in the picture plane before rotation).
float SdTorus(Vec3 p, float major, float minor);
float SdRoundBox(Vec3 p, Vec3 half, float round);
// An upright cylinder along y with rounded rims.
float SdCylinder(Vec3 p, float radius, float halfHeight, float round);
float SmoothMin(float a, float b, float k);

struct SurfaceHit {
    Vec3 position;  // picture coordinates
    Vec3 normal;
    int material = 0;
};

// Ray-casts a scene straight into the picture (orthographic, looking along -z) with
// 4 x 4 samples per pixel. A scene offers
//   float Distance(Vec3 p, int& material) const;  // picture coordinates, in pixels
//   Color Paint(const SurfaceHit& hit) const;      // lit colour of a surface point
//   Color Outline() const;                         // dark edge colour of the object
// Edge pixels mix towards the outline colour, never towards the background.
template <class Scene>
Canvas RayCast(const Scene& scene, int width, int height) {
    constexpr int kSamples = 4;
    constexpr float kNear = 60.0f;
    constexpr float kFar = -60.0f;
    Canvas canvas(width, height);
    const Color outline = scene.Outline();
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            Color sum{};
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const float x = px + (sx + 0.5f) / kSamples;
                    const float y = py + (sy + 0.5f) / kSamples;
                    float z = kNear;
                    int material = 0;
                    bool hit = false;
                    for (int step = 0; step < 96 && z > kFar; ++step) {
                        const float d = scene.Distance({x, y, z}, material);
                        if (d < 0.004f) {
                            hit = true;
                            break;
                        }
                        z -= std::max(d * 0.8f, 0.004f);
                    }
                    if (!hit) continue;
                    const Vec3 p{x, y, z};
                    constexpr float e = 0.02f;
                    int ignored = 0;
                    const Vec3 n{scene.Distance({x + e, y, z}, ignored) -
                                     scene.Distance({x - e, y, z}, ignored),
                                 scene.Distance({x, y + e, z}, ignored) -
                                     scene.Distance({x, y - e, z}, ignored),
                                 scene.Distance({x, y, z + e}, ignored) -
                                     scene.Distance({x, y, z - e}, ignored)};
                    sum += scene.Paint({p, Normalize(n), material});
                    ++hits;
                }
            }
            if (hits == 0) continue;
            const float coverage = static_cast<float>(hits) / (kSamples * kSamples);
            const Color average = sum * (1.0f / hits);
            canvas.at(px, py) = Mix(outline, average, 0.3f + 0.7f * coverage);
            canvas.coverage(px, py) = coverage;
        }
    }
    return canvas;
}

}  // namespace zelkor::assetgen
