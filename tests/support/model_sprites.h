#pragma once

// The sprite files of a snake model pack, in the order of the sprite slots they fill.
#include <array>

namespace zelkor::support {

inline constexpr std::array<const char*, 29> kModelSprites{
    "head_forw",   "head_back",   "head_left",   "head_right",  "Snake_forw", "Snake_back",
    "Snake_left",  "Snake_right", "Snake_b_l",   "Snake_b_r",   "Snake_f_l",  "Snake_f_r",
    "Snake_b_l_i", "Snake_b_r_i", "Snake_f_l_i", "Snake_f_r_i", "tail_forw",  "tail_back",
    "tail_left",   "tail_right",  "Tail_b_l",    "Tail_b_r",    "Tail_f_l",   "Tail_f_r",
    "Tail_f_l_2",  "Tail_r_f",    "Tail_l_b",    "Tail_b_r_2",  "start"};

}  // namespace zelkor::support
