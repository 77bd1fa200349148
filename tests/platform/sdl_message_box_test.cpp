#include "game/platform/sdl_message_box.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sstream>

namespace zelkor {
namespace {

TEST(SdlMessageBox, WithoutADisplayWritesTheBoxAndTakesTheDefaultButton) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::ostringstream out;
    SdlMessageBox box(out);
    EXPECT_EQ(box.Show(MessageIcon::Question, "Exit?", "Sure?", MessageButtons::YesNo),
              MessageAnswer::Yes);
    EXPECT_EQ(out.str(), "Zelkor: Exit?\nSure?\n");
}

}  // namespace
}  // namespace zelkor
