#pragma once

namespace zelkor {

// The archive libraries turn entry names into file names through the C character
// type. Under the "C" character type every non-ASCII name comes out empty or
// mangled, so archive code switches LC_CTYPE (and only LC_CTYPE: decimal numbers
// keep their point) to UTF-8 when it is not UTF-8 already. Idempotent.
void UseUtf8CharacterType();

}  // namespace zelkor
