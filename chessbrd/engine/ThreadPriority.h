#pragma once
// Priority of the engine worker: the platform's seven thread levels, lowest
// first. Plain C++; the worker maps it onto its thread (TChessThread).

#include <cstdint>

namespace tablerix {

enum class TThreadPriority : std::uint8_t { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

}  // namespace tablerix
