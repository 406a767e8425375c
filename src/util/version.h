// The programs' version: the project's version, and where the build came
// from a git checkout, what `git describe` said when it was configured.
#pragma once

namespace kv {

const char* VersionText();  // "0.1" or "0.1 (git 7e141a2)"

}  // namespace kv
