#pragma once

#include <cmath>

#include "tools/assetgen/canvas.h"

namespace zelkor::assetgen {

// Picture space: x to the right, y down, z out of the screen towards the viewer.
struct Vec3 {
    float x = 0, y = 0, z = 0;

    friend Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
    friend Vec3 operator*(float k, Vec3 a) { return a * k; }
    friend Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
};

inline float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline float Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}
inline Vec3 Normalize(Vec3 a) {
    const float l = Length(a);
    return l > 0 ? a * (1.0f / l) : Vec3{0, 0, 1};
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}
inline float SmoothStep(float a, float b, float v) {
    const float t = Clamp01((v - a) / (b - a));
    return t * t * (3 - 2 * t);
}

// The one light of every picture: from the upper left, slightly in front.
Vec3 KeyLight();

// How a surface answers the light.
struct Surface {
    Color base;
    float specular = 0.45f;   // strength of the white highlight
    float shininess = 28.0f;  // highlight tightness
    float rim = 1.0f;         // how much the silhouette darkens towards the outline colour
    Color outline = Rgb255(28, 24, 30);
    Color glow{};         // light the surface gives off itself
    bool chrome = false;  // mirror of a sky-and-ground surrounding instead of a diffuse colour
};

// Key light, soft fill from the lower right, ambient, highlight, rim and glow.
Color Shade(const Surface& surface, Vec3 normal);

}  // namespace zelkor::assetgen
