#include "editor/core/resave.h"

#include "editor/core/level_loader.h"
#include "editor/core/level_writer.h"

namespace zelkor::editor {

int RunResave(const std::filesystem::path& in, const std::filesystem::path& out,
              const EditorLevel& start, std::ostream& errors) {
    auto bytes = ReadLevelFileBytes(in);
    if (const auto* failed = std::get_if<FileResult>(&bytes)) {
        errors << in.string() << ": " << LoadFailedMessage(*failed) << '\n';
        return 1;
    }
    EditorReadResult read = ReadEditorLevel(std::get<std::string>(bytes), start);
    if (read.author) read.level.fields.Author = *read.author;
    const FileResult saved = ZkSaveLevel(out, read.level);
    if (!saved.ok()) {
        errors << out.string() << ": " << SaveFailedMessage(saved) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace zelkor::editor
