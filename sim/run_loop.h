#pragma once
// The simulator's loop: takes datagrams, lets the adapters answer, sends their replies when
// they are due, and ends on SIGTERM or SIGINT.

#include "sim/event_log.h"
#include "sim/lan.h"
#include "sim/options.h"
#include "sim/udp_endpoint.h"

// Blocks SIGTERM and SIGINT outside the loop's wait, so that a signal is never lost between a
// check and the wait. Call before any thread starts.
void InstallStopSignals();

// Returns when a stop signal arrives; returns 0.
int RunLoop(const SimOptions& options, Lan& lan, UdpEndpoint& endpoint, EventLog& log);
