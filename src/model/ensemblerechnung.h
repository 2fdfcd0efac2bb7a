// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ensemblespiele.h"

#include <atomic>
#include <functional>
#include <optional>
#include <stop_token>

// Plays the ensemble on the calling thread and auftrag.faeden - 1 further
// ones, and returns when all have ended, also when it throws. Every finished
// game adds 1 to fertigeSpiele (any thread may read it) and then calls
// `gespielt` on the thread that played it. Once `halt` is asked to stop the
// games stop at their next cycle and the result is empty (nullopt), as it
// is when the stop comes at the end of the games. The curves are the same
// for any number of threads and any scheduling. When a thread's share
// throws (`gespielt` may), the others stop at their next cycle, and once all
// have ended the exception goes on to the caller.
std::optional<EnsembleKurven> ensembleRechnen(const EnsembleAuftrag& auftrag, std::stop_token halt,
                                              std::atomic<int>& fertigeSpiele,
                                              const std::function<void()>& gespielt = {});
