#pragma once
// Timing of the exchanges. Each has an overall deadline of about twice its longest regular wait,
// so that a flood of other datagrams or a receive that fails at once forever cannot hang it.

constexpr int kSearchPolls = 32;
constexpr int kSearchPollPauseMs = 20;
constexpr int kSearchDeadlineMs = 2400;

constexpr int kCommandPollPauseMs = 100;
constexpr int kShortCommandPollLimit = 10;  // login, share list: about 1.1 s
constexpr int kShortCommandDeadlineMs = 2200;
constexpr int kAddressCommandPollLimit = 100;  // DHCP, static address: about 11 s
constexpr int kAddressCommandDeadlineMs = 22000;
