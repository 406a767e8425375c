// The reviewed sessions behind the report's golden files: each model's
// defaults with deliberate edits that reach every section and converter,
// taken through the image (encode, then decode) as a radio would hold them.
#pragma once

#include "model/session.h"

namespace kv::test {

RadioSession ReportSession(int model);

}  // namespace kv::test
