#pragma once
// A square from its name in a test: Sq("e2"). Shared by every test so that
// all of them read names exactly as the board does.

#include "ChessBrdCore.h"

#include <string>

namespace tablerix::test {

inline Square Sq(const std::string& name) { return ChessBrdCore::StrToSquare(name); }

}  // namespace tablerix::test
