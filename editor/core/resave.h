#pragma once

#include <filesystem>
#include <ostream>

#include "editor/core/editor_level.h"

namespace zelkor::editor {

// `ZelkorLvlEdit --resave IN OUT`: reads IN with the editor's rules and writes it to
// OUT in the editor's layout, as a load and a save in the editor would, but keeping
// the level's own author (the author in `start` when IN names none). `start` holds
// the fields a file without their keys keeps. Returns the exit status: 0, or 1 with
// the load or save message on `errors`.
int RunResave(const std::filesystem::path& in, const std::filesystem::path& out,
              const EditorLevel& start, std::ostream& errors);

}  // namespace zelkor::editor
