#include "tools/assetgen/shading.h"

#include <algorithm>

namespace zelkor::assetgen {

Vec3 KeyLight() {
    return Normalize({-0.5f, -0.7f, 0.5f});
}

namespace {

// The surrounding a chrome surface mirrors: bright sky above, a dark horizon band, warm ground.
Color ChromeSurrounding(Vec3 reflected) {
    // Seen from the front, what a surface mirrors straight back is the bright sky above
    // and behind the viewer; surfaces that turn downwards pick up the horizon and ground.
    const float up = Dot(reflected, Normalize({0, -0.6f, 0.8f}));
    if (up > 0.08f) return Mix(Rgb255(150, 175, 215), Rgb255(245, 250, 255), Clamp01(up * 1.6f));
    if (up > -0.05f) return Rgb255(40, 45, 60);
    return Mix(Rgb255(120, 95, 70), Rgb255(200, 170, 130), Clamp01(-up * 1.5f));
}

}  // namespace

Color Shade(const Surface& s, Vec3 n) {
    n = Normalize(n);
    const Vec3 light = KeyLight();
    const Vec3 fill = Normalize({0.6f, 0.5f, 0.6f});
    const Vec3 view{0, 0, 1};
    const float diffuse = std::max(0.0f, Dot(n, light));
    const float soft = std::max(0.0f, Dot(n, fill));
    const Vec3 half = Normalize(light + view);
    const float highlight = std::pow(std::max(0.0f, Dot(n, half)), s.shininess) * s.specular;

    Color c;
    if (s.chrome) {
        const Vec3 reflected = n * (2 * Dot(n, view)) - view;
        c = ChromeSurrounding(reflected) * s.base * (0.75f + 0.35f * diffuse);
    } else {
        c = s.base * (0.30f + 0.85f * diffuse + 0.20f * soft);
    }
    c += Color{1, 1, 1} * highlight;
    c += s.glow;
    // Towards the silhouette the surface turns away from the viewer: darken to the outline.
    const float edge = SmoothStep(0.0f, 0.45f, n.z);
    c = Mix(s.outline, c, 1.0f - s.rim * (1.0f - edge));
    return c;
}

}  // namespace zelkor::assetgen
