#pragma once

#include <QPixmap>
#include <array>

#include "editor/core/cell_codes.h"

namespace zelkor::editor {

// The 20 x 20 pictures the palette shows and the grid is drawn with. The program
// carries them inside; a build without the generated art draws plain stand-ins.
class ToolPictures {
public:
    ToolPictures();

    const QPixmap& Picture(ToolPicture picture) const;
    // True when the program carries the generated pictures.
    bool Embedded() const { return embedded_; }

    static constexpr int kSize = 20;

private:
    std::array<QPixmap, kToolPictureCount> pictures_;
    bool embedded_ = true;
};

}  // namespace zelkor::editor
