#pragma once

#include "common/archive_reader.h"

namespace zelkor {

// RAR archives (RAR 4 and RAR 5 signatures) go to libunrar, everything else to
// libarchive. Nothing when no file is there; a FIFO, a folder or a device gets a
// reader that refuses it with ArchiveProblem::NotAFile, without waiting on it.
class LibraryArchiveReaders final : public ArchiveReaderFactory {
public:
    std::unique_ptr<ArchiveReader> ReaderFor(const std::filesystem::path& archive) override;
};

}  // namespace zelkor
